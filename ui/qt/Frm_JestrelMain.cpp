#include "ui/Frm_JestrelMain.h"

#include "platform/Startup.h"
#include "platform/Twips.h"
#include "sayings/SayingDraw.h"
#include "ui/CenterOnScreen.h"
#include "ui/ControlFont.h"
#include "ui/ProgramIcon.h"
#include "ui/SayingLabel.h"
#include "ui/frmAbout.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>

using namespace Qt::StringLiterals;

namespace jestrel
{

namespace
{

constexpr int kClientWidth = 4068;
constexpr int kClientHeight = 1488;

} // namespace

Frm_JestrelMain::Frm_JestrelMain(RandomSource &random, ProgramLauncher &launcher, QWidget *parent)
    : QMainWindow(parent), m_random(random), m_launcher(launcher)
{
    setObjectName(u"Frm_JestrelMain"_s);
    setWindowTitle(u"Jestrel!"_s);
    setWindowIcon(programIcon());

    auto *client = new QWidget(this);
    client->setFixedSize(twips::toPixels(kClientWidth), twips::toPixels(kClientHeight));
    client->setFont(controlFont());
    setCentralWidget(client);

    Picture1 = new QLabel(client);
    Picture1->setObjectName(u"Picture1"_s);
    Picture1->setGeometry(twips::toPixels(120, 240, 492, 492));
    Picture1->setPixmap(programPixmap());
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setToolTip(u"Click for another saying"_s);
    Picture1->setAccessibleName(u"Click for another saying"_s);
    Picture1->setCursor(Qt::PointingHandCursor);
    Picture1->setFocusPolicy(Qt::NoFocus);
    Picture1->installEventFilter(this);

    Lbl_Jestrel = new SayingLabel(client);
    Lbl_Jestrel->setObjectName(u"Lbl_Jestrel"_s);
    Lbl_Jestrel->setGeometry(twips::toPixels(600, 240, 3372, 612));

    Btn_ThatWuzJestrel = new QPushButton(u"&Jestrel!"_s, client);
    Btn_ThatWuzJestrel->setObjectName(u"Btn_ThatWuzJestrel"_s);
    Btn_ThatWuzJestrel->setGeometry(twips::toPixels(1560, 960, 852, 372));
    // The button alone takes the focus, so it holds it when the window first shows. Enter on it
    // presses it, as outside a dialog it otherwise would not.
    Btn_ThatWuzJestrel->setAutoDefault(true);
    Btn_ThatWuzJestrel->installEventFilter(this);

    MnuHelp = menuBar()->addMenu(u"&Help"_s);
    MnuHelp->setObjectName(u"MnuHelp"_s);
    MnuHelpAbout = MnuHelp->addAction(u"&About Jestrel!"_s);
    MnuHelpAbout->setObjectName(u"MnuHelpAbout"_s);

    // The exit button is the window's cancel button.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setAutoRepeat(false);
    connect(escape, &QShortcut::activated, Btn_ThatWuzJestrel, &QPushButton::click);

    connect(Btn_ThatWuzJestrel, &QPushButton::clicked, this,
            [this] { runHandler([this] { Btn_ThatWuzJestrel_Click(); }); });
    connect(MnuHelpAbout, &QAction::triggered, this, [this] { runHandler([this] { MnuHelpAbout_Click(); }); });

    setFixedSize(sizeHint());
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

Frm_JestrelMain::~Frm_JestrelMain() = default;

bool Frm_JestrelMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Picture1 && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && Picture1->rect().contains(mouse->position().toPoint()))
            runHandler([this] { Picture1_Click(); });
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
        m_about = std::make_unique<frmAbout>(m_launcher);
    m_about->showModal();
    // The dialog has no owner to hand the activation back to, and without a window manager nothing
    // else does: the main window takes it back itself.
    activateWindow();
}

void Frm_JestrelMain::ShowRandomSaying()
{
    drawSaying(m_random,
               [this](const std::string &caption) { Lbl_Jestrel->setCaption(QString::fromStdString(caption)); });
}

} // namespace jestrel
