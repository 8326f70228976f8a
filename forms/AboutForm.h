#pragma once

#include "forms/FormDescription.h"

namespace jestrel::forms
{

// frmAbout: the icon, the title, the version and the notices, and an OK button.
const FormDescription &aboutForm();

} // namespace jestrel::forms
