#include "ui/qt/frmAbout.h"

#include "forms/AboutForm.h"
#include "platform/CenterOnScreen.h"
#include "platform/qt/WindowOperations.h"
#include "ui/qt/FormBuilder.h"
#include "ui/qt/Handler.h"
#include "ui/qt/PictureBox.h"

#include <QEvent>
#include <QPushButton>

namespace jestrel
{

frmAbout::frmAbout(ProgramLauncher &launcher, QWidget *mainWindow)
    : ModalBox(forms::aboutForm(), mainWindow), m_launcher(launcher)
{
    // Only BTN_OK can take the focus: labels never do, and the icon box is disabled, so it takes
    // neither the focus nor the mouse.
    auto *PIC_Icon = controlOf<PictureBox>(*this, "PIC_Icon");
    BTN_OK = controlOf<QPushButton>(*this, "BTN_OK");

    connect(BTN_OK, &QPushButton::clicked, this, handler(this, &frmAbout::BTN_OK_Click));
    connect(&keyPressesOf(*this), &KeyPresses::typed, this, handler(this, &frmAbout::BTN_OK_KeyPress));
    connect(PIC_Icon, &PictureBox::doubleClicked, this, handler(this, &frmAbout::PIC_Icon_DblClick));
}

void frmAbout::showModal()
{
    showModally([this] { Form_Load(); });
}

bool frmAbout::event(QEvent *event)
{
    const bool handled = ModalBox::event(event);
    if (event->type() == QEvent::WindowActivate)
        handler(this, &frmAbout::Form_GotFocus)();
    return handled;
}

void frmAbout::Form_Load()
{
    QtWindow window(*this);
    CenterOnScreen(window);
}

void frmAbout::Form_GotFocus()
{
    BTN_OK->setFocus();
}

void frmAbout::BTN_OK_Click()
{
    hide();
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
