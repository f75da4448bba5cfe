// SPDX-License-Identifier: GPL-3.0-or-later
// The window finder against a real X server (a private Xvfb) with a second
// client in the test that plays the sibling program, and at times the window
// manager.
#include "platform/WindowFinder.h"
#include "XvfbClient.h"
#include "support/XvfbServer.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace {

using testing_support::ScopedEnv;

using namespace std::chrono_literals;
using testing_support::XvfbClient;
using testing_support::XvfbServer;

class WindowFinderTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { m_server = new XvfbServer; }
    static void TearDownTestSuite() {
        delete m_server;
        m_server = nullptr;
    }

    void SetUp() override {
        if (!m_server->running()) GTEST_SKIP() << "no X server for this test: " << m_server->whyNot();
        m_display.emplace("DISPLAY", m_server->display());
        m_sibling = std::make_unique<XvfbClient>(m_server->display());
        ASSERT_TRUE(m_sibling->connected());
    }

    void TearDown() override {
        m_sibling.reset();
        m_display.reset();
    }

    // A mapped top-level window with the given WM_NAME and protocols.
    xcb_window_t siblingWindow(const std::string& title, const std::vector<std::uint32_t>& protocols) {
        const xcb_window_t window = m_sibling->createWindow();
        m_sibling->setWmName(window, title);
        if (!protocols.empty()) m_sibling->setProtocols(window, protocols);
        m_sibling->map(window);
        m_sibling->sync();
        return window;
    }

    static const XvfbServer& server() { return *m_server; }
    XvfbClient& sibling() { return *m_sibling; }

  private:
    static inline XvfbServer* m_server = nullptr;
    std::optional<ScopedEnv> m_display;
    std::unique_ptr<XvfbClient> m_sibling;
};

TEST_F(WindowFinderTest, FindsTheSiblingAndSendsItDeleteWindow) {
    const xcb_atom_t deleteWindow = sibling().atom("WM_DELETE_WINDOW");
    const xcb_window_t window = siblingWindow("NEVORA", {sibling().atom("WM_TAKE_FOCUS"), deleteWindow});
    XvfbClient windowManager(server().display());
    ASSERT_TRUE(windowManager.selectOnRoot(XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT));

    const platform::WindowId found = platform::findTopLevelWindow("Nevora");
    ASSERT_EQ(found, window);
    EXPECT_TRUE(platform::postCloseRequest(found));

    const auto message = sibling().waitForClientMessage(2s);
    ASSERT_TRUE(message) << "the sibling received no close request";
    EXPECT_EQ(message->window, window);
    EXPECT_EQ(message->type, sibling().atom("WM_PROTOCOLS"));
    EXPECT_EQ(message->format, 32);
    EXPECT_EQ(message->data.data32[0], deleteWindow);
    // The window decides for itself; the window manager is not asked.
    EXPECT_FALSE(windowManager.waitForClientMessage(200ms));
}

struct ProtocolCase {
    const char* name;
    std::vector<const char*> protocols; // none: no WM_PROTOCOLS at all
};

std::ostream& operator<<(std::ostream& os, const ProtocolCase& c) {
    return os << c.name;
}

class WindowFinderCloseTest : public WindowFinderTest, public ::testing::WithParamInterface<ProtocolCase> {};

TEST_P(WindowFinderCloseTest, WithoutDeleteWindowTheWindowManagerIsAsked) {
    std::vector<std::uint32_t> protocols;
    for (const char* name : GetParam().protocols)
        protocols.push_back(sibling().atom(name));
    const xcb_window_t window = siblingWindow("Nevora", protocols);
    XvfbClient windowManager(server().display());
    ASSERT_TRUE(windowManager.selectOnRoot(XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT));

    ASSERT_EQ(platform::findTopLevelWindow("Nevora"), window);
    EXPECT_TRUE(platform::postCloseRequest(window));

    const auto message = windowManager.waitForClientMessage(2s);
    ASSERT_TRUE(message) << "no _NET_CLOSE_WINDOW reached the root window";
    EXPECT_EQ(message->window, window);
    EXPECT_EQ(message->type, windowManager.atom("_NET_CLOSE_WINDOW"));
    EXPECT_EQ(message->format, 32);
    EXPECT_EQ(message->data.data32[1], 2u); // on behalf of the user
    EXPECT_FALSE(sibling().waitForClientMessage(200ms));
}

