#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace jestrel
{

class PictureBox;
class ProgramLauncher;

// The about box: the program's icon, title, version and notices, and an OK button that puts it
// away. It is only ever hidden, so one instance serves the whole run and keeps its place. It
// belongs to the main window, so the two are minimised and restored together.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout(ProgramLauncher &launcher, QWidget *mainWindow);

    // Shows the dialog modally and returns once it is put away. The first showing loads it.
    void showModal();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void reject() override;

private:
    void Form_Load();
    void Form_GotFocus();
    void BTN_OK_Click();
    void BTN_OK_KeyPress(int keyAscii);
    void PIC_Icon_DblClick();

    ProgramLauncher &m_launcher;
    bool m_loaded = false;

    PictureBox *PIC_Icon;
    QPushButton *BTN_OK;
    QLabel *LAB_1;
    QLabel *LAB_2;
    QLabel *LAB_3;
    QLabel *LAB_4;
    QLabel *LAB_5;
    QLabel *LAB_8;
};

} // namespace jestrel
