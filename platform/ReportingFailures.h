#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace jestrel
{

// Runs action. A failure that escapes it, the run-time failure or any other, is handed to report
// as the message the user reads, and false comes back. A file that is not there is followed by
// missingFileAdvice's words, where it is given.
bool reportingFailures(const std::function<void()> &action, const std::function<void(std::string_view)> &report,
                       const std::function<std::string()> &missingFileAdvice = {});

} // namespace jestrel
