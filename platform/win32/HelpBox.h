#pragma once

#include <string_view>

namespace jestrel
{

// Shows help in a message box titled "Jestrel!" with the information icon; returns once the user
// has dismissed it.
void showHelp(std::string_view help);

} // namespace jestrel
