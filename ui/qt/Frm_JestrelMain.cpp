#include "ui/qt/Frm_JestrelMain.h"

#include "forms/MainForm.h"
#include "platform/qt/Startup.h"
#include "sayings/SayingDraw.h"
#include "ui/qt/CenterOnScreen.h"
#include "ui/qt/DescribedControl.h"
#include "ui/qt/PictureBox.h"
#include "ui/qt/SayingLabel.h"
#include "ui/qt/frmAbout.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>

namespace jestrel
{

Frm_JestrelMain::Frm_JestrelMain(RandomSource &random, ProgramLauncher &launcher, QWidget *parent)
    : QMainWindow(parent), m_random(random), m_launcher(launcher)
{
    const forms::FormDescription &form = forms::mainForm();
    auto *client = new QWidget(this);
    describe(*this, *client, form);
    setCentralWidget(client);

    // Made in tab order.
    Btn_ThatWuzJestrel = new QPushButton(client);
    describe(*Btn_ThatWuzJestrel, form.control("Btn_ThatWuzJestrel"));
    // The button alone takes the focus, so it holds it when the window first shows. Enter on it
    // presses it, as outside a dialog it otherwise would not.
    Btn_ThatWuzJestrel->setAutoDefault(true);
    Btn_ThatWuzJestrel->installEventFilter(this);

    Lbl_Jestrel = new SayingLabel(client);
    describe(*Lbl_Jestrel, form.control("Lbl_Jestrel"));

    Picture1 = new PictureBox(client);
    describe(*Picture1, form.control("Picture1"));
    Picture1->setCursor(Qt::PointingHandCursor);
    Picture1->installEventFilter(this);

    MnuHelp = menuBar()->addMenu(fromUtf8(forms::kMainMenu.caption));
    MnuHelp->setObjectName(fromUtf8(forms::kMainMenu.name));
    MnuHelpAbout = MnuHelp->addAction(fromUtf8(forms::kMainMenu.entryCaption));
    MnuHelpAbout->setObjectName(fromUtf8(forms::kMainMenu.entryName));

    // The exit button is the window's cancel button.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setAutoRepeat(false);
    connect(escape, &QShortcut::activated, Btn_ThatWuzJestrel, &QPushButton::click);

    connect(Btn_ThatWuzJestrel, &QPushButton::clicked, this, handler(this, &Frm_JestrelMain::Btn_ThatWuzJestrel_Click));
    connect(MnuHelpAbout, &QAction::triggered, this, handler(this, &Frm_JestrelMain::MnuHelpAbout_Click));

    setFixedSize(sizeHint());
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

Frm_JestrelMain::~Frm_JestrelMain() = default;

bool Frm_JestrelMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Picture1 && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && Picture1->rect().contains(mouse->position().toPoint()))
            handler(this, &Frm_JestrelMain::Picture1_Click)();
        return true;
    }
    // A key still held from closing the about dialog must not go on to end the program.
    if (watched == Btn_ThatWuzJestrel && event->type() == QEvent::KeyPress)
        return static_cast<QKeyEvent *>(event)->isAutoRepeat();
    return QMainWindow::eventFilter(watched, event);
}

void Frm_JestrelMain::Form_Load()
{
    CenterOnScreen(*this);
    ShowRandomSaying();
}

void Frm_JestrelMain::Picture1_Click()
{
    ShowRandomSaying();
}

void Frm_JestrelMain::Btn_ThatWuzJestrel_Click()
{
    endProgram(0);
}

void Frm_JestrelMain::MnuHelpAbout_Click()
{
    if (!m_about)
        m_about = std::make_unique<frmAbout>(m_launcher, this);
    m_about->showModal();
    // Without a window manager nothing hands the activation back when the dialog hides.
    activateWindow();
}

void Frm_JestrelMain::ShowRandomSaying()
{
    drawSaying(m_random, [this](const std::string &caption) { Lbl_Jestrel->setCaption(fromUtf8(caption)); });
}

} // namespace jestrel
