#pragma once

#include "sayings/SayingDraw.h"

#include <QMainWindow>

#include <memory>

namespace jestrel
{

class ProgramLauncher;
class RandomSource;
class CaptionLabel;
class SayingAnnouncer;
class frmAbout;

// The start-up window: a saying, a bullseye that draws another, a button that ends the program
// and a Help menu. A file dropped on it becomes the sayings file; the saying can be copied.
class Frm_JestrelMain : public QMainWindow
{
    Q_OBJECT

public:
    Frm_JestrelMain(RandomSource &random, ProgramLauncher &launcher, SayingsFile sayingsFile = SayingsFile(),
                    QWidget *parent = nullptr);
    ~Frm_JestrelMain() override;

    // Run by the start-up code while the window is still hidden.
    void Form_Load();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void Picture1_Click();
    void Btn_ThatWuzJestrel_Click();
    void MnuHelpAbout_Click();
    void MnuSayingCopy_Click();
    void Form_DragDrop(const SayingsFile &file);

    void ShowRandomSaying();

    RandomSource &m_random;
    ProgramLauncher &m_launcher;
    SayingsFile m_sayingsFile;

    CaptionLabel *Lbl_Jestrel;
    SayingAnnouncer *m_announcer;

    // The about dialog's one instance: made on the first menu choice, then only hidden, so it
    // keeps its place for the rest of the run.
    std::unique_ptr<frmAbout> m_about;
};

} // namespace jestrel
