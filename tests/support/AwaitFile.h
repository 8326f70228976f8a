#pragma once

#include <chrono>
#include <filesystem>
#include <thread>

namespace jestrel::test
{

// Waits up to ten seconds for a file that a program started by a test makes.
inline bool awaitFile(const std::filesystem::path &file)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!std::filesystem::exists(file)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace jestrel::test
