#pragma once

#include "ui/win32/OwnedHandles.h"

namespace jestrel
{

// The bullseye a picture box shows at dpi pixels per inch.
IconHandle pictureFor(UINT dpi);

// Draws a picture box of its own drawing: picture centred on whole pixels, in colour even while
// the box is disabled, and the focus mark.
void drawPictureBox(const DRAWITEMSTRUCT &item, HICON picture, UINT dpi);

} // namespace jestrel
