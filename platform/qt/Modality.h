#pragma once

class QWidget;

namespace jestrel
{

// Whether a modal box that is neither widget's window nor one of that window's own shows. The
// toolkit then keeps the mouse and the keyboard from widget's window, but not a screen reader's
// action, nor a call from the program's own code.
bool isBlockedByModalBox(const QWidget &widget);

} // namespace jestrel
