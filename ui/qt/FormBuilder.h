#pragma once

#include "forms/FormDescription.h"

#include <QObject>
#include <QString>
#include <QWidget>

#include <stdexcept>
#include <string>

namespace jestrel
{

inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Makes a window what its form's description says: its name, caption, icon and client area's
// size, and every control in the order described, each by its kind with its name, place, font,
// whether it is enabled, its tooltip, caption and the name a screen reader reads. The focus
// moves in the order of the tab indices; Enter presses the default button and Escape the cancel
// button. On its key-press button every character key is told by keyPressesOf(window) instead.
// A modal box reads to a screen reader as a modal dialog.
void buildForm(QWidget &window, QWidget &clientArea, const forms::FormDescription &form);

// The character keys typed on a form's key-press button, each in place of what it would do there.
class KeyPresses final : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

Q_SIGNALS:
    void typed(int keyAscii);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// What buildForm() watches on window's key-press button.
KeyPresses &keyPressesOf(const QWidget &window);

// The control of that name that buildForm() made in window.
template<class Control> Control *controlOf(const QWidget &window, std::string_view name)
{
    auto *control = window.findChild<Control *>(fromUtf8(name));
    if (!control)
        throw std::logic_error(window.objectName().toStdString() + " has no control named " + std::string(name));
    return control;
}

} // namespace jestrel
