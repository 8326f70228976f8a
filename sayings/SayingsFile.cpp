#include "sayings/SayingsFile.h"

#include "platform/PathQueries.h"

namespace jestrel
{

std::optional<SayingsFile> SayingsFile::dropped(std::span<const std::string> droppedPaths)
{
    if (droppedPaths.size() != 1 || !isRegularFile(droppedPaths.front()))
        return std::nullopt;
    return SayingsFile(droppedPaths.front());
}

} // namespace jestrel
