#pragma once

#include <QMargins>

#include <optional>

class QWidget;

namespace jestrel
{

// The frame a window manager will put round a window that has not shown yet, in the window's
// pixels. Where no window manager runs, or the toolkit draws on no X display, there is none: zero.
// nullopt when a window manager runs but would not say in time; the frame shows only when the
// window does.
std::optional<QMargins> frameExtentsBeforeShowing(QWidget &window);

} // namespace jestrel
