#include "ui/win32/ControlFont.h"

#include "forms/FormDescription.h"
#include "platform/RuntimeFailure.h"
#include "platform/WideText.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace jestrel
{

namespace
{

// MS Sans Serif is drawn from bitmaps made for 96 pixels per inch; at any other scale they come
// out too small and thin. Its outline twin, with the same metrics, scales, and has fonts for other
// scripts linked to it.
constexpr const wchar_t *kScalableTwin = L"Microsoft Sans Serif";
constexpr UINT kBitmapDpi = 96;

struct ScriptCharset {
    wchar_t first;
    wchar_t last;
    BYTE charset;
};

// Scripts by their main blocks, and the character set that names each to the font mapper.
constexpr std::array kScriptCharsets {
    ScriptCharset { 0x0100, 0x024F, EASTEUROPE_CHARSET }, ScriptCharset { 0x0370, 0x03FF, GREEK_CHARSET },
    ScriptCharset { 0x0400, 0x052F, RUSSIAN_CHARSET },    ScriptCharset { 0x0590, 0x05FF, HEBREW_CHARSET },
    ScriptCharset { 0x0600, 0x08FF, ARABIC_CHARSET },     ScriptCharset { 0x0E00, 0x0E7F, THAI_CHARSET },
    ScriptCharset { 0x1100, 0x11FF, HANGUL_CHARSET },     ScriptCharset { 0x3040, 0x30FF, SHIFTJIS_CHARSET },
    ScriptCharset { 0x3130, 0x318F, HANGUL_CHARSET },     ScriptCharset { 0x3400, 0x9FFF, GB2312_CHARSET },
    ScriptCharset { 0xAC00, 0xD7AF, HANGUL_CHARSET },     ScriptCharset { 0xF900, 0xFAFF, GB2312_CHARSET },
    ScriptCharset { 0xFB1D, 0xFB4F, HEBREW_CHARSET },     ScriptCharset { 0xFB50, 0xFDFF, ARABIC_CHARSET },
    ScriptCharset { 0xFE70, 0xFEFF, ARABIC_CHARSET },     ScriptCharset { 0xFF66, 0xFF9F, SHIFTJIS_CHARSET },
};

bool inWindows1252(wchar_t c)
{
    BOOL unmapped = FALSE;
    WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, &c, 1, nullptr, 0, nullptr, &unmapped);
    return !unmapped;
}

} // namespace

BYTE charsetOf(std::wstring_view text)
{
    const auto foreign = std::ranges::find_if_not(text, inWindows1252);
    if (foreign == text.end())
        return DEFAULT_CHARSET;
    // Japanese writes kana among its Han characters; Han alone is taken for Chinese.
    if (*foreign >= 0x3400 && *foreign <= 0x9FFF
        && std::ranges::any_of(text, [](wchar_t c) { return c >= 0x3040 && c <= 0x30FF; }))
        return SHIFTJIS_CHARSET;
    const auto script = std::ranges::find_if(
        kScriptCharsets, [c = *foreign](const ScriptCharset &range) { return c >= range.first && c <= range.last; });
    return script == kScriptCharsets.end() ? DEFAULT_CHARSET : script->charset;
}

ControlFonts::ControlFonts(UINT dpi)
    : m_dpi(dpi)
    , m_laidOut(make(dpi == kBitmapDpi ? toWide(forms::kControlFont.family).c_str() : kScalableTwin, DEFAULT_CHARSET))
{
}

HFONT ControlFonts::fontFor(std::wstring_view text)
{
    if (std::ranges::all_of(text, inWindows1252))
        return m_laidOut.get();
    const BYTE charset = charsetOf(text);
    FontHandle &twin = m_twins[charset];
    if (!twin)
        twin = make(kScalableTwin, charset);
    return twin.get();
}

FontHandle ControlFonts::make(const wchar_t *family, BYTE charset) const
{
    // The 7.8 points the windows were laid out in are MS Sans Serif's 8-point size. A negative
    // height asks for the characters' height, not the cell's.
    const auto points = static_cast<int>(std::lround(forms::kControlFont.points));
    const int height = -MulDiv(points, static_cast<int>(m_dpi), 72);
    FontHandle font(CreateFontW(height, 0, 0, 0, forms::kControlFont.weight, FALSE, FALSE, FALSE, charset,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                family));
    if (!font)
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot make the windows' font.");
    return font;
}

} // namespace jestrel
