// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// A second X client for tests: the other program whose windows the finder
// looks for, or a stand-in window manager listening on the root window.
class XvfbClient {
  public:
    explicit XvfbClient(const std::string& display);
    ~XvfbClient(); // destroys its windows and waits until the server has
    XvfbClient(const XvfbClient&) = delete;
    XvfbClient& operator=(const XvfbClient&) = delete;

    bool connected() const { return m_connection != nullptr; }
    xcb_window_t root() const { return m_root; }
    xcb_atom_t atom(const char* name);

    // An unmapped window, top-level unless a parent is given.
    xcb_window_t createWindow(xcb_window_t parent = XCB_WINDOW_NONE);
    void map(xcb_window_t window);
    void destroy(xcb_window_t window);

    void setProperty(xcb_window_t window, xcb_atom_t property, xcb_atom_t type, const std::string& bytes);
    void setProperty32(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                       const std::vector<std::uint32_t>& values);
    void deleteProperty(xcb_window_t window, xcb_atom_t property);
    void setWmName(xcb_window_t window, const std::string& latin1) {
        setProperty(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, latin1);
    }
    void setNetWmName(xcb_window_t window, const std::string& utf8) {
        setProperty(window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), utf8);
    }
    void setProtocols(xcb_window_t window, const std::vector<std::uint32_t>& protocols) {
        setProperty32(window, atom("WM_PROTOCOLS"), XCB_ATOM_ATOM, protocols);
    }
    // Marks the window as a client that a window manager manages (ICCCM WM_STATE, NormalState).
    void setWmState(xcb_window_t window) {
        setProperty32(window, atom("WM_STATE"), atom("WM_STATE"), {1, 0});
    }

    // Selects events on the root window; false when the server refuses (another
    // client already redirects the root's children).
    bool selectOnRoot(std::uint32_t eventMask);

    // A round trip: the server has handled every request sent so far.
    void sync();

    // The next client message that reaches this client, if one comes in time.
    std::optional<xcb_client_message_event_t> waitForClientMessage(std::chrono::milliseconds timeout);

  private:
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = XCB_WINDOW_NONE;
    xcb_visualid_t m_visual = 0;
    std::vector<xcb_window_t> m_windows;
};

} // namespace testing_support
