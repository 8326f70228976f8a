#pragma once

#include "sayings/SayingDraw.h"
#include "ui/win32/FormWindow.h"

#include <memory>
#include <string>

namespace jestrel
{

class ProgramLauncher;
class RandomSource;
class ToolTips;
class frmAbout;

// The start-up window: a saying, a bullseye that draws another, a button that ends the program,
// a Help menu, and a context menu on the saying that copies it, as Ctrl+C does. Every draw reads
// the sayings file it is given, or the one last dropped on it: a UTF-8 path, named in failures as
// it is given.
class Frm_JestrelMain final : public FormWindow
{
public:
    Frm_JestrelMain(RandomSource &random, ProgramLauncher &launcher, SayingsFile sayingsFile = SayingsFile());
    ~Frm_JestrelMain() override;

    // Run by the start-up code while the window is still hidden.
    void Form_Load();

private:
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::optional<LRESULT> onCommand(HWND control, int id, int code);
    std::optional<LRESULT> onNotify(NMHDR &notice);

    void Picture1_Click();
    void Btn_ThatWuzJestrel_Click();
    void MnuHelpAbout_Click();
    void MnuSayingCopy_Click();
    void Form_DragDrop(const SayingsFile &file);

    void ShowRandomSaying();

    RandomSource &m_random;
    ProgramLauncher &m_launcher;
    SayingsFile m_sayingsFile;
    SayingAnnouncement m_announcement;

    HWND Btn_ThatWuzJestrel = nullptr;
    HWND Lbl_Jestrel = nullptr;
    HWND Picture1 = nullptr;
    MenuHandle MnuSaying;

    std::unique_ptr<ToolTips> m_toolTips;
    // What the label's tooltip shows while the tooltip shows.
    std::wstring m_labelTip;
    // The about dialog's one instance: made on the first menu choice, then only hidden, so it
    // keeps its place for the rest of the run.
    std::unique_ptr<frmAbout> m_about;
};

} // namespace jestrel
