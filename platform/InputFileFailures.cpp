#include "platform/InputFileFailures.h"

#include <filesystem>

namespace jestrel
{

namespace
{

std::string whereLookedFor(const std::string &path)
{
    // From and to UTF-8 explicitly: on Windows, path::string() converts to the ANSI code page,
    // which cannot hold every folder's name.
    std::error_code error;
    const auto folder = std::filesystem::absolute(std::u8string(path.begin(), path.end()), error).parent_path();
    if (error)
        return std::string();
    const std::u8string name = folder.u8string();
    return " in " + std::string(name.begin(), name.end());
}

std::string_view describe(SpecialFile kind)
{
    switch (kind) {
    case SpecialFile::Folder:
        return "a folder";
    case SpecialFile::Pipe:
        return "a pipe";
    case SpecialFile::Device:
        return "a device";
    case SpecialFile::Socket:
        return "a socket";
    case SpecialFile::Other:
        break;
    }
    return "something other than a file";
}

} // namespace

RuntimeFailure missingFileFailure(const std::string &path)
{
    return RuntimeFailure(FailureKind::FileNotFound,
                          "Cannot open " + path + ": there is no such file" + whereLookedFor(path) + ".");
}

RuntimeFailure openFailure(const std::string &path, std::string_view cause)
{
    return RuntimeFailure(FailureKind::FileNotReadable, "Cannot open " + path + ": " + std::string(cause) + ".");
}

RuntimeFailure readFailure(const std::string &path, std::string_view cause)
{
    return RuntimeFailure(FailureKind::FileNotReadable, "Cannot read " + path + ": " + std::string(cause) + ".");
}

RuntimeFailure notATextFileFailure(const std::string &path, SpecialFile kind)
{
    return RuntimeFailure(FailureKind::FileNotReadable,
                          "Cannot read " + path + ": it is " + std::string(describe(kind)) + ", not a text file.");
}

} // namespace jestrel
