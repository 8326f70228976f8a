#pragma once

#include <string_view>

namespace jestrel
{

// Shows the failure's message in a message box titled "Jestrel!" with the error icon, and on
// standard error when the program has one; returns once the user has dismissed it. Every window
// of the program takes no input while the box shows.
void reportFailure(std::string_view message);

} // namespace jestrel
