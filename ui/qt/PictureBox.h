#pragma once

#include <QAbstractButton>
#include <QImage>

namespace jestrel
{

// A picture box holding the bullseye, centred. It draws the rings at the display's own pixels, so
// the picture stays sharp on a scaled screen, and in colour whether the box is enabled or not.
// Enabled, it is a button: it takes the focus, shows the style's focus frame, and a click, Space
// or Enter presses it. Disabled, a screen reader meets it as an image.
class PictureBox final : public QAbstractButton
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QImage m_picture;
};

} // namespace jestrel
