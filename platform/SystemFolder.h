#pragma once

#include <string>
#include <windows.h>

namespace jestrel
{

using SystemFolderCall = UINT(WINAPI *)(LPWSTR, UINT);

// The program a command line starts, where it names one without its folder, in the system folder
// that systemFolder tells, as GetSystemDirectoryW does. Left to itself CreateProcessW would look
// in the program's own folder and the current one first, where the sayings file lives and anybody
// may leave a program of that name. Empty for a program named with its folder; a system folder
// that cannot be told fails with LaunchFailure, rather than leave a path from the drive's root.
std::wstring programInSystemFolder(const std::wstring &commandLine,
                                   SystemFolderCall systemFolder = GetSystemDirectoryW);

} // namespace jestrel
