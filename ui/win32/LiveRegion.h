#pragma once

#include <windows.h>

namespace jestrel
{

// Makes the control a polite live region, whose changes Narrator and NVDA read without the focus
// on it: each one that announceLiveRegion tells them of. The mark is set when a screen reader first
// reads the control, so that most runs, which have none, never load the libraries it takes.
void makeLiveRegion(HWND control);
void announceLiveRegion(HWND control);

} // namespace jestrel
