#pragma once

#include <QLabel>

class QTextLayout;

namespace jestrel
{

// A caption as it shows: each "&" that marks the next letter left out, "&&" as one "&".
QString shownCaption(const QString &caption);

// A label as the windows were laid out with, for captions that may come from a hand-edited file.
// The text is never read as markup; "&" underlines the next letter and "&&" shows one "&". Lines
// wrap at word boundaries, a word wider than the label anywhere; only whole lines show, and
// nothing of a glyph is cut at the top. While a caption is cut off, the tooltip holds all of it.
class CaptionLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget *parent = nullptr);

    // The caption, which is also what a screen reader reads, without its marks.
    void setCaption(const QString &caption);
    bool isCutOff() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Lays the caption out in the label; returns how many of its lines show whole.
    int layOut(QTextLayout &layout) const;
};

} // namespace jestrel
