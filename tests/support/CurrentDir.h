#pragma once

#include <filesystem>

namespace jestrel::test
{

// Makes a folder the current one for as long as this object lives.
class CurrentDir
{
public:
    explicit CurrentDir(const std::filesystem::path &path) : m_previous(std::filesystem::current_path())
    {
        std::filesystem::current_path(path);
    }
    ~CurrentDir() { std::filesystem::current_path(m_previous); }
    CurrentDir(const CurrentDir &) = delete;
    CurrentDir &operator=(const CurrentDir &) = delete;

private:
    std::filesystem::path m_previous;
};

} // namespace jestrel::test
