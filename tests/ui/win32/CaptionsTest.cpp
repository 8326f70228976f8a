#include "forms/AboutForm.h"
#include "forms/MainForm.h"
#include "ui/win32/ControlIds.h"
#include "ui/win32/Frm_JestrelMain.h"
#include "ui/win32/SayingLabel.h"
#include "ui/win32/frmAbout.h"

#include "support/FixedRandom.h"
#include "support/RecordingLauncher.h"

#include <gtest/gtest.h>

namespace jestrel
{
namespace
{

HWND controlOf(const FormWindow &window, const forms::FormDescription &form, std::string_view name)
{
    return GetDlgItem(window.handle(), controlId(form.control(name)));
}

// The notices are the product's own, worded to fit their labels in the 8-point control font.
TEST(Captions, AboutBoxNoticesShowWhole)
{
    test::RecordingLauncher launcher;
    const frmAbout about(launcher, nullptr);
    for (const forms::ControlDescription &control : forms::aboutForm().controls) {
        if (control.kind == forms::ControlKind::Label) {
            EXPECT_FALSE(isCutOff(controlOf(about, forms::aboutForm(), control.name))) << control.name;
        }
    }
}

// The label's tooltip holds the saying only while the label cannot show all of it.
TEST(Captions, SayingIsCutOffOnlyWhenItDoesNotShowWhole)
{
    const struct {
        const wchar_t *saying;
        bool cutOff;
    } rows[] = {
        { L"", false },
        { L"A bullseye is just a target that has been practising.", false },
        // Broken across lines, as in an edit control.
        { L"A word wider than the label: Pneumonoultramicroscopicsilicovolcanoconiosisandsupercalifragilistic", false },
        { L"A saying that goes on and on, long past the third line of the label, where it stops showing, "
          L"because a label keeps its size whatever it is given to show.",
          true },
    };
    test::FixedRandom random({ 0.0f });
    test::RecordingLauncher launcher;
    const Frm_JestrelMain main(random, launcher);
    const HWND label = controlOf(main, forms::mainForm(), "Lbl_Jestrel");
    for (const auto &row : rows) {
        SetWindowTextW(label, row.saying);
        EXPECT_EQ(isCutOff(label), row.cutOff) << testing::PrintToString(std::wstring(row.saying));
    }
}

} // namespace
} // namespace jestrel
