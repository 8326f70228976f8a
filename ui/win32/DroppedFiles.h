#pragma once

#include <string>
#include <vector>
#include <windows.h>

namespace jestrel
{

// The UTF-8 paths of the files dropped, as WM_DROPFILES gives the drop; the drop is finished, so
// its handle is gone.
std::vector<std::string> droppedFiles(HDROP drop);

} // namespace jestrel
