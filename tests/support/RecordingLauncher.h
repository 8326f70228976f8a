#pragma once

#include "platform/ProgramLauncher.h"

#include <string>
#include <vector>

namespace jestrel::test
{

// Records what it is asked to start and starts nothing.
class RecordingLauncher final : public ProgramLauncher
{
public:
    struct Launch {
        std::string command;
        int windowStyle = 0;
    };

    int launch(std::string_view command, int windowStyle) override
    {
        launches.push_back({ std::string(command), windowStyle });
        return 4242;
    }

    std::vector<Launch> launches;
};

} // namespace jestrel::test
