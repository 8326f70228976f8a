#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <QPoint>

class QWidget;

namespace jestrel
{

// A window manager that would not say what frame it gives puts it round the window only as the
// window shows. Once the frame is there, the whole window moves, once, so that its centre is where
// the centre of the window placed without a frame was. Where the window manager tells the frame
// in _NET_FRAME_EXTENTS, that is the word waited for: the toolkit's own reading of the frame just
// after the window maps may be of one still being built round it, or of none, as under KWin.
// Made a child of the window, it ends itself once the window has moved.
class KeepCentreWhenFramed final : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    KeepCentreWhenFramed(QWidget &window, QPoint centre, bool frameIsTold);
    ~KeepCentreWhenFramed() override;

    bool nativeEventFilter(const QByteArray &type, void *event, qintptr *) override;

protected:
    bool eventFilter(QObject *, QEvent *event) override;

private:
    void centreWithin(QMargins frame);

    QWidget &m_window;
    QPoint m_centre;
    bool m_framed = false;
};

} // namespace jestrel
