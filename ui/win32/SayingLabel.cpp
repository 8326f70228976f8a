#include "ui/win32/SayingLabel.h"

#include <algorithm>
#include <vector>

namespace jestrel
{

std::wstring labelText(HWND label)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(label)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(label, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool readsRightToLeft(std::wstring_view text)
{
    std::vector<WORD> types(text.size());
    if (text.empty() || !GetStringTypeW(CT_CTYPE2, text.data(), static_cast<int>(text.size()), types.data()))
        return false;
    const auto strong
        = std::ranges::find_if(types, [](WORD type) { return type == C2_LEFTTORIGHT || type == C2_RIGHTTOLEFT; });
    return strong != types.end() && *strong == C2_RIGHTTOLEFT;
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
    const bool rightToLeft = (GetWindowLongPtrW(label, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    DrawTextW(device, text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_CENTER | DT_WORDBREAK | DT_EDITCONTROL | (rightToLeft ? DT_RTLREADING : 0));
    SelectObject(device, previous);
    ReleaseDC(label, device);
    return needed.bottom - needed.top > room.bottom - room.top || needed.right - needed.left > room.right - room.left;
}

} // namespace jestrel
