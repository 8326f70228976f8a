#include "platform/InputFileFailures.h"

#include "platform/PathQueries.h"

namespace jestrel
{

namespace
{

std::string whereLookedFor(const std::string &path)
{
    const std::string folder = absoluteFolder(path);
    return folder.empty() ? std::string() : " in " + folder;
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
