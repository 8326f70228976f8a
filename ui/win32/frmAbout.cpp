#include "ui/win32/frmAbout.h"

#include "forms/AboutForm.h"
#include "platform/CenterOnScreen.h"
#include "platform/RuntimeFailure.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/Startup.h"
#include "platform/win32/WindowOperations.h"

#include <commctrl.h>

namespace jestrel
{

frmAbout::frmAbout(ProgramLauncher &launcher, HWND mainWindow) : FormWindow(forms::aboutForm()), m_launcher(launcher)
{
    // Owned by the main window, so it stays above it and is minimised with it.
    create(WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, mainWindow, nullptr);
    PIC_Icon = control("PIC_Icon");
    BTN_OK = control("BTN_OK");
    // The button is asked for every character typed on it, as a key press handler is.
    if (!SetWindowSubclass(BTN_OK, okButtonProcedure, 0, reinterpret_cast<DWORD_PTR>(this)))
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot watch the OK button's keys.");
}

void frmAbout::showModal()
{
    // Loading runs inside the caller's handler, so a failing load ends the program before the
    // dialog ever shows.
    if (!m_loaded) {
        Form_Load();
        m_loaded = true;
    }
    jestrel::showModal(handle());
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
    case WM_CLOSE:
        // The frame's close puts the dialog away as OK does, so the one instance, and its place,
        // lives on.
        hideModal(handle());
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            Form_GotFocus();
        return 0;
    }
    return std::nullopt;
}

LRESULT CALLBACK frmAbout::okButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR about)
{
    switch (message) {
    case WM_GETDLGCODE:
        // Without this the dialog keyboard handling would take letters as access keys.
        return DefSubclassProc(button, message, wParam, lParam) | DLGC_WANTCHARS;
    case WM_CHAR:
        runHandler([&] { reinterpret_cast<frmAbout *>(about)->BTN_OK_KeyPress(static_cast<int>(wParam)); });
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(button, okButtonProcedure, 0);
        break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
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
