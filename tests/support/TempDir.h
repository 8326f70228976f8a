#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <random>
#include <stdexcept>
#else
#include <cerrno>
#include <stdlib.h> // mkdtemp
#endif

namespace jestrel::test
{

// A path as the program's UTF-8 text. path::string() would convert to the ANSI code page on
// Windows, which cannot hold every name.
inline std::string utf8(const std::filesystem::path &path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A new folder under the system's temporary folder, removed with everything in it. It is never
// one that existed before, so nothing left by an earlier run or another user can be read back.
// Its name holds label, so that a test can choose what characters the path holds.
class TempDir
{
public:
    explicit TempDir(std::u8string_view label = u8"")
    {
        const auto prefix = std::filesystem::temp_directory_path() / (u8"jestrel-test-" + std::u8string(label));
#ifdef _WIN32
        // Windows has no mkdtemp(); create_directory() tells whether it made the folder.
        std::random_device random;
        for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
            auto candidate = prefix;
            candidate += std::to_string(random());
            if (std::filesystem::create_directory(candidate))
                m_path = candidate;
        }
        if (m_path.empty())
            throw std::runtime_error("Cannot make a new folder like " + utf8(prefix));
#else
        std::string pattern = prefix.string() + "XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::system_error(errno, std::generic_category(), "Cannot make a folder like " + pattern);
        m_path = pattern;
#endif
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &path() const
    {
        return m_path;
    }

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
