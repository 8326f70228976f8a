#include "platform/qt/X11Connection.h"

#include <QGuiApplication>

namespace jestrel
{

xcb_connection_t *x11Connection()
{
    // The offscreen platform answers as an X11 one, without a connection.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

} // namespace jestrel
