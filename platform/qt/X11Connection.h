#pragma once

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace jestrel
{

// The program's one connection to its X display; nullptr where the toolkit draws on none.
inline xcb_connection_t *x11Connection()
{
    // The offscreen platform answers as an X11 one, without a connection.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// A reply from the display, freed as the C library allocated it.
template<typename T> using XReply = std::unique_ptr<T, decltype(&std::free)>;

} // namespace jestrel
