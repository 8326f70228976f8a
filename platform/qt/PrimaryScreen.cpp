#include "platform/qt/PrimaryScreen.h"

#include "platform/RuntimeFailure.h"
#include "platform/qt/X11Connection.h"

#include <QGuiApplication>
#include <QScreen>
#include <optional>
#include <xcb/xinerama.h>

namespace jestrel
{

namespace
{

// X with Xinerama and no RandR outputs, as legacy dual-head setups have, shows the toolkit one
// screen as large as the whole desktop; X's own primary is then the first Xinerama screen. In the
// display's pixels.
std::optional<QRect> firstOfSeveralXineramaScreens()
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return std::nullopt;
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(connection, &xcb_xinerama_id);
    if (!extension || !extension->present)
        return std::nullopt;
    // Both asked before either answer is read: one round trip.
    const xcb_xinerama_is_active_cookie_t isActive = xcb_xinerama_is_active(connection);
    const xcb_xinerama_query_screens_cookie_t queryScreens = xcb_xinerama_query_screens(connection);
    const XReply<xcb_xinerama_is_active_reply_t> active(xcb_xinerama_is_active_reply(connection, isActive, nullptr),
                                                        &std::free);
    const XReply<xcb_xinerama_query_screens_reply_t> screens(
        xcb_xinerama_query_screens_reply(connection, queryScreens, nullptr), &std::free);
    if (!active || !active->state || !screens || xcb_xinerama_query_screens_screen_info_length(screens.get()) < 2)
        return std::nullopt;
    const xcb_xinerama_screen_info_t &first = *xcb_xinerama_query_screens_screen_info(screens.get());
    return QRect(first.x_org, first.y_org, first.width, first.height);
}

} // namespace

QRect primaryScreenGeometry()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot read the screen's size: there is no display.");
    // A toolkit that knows the monitors gives each a screen of its own.
    if (QGuiApplication::screens().size() == 1) {
        if (const std::optional<QRect> first = firstOfSeveralXineramaScreens()) {
            const qreal ratio = screen->devicePixelRatio();
            const auto scaled = [ratio](int pixels) { return qRound(pixels / ratio); };
            return QRect(scaled(first->x()), scaled(first->y()), scaled(first->width()), scaled(first->height()));
        }
    }
    return screen->geometry();
}

} // namespace jestrel
