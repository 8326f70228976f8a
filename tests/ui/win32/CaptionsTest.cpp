#include "forms/AboutForm.h"
#include "forms/MainForm.h"
#include "ui/win32/ControlFont.h"
#include "ui/win32/ControlIds.h"
#include "ui/win32/Frm_JestrelMain.h"
#include "ui/win32/SayingLabel.h"
#include "ui/win32/frmAbout.h"

#include "support/FixedRandom.h"
#include "support/RecordingLauncher.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

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

// Each character drawn alone, as its pixels, in 32-bit colour.
std::vector<std::uint32_t> drawn(HFONT font, std::wstring_view text)
{
    constexpr int kSide = 40;
    BITMAPINFO info {};
    info.bmiHeader = { sizeof info.bmiHeader, kSide, -kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
    void *bits = nullptr;
    const HDC device = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(device, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previousBitmap = SelectObject(device, bitmap);
    const HGDIOBJ previousFont = SelectObject(device, font);
    PatBlt(device, 0, 0, kSide, kSide, WHITENESS);
    TextOutW(device, 4, 4, text.data(), static_cast<int>(text.size()));
    GdiFlush();
    std::vector<std::uint32_t> pixels(static_cast<const std::uint32_t *>(bits),
                                      static_cast<const std::uint32_t *>(bits) + kSide * kSide);
    SelectObject(device, previousFont);
    SelectObject(device, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(device);
    return pixels;
}

// A saying in any script shows in glyphs of its own, not as the box of a character the font
// lacks, and one whose first letter is of a right-to-left script reads right to left.
TEST(Captions, EveryScriptIsDrawnInAFontThatHasItAndReadsItsWay)
{
    const struct {
        const wchar_t *saying;
        bool rightToLeft;
    } rows[] = {
        { L"\u65E5\u672C\u8A9E\u306E\u8A00\u8449", false }, // Japanese
        { L"\u4E2D\u6587\u7684\u53E5\u5B50", false }, // Chinese
        { L"\u0645\u0631\u062D\u0628\u0627", true }, // Arabic
        { L"12 \u05E9\u05DC\u05D5\u05DD", true }, // Hebrew after digits, which have no direction
        { L"\u041F\u0440\u0438\u0432\u0435\u0442", false }, // Russian
        { L"A saying \u05E9\u05DC\u05D5\u05DD", false }, // Latin first
    };
    ControlFonts fonts(96);
    for (const auto &row : rows) {
        const std::wstring saying(row.saying);
        SCOPED_TRACE(testing::PrintToString(saying));
        const HFONT font = fonts.fontFor(saying);
        // What the font draws for a character it has no glyph for.
        const std::vector<std::uint32_t> missing = drawn(font, L"\uE000");
        for (const wchar_t c : saying) {
            if (c != L' ' && !(c >= L'0' && c <= L'9')) {
                EXPECT_NE(drawn(font, std::wstring(1, c)), missing) << "U+" << std::hex << static_cast<int>(c);
            }
        }
        EXPECT_EQ(readsRightToLeft(saying), row.rightToLeft);
    }
}

} // namespace
} // namespace jestrel
