#pragma once

#include <cstdint>

class QWidget;

namespace jestrel
{

struct WindowPosition {
    std::int32_t left = 0;
    std::int32_t top = 0;
};

// Where a window of the given outer size sits centred on a screen of the given size, all in twips.
// Each difference is rounded to the nearest whole twip, ties to even, then halved toward zero. A
// difference that is not a finite number in the 32-bit range fails with FloatingPoint.
WindowPosition centredPosition(float screenWidth, float screenHeight, float windowWidth, float windowHeight);

// Moves the window to the middle of the primary screen without changing its size.
void CenterOnScreen(QWidget &window);

} // namespace jestrel
