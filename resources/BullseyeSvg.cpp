// Apart from the rendering, so that a program drawing only pixels, the Windows one, does not
// link the C++ library's floating-point formatting.

#include "resources/BullseyeRendering.h"

#include "resources/BullseyeRings.h"

#include <charconv>
#include <string_view>

namespace jestrel
{

namespace
{

std::string number(double value)
{
    std::array<char, 32> text {};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), result.ptr);
}

std::string hexColour(const Rgb &colour)
{
    constexpr std::string_view kDigits = "0123456789abcdef";
    std::string text = "#";
    for (const std::uint8_t component : { colour.red, colour.green, colour.blue }) {
        text += kDigits[component >> 4];
        text += kDigits[component & 0x0F];
    }
    return text;
}

} // namespace

std::string bullseyeSvg()
{
    const std::string side = number(kIconSide);
    const std::string centre = number(kIconSide / 2.0);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\""
        + side + "\" height=\"" + side + "\" viewBox=\"0 0 " + side + " " + side + "\">\n";
    // The outermost ring first, so that each ring inside it is painted over it.
    for (auto ring = kBullseyeRings.rbegin(); ring != kBullseyeRings.rend(); ++ring) {
        svg += "  <circle cx=\"" + centre + "\" cy=\"" + centre + "\" r=\"" + number(ring->outerRadius) + "\" fill=\""
            + hexColour(kWindowsPalette.at(ring->paletteIndex)) + "\"/>\n";
    }
    svg += "</svg>\n";
    return svg;
}

} // namespace jestrel
