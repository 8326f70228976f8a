#include "platform/qt/FrameWatch.h"

#include "platform/qt/X11Connection.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
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
// Window managers frame a window as it maps. A frame told later comes with a new theme or border
// size, once the user has seen where the window is and may have moved it: it moves nothing.
constexpr auto kWatchOnceShown = std::chrono::seconds(1);

enum Atom { SupportingWmCheck, Supported, RequestFrameExtents, FrameExtents, kAtomCount };

// Asked for all at once, in one round trip to the display, the first time: the program has one
// connection for its whole run, and atoms never change.
const std::array<xcb_atom_t, kAtomCount> &atoms(xcb_connection_t *connection)
{
    static const std::array<xcb_atom_t, kAtomCount> interned = [connection] {
        constexpr std::array<std::string_view, kAtomCount> kNames { "_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED",
                                                                    "_NET_REQUEST_FRAME_EXTENTS",
                                                                    "_NET_FRAME_EXTENTS" };
        std::array<xcb_intern_atom_cookie_t, kAtomCount> cookies {};
        for (std::size_t i = 0; i < kAtomCount; ++i)
            cookies[i]
                = xcb_intern_atom(connection, false, static_cast<std::uint16_t>(kNames[i].size()), kNames[i].data());
        std::array<xcb_atom_t, kAtomCount> atom {};
        for (std::size_t i = 0; i < kAtomCount; ++i) {
            const XReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookies[i], nullptr),
                                                        &std::free);
            atom[i] = reply ? reply->atom : xcb_atom_t { XCB_ATOM_NONE };
        }
        return atom;
    }();
    return interned;
}

// The 32-bit values of a property, empty when it is not set or of another type.
std::vector<std::uint32_t> values(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property,
                                  xcb_atom_t type)
{
    constexpr std::uint32_t kMaxValues = 1024;
    const xcb_get_property_cookie_t cookie = xcb_get_property(connection, false, window, property, type, 0, kMaxValues);
    const XReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply || reply->type != type || reply->format != 32)
        return {};
    const auto *first = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    return std::vector<std::uint32_t>(first, first + xcb_get_property_value_length(reply.get()) / 4);
}

// _NET_FRAME_EXTENTS of the window, nullopt while it is not set.
std::optional<QMargins> frameExtents(xcb_connection_t *connection, const QWidget &window)
{
    const std::vector<std::uint32_t> frame = values(connection, static_cast<xcb_window_t>(window.winId()),
                                                    atoms(connection)[FrameExtents], XCB_ATOM_CARDINAL);
    if (frame.size() != 4)
        return std::nullopt;
    // Left, right, top, bottom, in the display's pixels.
    const auto scaled = [&window](std::uint32_t pixels) { return qRound(pixels / window.devicePixelRatioF()); };
    return QMargins(scaled(frame[0]), scaled(frame[2]), scaled(frame[1]), scaled(frame[3]));
}

QMargins frameAround(const QWidget &window)
{
    const QRect client = window.geometry();
    const QRect framed = window.frameGeometry();
    return QMargins(client.left() - framed.left(), client.top() - framed.top(), framed.right() - client.right(),
                    framed.bottom() - client.bottom());
}

// The watch of one window placed with its frame unknown; a child of the window, which it watches
// from the show.
class Watch final : public QObject, public QAbstractNativeEventFilter
{
public:
    Watch(QWidget &window, QRect placed, bool told) : QObject(&window), m_window(window), m_placed(placed), m_told(told)
    {
        window.installEventFilter(this);
        if (told)
            QCoreApplication::instance()->installNativeEventFilter(this);
        // A window placed as it shows, as the failure report is, has had its show.
        if (window.isVisible())
            endInASecond();
    }
    ~Watch() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray &type, void *event, qintptr *) override
    {
        const auto *notice = static_cast<const xcb_property_notify_event_t *>(event);
        xcb_connection_t *connection = x11Connection();
        if (m_framed || type != "xcb_generic_event_t" || (notice->response_type & 0x7F) != XCB_PROPERTY_NOTIFY
            || notice->state != XCB_PROPERTY_NEW_VALUE || notice->atom != atoms(connection)[FrameExtents]
            || notice->window != static_cast<xcb_window_t>(m_window.winId()))
            return false;
        if (const std::optional<QMargins> frame = frameExtents(connection, m_window))
            centreWithin(*frame);
        return false;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            endInASecond();
        if (m_framed || (event->type() != QEvent::Paint && event->type() != QEvent::Move))
            return false;
        // The first paint follows the map.
        if (event->type() == QEvent::Paint && !m_shownAt)
            m_shownAt = m_window.geometry().topLeft();
        if (!m_told && m_window.frameGeometry() != m_window.geometry()
            && m_window.frameGeometry().contains(m_window.geometry()))
            centreWithin(frameAround(m_window));
        return false;
    }

