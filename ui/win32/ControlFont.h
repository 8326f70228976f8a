#pragma once

#include "ui/win32/OwnedHandles.h"

#include <map>
#include <string_view>

namespace jestrel
{

// The fonts every control of both windows writes in, at one monitor's pixels per logical inch.
class ControlFonts
{
public:
    explicit ControlFonts(UINT dpi);

    // The font that draws every character of text. MS Sans Serif, as the windows were laid out
    // in, has them where text is Windows-1252; other text gets its outline twin of the same
    // metrics, asked for in the character set of its script, so that Windows' font mapper and
    // the fonts it links to the twin find every glyph.
    HFONT fontFor(std::wstring_view text);

private:
    FontHandle make(const wchar_t *family, BYTE charset) const;

    UINT m_dpi;
    FontHandle m_laidOut;
    // By character set, made as text of each script first shows.
    std::map<BYTE, FontHandle> m_twins;
};

// The character set of the first character of text that Windows-1252 lacks: its script's, or
// DEFAULT_CHARSET where none stands for it, or where there is no such character.
BYTE charsetOf(std::wstring_view text);

} // namespace jestrel
