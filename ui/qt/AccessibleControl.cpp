#include "ui/qt/AccessibleControl.h"

#include "platform/qt/Modality.h"
#include "ui/qt/CaptionLabel.h"

#include <QAccessibleWidget>
#include <QKeySequence>
#include <QPushButton>

namespace jestrel
{

namespace
{

constexpr const char *kKindProperty = "jestrelControlKind";
constexpr const char *kModalBoxProperty = "jestrelModalBox";

QAccessible::Role toolkitRole(forms::ControlRole role)
{
    // In the order of forms::ControlRole.
    constexpr QAccessible::Role kRoles[] { QAccessible::Button, QAccessible::Graphic, QAccessible::StaticText,
                                           QAccessible::Dialog };
    return kRoles[static_cast<int>(role)];
}

class AccessibleControl final : public QAccessibleWidget
{
public:
    AccessibleControl(QAbstractButton *control, forms::ControlKind kind) : QAccessibleWidget(control), m_kind(kind) { }

    QAccessible::Role role() const override { return toolkitRole(forms::roleOf(m_kind, widget()->isEnabled())); }

    QString text(QAccessible::Text text) const override
    {
        if (!button())
            return QAccessibleWidget::text(text);
        const QString caption = button()->text();
        if (text == QAccessible::Name && widget()->accessibleName().isEmpty())
            return shownCaption(caption);
        if (text == QAccessible::Accelerator)
            return QKeySequence::mnemonic(caption).toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (!button())
            return state;
        state.pressed = button()->isDown();
        if (const auto *push = qobject_cast<const QPushButton *>(widget()))
            state.defaultButton = push->isDefault();
        if (isBlockedByModalBox(*widget())) {
            state.disabled = true;
            state.focusable = false;
        }
        return state;
    }

    QStringList actionNames() const override
    {
        return isPressable() ? QStringList { pressAction(), setFocusAction() } : QStringList();
    }

    void doAction(const QString &action) override
    {
        if (!button() || !isPressable())
            return;
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    // Null while the button is being destroyed, when the toolkit may still ask after it.
    QAbstractButton *button() const { return qobject_cast<QAbstractButton *>(widget()); }
    bool isPressable() const
    {
        return forms::isPressable(m_kind, widget()->isEnabled(), isBlockedByModalBox(*widget()));
    }

    forms::ControlKind m_kind;
};

class AccessibleModalBox final : public QAccessibleWidget
{
public:
    explicit AccessibleModalBox(QWidget *window)
        : QAccessibleWidget(window, toolkitRole(forms::ControlRole::Dialog)) { }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.modal = true;
        return state;
    }
};

QAccessibleInterface *accessibleOf(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    // Asked for each class the object is an instance of, its own first.
    if (!widget || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    // A button being destroyed is a bare widget by then, and is asked after as one.
    if (const QVariant kind = widget->property(kKindProperty); kind.isValid()) {
        auto *button = qobject_cast<QAbstractButton *>(widget);
        return button ? new AccessibleControl(button, static_cast<forms::ControlKind>(kind.toInt())) : nullptr;
    }
    if (widget->property(kModalBoxProperty).toBool())
        return new AccessibleModalBox(widget);
    return nullptr;
}

// Once for the program, before a screen reader first asks after a control.
void installFactory()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(accessibleOf);
        return true;
    }();
}

} // namespace

void makeAccessible(QAbstractButton &control, forms::ControlKind kind)
{
    installFactory();
    control.setProperty(kKindProperty, static_cast<int>(kind));
}

void makeAccessibleModalBox(QWidget &window)
{
    installFactory();
    window.setProperty(kModalBoxProperty, true);
}

} // namespace jestrel
