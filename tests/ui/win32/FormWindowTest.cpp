#include "forms/AboutForm.h"
#include "forms/MainForm.h"
#include "platform/WideText.h"
#include "platform/win32/Twips.h"
#include "ui/win32/ControlIds.h"
#include "ui/win32/Frm_JestrelMain.h"
#include "ui/win32/frmAbout.h"

#include "support/FixedRandom.h"
#include "support/RecordingLauncher.h"

#include <array>
#include <gtest/gtest.h>
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

// Both windows as built from their descriptions: every control of the description where and as it
// is described, and the default button the description names.
TEST(FormWindow, BuildsEachWindowAsDescribed)
{
    test::FixedRandom random({ 0.0f });
    test::RecordingLauncher launcher;
    const Frm_JestrelMain main(random, launcher);
    const frmAbout about(launcher, nullptr);
    const std::pair<const FormWindow *, const forms::FormDescription *> windows[]
        = { { &main, &forms::mainForm() }, { &about, &forms::aboutForm() } };
    for (const auto &[window, form] : windows) {
        SCOPED_TRACE(form->name);
        EXPECT_EQ(textOf(window->handle()), toWide(form->caption));
        const UINT dpi = twips::dpiOf(window->handle());
        const auto pixels = [dpi](int twips) { return twips::toPixels(twips, dpi); };
        RECT client {};
        GetClientRect(window->handle(), &client);
        EXPECT_EQ(client.right, pixels(form->clientWidth));
        EXPECT_EQ(client.bottom, pixels(form->clientHeight));

        for (const forms::ControlDescription &described : form->controls) {
            SCOPED_TRACE(described.name);
            const HWND control = GetDlgItem(window->handle(), controlId(described));
            ASSERT_TRUE(control);
            RECT place {};
            GetWindowRect(control, &place);
            MapWindowPoints(nullptr, window->handle(), reinterpret_cast<POINT *>(&place), 2);
            const forms::TwipsRect &twips = described.twips;
            EXPECT_EQ(
                (std::array<LONG, 4> { place.left, place.top, place.right - place.left, place.bottom - place.top }),
                (std::array<LONG, 4> { pixels(twips.left), pixels(twips.top), pixels(twips.width),
                                       pixels(twips.height) }));
            EXPECT_EQ(IsWindowEnabled(control) != FALSE, described.enabled);

            // A picture box's text is never drawn: it names the box to screen readers.
            EXPECT_EQ(
                textOf(control),
                toWide(described.kind == forms::ControlKind::PictureBox ? described.spokenName() : described.caption));
            const auto style = GetWindowLongPtrW(control, GWL_STYLE);
            EXPECT_EQ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON && described.kind == forms::ControlKind::PushButton,
                      described.name == form->defaultButton);
        }
        // Each control's id is made from its tab index, which no other control of the form may share.
        std::set<int> ids;
        for (const forms::ControlDescription &described : form->controls)
            EXPECT_TRUE(ids.insert(controlId(described)).second) << described.name << " shares its tab index";
    }
}

} // namespace
} // namespace jestrel
