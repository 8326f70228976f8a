#pragma once

#include "platform/RuntimeFailure.h"

#include <string>
#include <string_view>

namespace jestrel
{

// The failures of InputFile, told in the same sentences on every system. Paths are UTF-8.

enum class SpecialFile { Folder, Pipe, Device, Socket, Other };

// FileNotFound, naming the folder the file was looked for in.
RuntimeFailure missingFileFailure(const std::string &path);
// FileNotReadable, for a file that exists but cannot be opened, or stops being readable.
RuntimeFailure openFailure(const std::string &path, std::string_view cause);
RuntimeFailure readFailure(const std::string &path, std::string_view cause);
// FileNotReadable, for what is there in place of a file.
RuntimeFailure notATextFileFailure(const std::string &path, SpecialFile kind);

} // namespace jestrel
