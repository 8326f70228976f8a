#pragma once

#include <windows.h>

namespace jestrel
{

// Sets call to the function of that name in library, a library loaded when first needed rather
// than imported, so that it costs nothing at start-up; null where either is missing.
template<typename Call> void findCall(HMODULE library, const char *name, Call &call)
{
    // Through the generic function type, which converts to any other without a warning.
    call = library ? reinterpret_cast<Call>(reinterpret_cast<void (*)()>(GetProcAddress(library, name))) : nullptr;
}

} // namespace jestrel
