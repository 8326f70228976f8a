#include "ui/win32/PictureBox.h"

#include "ui/win32/ProgramIcon.h"

namespace jestrel
{

namespace
{

// The bullseye's side at 96 pixels per inch.
constexpr int kPictureSide = 32;

int pictureSide(UINT dpi)
{
    return MulDiv(kPictureSide, static_cast<int>(dpi), 96);
}

} // namespace

IconHandle pictureFor(UINT dpi)
{
    return programIcon(pictureSide(dpi));
}

void drawPictureBox(const DRAWITEMSTRUCT &item, HICON picture, UINT dpi)
{
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_3DFACE));
    const int side = pictureSide(dpi);
    const int left = item.rcItem.left + (item.rcItem.right - item.rcItem.left - side) / 2;
    const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - side) / 2;
    DrawIconEx(item.hDC, left, top, picture, side, side, 0, nullptr, DI_NORMAL);
    if (item.itemState & ODS_FOCUS) {
        RECT mark = item.rcItem;
        InflateRect(&mark, -1, -1);
        DrawFocusRect(item.hDC, &mark);
    }
}

} // namespace jestrel
