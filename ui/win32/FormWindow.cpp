#include "ui/win32/FormWindow.h"

#include "platform/RuntimeFailure.h"
#include "platform/WideText.h"
#include "platform/win32/Startup.h"
#include "platform/win32/Twips.h"
#include "ui/win32/AccessibleControl.h"
#include "ui/win32/ControlFont.h"
#include "ui/win32/ControlIds.h"
#include "ui/win32/DroppedFiles.h"
#include "ui/win32/PictureBox.h"
#include "ui/win32/ProgramIcon.h"
#include "ui/win32/SayingLabel.h"

#include <string>
#include <vector>

namespace jestrel
{

namespace
{

// The icon group the resource script gives the executable.
constexpr WORD kProgramIconResource = 1;

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

} // namespace

FormWindow::FormWindow(const forms::FormDescription &form) : m_form(form), m_keys(form), m_modality(form) { }

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

HWND FormWindow::control(std::string_view name) const
{
    return GetDlgItem(m_window, controlId(m_form.control(name)));
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
    if (!m_form.keyPressButton.empty())
        watchKeyPresses(control(m_form.keyPressButton), m_form.keyPressButton);
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
    m_picture = pictureFor(dpi);
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

HWND FormWindow::defaultButton() const
{
    return m_form.defaultButton.empty() ? nullptr : control(m_form.defaultButton);
}

LRESULT FormWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A previewed key is taken, so that the dialog keyboard handling cannot press a button with it.
    if (isHandlerMessage(message) && isBlockedByModalBox(m_window))
        return message == kPreviewKeyMessage ? TRUE : 0;
    if (const std::optional<LRESULT> result = onMessage(message, wParam, lParam))
        return *result;
    if (const std::optional<LRESULT> result = m_modality.onMessage(m_window, message, wParam))
        return *result;
    switch (message) {
    case WM_DRAWITEM:
        drawPictureBox(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam), m_picture.get(), twips::dpiOf(m_window));
        return TRUE;
    case WM_DPICHANGED:
        layOut(LOWORD(wParam), reinterpret_cast<const RECT *>(lParam));
        return 0;
    case kPreviewKeyMessage:
        return m_keys.take(m_window, *reinterpret_cast<const MSG *>(lParam),
                           [this](WPARAM command, LPARAM control) { handleMessage(WM_COMMAND, command, control); });
    case WM_DROPFILES: {
        // Finished whether taken or not. Windows cannot show a drop refused before it is made.
        std::vector<std::string> paths = droppedFiles(reinterpret_cast<HDROP>(wParam));
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
