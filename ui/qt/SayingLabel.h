#pragma once

#include <QLabel>

namespace jestrel
{

// A caption label for sayings taken from a hand-edited file. The text is never read as markup;
// "&" underlines the next letter and "&&" shows one "&", as in any caption. Lines wrap at word
// boundaries and what passes the bottom edge is cut off; while a saying is cut off, the tooltip
// holds all of it. Control characters show as the replacement character.
class SayingLabel : public QLabel
{
public:
    explicit SayingLabel(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    bool isCutOff() const;

    // The caption as it shows: without the access-key marks.
    static QString shownText(const QString &caption);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    static constexpr int kTextFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
};

} // namespace jestrel
