#pragma once

#include <QImage>
#include <QWidget>

namespace jestrel
{

// A picture box holding the bullseye, centred. It draws the rings at the display's own pixels, so
// the picture stays sharp on a scaled screen, and in colour whether the box is enabled or not.
class PictureBox final : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};

} // namespace jestrel
