#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace jestrel::forms
{

// A window and its controls as both front ends build them: names, places in twips, captions with
// their "&" access-key marks, tab order and the buttons the keyboard presses. Nothing here knows a
// toolkit.

enum class ControlKind { PictureBox, Label, PushButton };
enum class TextAlignment { Left, Centre };

// What a screen reader meets a control as; a modal box's own window reads as a dialog.
enum class ControlRole { PushButton, Graphic, StaticText, Dialog };

// Push buttons, and picture boxes while they are enabled, can be pressed; a disabled picture box
// is only a picture.
constexpr ControlRole roleOf(ControlKind kind, bool enabled)
{
    if (kind == ControlKind::Label)
        return ControlRole::StaticText;
    return kind == ControlKind::PictureBox && !enabled ? ControlRole::Graphic : ControlRole::PushButton;
}

// Whether a screen reader can press the control now. A blocked one reads as unavailable.
constexpr bool isPressable(ControlKind kind, bool enabled, bool blockedByModalBox)
{
    return !blockedByModalBox && roleOf(kind, enabled) == ControlRole::PushButton;
}

// How a window shows, and what follows from it.
enum class Showing {
    // Shown by the start-up code for the whole run; its frame's close ends the program.
    StartupWindow,
    // Shown modally over the window that owns it, which meanwhile runs none of its handlers,
    // whichever way the user reaches them: the mouse, a key, an access key, a screen reader's
    // action or a menu command. Each front end asks its toolkit whether a window is blocked where
    // it dispatches the handlers. A screen reader reads the box as a modal dialog.
    ModalBox,
};

// A modal box's lifetime. One instance serves the run: it loads, and so is centred, on its first
// showing only, and putting it away, by its frame's close too, only hides it, so it keeps its place.
class ModalBoxLifetime
{
public:
    // load runs inside the caller's handler, so a failing load ends the program before the box shows.
    template<typename Load, typename ShowModally> void show(const Load &load, const ShowModally &showModally)
    {
        if (!m_loaded) {
            load();
            m_loaded = true;
        }
        showModally();
    }

private:
    bool m_loaded = false;
};

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct FontDescription {
    std::string_view family;
    int weight;
    double points;
};

// Every control of both windows writes in it; a system without it picks the nearest sans-serif.
inline constexpr FontDescription kControlFont { "MS Sans Serif", 700, 7.8 };

struct ControlDescription {
    std::string_view name;
    ControlKind kind;
    TwipsRect twips;
    int tabIndex;
    std::string_view caption = {};
    TextAlignment alignment = TextAlignment::Left;
    bool enabled = true;
    std::string_view toolTip = {};
    // What a screen reader calls a control without a caption, where its tooltip does not say.
    std::string_view accessibleName = {};

    // What a screen reader calls a control without a caption: its accessible name or else its
    // tooltip. One with a caption is read by its caption, without its marks.
    std::string_view spokenName() const { return accessibleName.empty() ? toolTip : accessibleName; }
};

// A caption as it shows: each "&" that marks the next letter left out, "&&" as one "&".
std::string shownCaption(std::string_view caption);

struct MenuDescription {
    std::string_view name;
    std::string_view caption;
    std::string_view entryName;
    std::string_view entryCaption;
    // What a screen reader calls the menu bar, as Windows calls every window's.
    std::string_view barName = "Application";
};

struct FormDescription {
    std::string_view name;
    std::string_view caption;
    int clientWidth;
    int clientHeight;
    // In the order they are made. The focus moves in the order of their tab indices.
    std::span<const ControlDescription> controls;
    // The push buttons that Enter and Escape press.
    std::string_view defaultButton;
    std::string_view cancelButton;
    // Whether a key held down acts again as it repeats.
    bool takesRepeatedKeys = true;
    Showing showing = Showing::StartupWindow;
    // The push button on which every character key runs the button's key-press handler, in
    // place of what the key would do; Tab still moves the focus.
    std::string_view keyPressButton = {};

    // The control of that name; asking for one the form does not have is a programming error.
    const ControlDescription &control(std::string_view controlName) const;
    // Every control, the one of the lowest tab index first.
    std::vector<const ControlDescription *> tabOrder() const;
};

} // namespace jestrel::forms
