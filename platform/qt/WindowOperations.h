#pragma once

#include "platform/WindowOperations.h"
#include "platform/qt/FrameWatch.h"

#include <QRect>

#include <optional>

class QWidget;

namespace jestrel
{

// A top-level widget's window operations, its frame as its FrameWatch, made for these, has it.
class QtWindow final : public WindowOperations
{
public:
    explicit QtWindow(QWidget &window) : m_window(window), m_frame(window) { }

    TwipsSize screenSize() override;
    TwipsSize outerSize() override;
    void move(int left, int top) override;

private:
    // Where the primary screen stands; asked for once, as X may need a round trip to say.
    QRect screen();

    QWidget &m_window;
    std::optional<QRect> m_screen;
    FrameWatch m_frame;
};

} // namespace jestrel
