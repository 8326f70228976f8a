#pragma once

#include <memory>
#include <type_traits>
#include <windows.h>

namespace jestrel
{

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};

using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
// For a menu that no window holds, which goes with none.
using MenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

} // namespace jestrel
