#include "forms/AboutForm.h"
#include "forms/MainForm.h"
#include "platform/WideText.h"
#include "ui/win32/ControlIds.h"
#include "ui/win32/Frm_JestrelMain.h"
#include "ui/win32/frmAbout.h"

#include "support/FixedRandom.h"
#include "support/RecordingLauncher.h"

#include <array>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace jestrel
{
namespace
{

std::wstring textOf(HWND window)
{
    std::wstring text(256, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Left, top, width and height of control in window's client pixels; of the client area itself
// where control is window.
std::array<LONG, 4> placeOf(HWND window, HWND control)
{
    RECT place {};
    GetClientRect(control, &place);
    MapWindowPoints(control, window, reinterpret_cast<POINT *>(&place), 2);
    return { place.left, place.top, place.right - place.left, place.bottom - place.top };
}

// Both windows as built from their descriptions: each control of the description reachable on its
// own, with its text, state and default button, and placed at 96 pixels per inch, where a twip is a
// fifteenth of a pixel, rounded to the nearest.
TEST(FormWindow, BuildsEachWindowAsDescribed)
{
    test::FixedRandom random({ 0.0f });
    test::RecordingLauncher launcher;
    const Frm_JestrelMain main(random, launcher);
    const frmAbout about(launcher, nullptr);
    const std::pair<const FormWindow *, const forms::FormDescription *> windows[]
        = { { &main, &forms::mainForm() }, { &about, &forms::aboutForm() } };
    // A window's client area, and some of its controls, where the rounding shows.
    const std::map<std::string_view, std::array<LONG, 4>> places { { "Frm_JestrelMain", { 0, 0, 271, 99 } },
                                                                   { "Picture1", { 8, 16, 33, 33 } },
                                                                   { "frmAbout", { 0, 0, 402, 222 } },
                                                                   { "PIC_Icon", { 24, 20, 32, 33 } },
                                                                   { "LAB_1", { 80, 55, 305, 17 } } };
    for (const auto &[window, form] : windows) {
        SCOPED_TRACE(form->name);
        EXPECT_EQ(placeOf(window->handle(), window->handle()), places.at(form->name));
        EXPECT_EQ(textOf(window->handle()), toWide(form->caption));
        // A tab index two controls share would leave one of them out of reach.
        std::set<HWND> reached;
        for (const forms::ControlDescription &described : form->controls) {
            SCOPED_TRACE(described.name);
            const HWND control = GetDlgItem(window->handle(), controlId(described));
            ASSERT_TRUE(control && reached.insert(control).second);
            if (places.contains(described.name)) {
                EXPECT_EQ(placeOf(window->handle(), control), places.at(described.name));
            }
            EXPECT_EQ(IsWindowEnabled(control) != FALSE, described.enabled);
            // A picture box's text is never drawn: it names the box to screen readers.
            EXPECT_EQ(
                textOf(control),
                toWide(described.kind == forms::ControlKind::PictureBox ? described.spokenName() : described.caption));
            const auto style = GetWindowLongPtrW(control, GWL_STYLE);
            EXPECT_EQ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON && described.kind == forms::ControlKind::PushButton,
                      described.name == form->defaultButton);
        }
    }
}

} // namespace
} // namespace jestrel
