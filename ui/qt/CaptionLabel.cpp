#include "ui/qt/CaptionLabel.h"

#include "forms/FormDescription.h"
#include "ui/qt/ControlFont.h"

#include <QEvent>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

using namespace Qt::StringLiterals;

namespace jestrel
{

QString shownCaption(const QString &caption)
{
    return QString::fromStdString(forms::shownCaption(caption.toStdString()));
}

CaptionLabel::CaptionLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void CaptionLabel::setCaption(const QString &caption)
{
    if (const QFont wanted = withColourEmoji(font(), caption); wanted.families() != font().families())
        setFont(wanted);
    setText(caption);
    setAccessibleName(shownCaption(caption));
}

int CaptionLabel::layOut(QTextLayout &layout) const
{
    // Each marked letter is underlined where it stands in the shown text.
    const QString caption = text();
    QList<QTextLayout::FormatRange> underlines;
    for (qsizetype i = 0, shown = 0; i < caption.size(); ++i, ++shown) {
        if (caption[i] == u'&' && i + 1 < caption.size() && caption[++i] != u'&') {
            QTextCharFormat underline;
            underline.setFontUnderline(true);
            underlines.append({ static_cast<int>(shown), 1, underline });
        }
    }
    // A line feed in a caption of the program's own breaks the line, as a line separator does.
    layout.setText(shownCaption(caption).replace(u'\n', QChar::LineSeparator));
    layout.setFont(font());
    layout.setFormats(underlines);
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // A saying whose first letter is of a right-to-left script reads right to left, its stops
    // and figures on that side; the option would otherwise take the program's own direction.
    option.setTextDirection(Qt::LayoutDirectionAuto);
    layout.setTextOption(option);

    const QRect room = contentsRect();
    const QFontMetricsF metrics(font());
    layout.beginLayout();
    qreal top = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room.width());
        if (line.lineNumber() == 0) {
            // Accents on capitals may reach above the font's ascent; the first line moves down so
            // that they show.
            const QString first = layout.text().mid(line.textStart(), line.textLength());
            top = std::max<qreal>(0, std::ceil(-metrics.tightBoundingRect(first).top() - metrics.ascent()));
        }
        line.setPosition(QPointF(0, top));
        top += line.height();
    }
    layout.endLayout();

    int whole = 0;
    while (whole < layout.lineCount() && layout.lineAt(whole).rect().bottom() <= room.height())
        ++whole;
    return whole;
}

bool CaptionLabel::isCutOff() const
{
    QTextLayout layout;
    return layOut(layout) < layout.lineCount();
}

void CaptionLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QTextLayout layout;
    const int whole = layOut(layout);
    for (int i = 0; i < whole; ++i)
        layout.lineAt(i).draw(&painter, contentsRect().topLeft());
}

bool CaptionLabel::event(QEvent *event)
{
    // Whether a saying is cut off takes a text layout; it is worked out only when a tooltip is
    // asked for, not on every draw.
    if (event->type() == QEvent::ToolTip) {
        // Tooltips guess at markup; escaping keeps a saying plain text there too.
        setToolTip(isCutOff() ? u"<qt>"_s + shownCaption(text()).toHtmlEscaped() + u"</qt>"_s : QString());
    }
    return QLabel::event(event);
}

} // namespace jestrel
