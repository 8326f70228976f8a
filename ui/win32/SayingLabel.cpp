#include "ui/win32/SayingLabel.h"

namespace jestrel
{

std::wstring labelText(HWND label)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(label)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(label, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool isCutOff(HWND label)
{
    RECT room {};
    GetClientRect(label, &room);
    RECT needed = room;
    const std::wstring text = labelText(label);
    const HDC device = GetDC(label);
    const HGDIOBJ previous = SelectObject(device, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    // Measured as the label draws it: centred, wrapped at words, whole lines only.
    DrawTextW(device, text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_CENTER | DT_WORDBREAK | DT_EDITCONTROL);
    SelectObject(device, previous);
    ReleaseDC(label, device);
    return needed.bottom - needed.top > room.bottom - room.top || needed.right - needed.left > room.right - room.left;
}

} // namespace jestrel
