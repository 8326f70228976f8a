#pragma once

#include "ui/win32/OwnedHandles.h"

namespace jestrel
{

// The bullseye side pixels wide, drawn from its rings, so it is sharp at every size; at 32 pixels
// it is the icon file's own picture.
IconHandle programIcon(int side);

} // namespace jestrel
