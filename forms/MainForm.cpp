#include "forms/MainForm.h"

#include <array>

namespace jestrel::forms
{

namespace
{

constexpr std::array kControls {
    ControlDescription { "Btn_ThatWuzJestrel", ControlKind::PushButton, { 1560, 960, 852, 372 }, 0, "&Jestrel!" },
    ControlDescription { "Lbl_Jestrel", ControlKind::Label, { 600, 240, 3372, 612 }, 1, {}, TextAlignment::Centre },
    ControlDescription { "Picture1",
                         ControlKind::PictureBox,
                         { 120, 240, 492, 492 },
                         2,
                         {},
                         TextAlignment::Centre,
                         true,
                         "Click for another saying" },
};

// The exit button is both the default and the cancel button. A key still held from closing the
// about box must not act here: its first repeat would end the program or draw again.
constexpr FormDescription kForm {
    .name = "Frm_JestrelMain",
    .caption = "Jestrel!",
    .clientWidth = 4068,
    .clientHeight = 1488,
    .controls = kControls,
    .defaultButton = "Btn_ThatWuzJestrel",
    .cancelButton = "Btn_ThatWuzJestrel",
    .takesRepeatedKeys = false,
};

} // namespace

const FormDescription &mainForm()
{
    return kForm;
}

} // namespace jestrel::forms
