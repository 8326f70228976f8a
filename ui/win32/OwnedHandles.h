#pragma once

#include <memory>
#include <type_traits>
#include <windows.h>

namespace jestrel
{

// Owns a handle that destroy gives back to the system.
template<typename Handle, auto destroy> struct HandleDestroyer {
    void operator()(Handle handle) const { destroy(handle); }
};
template<typename Handle, auto destroy>
using OwnedHandle = std::unique_ptr<std::remove_pointer_t<Handle>, HandleDestroyer<Handle, destroy>>;

using BitmapHandle = OwnedHandle<HBITMAP, DeleteObject>;
using FontHandle = OwnedHandle<HFONT, DeleteObject>;
using IconHandle = OwnedHandle<HICON, DestroyIcon>;
// For a menu that no window holds, which goes with none.
using MenuHandle = OwnedHandle<HMENU, DestroyMenu>;

} // namespace jestrel
