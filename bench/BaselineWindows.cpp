#include <windows.h>

// What the Windows API alone costs: a bare window with the kinds of controls the main window has,
// a menu bar, a 32 x 32 picture, a word-wrapped label and a push button, in the same places, in
// the same bold font and with the same manifest. It reads no file, handles no failure and lays
// itself out for 96 pixels per inch only.

namespace
{

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND control(HWND window, const wchar_t *className, const wchar_t *text, DWORD style, RECT place, HFONT font)
{
    const HWND made = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                                      place.right, place.bottom, window, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return made;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
    windowClass.lpszClassName = L"Baseline";
    RegisterClassExW(&windowClass);

    const HMENU bar = CreateMenu();
    const HMENU help = CreatePopupMenu();
    AppendMenuW(help, MF_STRING, 200, L"&About");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Help");

    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT outer { 0, 0, 271, 99 };
    AdjustWindowRectEx(&outer, style, TRUE, 0);
    const HWND window
        = CreateWindowExW(0, L"Baseline", L"Baseline", style, CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                          outer.bottom - outer.top, nullptr, bar, instance, nullptr);

    const HFONT font = CreateFontW(-11, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
    const HWND picture = control(window, L"STATIC", nullptr, SS_ICON, { 8, 16, 33, 33 }, font);
    SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_APPLICATION)), 0);
    control(window, L"STATIC", L"A bullseye is just a target that has been practising, and so is everyone who aims.",
            SS_CENTER, { 40, 16, 225, 41 }, font);
    control(window, L"BUTTON", L"&Close", WS_TABSTOP | BS_DEFPUSHBUTTON, { 104, 64, 57, 25 }, font);

    ShowWindow(window, showCommand);
    MSG message {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}
