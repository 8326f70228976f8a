#pragma once

#include "forms/FormDescription.h"

namespace jestrel::forms
{

// Frm_JestrelMain: the saying, the bullseye that draws another, and the button that ends the program.
const FormDescription &mainForm();
// Its one menu, Help, with its one entry.
inline constexpr MenuDescription kMainMenu { "MnuHelp", "&Help", "MnuHelpAbout", "&About Jestrel!" };

// A command of the window's that the saying label's context menu holds, and that Ctrl with its
// key gives too.
struct CommandDescription {
    std::string_view name;
    std::string_view caption;
    char key;
};
// Puts the saying on the clipboard as it shows, as plain text.
inline constexpr CommandDescription kCopySaying { "MnuSayingCopy", "&Copy", 'C' };

} // namespace jestrel::forms
