#include "ui/qt/PictureBox.h"

#include "forms/FormDescription.h"
#include "platform/qt/Startup.h"
#include "ui/qt/ProgramIcon.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <cmath>

namespace jestrel
{

namespace
{

// What a screen reader meets: a button that can be pressed, or, disabled, an image.
class AccessiblePictureBox final : public QAccessibleWidget
{
public:
    explicit AccessiblePictureBox(PictureBox *box) : QAccessibleWidget(box) { }

    QAccessible::Role role() const override { return isPressable() ? QAccessible::Button : QAccessible::Graphic; }

    QStringList actionNames() const override
    {
        return isPressable() ? QStringList { pressAction(), setFocusAction() } : QStringList();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && isPressable())
            static_cast<PictureBox *>(widget())->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    bool isPressable() const
    {
        return forms::roleOf(forms::ControlKind::PictureBox, widget()->isEnabled()) == forms::ControlRole::PushButton;
    }
};

QAccessibleInterface *accessiblePictureBox(const QString &className, QObject *object)
{
    auto *box = qobject_cast<PictureBox *>(object);
    return box && className == QLatin1String(PictureBox::staticMetaObject.className()) ? new AccessiblePictureBox(box)
                                                                                       : nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget *parent) : QAbstractButton(parent)
{
    // Once for the program, before a screen reader first asks after a box.
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(accessiblePictureBox);
        return true;
    }();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    // Called from the toolkit's own code, which a failure must not cross: it ends the program as
    // one in a handler does.
    runHandler([this] {
        QPainter painter(this);
        const qreal ratio = painter.device()->devicePixelRatioF();
        // Drawn again only when the box moves to a screen of another scale.
        if (m_picture.isNull() || m_picture.devicePixelRatio() != ratio)
            m_picture = programImage(ratio);
        // On whole display pixels: a picture between two would be smoothed.
        const auto centred
            = [ratio](int room, int picture) { return std::floor((room * ratio - picture) / 2) / ratio; };
        painter.drawImage(QPointF(centred(width(), m_picture.width()), centred(height(), m_picture.height())),
                          m_picture);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.backgroundColor = palette().color(QPalette::Window);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    });
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    // A button of its own, not the window's default, so Enter presses this one.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        click();
    else
        QAbstractButton::keyPressEvent(event);
}

} // namespace jestrel
