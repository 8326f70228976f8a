#pragma once

#include "ui/win32/OwnedHandles.h"

namespace jestrel
{

// The font every control of both windows writes in, at a monitor's pixels per logical inch.
FontHandle controlFont(UINT dpi);

} // namespace jestrel
