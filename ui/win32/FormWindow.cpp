#include "ui/win32/FormWindow.h"

#include "platform/RuntimeFailure.h"
#include "platform/WideText.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/Startup.h"
#include "platform/win32/Twips.h"
#include "ui/win32/AccessibleControl.h"
#include "ui/win32/ControlFont.h"
#include "ui/win32/ControlIds.h"
#include "ui/win32/DroppedFiles.h"
#include "ui/win32/ProgramIcon.h"
#include "ui/win32/SayingLabel.h"

#include <algorithm>
#include <commctrl.h>
#include <string>
#include <vector>

namespace jestrel
{

namespace
{

// Posted to a window blocked by a modal box that has just been activated, or whose box has just
// shown: the box takes the activation.
constexpr UINT kActivateModalBoxMessage = WM_APP + 0x102;

// The icon group the resource script gives the executable.
constexpr WORD kProgramIconResource = 1;
// The bullseye's side at 96 pixels per inch.
constexpr int kPictureSide = 32;

struct NativeControl {
    const wchar_t *className;
    DWORD style;
};

NativeControl nativeControl(const forms::ControlDescription &control)
{
    switch (control.kind) {
    case forms::ControlKind::PictureBox:
        // A button of its own drawing takes the focus in its tab place, and Space presses it.
        return { L"BUTTON", BS_OWNERDRAW | WS_TABSTOP };
    case forms::ControlKind::Label:
        // Edit-control wrapping breaks a word wider than the label and shows whole lines only.
        // SS_NOTIFY lets a label's tooltip see the mouse.
        return { L"STATIC",
                 static_cast<DWORD>(control.alignment == forms::TextAlignment::Centre ? SS_CENTER : SS_LEFT)
                     | SS_EDITCONTROL | SS_NOTIFY };
    case forms::ControlKind::PushButton:
        return { L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP };
    }
    throw std::logic_error("a control of unknown kind");
}

void registerClass(const std::wstring &name, WNDPROC procedure)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, name.c_str(), &windowClass))
        return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kProgramIconResource));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
    windowClass.lpszClassName = name.c_str();
    if (!RegisterClassExW(&windowClass))
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot register the window class " + toUtf8(name) + ".");
}

// The messages that run a form's handlers: its controls' and its menu's commands, the keys it
// previews and those typed on its key-press button, its frame's close and a file dropped on it.
bool isHandlerMessage(UINT message)
{
    return message == WM_COMMAND || message == kPreviewKeyMessage || message == kKeyPressMessage || message == WM_CLOSE
        || message == kDropFileMessage;
}

// The shown modal box that owner has, if any.
HWND modalBoxOf(HWND owner)
{
    struct Search {
        HWND owner;
        HWND found = nullptr;
    } search { owner };
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM parameter) CALLBACK -> BOOL {
            auto &wanted = *reinterpret_cast<Search *>(parameter);
            if (GetWindow(window, GW_OWNER) == wanted.owner && IsWindowVisible(window) && IsWindowEnabled(window))
                wanted.found = window;
            return wanted.found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

LRESULT CALLBACK keyPressProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_GETDLGCODE:
        // Without this the dialog keyboard handling would take letters as access keys.
        return DefSubclassProc(button, message, wParam, lParam) | DLGC_WANTCHARS;
    case WM_CHAR:
        SendMessageW(GetParent(button), kKeyPressMessage, static_cast<WPARAM>(GetDlgCtrlID(button)),
                     static_cast<LPARAM>(wParam));
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(button, keyPressProcedure, 0);
        break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

} // namespace

FormWindow::FormWindow(const forms::FormDescription &form) : m_form(form) { }

FormWindow::~FormWindow()
{
    // Messages sent while the window goes find no form to reach.
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    DestroyWindow(m_window);
}

void FormWindow::create(DWORD style, DWORD extendedStyle, HWND owner, HMENU menu)
{
    const std::wstring className = toWide(m_form.name);
    registerClass(className, procedure);
    // Made on the primary monitor, where it is centred, so that it takes that monitor's pixels per inch.
    m_window = CreateWindowExW(extendedStyle, className.c_str(), toWide(m_form.caption).c_str(), style, 0, 0, 0, 0,
                               owner, menu, GetModuleHandleW(nullptr), this);
    if (!m_window)
        throw RuntimeFailure(FailureKind::WindowOperation,
                             "Cannot create the window " + std::string(m_form.name) + ".");
    createControls();
    layOut(twips::dpiOf(m_window), nullptr);
    if (m_form.showing == forms::Showing::ModalBox)
        makeAccessibleModalBox(m_window);
}

void FormWindow::showModally(const std::function<void()> &load)
{
    if (!m_loaded) {
        load();
        m_loaded = true;
    }
    showModal(m_window);
}

HWND FormWindow::control(std::string_view name) const
{
    return GetDlgItem(m_window, controlId(m_form.control(name)));
}

void FormWindow::addControlKeyCommand(char key, int commandId)
{
    m_controlKeyCommands.push_back({ static_cast<WPARAM>(key), commandId });
}

