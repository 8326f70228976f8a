#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

// Linked into a program beside its own main(): ends the event loop once a window has painted for
// the first time, so that a run covers start-up and nothing after it.

namespace
{

class FirstPaintWatch : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Queued, so that the window's children paint and the frame is flushed first.
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
};

void watchForFirstPaint()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaintWatch(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstPaint)

#include "QuitAfterFirstPaint.moc"
