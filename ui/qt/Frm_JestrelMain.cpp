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
#include "ui/qt/SayingAnnouncer.h"
#include "ui/qt/frmAbout.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <optional>
#include <vector>

namespace jestrel
{

namespace
{

std::optional<SayingsFile> droppedFile(const QMimeData &dropped)
{
    std::vector<std::string> paths;
    for (const QUrl &url : dropped.urls())
        paths.push_back(url.isLocalFile() ? QFile::encodeName(url.toLocalFile()).toStdString() : std::string());
    return SayingsFile::dropped(paths);
}

} // namespace

Frm_JestrelMain::Frm_JestrelMain(RandomSource &random, ProgramLauncher &launcher, SayingsFile sayingsFile,
                                 QWidget *parent)
    : QMainWindow(parent), m_random(random), m_launcher(launcher), m_sayingsFile(std::move(sayingsFile))
{
    auto *client = new QWidget(this);
    buildForm(*this, *client, forms::mainForm());
    setCentralWidget(client);
    auto *Btn_ThatWuzJestrel = controlOf<QPushButton>(*this, "Btn_ThatWuzJestrel");
    Lbl_Jestrel = controlOf<CaptionLabel>(*this, "Lbl_Jestrel");
    auto *Picture1 = controlOf<PictureBox>(*this, "Picture1");
    Picture1->setCursor(Qt::PointingHandCursor);

    menuBar()->setAccessibleName(fromUtf8(forms::kMainMenu.barName));
    QMenu *MnuHelp = menuBar()->addMenu(fromUtf8(forms::kMainMenu.caption));
    MnuHelp->setObjectName(fromUtf8(forms::kMainMenu.name));
    // The menu's own window, which the toolkit leaves unnamed.
    MnuHelp->setAccessibleName(shownCaption(MnuHelp->title()));
    QAction *MnuHelpAbout = MnuHelp->addAction(fromUtf8(forms::kMainMenu.entryCaption));
    MnuHelpAbout->setObjectName(fromUtf8(forms::kMainMenu.entryName));

    // Ctrl+C anywhere in the window, and the label's context menu; the label still takes no focus.
    auto *MnuSayingCopy = new QAction(fromUtf8(forms::kCopySaying.caption), this);
    MnuSayingCopy->setObjectName(fromUtf8(forms::kCopySaying.name));
    MnuSayingCopy->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(forms::kCopySaying.key)));
    addAction(MnuSayingCopy);
    Lbl_Jestrel->addAction(MnuSayingCopy);
    Lbl_Jestrel->setContextMenuPolicy(Qt::ActionsContextMenu);
    setAcceptDrops(true);
    m_announcer = new SayingAnnouncer(*this);

    connect(Picture1, &PictureBox::clicked, this, handler(this, &Frm_JestrelMain::Picture1_Click));
    connect(Btn_ThatWuzJestrel, &QPushButton::clicked, this, handler(this, &Frm_JestrelMain::Btn_ThatWuzJestrel_Click));
    connect(MnuHelpAbout, &QAction::triggered, this, handler(this, &Frm_JestrelMain::MnuHelpAbout_Click));
    connect(MnuSayingCopy, &QAction::triggered, this, handler(this, &Frm_JestrelMain::MnuSayingCopy_Click));

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

void Frm_JestrelMain::MnuSayingCopy_Click()
{
    QGuiApplication::clipboard()->setText(shownCaption(Lbl_Jestrel->text()));
}

void Frm_JestrelMain::Form_DragDrop(const SayingsFile &file)
{
    m_sayingsFile = file;
    ShowRandomSaying();
}

void Frm_JestrelMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (droppedFile(*event->mimeData()))
        event->acceptProposedAction();
}

void Frm_JestrelMain::dropEvent(QDropEvent *event)
{
    if (const std::optional<SayingsFile> dropped = droppedFile(*event->mimeData())) {
        event->acceptProposedAction();
        // Run once the toolkit has told the drag's source that the drop is done: a failure box
        // shown inside the drop's delivery would hold the source's drag until it is closed. Only
        // then is it asked whether a modal box blocks the window.
        QMetaObject::invokeMethod(
            this, [this, file = *dropped] { handler(this, &Frm_JestrelMain::Form_DragDrop)(file); },
            Qt::QueuedConnection);
    }
}

void Frm_JestrelMain::ShowRandomSaying()
{
    drawSaying(m_random,
               { [this](const std::string &caption) { Lbl_Jestrel->setCaption(fromUtf8(caption)); },
                 [this](const std::string &caption) { m_announcer->announce(caption); } },
               m_sayingsFile);
}

} // namespace jestrel
