#include "platform/ReportingFailures.h"

#include "platform/RuntimeFailure.h"

#include <exception>
#include <new>

namespace jestrel
{

bool reportingFailures(const std::function<void()> &action, const std::function<void(std::string_view)> &report,
                       const std::function<std::string()> &missingFileAdvice)
{
    try {
        action();
        return true;
    } catch (const RuntimeFailure &failure) {
        const std::string advice
            = failure.kind() == FailureKind::FileNotFound && missingFileAdvice ? missingFileAdvice() : std::string();
        report(advice.empty() ? std::string(failure.what()) : std::string(failure.what()) + "\n\n" + advice);
    } catch (const std::bad_alloc &) {
        report("Jestrel ran out of memory.");
    } catch (const std::exception &failure) {
        report(failure.what());
    } catch (...) {
        report("Jestrel met a failure it cannot name and has to end.");
    }
    return false;
}

void runHandlerReportingOnce(const std::function<void()> &handler, const std::function<void(std::string_view)> &report,
                             const std::function<void()> &end)
{
    // Every handler of the run passes here, and the first failure of any of them ends the run.
    static bool failed = false;
    if (failed) {
        reportingFailures(handler, [](std::string_view) {});
        return;
    }
    if (!reportingFailures(handler, [&report](std::string_view message) {
            failed = true;
            report(message);
        }))
        end();
}

} // namespace jestrel
