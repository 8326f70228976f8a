#include "forms/AboutForm.h"
#include "forms/MainForm.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace jestrel::forms
{
namespace
{

// Both front ends make the controls in the order listed, which must be the tab order.
TEST(FormDescription, ControlsStandInTabOrderAndAreFoundByName)
{
    for (const FormDescription *form : { &mainForm(), &aboutForm() }) {
        SCOPED_TRACE(form->name);
        for (std::size_t i = 0; i < form->controls.size(); ++i) {
            EXPECT_EQ(form->controls[i].tabIndex, static_cast<int>(i));
            EXPECT_EQ(&form->control(form->controls[i].name), &form->controls[i]);
        }
        EXPECT_THROW(form->control("Nothing"), std::logic_error);
    }
}

} // namespace
} // namespace jestrel::forms
