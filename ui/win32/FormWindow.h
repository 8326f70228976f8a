#pragma once

#include "forms/FormDescription.h"
#include "ui/win32/ControlFont.h"
#include "ui/win32/OwnedHandles.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace jestrel
{

// A top-level window built from its form's description: its class named after the form, with the
// program icon; its controls in the order described, each with its caption, place and font;
// picture boxes showing the bullseye, drawn in colour whether enabled or not. Everything is laid
// out again from twips when the window moves to a monitor of other pixels per inch. Tab moves the
// focus in the order of the tab indices, and the focus goes to the first control that takes it
// when the window is activated; Enter presses the default button and Escape the cancel button.
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
    // Gives a label its caption, in a font that has every character of it, read right to left
    // where its first letter is of a right-to-left script.
    void setCaption(HWND control, const std::wstring &caption);

    // The form's own handling of a message; nullopt leaves it to the window's default handling.
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
};

} // namespace jestrel
