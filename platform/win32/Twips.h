#pragma once

#include <windows.h>

namespace jestrel::twips
{

// 1440 twips to the logical inch: 15 to the pixel at 96 pixels per logical inch (100 %).
inline constexpr double kPerInch = 1440.0;
inline constexpr UINT kDefaultDpi = 96;

int toPixels(double twips, UINT dpi);
float fromPixels(int pixels, UINT dpi);

// The pixels per logical inch of the monitor the window stands on.
UINT dpiOf(HWND window);
UINT primaryMonitorDpi();

} // namespace jestrel::twips
