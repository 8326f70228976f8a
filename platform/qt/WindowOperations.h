#pragma once

#include "platform/WindowOperations.h"
#include "platform/qt/FrameWatch.h"
#include "platform/qt/PrimaryScreen.h"
#include "platform/qt/Twips.h"

#include <QWidget>

namespace jestrel
{

// A top-level widget's window operations, its frame as its FrameWatch has it.
class QtWindow final : public WindowOperations
{
public:
    explicit QtWindow(QWidget &window) : m_window(window), m_screen(primaryScreenGeometry()), m_frame(window) { }

    TwipsSize screenSize() override { return inTwips(m_screen.size()); }
    TwipsSize outerSize() override { return inTwips(m_window.size().grownBy(m_frame.frame().value_or(QMargins()))); }
    void move(int left, int top) override
    {
        m_frame.place(m_screen.topLeft() + QPoint(twips::toPixels(left), twips::toPixels(top)));
    }

private:
    static TwipsSize inTwips(QSize pixels)
    {
        return { twips::fromPixels(pixels.width()), twips::fromPixels(pixels.height()) };
    }

    QWidget &m_window;
    // Where the primary screen stands, asked for once, as X may need a round trip to say.
    QRect m_screen;
    FrameWatch m_frame;
};

} // namespace jestrel
