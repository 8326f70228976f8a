#pragma once

#include <span>
#include <string_view>

namespace jestrel::forms
{

// A window and its controls as both front ends build them: names, places in twips, captions with
// their "&" access-key marks, and tab order. Nothing here knows a toolkit.

enum class ControlKind { PictureBox, Label, PushButton };
enum class TextAlignment { Left, Centre };

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
};

struct MenuDescription {
    std::string_view name;
    std::string_view caption;
    std::string_view entryName;
    std::string_view entryCaption;
};

struct FormDescription {
    std::string_view name;
    std::string_view caption;
    int clientWidth;
    int clientHeight;
    // In tab order, the first control first.
    std::span<const ControlDescription> controls;

    // The control of that name; asking for one the form does not have is a programming error.
    const ControlDescription &control(std::string_view controlName) const;
};

} // namespace jestrel::forms
