#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace jestrel
{

// Runs action. A failure that escapes it, the run-time failure or any other, is handed to report
// as the message the user reads, and false comes back. A file that is not there is followed by
// missingFileAdvice's words, where it gives any.
bool reportingFailures(const std::function<void()> &action, const std::function<void(std::string_view)> &report,
                       const std::function<std::string()> &missingFileAdvice = {});

// Runs an event handler inside the failure boundary. The first failure that escapes a handler is
// reported as reportingFailures() reports it, and then end runs. The report's own event loop goes
// on running the program's paint and timer code; a failure there, or any later one, is left
// unshown, as the program is ending: one failure, one report.
void runHandlerReportingOnce(const std::function<void()> &handler, const std::function<void(std::string_view)> &report,
                             const std::function<void()> &end);

} // namespace jestrel
