#include "ui/qt/DescribedControl.h"

#include "platform/qt/Twips.h"
#include "ui/qt/ControlFont.h"
#include "ui/qt/ProgramIcon.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

namespace jestrel
{

QString shownCaption(const QString &caption)
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

void describe(QWidget &control, const forms::ControlDescription &description)
{
    control.setObjectName(fromUtf8(description.name));
    const forms::TwipsRect &place = description.twips;
    control.setGeometry(twips::toPixels(place.left, place.top, place.width, place.height));
    control.setFont(controlFont());
    control.setEnabled(description.enabled);
    if (!description.toolTip.empty()) {
        control.setToolTip(fromUtf8(description.toolTip));
        control.setAccessibleName(fromUtf8(description.toolTip));
    }
    if (auto *button = qobject_cast<QAbstractButton *>(&control)) {
        button->setText(fromUtf8(description.caption));
    } else if (auto *label = qobject_cast<QLabel *>(&control)) {
        label->setTextFormat(Qt::PlainText);
        label->setText(fromUtf8(description.caption));
        label->setWordWrap(true);
        const Qt::Alignment across
            = description.alignment == forms::TextAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
        label->setAlignment(across | Qt::AlignTop);
    }
}

void describe(QWidget &window, QWidget &clientArea, const forms::FormDescription &description)
{
    window.setObjectName(fromUtf8(description.name));
    window.setWindowTitle(fromUtf8(description.caption));
    window.setWindowIcon(programIcon());
    clientArea.setFixedSize(twips::toPixels(description.clientWidth), twips::toPixels(description.clientHeight));
}

} // namespace jestrel
