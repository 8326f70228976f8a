#pragma once

#include "platform/Twips.h"

#include <windows.h>

namespace jestrel::twips
{

// The pixels per logical inch of the monitor the window stands on.
UINT dpiOf(HWND window);
UINT primaryMonitorDpi();

} // namespace jestrel::twips