void FormWindow::createControls()
{
    for (const forms::ControlDescription &description : m_form.controls) {
        const NativeControl native = nativeControl(description);
        // A picture box's text is never drawn: it names the box to screen readers.
        const std::string_view text
            = description.kind == forms::ControlKind::PictureBox ? description.spokenName() : description.caption;
        const DWORD style = WS_CHILD | WS_VISIBLE | native.style | (description.enabled ? 0 : WS_DISABLED);
        const HWND control = CreateWindowExW(
            WS_EX_NOPARENTNOTIFY, native.className, toWide(text).c_str(), style, 0, 0, 0, 0, m_window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(description))), GetModuleHandleW(nullptr), nullptr);
        if (!control)
            throw RuntimeFailure(FailureKind::WindowOperation,
                                 "Cannot create the control " + std::string(description.name) + ".");
        makeAccessible(control, description.kind);
    }
    if (const HWND button = defaultButton())
        SendMessageW(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
    if (!m_form.keyPressButton.empty() && !SetWindowSubclass(control(m_form.keyPressButton), keyPressProcedure, 0, 0))
        throw RuntimeFailure(FailureKind::WindowOperation,
                             "Cannot watch the keys of " + std::string(m_form.keyPressButton) + ".");
}

void FormWindow::layOut(UINT dpi, const RECT *suggestedOuter)
{
    const auto pixels = [dpi](int twips) { return twips::toPixels(twips, dpi); };
    ControlFonts fonts(dpi);
    for (const forms::ControlDescription &description : m_form.controls) {
        const HWND window = control(description.name);
        const forms::TwipsRect &place = description.twips;
        SetWindowPos(window, nullptr, pixels(place.left), pixels(place.top), pixels(place.width), pixels(place.height),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.fontFor(labelText(window))), TRUE);
    }
    m_fonts = std::move(fonts);
    m_picture = programIcon(MulDiv(kPictureSide, static_cast<int>(dpi), 96));
    m_smallIcon = programIcon(GetSystemMetricsForDpi(SM_CXSMICON, dpi));
    SendMessageW(m_window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.get()));

    RECT outer { 0, 0, pixels(m_form.clientWidth), pixels(m_form.clientHeight) };
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_STYLE));
    const auto extendedStyle = static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_EXSTYLE));
    AdjustWindowRectExForDpi(&outer, style, GetMenu(m_window) != nullptr, extendedStyle, dpi);
    const POINT corner = suggestedOuter ? POINT { suggestedOuter->left, suggestedOuter->top } : POINT {};
    SetWindowPos(m_window, nullptr, corner.x, corner.y, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | (suggestedOuter ? 0 : SWP_NOMOVE));
}

void FormWindow::setCaption(HWND control, const std::wstring &caption)
{
    SetWindowTextW(control, caption.c_str());
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts->fontFor(caption)), FALSE);
    auto extendedStyle = GetWindowLongPtrW(control, GWL_EXSTYLE);
    extendedStyle = readsRightToLeft(caption) ? extendedStyle | WS_EX_RTLREADING : extendedStyle & ~WS_EX_RTLREADING;
    SetWindowLongPtrW(control, GWL_EXSTYLE, extendedStyle);
    InvalidateRect(control, nullptr, TRUE);
}

void FormWindow::drawPicture(const DRAWITEMSTRUCT &item) const
{
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_3DFACE));
    // Centred on whole pixels, in colour even in a disabled box.
    const int side = MulDiv(kPictureSide, static_cast<int>(twips::dpiOf(m_window)), 96);
    const int left = item.rcItem.left + (item.rcItem.right - item.rcItem.left - side) / 2;
    const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - side) / 2;
    DrawIconEx(item.hDC, left, top, m_picture.get(), side, side, 0, nullptr, DI_NORMAL);
    if (item.itemState & ODS_FOCUS) {
        RECT mark = item.rcItem;
        InflateRect(&mark, -1, -1);
        DrawFocusRect(item.hDC, &mark);
    }
}

HWND FormWindow::defaultButton() const
{
    return m_form.defaultButton.empty() ? nullptr : control(m_form.defaultButton);
}

std::vector<HWND> FormWindow::tabStops() const
{
    std::vector<HWND> stops;
    for (const forms::ControlDescription *description : m_form.tabOrder()) {
        const HWND window = control(description->name);
        if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP) && IsWindowEnabled(window) && IsWindowVisible(window))
            stops.push_back(window);
    }
    return stops;
}

