#include "ui/qt/ModalBox.h"

#include "ui/qt/FormBuilder.h"

#include <QEvent>

namespace jestrel
{

ModalBox::ModalBox(const forms::FormDescription &form, QWidget *owner) : QDialog(owner)
{
    buildForm(*this, *this, form);
    if (owner)
        owner->installEventFilter(this);
}

void ModalBox::showModally(const std::function<void()> &load)
{
    m_lifetime.show(load, [this] { exec(); });
}

bool ModalBox::event(QEvent *event)
{
    // Some window managers, metacity and marco among them, minimise a modal box alone, and leave
    // the window it blocks on the screen, dead, with nothing in the task bar to bring the box
    // back. The owner goes with it, and brings it back when it is restored.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && parentWidget() && !parentWidget()->isMinimized())
        parentWidget()->showMinimized();
    return QDialog::event(event);
}

bool ModalBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::WindowStateChange && !parentWidget()->isMinimized()
        && isVisible() && isMinimized()) {
        showNormal();
        activateWindow();
    }
    return QDialog::eventFilter(watched, event);
}

// The toolkit routes the frame's close command here.
void ModalBox::reject()
{
    hide();
}

} // namespace jestrel
