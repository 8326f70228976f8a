#include "forms/AboutForm.h"

#include "platform/ProgramLauncher.h"
#include "resources/VersionRecord.h"

#include <array>
#include <string>

namespace jestrel::forms
{

namespace
{

// Its controls' descriptions hold views into its own strings, so it stays where it was made.
struct AboutForm {
    AboutForm() = default;
    AboutForm(const AboutForm &) = delete;
    AboutForm &operator=(const AboutForm &) = delete;

    std::string version = "Version " + std::string(kVersionText);
    std::string credit = "By the Jestrel Authors: " + std::string(kContactAddress);
    std::string iconName = std::string(kProductName) + " icon";
    // In the order a screen reader reads them: the icon, the labels from the top down, then OK.
    std::array<ControlDescription, 8> controls {
        ControlDescription { .name = "PIC_Icon",
                             .kind = ControlKind::PictureBox,
                             .twips = { 360, 300, 480, 495 },
                             .tabIndex = 0,
                             .enabled = false,
                             .accessibleName = iconName },
        ControlDescription { "LAB_2", ControlKind::Label, { 1200, 156, 4572, 228 }, 3, kProductName },
        ControlDescription { "LAB_3", ControlKind::Label, { 1200, 372, 4572, 228 }, 4, version },
        ControlDescription { "LAB_1", ControlKind::Label, { 1200, 825, 4575, 255 }, 2, kLegalCopyright },
        ControlDescription { "LAB_8", ControlKind::Label, { 1200, 1080, 4572, 468 }, 7, kRuntimeNotice },
        ControlDescription { "LAB_5", ControlKind::Label, { 1200, 1728, 4572, 240 }, 6, credit },
        ControlDescription { "LAB_4",
                             ControlKind::Label,
                             { 1200, 2040, 4572, 456 },
                             5,
                             "If you have more cool sayings, or actually enjoy using this program, let me know!" },
        ControlDescription { "BTN_OK", ControlKind::PushButton, { 4680, 2880, 1080, 360 }, 1, "&OK" },
    };
    // Escape puts the dialog away as OK does, and so does any other key typed on OK.
    FormDescription form {
        .name = "frmAbout",
        .caption = "About Jestrel!",
        .clientWidth = 6036,
        .clientHeight = 3336,
        .controls = controls,
        .defaultButton = "BTN_OK",
        .cancelButton = "BTN_OK",
        .showing = Showing::ModalBox,
        .keyPressButton = "BTN_OK",
    };
};

} // namespace

const FormDescription &aboutForm()
{
    static const AboutForm about;
    return about.form;
}

void startCalculator(ProgramLauncher &launcher)
{
    // Minimised with the focus, and not waited for: its task identifier is of no further use.
    launcher.launch("calc.exe", kMinimizedFocusWindowStyle);
}

} // namespace jestrel::forms
