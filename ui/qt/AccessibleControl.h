#pragma once

#include "forms/FormDescription.h"

class QAbstractButton;
class QWidget;

namespace jestrel
{

// Has a screen reader meet a push button or a picture box by the role of its kind, named by its
// caption without its marks, or by its accessible name. It can be pressed while it is enabled and
// no modal box blocks its window; blocked, it reads as unavailable and offers no action, so that
// a screen reader's press is refused as a disabled control's is.
void makeAccessible(QAbstractButton &control, forms::ControlKind kind);

// Has a screen reader meet a form's modal box as a modal dialog.
void makeAccessibleModalBox(QWidget &window);

} // namespace jestrel
