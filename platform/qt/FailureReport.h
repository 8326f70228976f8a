#pragma once

namespace jestrel
{

class RuntimeFailure;

// Shows the failure's message in a modal message box and on standard error; returns once the user
// has dismissed it.
void reportFailure(const RuntimeFailure &failure);

} // namespace jestrel
