#pragma once

#include <string>

namespace jestrel
{

// What the failure messages and the first start's advice ask about a path. Paths are UTF-8.
// Each system answers with its own calls: on Windows, std::filesystem converts names through
// the C++ library's locales, which would make up most of the program.

// Whether path names a regular file; false where that cannot be told.
bool isRegularFile(const std::string &path);

// The folder path lies in, made absolute against the current folder; empty where that cannot be
// told.
std::string absoluteFolder(const std::string &path);

} // namespace jestrel
