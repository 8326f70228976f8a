#pragma once

#include <QMainWindow>

#include <memory>

class QAction;
class QMenu;
class QPushButton;

namespace jestrel
{

class PictureBox;
class ProgramLauncher;
class RandomSource;
class CaptionLabel;
class frmAbout;

// The start-up window: a saying, a bullseye that draws another, a button that ends the program
// and a Help menu.
class Frm_JestrelMain : public QMainWindow
{
    Q_OBJECT

public:
    Frm_JestrelMain(RandomSource &random, ProgramLauncher &launcher, QWidget *parent = nullptr);
    ~Frm_JestrelMain() override;

    // Run by the start-up code while the window is still hidden.
    void Form_Load();

private:
    void Picture1_Click();
    void Btn_ThatWuzJestrel_Click();
    void MnuHelpAbout_Click();

    void ShowRandomSaying();

    RandomSource &m_random;
    ProgramLauncher &m_launcher;

    QPushButton *Btn_ThatWuzJestrel;
    CaptionLabel *Lbl_Jestrel;
    PictureBox *Picture1;
    QMenu *MnuHelp;
    QAction *MnuHelpAbout;

    // The about dialog's one instance: made on the first menu choice, then only hidden, so it
    // keeps its place for the rest of the run.
    std::unique_ptr<frmAbout> m_about;
};

} // namespace jestrel
