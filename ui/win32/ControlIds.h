#pragma once

#include "forms/FormDescription.h"

namespace jestrel
{

// A control's id in its window is its tab index, from 100 up: clear of IDOK and
// IDCANCEL, which Enter and Escape send.
inline constexpr int kFirstControlId = 100;

constexpr int controlId(const forms::ControlDescription &control)
{
    return kFirstControlId + control.tabIndex;
}

// The Help menu's one entry.
inline constexpr int kAboutCommandId = 200;
// The saying label's context menu's one entry, which Ctrl with its key gives too.
inline constexpr int kCopySayingCommandId = 201;

} // namespace jestrel
