#include "platform/SystemErrorText.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <utility>

namespace jestrel
{
namespace
{

// The system's own texts would follow the user's language; ours stay English, and a cause
// without words of ours still says which one it was.
TEST(SystemErrorText, IsOurOwnEnglishOrTheNumber)
{
    const std::pair<int, const char *> rows[] = {
        { EACCES, "permission denied" },
        { 4242, "system error 4242" },
    };
    for (const auto &[code, text] : rows)
        EXPECT_EQ(systemErrorText(code), text) << code;
}

} // namespace
} // namespace jestrel
