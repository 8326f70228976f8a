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

constexpr FormDescription kForm { "Frm_JestrelMain", "Jestrel!", 4068, 1488, kControls };

} // namespace

const FormDescription &mainForm()
{
    return kForm;
}

} // namespace jestrel::forms
