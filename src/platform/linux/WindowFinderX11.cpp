// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowFinder.h"

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

// Finds and closes another program's window on an X display (under Wine, a
// Windows program's top-level windows are X windows with the same titles).
// One short connection per call: both are called rarely, and neither waits on
// the other program.
namespace platform {
namespace {

struct Disconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};
using Connection = std::unique_ptr<xcb_connection_t, Disconnect>;

struct Free {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, Free>;

// Bounds on what one search reads, so that a huge or hostile window tree
// cannot stall the program.
constexpr std::uint32_t kMaxTitleUnits = 4096; // property length in 32-bit units
constexpr std::uint32_t kMaxListedWindows = 65536;
constexpr int kMaxFrameDepth = 4; // frames and wrappers around a client
constexpr std::size_t kMaxVisitedWindows = 20000;

Connection connectToDisplay() {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) return nullptr;
    Connection c(xcb_connect(display, nullptr));
    if (!c || xcb_connection_has_error(c.get())) return nullptr;
    return c;
}

// Interns atoms in one round trip; XCB_ATOM_NONE for a name the server does not
// know when onlyIfExists is set (then no window can carry it).
std::vector<xcb_atom_t> internAtoms(xcb_connection_t* c, const std::vector<const char*>& names,
                                    bool onlyIfExists) {
    std::vector<xcb_intern_atom_cookie_t> cookies;
    for (const char* name : names)
        cookies.push_back(
            xcb_intern_atom(c, onlyIfExists, static_cast<std::uint16_t>(std::strlen(name)), name));
    std::vector<xcb_atom_t> atoms;
    for (auto cookie : cookies) {
        Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookie, nullptr));
        atoms.push_back(reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE});
    }
    return atoms;
}

struct Property {
    xcb_atom_t type = XCB_ATOM_NONE; // XCB_ATOM_NONE: the window has no such property
    std::uint8_t format = 0;
    std::string bytes;
};

Property getProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name, std::uint32_t maxUnits) {
    Property property;
    if (name == XCB_ATOM_NONE) return property;
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, maxUnits), nullptr));
    if (!reply) return property;
    property.type = reply->type;
    property.format = reply->format;
    const auto* data = static_cast<const char*>(xcb_get_property_value(reply.get()));
    // The length is in bytes already (units times format / 8).
    property.bytes.assign(data, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
    return property;
}

std::vector<xcb_window_t> children(xcb_connection_t* c, xcb_window_t window) {
    Reply<xcb_query_tree_reply_t> reply(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
    if (!reply) return {};
    const xcb_window_t* list = xcb_query_tree_children(reply.get());
    return {list, list + xcb_query_tree_children_length(reply.get())};
}

std::vector<std::uint32_t> asCardinals(const Property& property) {
    std::vector<std::uint32_t> values(property.format == 32 ? property.bytes.size() / 4 : 0);
    if (!values.empty()) std::memcpy(values.data(), property.bytes.data(), values.size() * 4);
    return values;
}

struct Atoms {
    xcb_atom_t wmState, netClientList, netWmName, utf8String;
};

class ClientSearch {
  public:
    ClientSearch(xcb_connection_t* c, const Atoms& atoms) : m_c(c), m_atoms(atoms) {}

    // The root's top-level windows, top of the stack first. Window managers
    // put each client inside a frame of their own; the client, which carries
    // WM_STATE and the title, is looked for below the frame. A top-level
    // window without such a client (no window manager, or a window it does
    // not manage) stands for itself. Clients listed in _NET_CLIENT_LIST that
    // the walk missed come last.
    std::vector<xcb_window_t> topLevelWindows(xcb_window_t root) {
        std::vector<xcb_window_t> found;
        auto top = children(m_c, root);
        for (auto it = top.rbegin(); it != top.rend() && m_visited < kMaxVisitedWindows; ++it) {
            const std::size_t before = found.size();
            collectClients(*it, 0, found);
            if (found.size() == before) add(*it, found);
        }
        const Property listed = getProperty(m_c, root, m_atoms.netClientList, kMaxListedWindows);
        if (listed.type == XCB_ATOM_WINDOW)
            for (std::uint32_t window : asCardinals(listed))
                add(window, found);
        return found;
    }

  private:
    void collectClients(xcb_window_t window, int depth, std::vector<xcb_window_t>& found) {
        if (++m_visited > kMaxVisitedWindows) return;
        if (getProperty(m_c, window, m_atoms.wmState, 0).type != XCB_ATOM_NONE) {
            add(window, found);
            return;
        }
        if (depth >= kMaxFrameDepth) return;
        auto inner = children(m_c, window);
        for (auto it = inner.rbegin(); it != inner.rend(); ++it)
            collectClients(*it, depth + 1, found);
    }

    void add(xcb_window_t window, std::vector<xcb_window_t>& found) {
        if (m_seen.insert(window).second) found.push_back(window);
    }

    xcb_connection_t* m_c;
    Atoms m_atoms;
    std::unordered_set<xcb_window_t> m_seen;
    std::size_t m_visited = 0;
};

std::string latin1ToUtf8(std::string_view text) {
    std::string out;
    for (unsigned char ch : text) {
        if (ch < 0x80) {
            out.push_back(static_cast<char>(ch));
        } else {
            out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
            out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
        }
    }
    return out;
}

// The window's title as UTF-8: _NET_WM_NAME where the window sets it, else
// WM_NAME (STRING is Latin-1; other encodings are taken as they come).
std::optional<std::string> titleOf(xcb_connection_t* c, xcb_window_t window, const Atoms& atoms) {
    std::string title;
    const Property netName = getProperty(c, window, atoms.netWmName, kMaxTitleUnits);
    if (netName.type != XCB_ATOM_NONE && netName.type == atoms.utf8String && netName.format == 8) {
        title = netName.bytes;
    } else {
        const Property name = getProperty(c, window, XCB_ATOM_WM_NAME, kMaxTitleUnits);
        if (name.type == XCB_ATOM_NONE || name.format != 8) return std::nullopt;
        title = name.type == XCB_ATOM_STRING ? latin1ToUtf8(name.bytes) : name.bytes;
    }
    while (!title.empty() && title.back() == '\0')
        title.pop_back();
    return title;
}

// Decodes UTF-8 and folds letter case for the scripts whose case pairs lie at
// a fixed distance: ASCII, Latin-1, Greek and Cyrillic. A byte that is not
// UTF-8 keeps its own value, out of reach of any character.
std::u32string foldCase(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        std::size_t length = b0 < 0x80                  ? 1
                             : b0 >= 0xC2 && b0 <= 0xDF ? 2
                             : b0 >= 0xE0 && b0 <= 0xEF ? 3
                             : b0 >= 0xF0 && b0 <= 0xF4 ? 4
                                                        : 0;
        char32_t cp = length == 1 ? b0 : length == 2 ? (b0 & 0x1F) : length == 3 ? (b0 & 0x0F) : (b0 & 0x07);
        for (std::size_t k = 1; k < length; ++k) {
            const auto b = i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
            if ((b & 0xC0) != 0x80) {
                length = 0;
                break;
            }
            cp = (cp << 6) | (b & 0x3F);
        }
        if (length == 0) {
            out.push_back(0x110000 + b0);
            ++i;
            continue;
        }
        i += length;
        if ((cp >= 'A' && cp <= 'Z') || (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) ||
            (cp >= 0x391 && cp <= 0x3A9 && cp != 0x3A2) || (cp >= 0x410 && cp <= 0x42F))
            cp += 0x20;
        else if (cp >= 0x400 && cp <= 0x40F)
            cp += 0x50;
        out.push_back(cp);
    }
    return out;
}

} // namespace

