#pragma once

#include <string_view>

namespace jestrel
{

// Window styles a launched program may be asked to start in.
inline constexpr int kMinimizedFocusWindowStyle = 2;

class ProgramLauncher
{
public:
    virtual ~ProgramLauncher() = default;

    // Starts the program named by command without a shell and without waiting for it; returns
    // its task identifier. A program that cannot be started fails with LaunchFailure.
    virtual int launch(std::string_view command, int windowStyle) = 0;
};

// Starts programs of this system. "calc.exe" stands for the desktop's calculator.
class SystemLauncher final : public ProgramLauncher
{
public:
    int launch(std::string_view command, int windowStyle) override;
};

} // namespace jestrel
