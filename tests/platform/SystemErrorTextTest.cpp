#include "platform/SystemErrorText.h"

#include <gtest/gtest.h>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#endif

namespace jestrel
{
namespace
{

// The system's own texts would follow the user's language; ours stay English, and a cause
// without words of ours still says which one it was.
TEST(SystemErrorText, IsOurOwnEnglishOrTheNumber)
{
    const std::pair<int, const char *> rows[] = {
#ifdef _WIN32
        { ERROR_ACCESS_DENIED, "permission denied" },
#else
        { EACCES, "permission denied" },
#endif
        { 4242, "system error 4242" },
    };
    for (const auto &[code, text] : rows)
        EXPECT_EQ(systemErrorText(code), text) << code;
}

} // namespace
} // namespace jestrel
