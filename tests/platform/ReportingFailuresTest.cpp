#include "platform/ReportingFailures.h"
#include "platform/RuntimeFailure.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace jestrel
{
namespace
{

// A report's own event loop goes on running the program's code, which may fail again: the user
// reads one report, and the program ends once.
TEST(ReportingFailures, OneFailureOneReportAndOneEnd)
{
    std::vector<std::string> reports;
    int ends = 0;
    const auto failing
        = [](const char *why) { return [why] { throw RuntimeFailure(FailureKind::WindowOperation, why); }; };
    const auto report = [&](std::string_view message) {
        reports.emplace_back(message);
        runHandlerReportingOnce(
            failing("a paint behind the report"), [&](std::string_view again) { reports.emplace_back(again); },
            [&] { ++ends; });
    };
    runHandlerReportingOnce([] {}, report, [&] { ++ends; });
    EXPECT_EQ(ends, 0);
    runHandlerReportingOnce(failing("the first"), report, [&] { ++ends; });
    runHandlerReportingOnce(failing("a later one"), report, [&] { ++ends; });
    EXPECT_EQ(reports, std::vector<std::string> { "the first" });
    EXPECT_EQ(ends, 1);
}

} // namespace
} // namespace jestrel
