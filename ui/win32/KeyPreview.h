#pragma once

#include "forms/FormDescription.h"

#include <functional>
#include <string_view>
#include <vector>
#include <windows.h>

namespace jestrel
{

// The keys a form takes before the dialog keyboard handling sees them: a held key's repeats where
// the form takes none, Ctrl with a letter the form has a command for, Enter on a picture box, and
// Tab, which moves the focus in the order of the tab indices.
class KeyPreview
{
public:
    explicit KeyPreview(const forms::FormDescription &form) : m_form(form) { }

    // Has Ctrl with key, a capital letter, give the command commandId, as an accelerator would.
    void addControlKeyCommand(char key, int commandId);
    // Whether the form of window takes key. A command the key gives goes to command, as
    // WM_COMMAND's parameters.
    bool take(HWND window, const MSG &key, const std::function<void(WPARAM, LPARAM)> &command) const;

private:
    const forms::FormDescription &m_form;
    struct ControlKeyCommand {
        WPARAM key;
        int commandId;
    };
    std::vector<ControlKeyCommand> m_controlKeyCommands;
};

// The controls of window, built from form, that take the focus now, in tab order.
std::vector<HWND> tabStops(HWND window, const forms::FormDescription &form);

// Has each character typed on button, named name, reach its window as kKeyPressMessage, in place
// of what the key would do; Tab still moves the focus.
void watchKeyPresses(HWND button, std::string_view name);

} // namespace jestrel
