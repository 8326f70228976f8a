#pragma once

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace jestrel
{

// The program's one connection to its X display; nullptr where the toolkit draws on none.
xcb_connection_t *x11Connection();

// A reply from the display, freed as the C library allocated it.
template<typename T> using XReply = std::unique_ptr<T, decltype(&std::free)>;

} // namespace jestrel
