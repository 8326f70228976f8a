#pragma once

#include <QAbstractButton>
#include <QImage>

namespace jestrel
{

// A picture box holding the bullseye, centred. It draws the rings at the display's own pixels, so
// the picture stays sharp on a scaled screen, and in colour whether the box is enabled or not.
// Enabled, it is a button: it takes the focus and shows the style's focus frame; a click, Space or
// Enter presses it, and a double-click is signalled besides. Disabled, it takes none of them.
class PictureBox final : public QAbstractButton
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

Q_SIGNALS:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
};

} // namespace jestrel
