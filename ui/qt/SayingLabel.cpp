#include "ui/SayingLabel.h"

#include <QEvent>
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

bool SayingLabel::event(QEvent *event)
{
    // Whether a saying is cut off takes a text layout; it is worked out only when a tooltip is
    // asked for, not on every draw.
    if (event->type() == QEvent::ToolTip) {
        // Tooltips guess at markup; escaping keeps a saying plain text there too.
        setToolTip(isCutOff() ? u"<qt>"_s + shownText(text()).toHtmlEscaped() + u"</qt>"_s : QString());
    }
    return QLabel::event(event);
}

} // namespace jestrel