private:
    void endInASecond() { QTimer::singleShot(kWatchOnceShown, this, &QObject::deleteLater); }

    void centreWithin(QMargins frame)
    {
        m_framed = true;
        // Moved once the event is handled: a window moved from inside its own paint is misplaced. By
        // then the toolkit has taken in every move that came before the frame.
        QMetaObject::invokeMethod(
            this,
            [this, frame] {
                if (!movedByUser(frame)) {
                    const QSize outer = m_window.size().grownBy(frame);
                    const QPoint corner = m_placed.center() - QPoint(outer.width() / 2, outer.height() / 2);
                    m_window.setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), m_window.size()));
                }
                deleteLater();
            },
            Qt::QueuedConnection);
    }

    // Before the window shows, its window manager may place it anywhere, and as it frames the
    // window it shifts it by as much as the frame; the centring mends both. The user, or the window
    // manager on the user's behalf, moves a window that shows, and farther.
    bool movedByUser(QMargins frame) const
    {
        const QPoint at = m_window.geometry().topLeft();
        const auto withinFrameOf = [&](QPoint from) {
            return std::abs(at.x() - from.x()) <= std::max(frame.left(), frame.right())
                && std::abs(at.y() - from.y()) <= std::max(frame.top(), frame.bottom());
        };
        return m_shownAt && !withinFrameOf(m_placed.topLeft()) && !withinFrameOf(*m_shownAt);
    }

    QWidget &m_window;
    // Where the window itself was put, without a frame.
    QRect m_placed;
    bool m_told;
    // Where the window was as it first painted, which follows its map.
    std::optional<QPoint> m_shownAt;
    bool m_framed = false;
};

} // namespace

std::optional<QMargins> FrameWatch::frame()
{
    if (m_window.windowHandle() && m_window.windowHandle()->isExposed())
        return frameAround(m_window);
    // Asking takes a round trip to the window manager, and a moment's wait the first time it would
    // not say; its answer holds for as long as the window stays unshown.
    if (!m_answer)
        m_answer = ask();
    return *m_answer;
}

void FrameWatch::place(QPoint corner)
{
    const std::optional<QMargins> known = frame();
    if (!known)
        watch(m_window, QRect(corner, m_window.size()), m_told);
    // The window itself goes inside its frame, and the window manager keeps it where it is put.
    const QMargins margins = known.value_or(QMargins());
    m_window.setGeometry(QRect(corner + QPoint(margins.left(), margins.top()), m_window.size()));
}

void FrameWatch::watch(QWidget &window, QRect placed, bool told)
{
    if (std::ranges::none_of(window.children(),
                             [](const QObject *child) { return dynamic_cast<const Watch *>(child); }))
        new Watch(window, placed, told);
}

std::optional<QMargins> FrameWatch::ask()
{
    // The window manager, by the window it names in _NET_SUPPORTING_WM_CHECK, that has left a
    // request unanswered: it stays for the run, whatever window asked, so that no later one waits.
    // One that replaces it is asked.
    static xcb_window_t unanswering = XCB_WINDOW_NONE;
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return QMargins();
    // The window exists on the display from here on, still unmapped, so the window manager can be
    // asked about it. Its geometry, which names the root, is asked for before the atoms, so that
    // both answers come in one round trip.
    const auto id = static_cast<xcb_window_t>(m_window.winId());
    const xcb_get_geometry_cookie_t geometry = xcb_get_geometry(connection, id);
    const std::array<xcb_atom_t, kAtomCount> &atom = atoms(connection);
    const XReply<xcb_get_geometry_reply_t> place(xcb_get_geometry_reply(connection, geometry, nullptr), &std::free);
    const xcb_window_t root = place ? place->root : xcb_window_t { XCB_WINDOW_NONE };
    const std::vector<std::uint32_t> manager = values(connection, root, atom[SupportingWmCheck], XCB_ATOM_WINDOW);
    if (manager.empty())
        return QMargins();
    const std::vector<std::uint32_t> supported = values(connection, root, atom[Supported], XCB_ATOM_ATOM);
    m_told = std::ranges::find(supported, atom[FrameExtents]) != supported.end();
    if (std::ranges::find(supported, atom[RequestFrameExtents]) == supported.end() || manager.front() == unanswering)
        return std::nullopt;

    const xcb_client_message_event_t request { XCB_CLIENT_MESSAGE, 32, 0, id, atom[RequestFrameExtents], {} };
    xcb_send_event(connection, false, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(connection);
    // Polled rather than waited for as an event: the toolkit reads this connection's events itself.
    const auto deadline = std::chrono::steady_clock::now() + (m_told ? kAnswerWaitWhenTold : kAnswerWait);
    do {
        if (const std::optional<QMargins> frame = frameExtents(connection, m_window))
            return frame;
        std::this_thread::sleep_for(kPollInterval);
    } while (std::chrono::steady_clock::now() < deadline);
    unanswering = manager.front();
    return std::nullopt;
}

} // namespace jestrel
