#include "platform/qt/FrameExtents.h"

#include "platform/qt/X11Connection.h"

#include <QWidget>
#include <algorithm>
#include <array>
#include <chrono>
#include <string_view>
#include <thread>
#include <vector>

namespace jestrel
{

namespace
{

// Window managers answer at once, in a few milliseconds; one that is busy gets a moment before the
// window shows anyway. Where the frame will be told once the window shows, an answer missed costs
// only a move just after the map, so the moment is short.
constexpr auto kAnswerWait = std::chrono::milliseconds(250);
constexpr auto kAnswerWaitWhenTold = std::chrono::milliseconds(25);
constexpr auto kPollInterval = std::chrono::milliseconds(2);

// The window manager, by the window it names in _NET_SUPPORTING_WM_CHECK, that has left a request
// for a frame unanswered in this run. Some list the request and never answer it, as fluxbox does;
// it is not asked again, and a window manager that replaces it is.
xcb_window_t unanswering = XCB_WINDOW_NONE;

enum Atom { SupportingWmCheck, Supported, RequestFrameExtents, FrameExtents, kAtomCount };

// The atoms, asked for all at once, so that they cost one round trip to the display.
std::array<xcb_atom_t, kAtomCount> intern(xcb_connection_t *connection)
{
    constexpr std::array<std::string_view, kAtomCount> kNames { "_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED",
                                                                "_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS" };
    std::array<xcb_intern_atom_cookie_t, kAtomCount> cookies {};
    for (std::size_t i = 0; i < kAtomCount; ++i)
        cookies[i] = xcb_intern_atom(connection, false, static_cast<std::uint16_t>(kNames[i].size()), kNames[i].data());
    std::array<xcb_atom_t, kAtomCount> interned {};
    for (std::size_t i = 0; i < kAtomCount; ++i) {
        const XReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookies[i], nullptr), &std::free);
        interned[i] = reply ? reply->atom : xcb_atom_t { XCB_ATOM_NONE };
    }
    return interned;
}

// The 32-bit values of a property, empty when it is not set or of another type.
std::vector<std::uint32_t> values(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property,
                                  xcb_atom_t type)
{
    constexpr std::uint32_t kMaxValues = 1024;
    const XReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, false, window, property, type, 0, kMaxValues),
                               nullptr),
        &std::free);
    if (!reply || reply->type != type || reply->format != 32)
        return {};
    const auto *first = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    return std::vector<std::uint32_t>(first, first + xcb_get_property_value_length(reply.get()) / 4);
}

// The program has one connection for its whole run, and atoms never change.
const std::array<xcb_atom_t, kAtomCount> &atoms(xcb_connection_t *connection)
{
    static const std::array<xcb_atom_t, kAtomCount> interned = intern(connection);
    return interned;
}

QMargins marginsOf(const std::vector<std::uint32_t> &frame, const QWidget &window)
{
    // Left, right, top, bottom, in the display's pixels.
    const qreal ratio = window.devicePixelRatioF();
    const auto scaled = [ratio](std::uint32_t pixels) { return qRound(pixels / ratio); };
    return QMargins(scaled(frame[0]), scaled(frame[2]), scaled(frame[1]), scaled(frame[3]));
}

xcb_window_t rootOf(xcb_connection_t *connection, xcb_get_geometry_cookie_t geometry)
{
    const XReply<xcb_get_geometry_reply_t> reply(xcb_get_geometry_reply(connection, geometry, nullptr), &std::free);
    return reply ? reply->root : xcb_window_t { XCB_WINDOW_NONE };
}

} // namespace

FrameBeforeShowing frameExtentsBeforeShowing(QWidget &window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return { QMargins(), false };
    // The window exists on the display from here on, still unmapped, so the window manager can be
    // asked about it.
    const auto id = static_cast<xcb_window_t>(window.winId());
    // Asked for before the atoms, so that both answers come in one round trip.
    const xcb_get_geometry_cookie_t geometry = xcb_get_geometry(connection, id);
    const std::array<xcb_atom_t, kAtomCount> &atom = atoms(connection);
    const xcb_window_t root = rootOf(connection, geometry);
    const std::vector<std::uint32_t> manager = values(connection, root, atom[SupportingWmCheck], XCB_ATOM_WINDOW);
    if (manager.empty())
        return { QMargins(), false };
    const std::vector<std::uint32_t> supported = values(connection, root, atom[Supported], XCB_ATOM_ATOM);
    const bool told = std::ranges::find(supported, atom[FrameExtents]) != supported.end();
    if (std::ranges::find(supported, atom[RequestFrameExtents]) == supported.end() || manager.front() == unanswering)
        return { std::nullopt, told };

    xcb_client_message_event_t ask {};
    ask.response_type = XCB_CLIENT_MESSAGE;
    ask.format = 32;
    ask.window = id;
    ask.type = atom[RequestFrameExtents];
    xcb_send_event(connection, false, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&ask));
    xcb_flush(connection);

    // Polled rather than waited for as an event: the toolkit reads this connection's events itself.
    const auto deadline = std::chrono::steady_clock::now() + (told ? kAnswerWaitWhenTold : kAnswerWait);
    do {
        if (const auto frame = values(connection, id, atom[FrameExtents], XCB_ATOM_CARDINAL); frame.size() == 4)
            return { marginsOf(frame, window), told };
        std::this_thread::sleep_for(kPollInterval);
    } while (std::chrono::steady_clock::now() < deadline);
    unanswering = manager.front();
    return { std::nullopt, told };
}

std::optional<QMargins> frameToldBy(const QWidget &window, const void *event)
{
    const auto *generic = static_cast<const xcb_generic_event_t *>(event);
    xcb_connection_t *connection = x11Connection();
    if (!connection || (generic->response_type & 0x7F) != XCB_PROPERTY_NOTIFY)
        return std::nullopt;
    const auto *notice = static_cast<const xcb_property_notify_event_t *>(event);
    const xcb_atom_t extents = atoms(connection)[FrameExtents];
    if (notice->state != XCB_PROPERTY_NEW_VALUE || notice->atom != extents
        || notice->window != static_cast<xcb_window_t>(window.winId()))
        return std::nullopt;
    const std::vector<std::uint32_t> frame = values(connection, notice->window, extents, XCB_ATOM_CARDINAL);
    if (frame.size() != 4)
        return std::nullopt;
    return marginsOf(frame, window);
}

} // namespace jestrel
