#pragma once

#include <string>
#include <vector>
#include <windows.h>

namespace jestrel
{

// The files dropped, as WM_DROPFILES gives the drop; the drop is finished, so its handle is gone.
std::vector<std::wstring> droppedFiles(HDROP drop);

} // namespace jestrel
