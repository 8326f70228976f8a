#pragma once

#include <chrono>
#include <filesystem>
#include <thread>

namespace jestrel::test
{

// Waits, ten seconds unless told, for a file that a program started by a test makes.
inline bool awaitFile(const std::filesystem::path &file,
                      std::chrono::steady_clock::duration patience = std::chrono::seconds(10))
{
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!std::filesystem::exists(file)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace jestrel::test
