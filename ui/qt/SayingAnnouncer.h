#pragma once

#include "sayings/SayingDraw.h"

#include <QObject>
#include <QString>

class QWidget;

namespace jestrel
{

// Has a screen reader speak each new saying as it shows. Orca reads a label whose text changes
// only while the label has the focus, which the saying's never does; it speaks an object of the
// notification role as it becomes showing, and, where that object stands in a status bar, its
// text alone, without the word "notification". Both are widgets of no size that never show and
// take no focus, made only once a screen reader listens.
class SayingAnnouncer : public QObject
{
public:
    explicit SayingAnnouncer(QWidget &window);

    // A caption as the draw gives it, with its "&" marks.
    void announce(const std::string &caption) { m_announcement.announce(caption); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void speak(const std::string &caption);

    QWidget &m_window;
    SayingAnnouncement m_announcement;
    QString m_saying;
    QWidget *m_notice = nullptr;
};

} // namespace jestrel
