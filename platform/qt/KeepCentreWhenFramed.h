#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <optional>

class QWidget;

namespace jestrel
{

// A window manager that would not say what frame it gives puts it round the window only as the
// window shows. Once the frame is there, the whole window moves, once, so that its centre is where
// the centre of the window placed without a frame was. Where the window manager tells the frame
// in _NET_FRAME_EXTENTS, that is the word waited for: the toolkit's own reading of the frame just
// after the window maps may be of one still being built round it, or of none, as under KWin.
// Made a child of the window, it ends itself once the frame is there, moving nothing if the user
// has moved the window, or a second after the window first shows, whatever came.
class KeepCentreWhenFramed final : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    // placed: where the window itself has been put, without a frame.
    KeepCentreWhenFramed(QWidget &window, QRect placed, bool frameIsTold);
    ~KeepCentreWhenFramed() override;

    bool nativeEventFilter(const QByteArray &type, void *event, qintptr *) override;

protected:
    bool eventFilter(QObject *, QEvent *event) override;

private:
    void centreWithin(QMargins frame);
    bool movedByUser(QMargins frame) const;

    QWidget &m_window;
    QRect m_placed;
    bool m_frameIsTold;
    // Where the window was as it first painted, which follows its map.
    std::optional<QPoint> m_shownAt;
    bool m_framed = false;
};

} // namespace jestrel
