#pragma once

#include <QMargins>

#include <optional>

class QWidget;

namespace jestrel
{

struct FrameBeforeShowing {
    // The frame a window manager will put round a window that has not shown yet, in the window's
    // pixels. Where no window manager runs, or the toolkit draws on no X display, there is none:
    // zero. nullopt when a window manager runs but would not say in time, now or before in this
    // run; the frame shows only when the window does.
    std::optional<QMargins> frame;
    // Whether the window manager tells, in _NET_FRAME_EXTENTS, the frame it has given a window.
    bool toldOnceShown = false;
};
FrameBeforeShowing frameExtentsBeforeShowing(QWidget &window);

// The frame the window manager has just told for window, where event is the X event that says
// so; nullopt for any other event.
std::optional<QMargins> frameToldBy(const QWidget &window, const void *event);

} // namespace jestrel
