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

// Both windows as built from their descriptions: every control of the description, of its kind,
// where and as it is described, and the default button the description names.
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

            std::wstring className(32, L'\0');
            className.resize(static_cast<std::size_t>(GetClassNameW(control, className.data(), 32)));
            const auto style = GetWindowLongPtrW(control, GWL_STYLE);
            switch (described.kind) {
            case forms::ControlKind::PictureBox:
                // A button of its own drawing, whose text is never drawn: it names the box to
                // screen readers.
                EXPECT_EQ(className, L"Button");
                EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
                EXPECT_EQ(textOf(control), toWide(described.spokenName()));
                break;
            case forms::ControlKind::Label:
                EXPECT_EQ(className, L"Static");
                EXPECT_EQ(textOf(control), toWide(described.caption));
                break;
            case forms::ControlKind::PushButton:
                EXPECT_EQ(className, L"Button");
                EXPECT_EQ(textOf(control), toWide(described.caption));
                EXPECT_TRUE(style & WS_TABSTOP);
                EXPECT_EQ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON, described.name == form->defaultButton);
                break;
            }
        }
    }
}

} // namespace
} // namespace jestrel
