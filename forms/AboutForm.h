#pragma once

#include "forms/FormDescription.h"

namespace jestrel
{
class ProgramLauncher;
}

namespace jestrel::forms
{

// frmAbout: the icon, the title, the version and the notices, and an OK button.
const FormDescription &aboutForm();

// What a double-click on its icon box does, where the box takes one: starts the calculator.
void startCalculator(ProgramLauncher &launcher);

} // namespace jestrel::forms