WindowId findTopLevelWindow(std::string_view title) {
    Connection connection = connectToDisplay();
    if (!connection) return 0;
    xcb_connection_t* c = connection.get();
    const auto names = internAtoms(c, {"WM_STATE", "_NET_CLIENT_LIST", "_NET_WM_NAME", "UTF8_STRING"}, true);
    const Atoms atoms{names[0], names[1], names[2], names[3]};
    const std::u32string wanted = foldCase(title);

    for (auto screens = xcb_setup_roots_iterator(xcb_get_setup(c)); screens.rem; xcb_screen_next(&screens)) {
        ClientSearch search(c, atoms);
        for (xcb_window_t window : search.topLevelWindows(screens.data->root)) {
            const auto windowTitle = titleOf(c, window, atoms);
            if (windowTitle && foldCase(*windowTitle) == wanted) return window;
        }
    }
    return 0;
}

bool postCloseRequest(WindowId id) {
    if (id == 0 || id > std::numeric_limits<xcb_window_t>::max()) return false;
    const auto window = static_cast<xcb_window_t>(id);
    Connection connection = connectToDisplay();
    if (!connection) return false;
    xcb_connection_t* c = connection.get();

    // A window that is gone has no geometry; this also gives its root.
    xcb_generic_error_t* error = nullptr;
    Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), &error));
    std::free(error);
    if (!geometry) return false;

    const auto known = internAtoms(c, {"WM_PROTOCOLS", "WM_DELETE_WINDOW"}, true);
    const xcb_atom_t wmProtocols = known[0], wmDeleteWindow = known[1];
    bool takesDelete = false;
    if (wmDeleteWindow != XCB_ATOM_NONE) {
        const Property protocols = getProperty(c, window, wmProtocols, 1024);
        if (protocols.type == XCB_ATOM_ATOM)
            for (std::uint32_t atom : asCardinals(protocols))
                takesDelete = takesDelete || atom == wmDeleteWindow;
    }

    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    xcb_void_cookie_t cookie;
    if (takesDelete) {
        // ICCCM: the window's own client gets WM_DELETE_WINDOW and decides.
        event.type = wmProtocols;
        event.data.data32[0] = wmDeleteWindow;
        event.data.data32[1] = XCB_CURRENT_TIME;
        cookie = xcb_send_event_checked(c, 0, window, XCB_EVENT_MASK_NO_EVENT,
                                        reinterpret_cast<const char*>(&event));
    } else {
        // EWMH: ask the window manager to close it, as a user's action (2).
        event.type = internAtoms(c, {"_NET_CLOSE_WINDOW"}, false)[0];
        event.data.data32[0] = XCB_CURRENT_TIME;
        event.data.data32[1] = 2;
        cookie = xcb_send_event_checked(
            c, 0, geometry->root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
            reinterpret_cast<const char*>(&event));
    }
    // Flushes and waits for the server (not for the other program): a window
    // that went away meanwhile makes the request fail.
    error = xcb_request_check(c, cookie);
    const bool posted = error == nullptr;
    std::free(error);
    return posted;
}

} // namespace platform
