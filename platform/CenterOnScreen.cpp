#include "platform/CenterOnScreen.h"

#include "platform/RuntimeFailure.h"

#include <cmath>
#include <limits>

namespace jestrel
{

namespace
{

std::int32_t halfOfRounded(float screen, float window)
{
    // A subtraction raises the invalid or overflow flag exactly when its result is not finite.
    const float difference = screen - window;
    const double rounded = std::nearbyint(static_cast<double>(difference));
    if (!std::isfinite(difference) || rounded < std::numeric_limits<std::int32_t>::min()
        || rounded > std::numeric_limits<std::int32_t>::max()) {
        throw RuntimeFailure(FailureKind::FloatingPoint,
                             "Cannot centre the window: the screen and window sizes give no usable position.");
    }
    return static_cast<std::int32_t>(rounded) / 2;
}

} // namespace

WindowPosition centredPosition(float screenWidth, float screenHeight, float windowWidth, float windowHeight)
{
    return { halfOfRounded(screenWidth, windowWidth), halfOfRounded(screenHeight, windowHeight) };
}

void CenterOnScreen(WindowOperations &window)
{
    const TwipsSize screen = window.screenSize();
    const TwipsSize outer = window.outerSize();
    const WindowPosition position = centredPosition(screen.width, screen.height, outer.width, outer.height);
    window.move(position.left, position.top);
}

} // namespace jestrel
