#pragma once

#include "platform/qt/Modality.h"
#include "platform/qt/Startup.h"

namespace jestrel
{

// What connect() takes to run form's handler: through runHandler, and not at all while a modal
// box blocks the form's window. Every way in to a handler comes through here.
template<typename Form, typename... Arguments> auto handler(Form *form, void (Form::*method)(Arguments...))
{
    return [form, method](Arguments... arguments) {
        if (!isBlockedByModalBox(*form))
            runHandler([&] { (form->*method)(arguments...); });
    };
}

} // namespace jestrel
