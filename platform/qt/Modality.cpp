#include "platform/qt/Modality.h"

#include <QApplication>
#include <QWidget>

namespace jestrel
{

bool isBlockedByModalBox(const QWidget &widget)
{
    const QWidget *modalBox = QApplication::activeModalWidget();
    for (const QWidget *window = widget.window(); modalBox && window;
         window = window->parentWidget() ? window->parentWidget()->window() : nullptr) {
        if (window == modalBox)
            return false;
    }
    return modalBox != nullptr;
}

} // namespace jestrel
