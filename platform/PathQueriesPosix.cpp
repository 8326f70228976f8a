#include "platform/PathQueries.h"

#include <filesystem>

namespace jestrel
{

// UTF-8 both ways through std::u8string, whatever the locale's encoding.

bool isRegularFile(const std::string &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(std::u8string(path.begin(), path.end()), error);
}

std::string absoluteFolder(const std::string &path)
{
    std::error_code error;
    const auto folder = std::filesystem::absolute(std::u8string(path.begin(), path.end()), error).parent_path();
    if (error)
        return std::string();
    const std::u8string name = folder.u8string();
    return std::string(name.begin(), name.end());
}

} // namespace jestrel
