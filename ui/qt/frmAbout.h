#pragma once

#include "ui/qt/ModalBox.h"

class QPushButton;

namespace jestrel
{

class ProgramLauncher;

// The about box: the program's icon, title, version and notices, and an OK button that puts it
// away.
class frmAbout final : public ModalBox
{
    Q_OBJECT

public:
    frmAbout(ProgramLauncher &launcher, QWidget *mainWindow);

    // Shows the dialog modally and returns once it is put away. The first showing loads it.
    void showModal();

protected:
    bool event(QEvent *event) override;

private:
    void Form_Load();
    void Form_GotFocus();
    void BTN_OK_Click();
    void BTN_OK_KeyPress(int keyAscii);
    void PIC_Icon_DblClick();

    ProgramLauncher &m_launcher;

    QPushButton *BTN_OK;
};

} // namespace jestrel
