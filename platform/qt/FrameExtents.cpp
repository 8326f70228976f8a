#include "platform/qt/FrameExtents.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <thread>
#include <vector>
#include <xcb/xcb.h>

namespace jestrel
{

namespace
{

// Window managers answer at once; one that is busy gets a moment before the window shows anyway.
constexpr auto kAnswerWait = std::chrono::milliseconds(250);
constexpr auto kPollInterval = std::chrono::milliseconds(2);

template<typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t *connection, std::string_view name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, false, static_cast<std::uint16_t>(name.size()), name.data()),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t { XCB_ATOM_NONE };
}

// The 32-bit values of a property, empty when it is not set or of another type.
std::vector<std::uint32_t> values(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property,
                                  xcb_atom_t type)
{
    constexpr std::uint32_t kMaxValues = 1024;
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, false, window, property, type, 0, kMaxValues),
                               nullptr),
        &std::free);
    if (!reply || reply->type != type || reply->format != 32)
        return {};
    const auto *first = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    return std::vector<std::uint32_t>(first, first + xcb_get_property_value_length(reply.get()) / 4);
}

xcb_window_t rootOf(xcb_connection_t *connection, xcb_window_t window)
{
    const Reply<xcb_get_geometry_reply_t> reply(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr), &std::free);
    return reply ? reply->root : xcb_window_t { XCB_WINDOW_NONE };
}

} // namespace

std::optional<QMargins> frameExtentsBeforeShowing(QWidget &window)
{
    // The offscreen platform answers as an X11 one, without a connection.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return QMargins();
    // The window exists on the display from here on, still unmapped, so the window manager can be
    // asked about it.
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = rootOf(connection, id);
    if (values(connection, root, atom(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW).empty())
        return QMargins();
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const std::vector<std::uint32_t> supported
        = values(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (std::ranges::find(supported, request) == supported.end())
        return std::nullopt;

    xcb_client_message_event_t ask {};
    ask.response_type = XCB_CLIENT_MESSAGE;
    ask.format = 32;
    ask.window = id;
    ask.type = request;
    xcb_send_event(connection, false, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&ask));
    xcb_flush(connection);

    // Polled rather than waited for as an event: the toolkit reads this connection's events itself.
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    const auto deadline = std::chrono::steady_clock::now() + kAnswerWait;
    do {
        // Left, right, top, bottom, in the display's pixels.
        if (const auto frame = values(connection, id, extents, XCB_ATOM_CARDINAL); frame.size() == 4) {
            const qreal ratio = window.devicePixelRatioF();
            const auto scaled = [ratio](std::uint32_t pixels) { return qRound(pixels / ratio); };
            return QMargins(scaled(frame[0]), scaled(frame[2]), scaled(frame[1]), scaled(frame[3]));
        }
        std::this_thread::sleep_for(kPollInterval);
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

} // namespace jestrel
