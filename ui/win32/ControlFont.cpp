#include "ui/win32/ControlFont.h"

#include "forms/FormDescription.h"
#include "platform/RuntimeFailure.h"
#include "platform/WideText.h"

#include <cmath>

namespace jestrel
{

namespace
{

// MS Sans Serif is drawn from bitmaps made for 96 pixels per inch; at any other scale they come
// out too small and thin. Its outline twin, with the same metrics, scales.
constexpr const wchar_t *kScalableTwin = L"Microsoft Sans Serif";

} // namespace

FontHandle controlFont(UINT dpi)
{
    // The 7.8 points the windows were laid out in are MS Sans Serif's 8-point size. A negative
    // height asks for the characters' height, not the cell's.
    const auto points = static_cast<int>(std::lround(forms::kControlFont.points));
    const int height = -MulDiv(points, static_cast<int>(dpi), 72);
    const std::wstring family = dpi == 96 ? toWide(forms::kControlFont.family) : kScalableTwin;
    FontHandle font(CreateFontW(height, 0, 0, 0, forms::kControlFont.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                family.c_str()));
    if (!font)
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot make the windows' font.");
    return font;
}

} // namespace jestrel
