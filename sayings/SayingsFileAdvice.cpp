#include "sayings/SayingsFileAdvice.h"

#include "platform/PathQueries.h"

namespace jestrel
{

std::string sayingsFileAdvice(const std::string &samplePath, std::string_view readMore)
{
    std::string advice = "Jestrel shows sayings from Jestrel.Ini, a plain text file in the folder it starts in: a line "
                         "with the number of lines in the file, then one saying on each line.";
    // The path stands on a line of its own, where a message box that wraps its text keeps it whole.
    if (!samplePath.empty() && isRegularFile(samplePath)) {
        advice += " A sample to copy there is\n";
        advice += samplePath;
        advice += '\n';
    }
    if (!readMore.empty()) {
        advice += advice.back() == '\n' ? "" : " ";
        advice += readMore;
    }
    return advice;
}

} // namespace jestrel
