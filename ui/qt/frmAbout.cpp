#include "ui/frmAbout.h"

#include "platform/ProgramLauncher.h"
#include "platform/Startup.h"
#include "platform/Twips.h"
#include "resources/VersionRecord.h"
#include "ui/CenterOnScreen.h"
#include "ui/ControlFont.h"
#include "ui/ProgramIcon.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace jestrel
{

namespace
{

constexpr int kClientWidth = 6036;
constexpr int kClientHeight = 3336;

// A picture box shows its picture as it is, enabled or not; a disabled QLabel would grey it out.
class PictureBox final : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        style()->drawItemPixmap(&painter, contentsRect(), static_cast<int>(alignment()), pixmap());
    }
};

} // namespace

frmAbout::frmAbout(ProgramLauncher &launcher) : QDialog(nullptr), m_launcher(launcher)
{
    setObjectName(u"frmAbout"_s);
    setWindowTitle(u"About Jestrel!"_s);
    setWindowIcon(programIcon());
    setFixedSize(twips::toPixels(kClientWidth), twips::toPixels(kClientHeight));
    // Without an owner window the dialog would otherwise count as a main window, and closing it
    // could end the program.
    setAttribute(Qt::WA_QuitOnClose, false);

    const auto place = [](QWidget *control, const QString &name, QRect twipsGeometry) {
        control->setObjectName(name);
        control->setGeometry(twipsGeometry);
        control->setFont(controlFont());
    };
    const auto label = [&](const QString &name, QRect twipsGeometry, const QString &text) {
        auto *control = new QLabel(text, this);
        place(control, name, twipsGeometry);
        control->setTextFormat(Qt::PlainText);
        control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        control->setWordWrap(true);
        return control;
    };

    // Created in the stored tab order. Only BTN_OK can take the focus: labels never do, and the
    // icon box is disabled, so it takes neither the focus nor the mouse.
    PIC_Icon = new PictureBox(this);
    place(PIC_Icon, u"PIC_Icon"_s, twips::toPixels(360, 300, 480, 495));
    PIC_Icon->setPixmap(programPixmap());
    PIC_Icon->setAlignment(Qt::AlignCenter);
    PIC_Icon->setEnabled(false);
    PIC_Icon->installEventFilter(this);

    BTN_OK = new QPushButton(u"&OK"_s, this);
    place(BTN_OK, u"BTN_OK"_s, twips::toPixels(4680, 2880, 1080, 360));
    BTN_OK->installEventFilter(this);

    LAB_1 = label(u"LAB_1"_s, twips::toPixels(1200, 825, 4575, 255),
                  u"Copyright © 2026 The Jestrel Authors. Released December 2026."_s);
    LAB_2 = label(u"LAB_2"_s, twips::toPixels(1200, 156, 4572, 228), u"Jestrel!"_s);
    LAB_3 = label(u"LAB_3"_s, twips::toPixels(1200, 372, 4572, 228), u"Version "_s + QString::fromUtf8(kVersionText));
    LAB_4 = label(u"LAB_4"_s, twips::toPixels(1200, 2040, 4572, 456),
                  u"If you have more cool sayings, or actually enjoy using this program, let me know!"_s);
    LAB_5 = label(u"LAB_5"_s, twips::toPixels(1200, 1728, 4572, 240),
                  u"Written by the Jestrel Authors: sayings@jestrel.example.org"_s);
    LAB_8 = label(u"LAB_8"_s, twips::toPixels(1200, 1080, 4572, 468),
                  u"Portions of this program are provided by the Qt toolkit,\n"
                  u"© The Qt Company Ltd. and contributors, used under the LGPL v3."_s);

    connect(BTN_OK, &QPushButton::clicked, this, [this] { runHandler([this] { BTN_OK_Click(); }); });
}

void frmAbout::showModal()
{
    // Loading runs inside the caller's handler, so a failing load ends the program before the
    // dialog ever shows.
    if (!m_loaded) {
        Form_Load();
        m_loaded = true;
    }
    exec();
}

bool frmAbout::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        runHandler([this] { Form_GotFocus(); });
    return handled;
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == BTN_OK && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Tab moves the focus in a dialog; it never reaches a button as a character.
        if (key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        // Taken here, Enter and Space cannot also press the button.
        const int keyAscii = key->text().front().unicode();
        runHandler([this, keyAscii] { BTN_OK_KeyPress(keyAscii); });
        return true;
    }
    // Event filters see mouse events even for a disabled widget, which must not take them.
    if (watched == PIC_Icon && event->type() == QEvent::MouseButtonDblClick && PIC_Icon->isEnabled()) {
        runHandler([this] { PIC_Icon_DblClick(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// QDialog routes Escape and the frame's close command here. They put the dialog away as OK does,
// so the one instance, and with it its place on the screen, lives on.
void frmAbout::reject()
{
    hide();
}

void frmAbout::Form_Load()
{
    CenterOnScreen(*this);
}

void frmAbout::Form_GotFocus()
{
    BTN_OK->setFocus();
}

void frmAbout::BTN_OK_Click()
{
    hide();
}

void frmAbout::BTN_OK_KeyPress(int /*keyAscii: every key puts the dialog away*/)
{
    BTN_OK_Click();
}

void frmAbout::PIC_Icon_DblClick()
{
    m_launcher.launch("calc.exe", kMinimizedFocusWindowStyle);
}

} // namespace jestrel
