#pragma once

#include "forms/FormDescription.h"
#include "ui/win32/ControlFont.h"
#include "ui/win32/OwnedHandles.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace jestrel
{

// Sent to a form, wParam its key-press button's id and lParam the character, for each character
// typed on that button.
inline constexpr UINT kKeyPressMessage = WM_APP + 0x101;
// Sent to a form whose window takes dropped files, lParam pointing at the std::vector of the UTF-8
// paths dropped.
inline constexpr UINT kDropFileMessage = WM_APP + 0x103;

// A top-level window built from its form's description: its class named after the form, with the
// program icon; its controls in the order described, each with its caption, place and font;
// picture boxes showing the bullseye, drawn in colour whether enabled or not. Everything is laid
// out again from twips when the window moves to a monitor of other pixels per inch. Tab moves the
// focus in the order of the tab indices; activated, the window gives the focus back to the control
// that last had it, or else to the first that takes it. Enter presses the default button and
// Escape the cancel button; Ctrl with a letter gives the command the form has for it. A window made
// to take dropped files hands its form the paths dropped on it, for the form to take or refuse.
// While a modal box blocks the window, its handlers do not run, and the box takes any
// activation the window is given.
class FormWindow
{
public:
    explicit FormWindow(const forms::FormDescription &form);
    virtual ~FormWindow();

    FormWindow(const FormWindow &) = delete;
    FormWindow &operator=(const FormWindow &) = delete;

    HWND handle() const { return m_window; }

protected:
    // Creates the window hidden on the primary monitor, at its pixels per inch. Called from the
    // form's own constructor, so that every message reaches a whole form.
    void create(DWORD style, DWORD extendedStyle, HWND owner, HMENU menu);

    HWND control(std::string_view name) const;
    // Has Ctrl with key, a capital letter, send the window WM_COMMAND with commandId, as an
    // accelerator would.
    void addControlKeyCommand(char key, int commandId);
    // Shows the window, which its form describes as a modal box, and returns once it is put away.
    // load runs on the first showing only, inside the caller's handler, so a failing load ends the
    // program before the box shows.
    void showModally(const std::function<void()> &load);
    // Gives a label its caption, in a font that has every character of it, read right to left
    // where its first letter is of a right-to-left script.
    void setCaption(HWND control, const std::wstring &caption);

    // The form's own handling of a message; nullopt leaves it to the window's default handling.
    // Messages that run handlers do not reach it while a modal box blocks the window.
    virtual std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void layOut(UINT dpi, const RECT *suggestedOuter);
    void drawPicture(const DRAWITEMSTRUCT &item) const;
    HWND defaultButton() const;
    // The controls that take the focus now, in tab order.
    std::vector<HWND> tabStops() const;
    // Whether the form takes a key before the dialog keyboard handling sees it.
    bool previewKey(const MSG &key);

    const forms::FormDescription &m_form;
    HWND m_window = nullptr;
    std::optional<ControlFonts> m_fonts;
    IconHandle m_picture;
    IconHandle m_smallIcon;
    struct ControlKeyCommand {
        WPARAM key;
        int commandId;
    };
    std::vector<ControlKeyCommand> m_controlKeyCommands;
    // The control that had the focus when the window was last deactivated.
    HWND m_lastFocus = nullptr;
    bool m_loaded = false;
};

} // namespace jestrel
