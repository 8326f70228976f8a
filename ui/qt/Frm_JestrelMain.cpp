#include "ui/qt/Frm_JestrelMain.h"

#include "forms/MainForm.h"
#include "platform/CenterOnScreen.h"
#include "platform/qt/Startup.h"
#include "platform/qt/WindowOperations.h"
#include "sayings/SayingDraw.h"
#include "ui/qt/CaptionLabel.h"
#include "ui/qt/FormBuilder.h"
#include "ui/qt/Handler.h"
#include "ui/qt/PictureBox.h"
#include "ui/qt/frmAbout.h"

#include <QMenuBar>
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

    menuBar()->setAccessibleName(fromUtf8(forms::kMainMenu.barName));
    MnuHelp = menuBar()->addMenu(fromUtf8(forms::kMainMenu.caption));
    MnuHelp->setObjectName(fromUtf8(forms::kMainMenu.name));
    // The menu's own window, which the toolkit leaves unnamed.
    MnuHelp->setAccessibleName(shownCaption(MnuHelp->title()));
    MnuHelpAbout = MnuHelp->addAction(fromUtf8(forms::kMainMenu.entryCaption));
    MnuHelpAbout->setObjectName(fromUtf8(forms::kMainMenu.entryName));

    connect(Picture1, &PictureBox::clicked, this, handler(this, &Frm_JestrelMain::Picture1_Click));
    connect(Btn_ThatWuzJestrel, &QPushButton::clicked, this, handler(this, &Frm_JestrelMain::Btn_ThatWuzJestrel_Click));
    connect(MnuHelpAbout, &QAction::triggered, this, handler(this, &Frm_JestrelMain::MnuHelpAbout_Click));

    setFixedSize(sizeHint());
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

Frm_JestrelMain::~Frm_JestrelMain() = default;

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
