#pragma once

#include "platform/WindowOperations.h"
#include "platform/qt/FrameExtents.h"

#include <QMargins>
#include <QRect>

#include <optional>

class QWidget;

namespace jestrel
{

// A top-level widget's window operations. A window that has not shown yet has no frame; the
// window manager is asked, once for each of these objects, for the one it will get.
class QtWindow final : public WindowOperations
{
public:
    explicit QtWindow(QWidget &window) : m_window(window) { }

    TwipsSize screenSize() override;
    TwipsSize outerSize() override;
    void move(int left, int top) override;

private:
    // Where the primary screen stands; asked for once, as X may need a round trip to say.
    QRect screen();
    // nullopt when the window manager would not say in time.
    std::optional<QMargins> frame();

    QWidget &m_window;
    std::optional<QRect> m_screen;
    std::optional<FrameBeforeShowing> m_beforeShowing;
};

} // namespace jestrel
