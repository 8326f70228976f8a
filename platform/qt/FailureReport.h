#pragma once

#include <string_view>

namespace jestrel
{

// Shows the failure's message in a modal message box, centred on the screen, and on standard
// error; returns once the user has dismissed it.
void reportFailure(std::string_view message);

} // namespace jestrel
