#pragma once

#include "forms/FormDescription.h"

#include <QDialog>

#include <functional>

namespace jestrel
{

// A window its form describes as a modal box, built from that description. It belongs to its
// owner, so the two are minimised and restored together. Put away, by its frame's close too, it
// is only hidden, so one instance serves the whole run and keeps its place.
class ModalBox : public QDialog
{
    Q_OBJECT

public:
    ModalBox(const forms::FormDescription &form, QWidget *owner);

    // Shows the box modally and returns once it is put away; load runs on the first showing only.
    void showModally(const std::function<void()> &load);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void reject() override;

private:
    forms::ModalBoxLifetime m_lifetime;
};

} // namespace jestrel
