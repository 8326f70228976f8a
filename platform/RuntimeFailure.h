#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace jestrel
{

enum class FailureKind {
    FileNotFound,
    FileNotReadable,
    InputPastEndOfFile,
    LineTooLong,
    TypeMismatch,
    SubscriptOutOfRange,
    FloatingPoint,
    LaunchFailure,
    WindowOperation,
};

// The program's one run-time failure. Nothing in the program's handlers catches it: the
// start-up code reports what() to the user and ends the program.
class RuntimeFailure : public std::runtime_error
{
public:
    RuntimeFailure(FailureKind kind, const std::string &message);

    // "Jestrel.Ini, line 3: <fault>"
    static RuntimeFailure atLine(FailureKind kind, std::string_view file, int line, std::string_view fault);

    FailureKind kind() const noexcept { return m_kind; }

private:
    FailureKind m_kind;
};

} // namespace jestrel
