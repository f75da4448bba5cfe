// SPDX-License-Identifier: GPL-3.0-or-later
#include "XvfbClient.h"

#include <poll.h>

#include <cstdlib>
#include <cstring>

namespace testing_support {

XvfbClient::XvfbClient(const std::string& display) {
    xcb_connection_t* c = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return;
    }
    m_connection = c;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    m_root = screen->root;
    m_visual = screen->root_visual;
}

XvfbClient::~XvfbClient() {
    if (!m_connection) return;
    // Gone before the next test looks, rather than whenever the server
    // notices the closed connection.
    for (xcb_window_t window : m_windows)
        xcb_destroy_window(m_connection, window);
    sync();
    xcb_disconnect(m_connection);
}

xcb_atom_t XvfbClient::atom(const char* name) {
    auto* reply = xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

xcb_window_t XvfbClient::createWindow(xcb_window_t parent) {
    const xcb_window_t window = xcb_generate_id(m_connection);
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, parent == XCB_WINDOW_NONE ? m_root : parent,
                      0, 0, 40, 30, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, m_visual, 0, nullptr);
    if (parent == XCB_WINDOW_NONE) m_windows.push_back(window);
    return window;
}

void XvfbClient::map(xcb_window_t window) {
    xcb_map_window(m_connection, window);
}

void XvfbClient::destroy(xcb_window_t window) {
    xcb_destroy_window(m_connection, window);
}

void XvfbClient::setProperty(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                             const std::string& bytes) {
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, property, type, 8,
                        static_cast<std::uint32_t>(bytes.size()), bytes.data());
}

void XvfbClient::setProperty32(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                               const std::vector<std::uint32_t>& values) {
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, property, type, 32,
                        static_cast<std::uint32_t>(values.size()), values.data());
}

void XvfbClient::deleteProperty(xcb_window_t window, xcb_atom_t property) {
    xcb_delete_property(m_connection, window, property);
}

bool XvfbClient::selectOnRoot(std::uint32_t eventMask) {
    xcb_generic_error_t* error =
        xcb_request_check(m_connection, xcb_change_window_attributes_checked(m_connection, m_root,
                                                                             XCB_CW_EVENT_MASK, &eventMask));
    std::free(error);
    return error == nullptr;
}

void XvfbClient::sync() {
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}

std::optional<xcb_client_message_event_t>
XvfbClient::waitForClientMessage(std::chrono::milliseconds timeout) {
    xcb_flush(m_connection);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            // The top bit marks an event that a client sent with SendEvent.
            const bool isClientMessage = (event->response_type & 0x7f) == XCB_CLIENT_MESSAGE;
            xcb_client_message_event_t message{};
            if (isClientMessage) std::memcpy(&message, event, sizeof message);
            std::free(event);
            if (isClientMessage) return message;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || xcb_connection_has_error(m_connection)) return std::nullopt;
        pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left.count()));
    }
}

} // namespace testing_support
