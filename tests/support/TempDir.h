#pragma once

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <stdlib.h> // mkdtemp
#include <string>
#include <string_view>
#include <system_error>

namespace jestrel::test
{

// A new folder under the system's temporary folder, removed with everything in it. It is never
// one that existed before, so nothing left by an earlier run or another user can be read back.
class TempDir
{
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "jestrel-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::system_error(errno, std::generic_category(), "Cannot make a folder like " + pattern);
        m_path = pattern;
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &path() const { return m_path; }

    std::filesystem::path write(const std::string &name, std::string_view bytes) const
    {
        const auto file = m_path / name;
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

private:
    std::filesystem::path m_path;
};

} // namespace jestrel::test