INSTANTIATE_TEST_SUITE_P(
    Protocols, WindowFinderCloseTest,
    ::testing::Values(ProtocolCase{"NoProtocols", {}}, ProtocolCase{"OnlyTakeFocus", {"WM_TAKE_FOCUS"}},
                      ProtocolCase{"PingButNoDelete", {"_NET_WM_PING", "WM_TAKE_FOCUS"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TitleCase {
    const char* name;
    std::string search;
    std::optional<std::string> wmName;    // Latin-1 (STRING)
    std::optional<std::string> netWmName; // UTF-8
    bool mapped;
    bool found;
};

std::ostream& operator<<(std::ostream& os, const TitleCase& c) {
    return os << c.name;
}

class WindowTitleTest : public WindowFinderTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(WindowTitleTest, ComparesTitlesWithoutRegardToCase) {
    const TitleCase& c = GetParam();
    const xcb_window_t window = sibling().createWindow();
    if (c.wmName) sibling().setWmName(window, *c.wmName);
    if (c.netWmName) sibling().setNetWmName(window, *c.netWmName);
    if (c.mapped) sibling().map(window);
    sibling().sync();
    EXPECT_EQ(platform::findTopLevelWindow(c.search), c.found ? window : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, WindowTitleTest,
    ::testing::Values(
        TitleCase{"Exact", "Nevora", "Nevora", std::nullopt, true, true},
        TitleCase{"UpperCase", "Nevora", "NEVORA", std::nullopt, true, true},
        TitleCase{"LowerCase", "Nevora", "nevora", std::nullopt, true, true},
        TitleCase{"LongerTitle", "Nevora", "Nevora - Editor", std::nullopt, true, false},
        TitleCase{"TrailingSpace", "Nevora", "Nevora ", std::nullopt, true, false},
        TitleCase{"ShorterTitle", "Nevora", "Nevor", std::nullopt, true, false},
        TitleCase{"TrailingNul", "Nevora", std::string("Nevora\0", 7), std::nullopt, true, true},
        TitleCase{"NoTitle", "Nevora", std::nullopt, std::nullopt, true, false},
        TitleCase{"NetNameOnly", "Nevora", std::nullopt, "nEvOrA", true, true},
        TitleCase{"NetNameComesFirst", "Nevora", "Nevora", "Brontara", true, false},
        TitleCase{"NetNameOverOldName", "Nevora", "Other", "Nevora", true, true},
        TitleCase{"HiddenWindowCounts", "Nevora", "NEVORA", std::nullopt, false, true},
        TitleCase{"Latin1Title", "N\xC3\x89VORA", "n\xE9vora", std::nullopt, true, true},
        TitleCase{"AccentIsNotAscii", "NEVORA", "n\xE9vora", std::nullopt, true, false},
        TitleCase{"CyrillicNetName", "\xD0\x9D\xD0\x95\xD0\x92\xD0\x9E\xD0\xA0\xD0\x90", std::nullopt,
                  "\xD0\xBD\xD0\xB5\xD0\xB2\xD0\xBE\xD1\x80\xD0\xB0", true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowFinderTest, NoSuchWindowFindsNothing) {
    EXPECT_EQ(platform::findTopLevelWindow("Nevora"), 0u);
    siblingWindow("xterm", {});
    EXPECT_EQ(platform::findTopLevelWindow("Nevora"), 0u);
}

TEST_F(WindowFinderTest, FindsTheClientInsideAWindowManagerFrame) {
    // A reparenting window manager's frame, titled like the client, around it.
    const xcb_window_t frame = sibling().createWindow();
    sibling().setWmName(frame, "Nevora");
    const xcb_window_t client = sibling().createWindow(frame);
    sibling().setWmName(client, "NEVORA");
    sibling().setWmState(client);
    sibling().map(client);
    sibling().map(frame);
    sibling().sync();
    EXPECT_EQ(platform::findTopLevelWindow("Nevora"), client);
}

TEST_F(WindowFinderTest, ClientListReachesWhatTheWalkDoesNot) {
    // A client nested deeper than any frame, announced in _NET_CLIENT_LIST.
    xcb_window_t window = sibling().createWindow();
    for (int depth = 0; depth < 6; ++depth)
        window = sibling().createWindow(window);
    sibling().setWmName(window, "Nevora");
    sibling().setWmState(window);
    sibling().sync();
    EXPECT_EQ(platform::findTopLevelWindow("Nevora"), 0u);

    const xcb_atom_t clientList = sibling().atom("_NET_CLIENT_LIST");
    sibling().setProperty32(sibling().root(), clientList, XCB_ATOM_WINDOW, {window});
    sibling().sync();
    EXPECT_EQ(platform::findTopLevelWindow("Nevora"), window);
    sibling().deleteProperty(sibling().root(), clientList);
    sibling().sync();
}

TEST_F(WindowFinderTest, TwoSiblingsAreFoundOneAfterTheOther) {
    const xcb_window_t lower = siblingWindow("Nevora", {});
    const xcb_window_t upper = siblingWindow("NEVORA", {});
    // The top of the stack first, as Windows lists its windows.
    EXPECT_EQ(platform::findTopLevelWindow("nevora"), upper);
    sibling().destroy(upper);
    sibling().sync();
    EXPECT_EQ(platform::findTopLevelWindow("nevora"), lower);
}

TEST_F(WindowFinderTest, CloseRequestToAWindowThatIsGoneFails) {
    const xcb_window_t window = siblingWindow("Nevora", {sibling().atom("WM_DELETE_WINDOW")});
    sibling().destroy(window);
    sibling().sync();
    EXPECT_FALSE(platform::postCloseRequest(window));
    EXPECT_FALSE(platform::postCloseRequest(0));
    EXPECT_FALSE(platform::postCloseRequest(platform::WindowId{1} << 40));
}

TEST_F(WindowFinderTest, WithoutADisplayNothingIsFound) {
    const xcb_window_t window = siblingWindow("Nevora", {sibling().atom("WM_DELETE_WINDOW")});
    ASSERT_EQ(platform::findTopLevelWindow("Nevora"), window);
    {
        ScopedEnv noDisplay("DISPLAY", std::nullopt);
        EXPECT_EQ(platform::findTopLevelWindow("Nevora"), 0u);
        EXPECT_FALSE(platform::postCloseRequest(window));
    }
    for (const char* display : {"", "not a display", ":999"}) {
        ScopedEnv badDisplay("DISPLAY", display);
        EXPECT_EQ(platform::findTopLevelWindow("Nevora"), 0u) << display;
        EXPECT_FALSE(platform::postCloseRequest(window)) << display;
    }
    EXPECT_FALSE(sibling().waitForClientMessage(100ms));
}

TEST(WindowFinderWithoutX, NoDisplayFindsNothing) {
    ScopedEnv noDisplay("DISPLAY", std::nullopt);
    EXPECT_EQ(platform::findTopLevelWindow("Nevora"), 0u);
    EXPECT_FALSE(platform::postCloseRequest(0x400001));
}

} // namespace
