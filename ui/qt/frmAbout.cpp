#include "ui/qt/frmAbout.h"

#include "forms/AboutForm.h"
#include "platform/CenterOnScreen.h"
#include "platform/qt/Startup.h"
#include "platform/qt/WindowOperations.h"
#include "ui/qt/FormBuilder.h"
#include "ui/qt/PictureBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace jestrel
{

frmAbout::frmAbout(ProgramLauncher &launcher, QWidget *mainWindow) : QDialog(mainWindow), m_launcher(launcher)
{
    buildForm(*this, *this, forms::aboutForm());
    // Only BTN_OK can take the focus: labels never do, and the icon box is disabled, so it takes
    // neither the focus nor the mouse.
    PIC_Icon = controlOf<PictureBox>(*this, "PIC_Icon");
    PIC_Icon->installEventFilter(this);
    BTN_OK = controlOf<QPushButton>(*this, "BTN_OK");
    BTN_OK->installEventFilter(this);
    LAB_1 = controlOf<QLabel>(*this, "LAB_1");
    LAB_2 = controlOf<QLabel>(*this, "LAB_2");
    LAB_3 = controlOf<QLabel>(*this, "LAB_3");
    LAB_4 = controlOf<QLabel>(*this, "LAB_4");
    LAB_5 = controlOf<QLabel>(*this, "LAB_5");
    LAB_8 = controlOf<QLabel>(*this, "LAB_8");

    connect(BTN_OK, &QPushButton::clicked, this, handler(this, &frmAbout::BTN_OK_Click));
    if (mainWindow)
        mainWindow->installEventFilter(this);
}

void frmAbout::showModal()
{
    // Loading runs inside the caller's handler, so a failing load ends the program before the
    // dialog ever shows.
    if (!m_loaded) {
        Form_Load();
        m_loaded = true;
    }
    exec();
}

bool frmAbout::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        handler(this, &frmAbout::Form_GotFocus)();
    // Some window managers, metacity and marco among them, minimise a modal dialog alone, and
    // leave the window it blocks on the screen, dead, with nothing in the task bar to bring the
    // dialog back. The main window goes with it, and brings it back when it is restored.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && parentWidget() && !parentWidget()->isMinimized())
        parentWidget()->showMinimized();
    return handled;
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::WindowStateChange && !parentWidget()->isMinimized()
        && isVisible() && isMinimized()) {
        showNormal();
        activateWindow();
    }
    if (watched == BTN_OK && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Tab moves the focus in a dialog; it never reaches a button as a character.
        if (key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        // Taken here, Enter and Space cannot also press the button.
        const int keyAscii = key->text().front().unicode();
        runHandler([this, keyAscii] { BTN_OK_KeyPress(keyAscii); });
        return true;
    }
    // Event filters see mouse events even for a disabled widget, which must not take them.
    if (watched == PIC_Icon && event->type() == QEvent::MouseButtonDblClick && PIC_Icon->isEnabled()) {
        handler(this, &frmAbout::PIC_Icon_DblClick)();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// QDialog routes the frame's close command here. It puts the dialog away as OK does, so the one
// instance, and with it its place on the screen, lives on.
void frmAbout::reject()
{
    hide();
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
