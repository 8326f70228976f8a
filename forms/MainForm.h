#pragma once

#include "forms/FormDescription.h"

#include <optional>
#include <span>
#include <string>

namespace jestrel::forms
{

// Frm_JestrelMain: the saying, the bullseye that draws another, and the button that ends the program.
const FormDescription &mainForm();
// Its one menu, Help, with its one entry.
inline constexpr MenuDescription kMainMenu { "MnuHelp", "&Help", "MnuHelpAbout", "&About Jestrel!" };

// A command of the window's that the saying label's context menu holds, and that Ctrl with its
// key gives too.
struct CommandDescription {
    std::string_view name;
    std::string_view caption;
    char key;
};
// Puts the saying on the clipboard as it shows, as plain text.
inline constexpr CommandDescription kCopySaying { "MnuSayingCopy", "&Copy", 'C' };

// The sayings file a drop on the window gives: the one path dropped where it names a regular file.
// A drop of anything else, several files, a folder, or what is not a local file (an empty path),
// is refused.
std::optional<std::string> droppedSayingsFile(std::span<const std::string> droppedPaths);

} // namespace jestrel::forms
