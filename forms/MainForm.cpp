#include "forms/MainForm.h"

#include <array>

namespace jestrel::forms
{

namespace
{

// In the order a screen reader reads them: the bullseye, the saying beside it, the button below.
constexpr std::array kControls {
    ControlDescription { .name = "Picture1",
                         .kind = ControlKind::PictureBox,
                         .twips = { 120, 240, 492, 492 },
                         .tabIndex = 2,
                         .toolTip = "Click for another saying" },
    ControlDescription { .name = "Lbl_Jestrel",
                         .kind = ControlKind::Label,
                         .twips = { 600, 240, 3372, 612 },
                         .tabIndex = 1,
                         .alignment = TextAlignment::Centre },
    ControlDescription { .name = "Btn_ThatWuzJestrel",
                         .kind = ControlKind::PushButton,
                         .twips = { 1560, 960, 852, 372 },
                         .tabIndex = 0,
                         .caption = "&Jestrel!" },
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
