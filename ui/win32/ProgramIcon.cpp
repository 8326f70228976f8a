#include "ui/win32/ProgramIcon.h"

#include "platform/RuntimeFailure.h"
#include "resources/BullseyeRendering.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace jestrel
{

namespace
{

// 32 bits a pixel, top row first: the byte order of 0xAARRGGBB in memory.
BitmapHandle colourBitmap(const std::vector<std::uint32_t> &argb, int side)
{
    BITMAPINFO info {};
    info.bmiHeader = { sizeof info.bmiHeader, side, -side, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
    void *bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap)
        std::memcpy(bits, argb.data(), argb.size() * sizeof argb.front());
    return bitmap;
}

// Set where the picture is transparent, for whatever draws icons without their alpha channel.
// Rows of a device-dependent bitmap take whole 16-bit words.
BitmapHandle maskBitmap(const std::vector<std::uint32_t> &argb, int side)
{
    const int rowBytes = (side + 15) / 16 * 2;
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(rowBytes * side));
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            if ((argb[static_cast<std::size_t>(y * side + x)] >> 24) == 0)
                mask[static_cast<std::size_t>(y * rowBytes + x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    return BitmapHandle(CreateBitmap(side, side, 1, 1, mask.data()));
}

} // namespace

IconHandle programIcon(int side)
{
    const std::vector<std::uint32_t> argb = renderBullseye(side);
    const BitmapHandle colour = colourBitmap(argb, side);
    const BitmapHandle mask = maskBitmap(argb, side);
    ICONINFO parts { TRUE, 0, 0, mask.get(), colour.get() };
    IconHandle icon(colour && mask ? CreateIconIndirect(&parts) : nullptr);
    if (!icon)
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot make the program's icon.");
    return icon;
}

} // namespace jestrel
