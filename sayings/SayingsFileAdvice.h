#pragma once

#include <string>
#include <string_view>

namespace jestrel
{

// What a user who has no sayings file yet reads beside the failure to find one: what the file
// holds, the sample to start from where one is installed at samplePath, and where to read more.
std::string sayingsFileAdvice(const std::string &samplePath, std::string_view readMore);

} // namespace jestrel
