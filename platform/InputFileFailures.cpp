#include "platform/InputFileFailures.h"

#include "platform/PathQueries.h"

namespace jestrel
{

RuntimeFailure missingFileFailure(const std::string &path)
{
    const std::string folder = absoluteFolder(path);
    return RuntimeFailure(FailureKind::FileNotFound,
                          "Cannot open " + path + ": there is no such file" + (folder.empty() ? "" : " in " + folder)
                              + ".");
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
    // In the order of SpecialFile.
    constexpr std::string_view kWhatItIs[] { "a folder", "a pipe", "a device", "a socket",
                                             "something other than a file" };
    return RuntimeFailure(FailureKind::FileNotReadable,
                          "Cannot read " + path + ": it is " + std::string(kWhatItIs[static_cast<int>(kind)])
                              + ", not a text file.");
}

} // namespace jestrel
