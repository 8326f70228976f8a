#include "ui/win32/Frm_JestrelMain.h"

#include "forms/MainForm.h"
#include "platform/CenterOnScreen.h"
#include "platform/RuntimeFailure.h"
#include "platform/WideText.h"
#include "platform/win32/Clipboard.h"
#include "platform/win32/Startup.h"
#include "platform/win32/WindowOperations.h"
#include "sayings/SayingDraw.h"
#include "ui/win32/ControlIds.h"
#include "ui/win32/LiveRegion.h"
#include "ui/win32/SayingLabel.h"
#include "ui/win32/ToolTips.h"
#include "ui/win32/frmAbout.h"

#include <commctrl.h>
#include <utility>
#include <vector>
#include <windowsx.h> // GET_X_LPARAM, GET_Y_LPARAM

namespace jestrel
{

namespace
{

// The menu bar: Help, holding About. It goes with the window it is given to.
HMENU mainMenu()
{
    const HMENU bar = CreateMenu();
    const HMENU help = CreatePopupMenu();
    if (!bar || !help || !AppendMenuW(help, MF_STRING, kAboutCommandId, toWide(forms::kMainMenu.entryCaption).c_str())
        || !AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), toWide(forms::kMainMenu.caption).c_str()))
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot make the Help menu.");
    return bar;
}

// The saying label's context menu: Copy, with its key beside it as Windows menus show one.
MenuHandle sayingMenu()
{
    MenuHandle menu(CreatePopupMenu());
    const std::string caption = std::string(forms::kCopySaying.caption) + "\tCtrl+" + forms::kCopySaying.key;
    if (!menu || !AppendMenuW(menu.get(), MF_STRING, kCopySayingCommandId, toWide(caption).c_str()))
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot make the saying's context menu.");
    return menu;
}

} // namespace

Frm_JestrelMain::Frm_JestrelMain(RandomSource &random, ProgramLauncher &launcher, SayingsFile sayingsFile)
    : FormWindow(forms::mainForm())
    , m_random(random)
    , m_launcher(launcher)
    , m_sayingsFile(std::move(sayingsFile))
    , m_announcement([this](const std::string &) { announceLiveRegion(Lbl_Jestrel); })
{
    // Fixed in size: a frame without a sizing border or a maximise box. It takes dropped files as
    // DragAcceptFiles would have it, without loading the shell at start.
    create(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_EX_ACCEPTFILES, nullptr, mainMenu());
    Btn_ThatWuzJestrel = control("Btn_ThatWuzJestrel");
    Lbl_Jestrel = control("Lbl_Jestrel");
    makeLiveRegion(Lbl_Jestrel);
    Picture1 = control("Picture1");
    MnuSaying = sayingMenu();
    addControlKeyCommand(forms::kCopySaying.key, kCopySayingCommandId);
    PostMessageW(handle(), kShownMessage, 0, 0);
}

Frm_JestrelMain::~Frm_JestrelMain() = default;

std::optional<LRESULT> Frm_JestrelMain::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        return onCommand(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<NMHDR *>(lParam));
    case kDropFileMessage:
        if (const auto file = SayingsFile::dropped(*reinterpret_cast<const std::vector<std::string> *>(lParam)))
            Form_DragDrop(*file);
        return 0;
    case kShownMessage:
        // The first saying is announced after the window; and the tooltips are made, which nothing
        // needs before and which under Wine cost the first showing several milliseconds.
        m_announcement.windowPresented();
        m_toolTips = std::make_unique<ToolTips>(handle());
        m_toolTips->add(Picture1, toWide(forms::mainForm().control("Picture1").toolTip));
        m_toolTips->addAskingWindow(Lbl_Jestrel);
        return 0;
    case WM_CLOSE:
        // The frame's close ends the program as the button does, without running its handler.
        endProgram(0);
        return 0;
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) != Lbl_Jestrel)
            break;
        // Its entry comes back as a command, which runs no handler while the about box shows.
        TrackPopupMenu(MnuSaying.get(), TPM_RIGHTBUTTON, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), 0, handle(),
                       nullptr);
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == Picture1) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    }
    return std::nullopt;
}

std::optional<LRESULT> Frm_JestrelMain::onCommand(HWND control, int id, int code)
{
    if (control == Btn_ThatWuzJestrel && code == BN_CLICKED)
        Btn_ThatWuzJestrel_Click();
    else if (control == Picture1 && code == BN_CLICKED)
        Picture1_Click();
    else if (!control && id == kAboutCommandId)
        MnuHelpAbout_Click();
    else if (!control && id == kCopySayingCommandId)
        MnuSayingCopy_Click();
    else
        return std::nullopt;
    return 0;
}

std::optional<LRESULT> Frm_JestrelMain::onNotify(NMHDR &notice)
{
    if (notice.code != TTN_GETDISPINFOW || reinterpret_cast<HWND>(notice.idFrom) != Lbl_Jestrel)
        return std::nullopt;
    // Worked out only when the tip is about to show, not on every draw.
    m_labelTip = isCutOff(Lbl_Jestrel) ? labelText(Lbl_Jestrel) : std::wstring();
    reinterpret_cast<NMTTDISPINFOW &>(notice).lpszText = m_labelTip.data();
    return 0;
}

void Frm_JestrelMain::Form_Load()
{
    Win32Window window(handle());
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
        m_about = std::make_unique<frmAbout>(m_launcher, handle());
    m_about->showModal();
}

void Frm_JestrelMain::MnuSayingCopy_Click()
{
    copyToClipboard(handle(), toWide(forms::shownCaption(toUtf8(labelText(Lbl_Jestrel)))));
}

void Frm_JestrelMain::Form_DragDrop(const SayingsFile &file)
{
    m_sayingsFile = file;
    ShowRandomSaying();
}

void Frm_JestrelMain::ShowRandomSaying()
{
    drawSaying(m_random,
               { [this](const std::string &caption) { setCaption(Lbl_Jestrel, toWide(caption)); },
                 [this](const std::string &caption) { m_announcement.announce(caption); } },
               m_sayingsFile);
}

} // namespace jestrel