bool FormWindow::previewKey(const MSG &key)
{
    constexpr LPARAM kPreviousKeyStateDown = 1 << 30;
    const bool down = key.message == WM_KEYDOWN || key.message == WM_SYSKEYDOWN;
    if (down && !m_form.takesRepeatedKeys && (key.lParam & kPreviousKeyStateDown) != 0)
        return true;
    const auto isDown = [](int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; };
    if (key.message == WM_KEYDOWN && isDown(VK_CONTROL) && !isDown(VK_MENU)) {
        const auto command = std::ranges::find(m_controlKeyCommands, key.wParam, &ControlKeyCommand::key);
        if (command != m_controlKeyCommands.end()) {
            handleMessage(WM_COMMAND, MAKEWPARAM(command->commandId, 1), 0);
            return true;
        }
    }
    if (key.message == WM_KEYDOWN && key.wParam == VK_RETURN) {
        // The dialog keyboard handling would press the default button instead of a focused picture
        // box, which is no push button to it.
        const HWND focus = GetFocus();
        const auto described = std::ranges::find_if(m_form.controls, [&](const forms::ControlDescription &control) {
            return control.kind == forms::ControlKind::PictureBox && this->control(control.name) == focus;
        });
        if (described == m_form.controls.end())
            return false;
        handleMessage(WM_COMMAND, MAKEWPARAM(controlId(*described), BN_CLICKED), reinterpret_cast<LPARAM>(focus));
        return true;
    }
    if (key.message != WM_KEYDOWN || key.wParam != VK_TAB)
        return false;
    // The dialog keyboard handling would move the focus in the order the controls were made.
    const std::vector<HWND> stops = tabStops();
    if (stops.empty())
        return true;
    const bool backwards = isDown(VK_SHIFT);
    const auto focus = std::ranges::find(stops, GetFocus());
    std::size_t next = 0;
    if (focus != stops.end())
        next = (static_cast<std::size_t>(focus - stops.begin()) + (backwards ? stops.size() - 1 : 1)) % stops.size();
    SetFocus(stops[next]);
    return true;
}

LRESULT FormWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A previewed key is taken, so that the dialog keyboard handling cannot press a button with it.
    if (isHandlerMessage(message) && !forms::runsHandlers(isBlockedByModalBox(m_window)))
        return message == kPreviewKeyMessage ? TRUE : 0;
    if (const std::optional<LRESULT> result = onMessage(message, wParam, lParam))
        return *result;
    switch (message) {
    case WM_DRAWITEM:
        drawPicture(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_DPICHANGED:
        layOut(LOWORD(wParam), reinterpret_cast<const RECT *>(lParam));
        return 0;
    case kPreviewKeyMessage:
        return previewKey(*reinterpret_cast<const MSG *>(lParam));
    case WM_DROPFILES: {
        // Finished whether taken or not. Windows cannot show a drop refused before it is made.
        std::vector<std::string> paths;
        for (const std::wstring &file : droppedFiles(reinterpret_cast<HDROP>(wParam)))
            paths.push_back(toUtf8(file));
        handleMessage(kDropFileMessage, 0, reinterpret_cast<LPARAM>(&paths));
        return 0;
    }
    case DM_GETDEFID:
        if (const HWND button = defaultButton())
            return MAKELRESULT(GetDlgCtrlID(button), DC_HASDEFID);
        break;
    case WM_COMMAND:
        // Escape, through the dialog keyboard handling.
        if (LOWORD(wParam) == IDCANCEL && !m_form.cancelButton.empty()) {
            const HWND button = control(m_form.cancelButton);
            return handleMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                                 reinterpret_cast<LPARAM>(button));
        }
        break;
    case WM_CLOSE:
        // The frame's close puts a modal box away, so the one instance, and its place, lives on.
        if (m_form.showing == forms::Showing::ModalBox) {
            hideModal(m_window);
            return 0;
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            // Given back at the next activation, as a dialog does.
            if (const HWND focus = GetFocus(); focus && IsChild(m_window, focus))
                m_lastFocus = focus;
        } else if (isBlockedByModalBox(m_window)) {
            // Restored from the taskbar, a blocked window would otherwise hold the keyboard focus.
            PostMessageW(m_window, kActivateModalBoxMessage, 0, 0);
            return 0;
        }
        break;
    case WM_SHOWWINDOW:
        // A box shown again with its owner, as the owner is restored, takes the activation back.
        if (wParam && m_form.showing == forms::Showing::ModalBox)
            PostMessageW(GetWindow(m_window, GW_OWNER), kActivateModalBoxMessage, 0, 0);
        break;
    case kActivateModalBoxMessage:
        // As Windows hands the activation to the dialog that a disabled window owns.
        if (const HWND box = modalBoxOf(m_window); box && GetActiveWindow() == m_window)
            SetActiveWindow(box);
        return 0;
    case WM_SETFOCUS: {
        const std::vector<HWND> stops = tabStops();
        const auto kept = std::ranges::find(stops, m_lastFocus);
        if (kept != stops.end() || !stops.empty()) {
            SetFocus(kept != stops.end() ? *kept : stops.front());
            return 0;
        }
        break;
    }
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *form = static_cast<FormWindow *>(reinterpret_cast<const CREATESTRUCTW *>(lParam)->lpCreateParams);
        form->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto *form = reinterpret_cast<FormWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    runHandler([&] { result = form->handleMessage(message, wParam, lParam); });
    return result;
}

} // namespace jestrel
