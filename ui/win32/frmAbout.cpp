#include "ui/win32/frmAbout.h"

#include "forms/AboutForm.h"
#include "platform/CenterOnScreen.h"
#include "platform/win32/WindowOperations.h"

namespace jestrel
{

frmAbout::frmAbout(ProgramLauncher &launcher, HWND mainWindow) : FormWindow(forms::aboutForm()), m_launcher(launcher)
{
    // Owned by the main window, so it stays above it and is minimised with it.
    create(WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, mainWindow, nullptr);
    PIC_Icon = control("PIC_Icon");
    BTN_OK = control("BTN_OK");
    setGotFocusHandler([this] { Form_GotFocus(); });
}

void frmAbout::showModal()
{
    showModally([this] { Form_Load(); });
}

std::optional<LRESULT> frmAbout::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const auto control = reinterpret_cast<HWND>(lParam);
        if (control == BTN_OK && HIWORD(wParam) == BN_CLICKED)
            BTN_OK_Click();
        else if (control == PIC_Icon && HIWORD(wParam) == BN_DOUBLECLICKED)
            PIC_Icon_DblClick();
        else
            return std::nullopt;
        return 0;
    }
    case kKeyPressMessage:
        if (GetDlgItem(handle(), static_cast<int>(wParam)) != BTN_OK)
            return std::nullopt;
        BTN_OK_KeyPress(static_cast<int>(lParam));
        return 0;
    }
    return std::nullopt;
}

void frmAbout::Form_Load()
{
    Win32Window window(handle());
    CenterOnScreen(window);
}

void frmAbout::Form_GotFocus()
{
    SetFocus(BTN_OK);
}

void frmAbout::BTN_OK_Click()
{
    hideModal(handle());
}

void frmAbout::BTN_OK_KeyPress(int /*keyAscii: every key puts the dialog away*/)
{
    BTN_OK_Click();
}

void frmAbout::PIC_Icon_DblClick()
{
    forms::startCalculator(m_launcher);
}

} // namespace jestrel
