#include "ui/qt/Frm_JestrelMain.h"

#include "forms/MainForm.h"
#include "platform/CenterOnScreen.h"
#include "platform/qt/Startup.h"
#include "platform/qt/WindowOperations.h"
#include "sayings/SayingDraw.h"
#include "ui/qt/CaptionLabel.h"
#include "ui/qt/FormBuilder.h"
#include "ui/qt/PictureBox.h"
#include "ui/qt/frmAbout.h"

#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>

namespace jestrel
{

Frm_JestrelMain::Frm_JestrelMain(RandomSource &random, ProgramLauncher &launcher, QWidget *parent)
    : QMainWindow(parent), m_random(random), m_launcher(launcher)
{
    auto *client = new QWidget(this);
    buildForm(*this, *client, forms::mainForm());
    setCentralWidget(client);
    Btn_ThatWuzJestrel = controlOf<QPushButton>(*this, "Btn_ThatWuzJestrel");
    Lbl_Jestrel = controlOf<CaptionLabel>(*this, "Lbl_Jestrel");
    Picture1 = controlOf<PictureBox>(*this, "Picture1");
    Picture1->setCursor(Qt::PointingHandCursor);
    Picture1->installEventFilter(this);

    MnuHelp = menuBar()->addMenu(fromUtf8(forms::kMainMenu.caption));
    MnuHelp->setObjectName(fromUtf8(forms::kMainMenu.name));
    MnuHelpAbout = MnuHelp->addAction(fromUtf8(forms::kMainMenu.entryCaption));
    MnuHelpAbout->setObjectName(fromUtf8(forms::kMainMenu.entryName));

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
    return QMainWindow::eventFilter(watched, event);
}

void Frm_JestrelMain::Form_Load()
{
    QtWindow window(*this);
    CenterOnScreen(window);
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
