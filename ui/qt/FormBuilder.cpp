#include "ui/qt/FormBuilder.h"

#include "platform/qt/Twips.h"
#include "ui/qt/AccessibleControl.h"
#include "ui/qt/CaptionLabel.h"
#include "ui/qt/ControlFont.h"
#include "ui/qt/PictureBox.h"
#include "ui/qt/ProgramIcon.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

namespace jestrel
{

namespace
{

// Drops the key presses that only repeat a key held down, before the control they go to sees them.
class RepeatedKeyFilter final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->isAutoRepeat();
    }
};

QWidget *make(const forms::ControlDescription &description, QWidget &clientArea)
{
    switch (description.kind) {
    case forms::ControlKind::PictureBox: {
        auto *box = new PictureBox(&clientArea);
        makeAccessible(*box, description.kind);
        return box;
    }
    case forms::ControlKind::Label: {
        auto *label = new CaptionLabel(&clientArea);
        label->setCaption(fromUtf8(description.caption));
        label->setWordWrap(true);
        const Qt::Alignment across
            = description.alignment == forms::TextAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
        label->setAlignment(across | Qt::AlignTop);
        return label;
    }
    case forms::ControlKind::PushButton: {
        auto *button = new QPushButton(&clientArea);
        // Before its text, whose change a screen reader is told of, making it an interface.
        makeAccessible(*button, description.kind);
        button->setText(fromUtf8(description.caption));
        return button;
    }
    }
    throw std::logic_error("a control of unknown kind");
}

void describe(QWidget &control, const forms::ControlDescription &description)
{
    control.setObjectName(fromUtf8(description.name));
    const forms::TwipsRect &place = description.twips;
    control.setGeometry(twips::toPixels(place.left, place.top, place.width, place.height));
    control.setFont(controlFont());
    control.setEnabled(description.enabled);
    control.setToolTip(fromUtf8(description.toolTip));
    if (!description.spokenName().empty())
        control.setAccessibleName(fromUtf8(description.spokenName()));
}

void applyKeyboardRoles(QWidget &window, const forms::FormDescription &form)
{
    if (!form.defaultButton.empty()) {
        auto *button = controlOf<QPushButton>(window, form.defaultButton);
        // Outside a dialog only a button that presses itself on Enter takes it.
        button->setAutoDefault(true);
        button->setDefault(true);
    }
    if (!form.cancelButton.empty()) {
        auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
        escape->setAutoRepeat(false);
        QObject::connect(escape, &QShortcut::activated, controlOf<QPushButton>(window, form.cancelButton),
                         &QPushButton::click);
    }
    if (!form.keyPressButton.empty())
        controlOf<QPushButton>(window, form.keyPressButton)->installEventFilter(new KeyPresses(&window));
}

} // namespace

void buildForm(QWidget &window, QWidget &clientArea, const forms::FormDescription &form)
{
    window.setObjectName(fromUtf8(form.name));
    window.setWindowTitle(fromUtf8(form.caption));
    window.setWindowIcon(programIcon());
    clientArea.setFixedSize(twips::toPixels(form.clientWidth), twips::toPixels(form.clientHeight));

    QObject *repeatedKeys = form.takesRepeatedKeys ? nullptr : new RepeatedKeyFilter(&window);
    for (const forms::ControlDescription &description : form.controls) {
        QWidget *control = make(description, clientArea);
        describe(*control, description);
        if (repeatedKeys)
            control->installEventFilter(repeatedKeys);
    }

    // The toolkit chains only the controls that take the focus. The first of them holds it when
    // the window first shows.
    QWidget *first = nullptr;
    QWidget *previous = nullptr;
    for (const forms::ControlDescription *description : form.tabOrder()) {
        auto *control = controlOf<QWidget>(window, description->name);
        if (control->focusPolicy() == Qt::NoFocus || !control->isEnabled())
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        else
            first = control;
        previous = control;
    }
    if (first)
        first->setFocus();
    applyKeyboardRoles(window, form);
    if (form.showing == forms::Showing::ModalBox)
        makeAccessibleModalBox(window);
}

bool KeyPresses::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    // Tab moves the focus; it never reaches a button as a character.
    if (key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;
    // Taken here, Enter and Space cannot also press the button.
    Q_EMIT typed(key->text().front().unicode());
    return true;
}

KeyPresses &keyPressesOf(const QWidget &window)
{
    auto *keyPresses = window.findChild<KeyPresses *>(QString(), Qt::FindDirectChildrenOnly);
    if (!keyPresses)
        throw std::logic_error(window.objectName().toStdString() + " has no key-press button");
    return *keyPresses;
}

} // namespace jestrel
