#include "ui/qt/SayingAnnouncer.h"

#include "ui/qt/CaptionLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QWidget>

namespace jestrel
{

namespace
{

class AccessibleNotice final : public QAccessibleWidget
{
public:
    AccessibleNotice(QWidget *widget, QAccessible::Role role, const QString *name)
        : QAccessibleWidget(widget, role), m_name(name)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && m_name ? *m_name : QString();
    }

private:
    const QString *m_name;
};

// A widget that nothing shows, and that reads as role, named by what name holds then.
QWidget *unseen(QWidget &parent, QAccessible::Role role, const QString *name = nullptr)
{
    auto *widget = new QWidget(&parent);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->resize(0, 0);
    widget->hide();
    QAccessible::registerAccessibleInterface(new AccessibleNotice(widget, role, name));
    return widget;
}

} // namespace

SayingAnnouncer::SayingAnnouncer(QWidget &window)
    : QObject(&window), m_window(window), m_announcement([this](const std::string &caption) { speak(caption); })
{
    m_window.installEventFilter(this);
}

bool SayingAnnouncer::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        m_window.removeEventFilter(this);
        // Once the activation, which the screen reader presents first, has been delivered.
        QMetaObject::invokeMethod(
            this, [this] { m_announcement.windowPresented(); }, Qt::QueuedConnection);
    }
    return false;
}

void SayingAnnouncer::speak(const std::string &caption)
{
    if (!QAccessible::isActive())
        return;
    m_saying = shownCaption(QString::fromStdString(caption));
    if (!m_notice)
        m_notice = unseen(*unseen(m_window, QAccessible::StatusBar), QAccessible::Notification, &m_saying);
    QAccessibleEvent shown(m_notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace jestrel
