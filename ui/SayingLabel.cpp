#include "ui/SayingLabel.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace jestrel
{

SayingLabel::SayingLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void SayingLabel::setCaption(const QString &caption)
{
    // Control characters draw as nothing at all; a stray one in the file should be seen.
    QString visible = caption;
    for (QChar &c : visible) {
        if (c.category() == QChar::Other_Control)
            c = c == u'\t' ? QChar(u' ') : QChar(QChar::ReplacementCharacter);
    }
    setText(visible);
    setAccessibleName(shownText(visible));
    updateToolTip();
}

QString SayingLabel::shownText(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

bool SayingLabel::isCutOff() const
{
    // A word longer than the label is wide cannot wrap and is cut off at the right edge.
    const QRect unbounded(contentsRect().topLeft(), QSize(contentsRect().width(), QWIDGETSIZE_MAX));
    const QSize needed = fontMetrics().boundingRect(unbounded, kTextFlags, text()).size();
    return needed.height() > contentsRect().height() || needed.width() > contentsRect().width();
}

void SayingLabel::paintEvent(QPaintEvent *)
{
    // QLabel draws "&" marks only for a label with a buddy; a saying has none, so draw it here.
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawText(contentsRect(), kTextFlags, text());
}

void SayingLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    updateToolTip();
}

void SayingLabel::updateToolTip()
{
    // Tooltips guess at markup; escaping keeps a saying plain text there too.
    setToolTip(isCutOff() ? u"<qt>"_s + shownText(text()).toHtmlEscaped() + u"</qt>"_s : QString());
}

} // namespace jestrel
