#pragma once

#include "forms/FormDescription.h"
#include "platform/win32/WindowMessages.h"
#include "ui/win32/ControlFont.h"
#include "ui/win32/KeyPreview.h"
#include "ui/win32/Modality.h"
#include "ui/win32/OwnedHandles.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <windows.h>

namespace jestrel
{

// A top-level window built from its form's description: its class named after the form, with the
// program icon; its controls in the order described, each with its caption, place and font;
// picture boxes showing the bullseye, drawn in colour whether enabled or not. Everything is laid
// out again from twips when the window moves to a monitor of other pixels per inch. Its keys go
// through KeyPreview and its activation and focus through Modality. Enter presses the default
// button and Escape the cancel button. A window made to take dropped files hands its form the paths
// dropped on it, for the form to take or refuse. While a modal box blocks the window, its handlers
// do not run.
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
    void addControlKeyCommand(char key, int commandId) { m_keys.addControlKeyCommand(key, commandId); }
    // Shows the window, which its form describes as a modal box, and returns once it is put away.
    // load runs on the first showing only.
    void showModally(const std::function<void()> &load) { m_modality.showModally(m_window, load); }
    // Runs handler, in place of giving the focus back, each time the window is activated.
    void setGotFocusHandler(std::function<void()> handler) { m_modality.setGotFocusHandler(std::move(handler)); }
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
    HWND defaultButton() const;

    const forms::FormDescription &m_form;
    HWND m_window = nullptr;
    std::optional<ControlFonts> m_fonts;
    IconHandle m_picture;
    IconHandle m_smallIcon;
    KeyPreview m_keys;
    Modality m_modality;
};

} // namespace jestrel
