#pragma once

#include <optional>
#include <string>
#include <windows.h>

namespace jestrel
{

// The file dropped, where one alone was, as WM_DROPFILES gives the drop; the drop is finished, so
// its handle is gone.
std::optional<std::wstring> droppedFile(HDROP drop);

} // namespace jestrel
