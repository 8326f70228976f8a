#pragma once

#include "forms/FormDescription.h"

namespace jestrel::forms
{

// Frm_JestrelMain: the saying, the bullseye that draws another, and the button that ends the program.
const FormDescription &mainForm();
// Its one menu, Help, with its one entry.
inline constexpr MenuDescription kMainMenu { "MnuHelp", "&Help", "MnuHelpAbout", "&About Jestrel!" };

} // namespace jestrel::forms
