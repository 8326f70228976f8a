#pragma once

#include <QRect>

#include <optional>

class QWidget;

namespace jestrel
{

// The frame round a top-level window, for placing it frame and all, in the window's pixels.
// - Shown, the window's frame is the toolkit's reading of it.
// - Not shown yet, the window manager is asked, once, what frame it will put round the window, and
//   its answer holds until the window shows. No window manager, or no X display: no frame. One that
//   leaves the request unanswered, as fluxbox does, is not asked again in the run; one that tells
//   the frame once the window shows gets only a moment to answer.
// - Placed with its frame unknown, the window is watched from its show. The first frame told moves
//   the whole window, once, so that its centre is where the unframed window's was, unless the user
//   has moved it. Where the window manager tells frames in _NET_FRAME_EXTENTS, that is the word
//   waited for: the toolkit's reading just after the map may be of a frame still being built round
//   the window, or of none, as under KWin.
// - The watch ends once the frame is told, or a second after the show whether or not the window
//   has painted, or with the window, and takes its event filters with it.
class FrameWatch
{
public:
    explicit FrameWatch(QWidget &window) : m_window(window) { }

    // nullopt when the window manager would not say in time.
    std::optional<QMargins> frame();
    // Puts the window's outer top-left corner at corner, and watches it if its frame is unknown.
    void place(QPoint corner);
    // Watches window, placed without a frame at placed, unless it is watched already. told: the
    // window manager tells frames in _NET_FRAME_EXTENTS.
    static void watch(QWidget &window, QRect placed, bool told);

private:
    // Asks the window manager before the window first shows; learns m_told on the way.
    std::optional<QMargins> ask();

    QWidget &m_window;
    // The window manager's answer, once asked.
    std::optional<std::optional<QMargins>> m_answer;
    bool m_told = false;
};

} // namespace jestrel
