#pragma once

#include <QLabel>

class QTextLayout;

namespace jestrel
{

// A caption label for sayings taken from a hand-edited file. The text is never read as markup;
// "&" underlines the next letter and "&&" shows one "&", as in any caption. Lines wrap at word
// boundaries, a word wider than the label anywhere; only whole lines show, and nothing of a glyph
// is cut at the top. While a saying is cut off, the tooltip holds all of it.
class SayingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit SayingLabel(QWidget *parent = nullptr);

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
