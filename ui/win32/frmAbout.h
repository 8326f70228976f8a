#pragma once

#include "ui/win32/FormWindow.h"

namespace jestrel
{

class ProgramLauncher;

// The about box: the program's icon, title, version and notices, and an OK button that puts it
// away. It belongs to the main window, so the two are minimised and restored together.
class frmAbout final : public FormWindow
{
public:
    frmAbout(ProgramLauncher &launcher, HWND mainWindow);

    // Shows the dialog modally and returns once it is put away. The first showing loads it.
    void showModal();

private:
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void Form_Load();
    void Form_GotFocus();
    void BTN_OK_Click();
    void BTN_OK_KeyPress(int keyAscii);
    void PIC_Icon_DblClick();

    ProgramLauncher &m_launcher;

    HWND PIC_Icon = nullptr;
    HWND BTN_OK = nullptr;
};

} // namespace jestrel
