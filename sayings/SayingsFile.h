#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace jestrel
{

inline constexpr std::string_view kSayingsFileName = "Jestrel.Ini";

// The sayings file every draw reads: Jestrel.Ini in the current folder, or the file named at start,
// or the one last dropped on the window. A path as the user gave it, in UTF-8, named so in failures.
class SayingsFile
{
public:
    explicit SayingsFile(std::string path = std::string(kSayingsFileName)) : m_path(std::move(path)) { }

    const std::string &path() const { return m_path; }
    // Whether it is Jestrel.Ini in the current folder, which a first start advises how to make; a
    // file of another name is the user's own.
    bool isDefault() const { return m_path == kSayingsFileName; }

    // The file a drop gives: the one path dropped, where it names a regular file. A drop of
    // anything else, several files, a folder, or what is not a local file (an empty path), gives
    // none, and the file in use stays.
    static std::optional<SayingsFile> dropped(std::span<const std::string> droppedPaths);

private:
    std::string m_path;
};

} // namespace jestrel
