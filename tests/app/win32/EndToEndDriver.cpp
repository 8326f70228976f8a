// Drives Jestrel.exe from outside, as a user would, through the Windows API alone: one scenario of
// the table below per run, in a fresh folder with its own sayings file.
// Usage: EndToEndDriver SCENARIO JESTREL_EXE

#include "forms/AboutForm.h"
#include "forms/MainForm.h"
#include "platform/WideText.h"
#include "ui/win32/ControlIds.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>
#include <windows.h>
// After windows.h, which they build on.
#include <objbase.h>
#include <oleacc.h>
#include <shlobj.h> // DROPFILES, and an interface named Folder

namespace
{

using namespace std::chrono_literals;

constexpr auto kDeadline = 10s;
constexpr std::string_view kThreeSayings = "4\r\nFirst saying\r\nSecond saying\r\nThird saying\r\n";
const std::array<std::wstring, 3> kTheSayings { L"First saying", L"Second saying", L"Third saying" };

struct CheckFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void check(bool condition, const std::string &what)
{
    if (!condition)
        throw CheckFailed(what);
}

// Polls until condition holds; false once the deadline has passed. The driver's own windows are
// served meanwhile.
bool waitFor(const std::function<bool()> &condition)
{
    const auto deadline = std::chrono::steady_clock::now() + kDeadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        MSG message {};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

// Each window whose live region has said it changed, as a screen reader's hook hears it.
std::vector<HWND> announcements;

void CALLBACK hearAnnouncement(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (object == OBJID_CLIENT && child == CHILDID_SELF)
        announcements.push_back(window);
}

std::wstring text(HWND window)
{
    std::array<wchar_t, 1024> buffer {};
    DWORD_PTR length = 0;
    // Sent, not read from this process: a control of another process answers only to WM_GETTEXT.
    SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG,
                        5000, &length);
    return std::wstring(buffer.data(), length);
}

std::string narrow(const std::wstring &wide)
{
    return jestrel::toUtf8(wide);
}

RECT outerRect(HWND window)
{
    RECT rect {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT primaryMonitor()
{
    MONITORINFO monitor {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(POINT { 0, 0 }, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcMonitor;
}

void checkCentred(HWND window, const std::string &name)
{
    const RECT outer = outerRect(window);
    const RECT screen = primaryMonitor();
    const double horizontal = (screen.left + screen.right - outer.left - outer.right) / 2.0;
    const double vertical = (screen.top + screen.bottom - outer.top - outer.bottom) / 2.0;
    check(std::abs(horizontal) <= 1 && std::abs(vertical) <= 1,
          name + " is off the primary monitor's centre by " + std::to_string(horizontal) + ", "
              + std::to_string(vertical) + " px");
}

void sendKeys(std::initializer_list<std::pair<WORD, bool>> keys)
{
    std::vector<INPUT> inputs;
    for (const auto &[key, down] : keys) {
        INPUT input {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void press(WORD key)
{
    sendKeys({ { key, true }, { key, false } });
}

// The control that has the focus in the program that window belongs to.
HWND focusOf(HWND window)
{
    GUITHREADINFO thread {};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    return thread.hwndFocus;
}

// What a screen reader reads of a control through the accessibility interfaces.
struct Spoken {
    std::wstring name;
    long role = 0;
    std::wstring defaultAction;
    long state = 0;
};

IAccessible *accessibleOf(HWND control)
{
    IAccessible *accessible = nullptr;
    check(SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                               reinterpret_cast<void **>(&accessible))),
          "no accessible object");
    return accessible;
}

Spoken spokenOf(HWND control)
{
    IAccessible *accessible = accessibleOf(control);
    VARIANT self {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    BSTR action = nullptr;
    VARIANT role {};
    VARIANT state {};
    accessible->get_accName(self, &name);
    accessible->get_accRole(self, &role);
    accessible->get_accDefaultAction(self, &action);
    accessible->get_accState(self, &state);
    const Spoken spoken { name ? name : L"", role.vt == VT_I4 ? role.lVal : 0, action ? action : L"",
                          state.vt == VT_I4 ? state.lVal : 0 };
    SysFreeString(name);
    SysFreeString(action);
    accessible->Release();
    return spoken;
}

HRESULT doDefaultAction(HWND control)
{
    IAccessible *accessible = accessibleOf(control);
    VARIANT self {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    const HRESULT result = accessible->accDoDefaultAction(self);
    accessible->Release();
    return result;
}

void click(HWND control, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP)
{
    const RECT rect = outerRect(control);
    const RECT screen = primaryMonitor();
    // Absolute positions run from 0 to 65535 across the primary monitor.
    const auto scaled = [](LONG at, LONG first, LONG last) { return MulDiv(at - first, 65535, last - first - 1); };
    INPUT inputs[2] {};
    for (INPUT &input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = scaled((rect.left + rect.right) / 2, screen.left, screen.right);
        input.mi.dy = scaled((rect.top + rect.bottom) / 2, screen.top, screen.bottom);
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | down;
    inputs[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | up;
    SendInput(2, inputs, sizeof(INPUT));
}

std::wstring clipboardText()
{
    std::wstring text;
    if (OpenClipboard(nullptr)) {
        if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t *>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

// Empties the clipboard, has copy copy the saying and checks that the clipboard then holds expected.
void expectCopied(const std::function<void()> &copy, const std::wstring &expected)
{
    check(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard(), "cannot empty the clipboard");
    copy();
    std::wstring copied;
    // Waited for first: check's arguments may be worked out in either order.
    const bool wasCopied = waitFor([&] { return (copied = clipboardText()) == expected; });
    check(wasCopied, "the clipboard holds \"" + narrow(copied) + "\", not \"" + narrow(expected) + "\"");
}

void writeFile(const std::filesystem::path &file, std::string_view bytes)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder in the temporary folder, removed with what it holds.
class ScenarioFolder
{
public:
    ScenarioFolder()
    {
        std::random_device device;
        m_path = std::filesystem::temp_directory_path() / ("jestrel-e2e-" + std::to_string(device()));
        std::filesystem::create_directory(m_path);
    }
    ~ScenarioFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScenarioFolder(const ScenarioFolder &) = delete;
    ScenarioFolder &operator=(const ScenarioFolder &) = delete;

    void writeSayings(std::string_view bytes) const { writeFile(m_path / "Jestrel.Ini", bytes); }
    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Jestrel.exe started in a folder with its arguments; ended at the latest when this object goes.
class Jestrel
{
public:
    Jestrel(const std::filesystem::path &program, const ScenarioFolder &folder,
            const std::vector<std::wstring> &arguments)
        : m_folder(folder)
    {
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + program.wstring() + L"\"";
        for (const std::wstring &argument : arguments)
            commandLine += L" \"" + argument + L"\"";
        // Wine now and then fails to start a process that starts on the next try (seen once in
        // CI, a freshly booted prefix); a program that cannot load fails every try.
        DWORD error = 0;
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               folder.path().c_str(), &startup, &m_process))
                return;
            error = GetLastError();
            std::fprintf(stderr, "starting %s failed with error %lu\n", program.string().c_str(), error);
            std::this_thread::sleep_for(500ms);
        }
        throw CheckFailed("cannot start " + program.string() + ": error " + std::to_string(error));
    }
    ~Jestrel()
    {
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(m_process.hProcess, 99);
        WaitForSingleObject(m_process.hProcess, 5000);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    Jestrel(const Jestrel &) = delete;
    Jestrel &operator=(const Jestrel &) = delete;

    const ScenarioFolder &folder() const { return m_folder; }

    // The program's top-level windows of that class, visible or not.
    std::vector<HWND> windows(const wchar_t *className) const
    {
        struct Search {
            DWORD process;
            const wchar_t *className;
            std::vector<HWND> found;
        } search { m_process.dwProcessId, className, {} };
        // CALLBACK: on 32-bit Windows a callback's calling convention is not a lambda's own.
        EnumWindows(
            [](HWND window, LPARAM parameter) CALLBACK -> BOOL {
                auto &wanted = *reinterpret_cast<Search *>(parameter);
                DWORD process = 0;
                GetWindowThreadProcessId(window, &process);
                std::array<wchar_t, 64> name {};
                GetClassNameW(window, name.data(), static_cast<int>(name.size()));
                if (process == wanted.process && std::wstring_view(name.data()) == wanted.className)
                    wanted.found.push_back(window);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    // The first of them; nullptr when it has none.
    HWND window(const wchar_t *className) const
    {
        const std::vector<HWND> found = windows(className);
        return found.empty() ? nullptr : found.front();
    }

    HWND visibleWindow(const wchar_t *className) const
    {
        HWND found = nullptr;
        check(waitFor([&] { return (found = window(className)) && IsWindowVisible(found); }),
              "no window of class " + narrow(className) + " showed");
        return found;
    }

    HWND mainWindow() const
    {
        const HWND main = visibleWindow(L"Frm_JestrelMain");
        // Keys and clicks go to the foreground window.
        SetForegroundWindow(main);
        check(waitFor([&] { return GetForegroundWindow() == main; }), "the main window did not come to the front");
        return main;
    }

    std::wstring saying() const { return text(control("Lbl_Jestrel")); }

    // Edits the sayings file, has the key after Tab draw, and checks that it drew the edit and
    // that each saying, the first and the edit, was announced to screen readers.
    void drawAfterTab(WORD key, const wchar_t *edited) const
    {
        mainWindow();
        const HWND picture = control("Picture1");
        const auto announced = [label = control("Lbl_Jestrel")] { return std::ranges::count(announcements, label); };
        check(waitFor([&] { return announced() == 1; }), "the first saying was not announced");
        press(VK_TAB);
        check(waitFor([&] { return focusOf(picture) == picture; }), "Tab did not reach the bullseye");
        m_folder.writeSayings("2\r\n" + narrow(edited) + "\r\n");
        press(key);
        check(waitFor([&] { return saying() == edited; }), "the key on the bullseye did not draw");
        check(running(), "the key on the bullseye ended the program");
        check(waitFor([&] { return announced() == 2; }), "the new saying was not announced");
    }

    HWND control(std::string_view name) const
    {
        return GetDlgItem(visibleWindow(L"Frm_JestrelMain"),
                          jestrel::controlId(jestrel::forms::mainForm().control(name)));
    }

    DWORD exitStatus() const
    {
        check(WaitForSingleObject(m_process.hProcess, 10000) == WAIT_OBJECT_0, "the program did not end");
        DWORD status = 0;
        GetExitCodeProcess(m_process.hProcess, &status);
        return status;
    }

    bool running() const { return WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }

    // Drops the files on the main window as the shell does. The program reads and frees the drop's
    // DROPFILES block in its own process, so the block is written there. Wine, as Windows does for
    // fixed memory, takes an aligned address of the process as both the handle and its memory, and
    // refuses to free memory that its heap did not give.
    void dropFiles(const std::vector<std::filesystem::path> &files) const
    {
        DROPFILES header {};
        header.pFiles = sizeof header;
        header.fWide = TRUE;
        std::wstring block(sizeof header / sizeof(wchar_t), L'\0');
        std::memcpy(block.data(), &header, sizeof header);
        for (const std::filesystem::path &file : files)
            block += file.wstring() + L'\0';
        block += L'\0';
        void *copy = VirtualAllocEx(m_process.hProcess, nullptr, block.size() * 2, MEM_COMMIT, PAGE_READWRITE);
        check(copy && WriteProcessMemory(m_process.hProcess, copy, block.data(), block.size() * 2, nullptr),
              "cannot write the drop into the program");
        PostMessageW(visibleWindow(L"Frm_JestrelMain"), WM_DROPFILES, reinterpret_cast<WPARAM>(copy), 0);
    }

    // How many of the program's message boxes show.
    std::ptrdiff_t reportsShown() const { return std::ranges::count_if(windows(L"#32770"), IsWindowVisible); }

private:
    const ScenarioFolder &m_folder;
    PROCESS_INFORMATION m_process {};
};

HWND openAbout(const Jestrel &jestrel)
{
    jestrel.mainWindow();
    sendKeys({ { VK_MENU, true }, { 'H', true }, { 'H', false }, { VK_MENU, false } });
    press('A');
    return jestrel.visibleWindow(L"frmAbout");
}

// A failure at start, or the help: the box, with no main window; its message, once it is
// dismissed and the program has ended with status.
std::wstring startReport(const Jestrel &jestrel, DWORD status)
{
    const HWND box = jestrel.visibleWindow(L"#32770");
    check(text(box) == L"Jestrel!", "the message box is titled " + narrow(text(box)));
    const std::wstring message = text(GetDlgItem(box, 0xFFFF));
    const HWND main = jestrel.window(L"Frm_JestrelMain");
    check(!main || !IsWindowVisible(main), "the main window shows behind the message box");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    check(jestrel.exitStatus() == status, "the exit status is not " + std::to_string(status));
    return message;
}

void expectFailureReport(const Jestrel &jestrel)
{
    const std::wstring message = startReport(jestrel, 1);
    check(message.find(L"Jestrel.Ini") != std::wstring::npos, "the message does not name the file: " + narrow(message));
}

// In a folder of its own; both names with spaces and letters beyond ASCII.
const std::wstring kNamedFile = L"Spr\u00FCche \u00FC\\mein Spruch.txt";

struct Scenario {
    std::string_view name;
    // Nothing: no sayings file at all.
    std::optional<std::string_view> sayings;
    std::function<void(const Jestrel &)> run;
    // The first names the sayings file in place of Jestrel.Ini.
    std::vector<std::wstring> arguments = {};
};

const std::array kScenarios {
    Scenario { "starts_centred", kThreeSayings,
               [](const Jestrel &jestrel) { checkCentred(jestrel.mainWindow(), "the main window"); } },
    Scenario { "shows_a_saying", kThreeSayings,
               [](const Jestrel &jestrel) {
                   const std::wstring saying = jestrel.saying();
                   check(std::ranges::find(kTheSayings, saying) != kTheSayings.end(),
                         "the label shows \"" + narrow(saying) + "\", not a saying of the file");
               } },
    Scenario { "click_draws_again", "2\r\nAlpha\r\n",
               [](const Jestrel &jestrel) {
                   jestrel.mainWindow();
                   check(jestrel.saying() == L"Alpha", "the first saying is not Alpha");
                   jestrel.folder().writeSayings("2\r\nBravo\r\n");
                   click(jestrel.control("Picture1"));
                   check(waitFor([&] { return jestrel.saying() == L"Bravo"; }),
                         "a click on the bullseye did not show the edited file's saying");
               } },
    Scenario { "about_is_modal", kThreeSayings,
               [](const Jestrel &jestrel) {
                   const HWND main = jestrel.mainWindow();
                   const HWND about = openAbout(jestrel);
                   check(GetWindow(about, GW_OWNER) == main, "the about box does not belong to the main window");
                   check(!IsWindowEnabled(main), "the main window takes input while the about box shows");
                   press('X');
                   check(waitFor([&] { return !IsWindowVisible(about) && IsWindowEnabled(main); }),
                         "a letter key on OK did not put the about box away");
                   check(jestrel.running() && IsWindow(about), "the about box was destroyed, or the program ended");
               } },
    Scenario { "about_modal_through_minimising", kThreeSayings,
               [](const Jestrel &jestrel) {
                   const HWND main = jestrel.mainWindow();
                   const HWND about = openAbout(jestrel);
                   // Windows hides a minimised window's owned windows and shows them again as it is
                   // restored; Wine leaves them shown, so the driver does what Windows would.
                   ShowWindow(main, SW_MINIMIZE);
                   ShowWindow(about, SW_HIDE);
                   std::this_thread::sleep_for(300ms);
                   ShowWindow(main, SW_RESTORE);
                   ShowWindow(about, SW_SHOWNA);
                   check(!IsWindowEnabled(main), "the about box came back modeless");
                   check(waitFor([&] { return GetForegroundWindow() == about; }),
                         "the restored main window kept the activation from the about box");
                   // Keys that still reach the main window's controls run none of its handlers.
                   const HWND button = jestrel.control("Btn_ThatWuzJestrel");
                   for (const int key : { VK_RETURN, VK_ESCAPE, VK_SPACE }) {
                       PostMessageW(button, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
                       PostMessageW(button, WM_KEYUP, static_cast<WPARAM>(key), static_cast<LPARAM>(0xC0000001));
                   }
                   std::this_thread::sleep_for(500ms);
                   check(jestrel.running() && IsWindowVisible(about),
                         "a key on the blocked main window ended the program or put the about box away");
                   press(VK_RETURN);
                   check(waitFor([&] { return !IsWindowVisible(about) && IsWindowEnabled(main); }),
                         "OK did not put the about box away");
                   jestrel.mainWindow();
                   press(VK_ESCAPE);
                   check(jestrel.exitStatus() == 0, "Escape did not end the program with status 0");
               } },
    Scenario { "keyboard_order_focus_held_enter", "2\r\nAlpha\r\n",
               [](const Jestrel &jestrel) {
                   jestrel.mainWindow();
                   const HWND picture = jestrel.control("Picture1");
                   const HWND button = jestrel.control("Btn_ThatWuzJestrel");
                   press(VK_TAB);
                   check(waitFor([&] { return focusOf(picture) == picture; }), "Tab did not reach the bullseye");
                   sendKeys({ { VK_SHIFT, true }, { VK_TAB, true }, { VK_TAB, false }, { VK_SHIFT, false } });
                   check(waitFor([&] { return focusOf(button) == button; }),
                         "Shift+Tab did not go back to the exit button");
                   press(VK_TAB);
                   check(waitFor([&] { return focusOf(picture) == picture; }), "Tab did not reach the bullseye again");
                   // Another window takes the activation; the main window, activated again, gives the
                   // focus back to the bullseye.
                   const HWND other = CreateWindowExW(0, L"STATIC", L"Another window", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                                      0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
                   SetForegroundWindow(other);
                   check(waitFor([&] { return GetForegroundWindow() == other; }), "another window did not come up");
                   jestrel.mainWindow();
                   DestroyWindow(other);
                   check(waitFor([&] { return focusOf(picture) == picture; }), "the bullseye lost the focus");
                   // Enter draws as it goes down; held, as it may be from closing the about box, it
                   // repeats, and the repeats draw nothing. They are posted as Windows sends a held
                   // key's: Wine forgets a key held down whenever the X focus moves.
                   const auto enter
                       = [&](LPARAM previousState) { PostMessageW(picture, WM_KEYDOWN, VK_RETURN, 1 | previousState); };
                   jestrel.folder().writeSayings("2\r\nBravo\r\n");
                   enter(0);
                   check(waitFor([&] { return jestrel.saying() == L"Bravo"; }), "Enter on the bullseye did not draw");
                   jestrel.folder().writeSayings("2\r\nCharlie\r\n");
                   enter(1 << 30);
                   enter(1 << 30);
                   std::this_thread::sleep_for(300ms);
                   check(jestrel.saying() == L"Bravo", "Enter held down drew again as it repeated");
               } },
    Scenario { "about_keeps_place", kThreeSayings,
               [](const Jestrel &jestrel) {
                   const HWND about = openAbout(jestrel);
                   checkCentred(about, "the about box");
                   const RECT moved = outerRect(about);
                   SetWindowPos(about, nullptr, moved.left - 40, moved.top + 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
                   const RECT wanted = outerRect(about);
                   press(VK_RETURN);
                   check(waitFor([&] { return !IsWindowVisible(about); }), "Enter did not put the about box away");
                   check(openAbout(jestrel) == about, "a second about box was made");
                   const RECT again = outerRect(about);
                   check(again.left == wanted.left && again.top == wanted.top,
                         "the about box did not come back where it was moved to");
               } },
    Scenario { "tab_space_draws", "2\r\nAlpha\r\n",
               [](const Jestrel &jestrel) { jestrel.drawAfterTab(VK_SPACE, L"Bravo"); } },
    Scenario { "tab_enter_draws", "2\r\nAlpha\r\n",
               [](const Jestrel &jestrel) { jestrel.drawAfterTab(VK_RETURN, L"Bravo"); } },
    Scenario {
        "screen_reader_reads", "2\r\nA saying && more\r\n",
        [](const Jestrel &jestrel) {
            const HWND about = openAbout(jestrel);
            const auto aboutControl = [&](std::string_view name) {
                return GetDlgItem(about, jestrel::controlId(jestrel::forms::aboutForm().control(name)));
            };
            const struct {
                HWND control;
                Spoken expected;
            } rows[] = {
                { jestrel.control("Picture1"), { L"Click for another saying", ROLE_SYSTEM_PUSHBUTTON, L"Press" } },
                { jestrel.control("Lbl_Jestrel"), { L"A saying & more", ROLE_SYSTEM_STATICTEXT, {} } },
                { jestrel.control("Btn_ThatWuzJestrel"), { L"Jestrel!", ROLE_SYSTEM_PUSHBUTTON, L"Press" } },
                { aboutControl("PIC_Icon"), { L"Jestrel! icon", ROLE_SYSTEM_GRAPHIC, {} } },
                { aboutControl("BTN_OK"), { L"OK", ROLE_SYSTEM_PUSHBUTTON, L"Press" } },
                { about, { L"About Jestrel!", ROLE_SYSTEM_DIALOG, {} } },
            };
            for (const auto &row : rows) {
                const Spoken spoken = spokenOf(row.control);
                check(spoken.name == row.expected.name && spoken.role == row.expected.role
                          && spoken.defaultAction == row.expected.defaultAction,
                      "a screen reader reads \"" + narrow(spoken.name) + "\", role " + std::to_string(spoken.role)
                          + ", action \"" + narrow(spoken.defaultAction) + "\" where \"" + narrow(row.expected.name)
                          + "\" was expected");
            }
            // Behind the box the main window's buttons read as unavailable and refuse their action.
            jestrel.folder().writeSayings("2\r\nBravo\r\n");
            for (const char *name : { "Picture1", "Btn_ThatWuzJestrel" }) {
                const HWND control = jestrel.control(name);
                check((spokenOf(control).state & STATE_SYSTEM_UNAVAILABLE) != 0,
                      std::string(name) + " reads as available behind the about box");
                check(doDefaultAction(control) != S_OK,
                      std::string(name) + " took its default action behind the about box");
            }
            std::this_thread::sleep_for(300ms);
            check(jestrel.running() && IsWindowVisible(about) && jestrel.saying() == L"A saying && more",
                  "a default action behind the about box drew, ended the program or put the box away");
            // Once the box is put away, the bullseye's default action draws and the exit button's ends.
            PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
            check(waitFor([&] { return !IsWindowVisible(about); }), "the about box stayed");
            check(doDefaultAction(jestrel.control("Picture1")) == S_OK, "the bullseye's default action failed");
            check(waitFor([&] { return jestrel.saying() == L"Bravo"; }), "the bullseye's default action did not draw");
            check(doDefaultAction(jestrel.control("Btn_ThatWuzJestrel")) == S_OK,
                  "the exit button's default action failed");
            check(jestrel.exitStatus() == 0, "the exit button's default action did not end the program with status 0");
        } },
    Scenario { "escape_ends", kThreeSayings,
               [](const Jestrel &jestrel) {
                   jestrel.mainWindow();
                   press(VK_ESCAPE);
                   check(jestrel.exitStatus() == 0, "Escape did not end the program with status 0");
               } },
    Scenario { "missing_file_reports", std::nullopt, expectFailureReport },
    Scenario { "second_failure_one_report", "2\r\nAlpha\r\n",
               [](const Jestrel &jestrel) {
                   const HWND main = jestrel.mainWindow();
                   const HWND picture = jestrel.control("Picture1");
                   std::filesystem::remove(jestrel.folder().path() / "Jestrel.Ini");
                   click(picture);
                   check(waitFor([&] { return jestrel.reportsShown() == 1; }), "the missing file was not reported");
                   // The report's own message loop hands the main window another click, which fails
                   // again.
                   PostMessageW(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(picture), BN_CLICKED),
                                reinterpret_cast<LPARAM>(picture));
                   std::this_thread::sleep_for(500ms);
                   check(jestrel.reportsShown() == 1,
                         std::to_string(jestrel.reportsShown()) + " reports show for one failure after another");
                   const HWND box = jestrel.visibleWindow(L"#32770");
                   PostMessageW(box, WM_COMMAND, IDOK, 0);
                   check(jestrel.exitStatus() == 1, "the exit status is not 1");
               } },
    Scenario { "short_file_reports", "5\r\nOnly one\r\n", expectFailureReport },
    Scenario { "named_file_shows_and_copies",
               "2\r\nFish && chips\r\n",
               [](const Jestrel &jestrel) {
                   const auto pressControlC = [] {
                       sendKeys({ { VK_CONTROL, true }, { 'C', true }, { 'C', false }, { VK_CONTROL, false } });
                   };
                   jestrel.mainWindow();
                   check(jestrel.saying() == L"Fish && chips", "the named file's saying does not show");
                   expectCopied(pressControlC, L"Fish & chips");
                   // "Even monkeys fall from trees."
                   const std::wstring japanese = L"\u733F\u3082\u6728\u304B\u3089\u843D\u3061\u308B";
                   writeFile(jestrel.folder().path() / kNamedFile, "2\r\n" + narrow(japanese) + "\r\n");
                   click(jestrel.control("Picture1"));
                   check(waitFor([&] { return jestrel.saying() == japanese; }),
                         "a click did not read the named file again");
                   expectCopied(pressControlC, japanese);
                   expectCopied(
                       [&] {
                           click(jestrel.control("Lbl_Jestrel"), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
                           jestrel.visibleWindow(L"#32768");
                           press('C');
                       },
                       japanese);
               },
               { kNamedFile } },
    Scenario { "named_file_missing_reports",
               std::nullopt,
               [](const Jestrel &jestrel) {
                   // Named as given, and without the first start's advice, which is about Jestrel.Ini.
                   const std::wstring message = startReport(jestrel, 1);
                   check(message
                             == L"Cannot open " + kNamedFile + L": there is no such file in "
                                 + (jestrel.folder().path() / L"Spr\u00FCche \u00FC").wstring() + L".",
                         "the report says: " + narrow(message));
               },
               { kNamedFile } },
    Scenario {
        "two_files_usage",
        std::nullopt,
        [](const Jestrel &jestrel) {
            const std::wstring message = startReport(jestrel, 2);
            check(message.starts_with(
                      L"Only one sayings file can be named, not both a.txt and b.txt.\nUsage: Jestrel.exe [FILE]\n"),
                  "the report says: " + narrow(message));
        },
        { L"a.txt", L"b.txt" } },
    Scenario { "empty_name_usage",
               std::nullopt,
               [](const Jestrel &jestrel) {
                   const std::wstring message = startReport(jestrel, 2);
                   check(message.starts_with(L"A sayings file's name cannot be empty.\nUsage: Jestrel.exe [FILE]\n"),
                         "the report says: " + narrow(message));
               },
               { L"" } },
    Scenario { "help_asked",
               std::nullopt,
               [](const Jestrel &jestrel) {
                   const std::wstring message = startReport(jestrel, 0);
                   check(message.starts_with(L"Usage: Jestrel.exe [FILE]\n")
                             && message.find(L"/?") != std::wstring::npos,
                         "the help says: " + narrow(message));
               },
               { L"/?" } },
    Scenario { "drop_reads_dropped_file", "2\r\nAlpha\r\n",
               [](const Jestrel &jestrel) {
                   check(GetWindowLongPtrW(jestrel.mainWindow(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES,
                         "the main window takes no dropped files");
                   const std::filesystem::path dropped = jestrel.folder().path() / kNamedFile;
                   writeFile(dropped, "2\r\nDropped\r\n");
                   jestrel.dropFiles({ dropped });
                   check(waitFor([&] { return jestrel.saying() == L"Dropped"; }), "the dropped file was not read");
                   // Two files, or a folder, are refused; the file dropped stays the sayings file.
                   writeFile(dropped, "2\r\nEdited\r\n");
                   jestrel.dropFiles({ dropped, jestrel.folder().path() / "Jestrel.Ini" });
                   jestrel.dropFiles({ dropped.parent_path() });
                   std::this_thread::sleep_for(500ms);
                   check(jestrel.saying() == L"Dropped" && jestrel.reportsShown() == 0, "a refused drop was read");
                   click(jestrel.control("Picture1"));
                   check(waitFor([&] { return jestrel.saying() == L"Edited"; }),
                         "a click did not read the dropped file again");
               } },
    Scenario { "copy_and_drop_refused_behind_about", "2\r\nAlpha\r\n",
               [](const Jestrel &jestrel) {
                   const HWND about = openAbout(jestrel);
                   check(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard(), "cannot empty the clipboard");
                   PostMessageW(jestrel.window(L"Frm_JestrelMain"), WM_COMMAND, jestrel::kCopySayingCommandId, 0);
                   writeFile(jestrel.folder().path() / kNamedFile, "2\r\nDropped\r\n");
                   jestrel.dropFiles({ jestrel.folder().path() / kNamedFile });
                   std::this_thread::sleep_for(500ms);
                   check(clipboardText().empty() && jestrel.saying() == L"Alpha" && IsWindowVisible(about),
                         "a copy or a drop behind the about box was taken, or the box went");
               } },
};

// Jestrel.exe's path as Wine's Z: drive shows the Unix path CTest gives.
std::filesystem::path windowsPath(std::string path)
{
    if (path.starts_with('/')) {
        std::ranges::replace(path, '/', '\\');
        path = "Z:" + path;
    }
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "Usage: %s SCENARIO JESTREL_EXE\n", argv[0]);
        return 2;
    }
    const auto scenario = std::ranges::find(kScenarios, std::string_view(argv[1]), &Scenario::name);
    if (scenario == kScenarios.end()) {
        std::fprintf(stderr, "No scenario %s\n", argv[1]);
        return 2;
    }
    // Measures in the monitors' own pixels, as Jestrel does.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    // The accessibility interfaces reach the program through COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, hearAnnouncement, 0, 0,
                    WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    try {
        const ScenarioFolder folder;
        if (scenario->sayings)
            writeFile(folder.path() / (scenario->arguments.empty() ? L"Jestrel.Ini" : scenario->arguments.front()),
                      *scenario->sayings);
        const Jestrel jestrel(windowsPath(argv[2]), folder, scenario->arguments);
        scenario->run(jestrel);
    } catch (const std::exception &failure) {
        std::fprintf(stderr, "FAIL %s: %s\n", argv[1], failure.what());
        return 1;
    }
    std::printf("PASS %s\n", argv[1]);
    return 0;
}
