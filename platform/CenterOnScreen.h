#pragma once

#include "platform/WindowOperations.h"

#include <cstdint>

namespace jestrel
{

struct WindowPosition {
    std::int32_t left = 0;
    std::int32_t top = 0;
};

// Where a window of the given outer size sits centred on a screen of the given size, all in twips
// and relative to the screen's own corner. Each difference is rounded to the nearest whole twip,
// ties to even, then halved toward zero. A difference that is not a finite number in the 32-bit
// range fails with FloatingPoint.
WindowPosition centredPosition(float screenWidth, float screenHeight, float windowWidth, float windowHeight);

// Moves the window, frame and all, to the middle of the primary screen without changing its size:
// the one placing rule of both windows and of the failure report.
void CenterOnScreen(WindowOperations &window);

} // namespace jestrel
