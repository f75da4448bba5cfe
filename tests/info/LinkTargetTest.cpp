// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/help/LinkTarget.h"
#include "core/help/ProjectLinks.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct TargetCase {
    LinkType type;
    const char* address;
    const char* target;
};

void PrintTo(const TargetCase& c, std::ostream* os) {
    *os << (c.type == LinkType::EMail ? "e-mail " : "web ") << '"' << c.address << '"';
}

class LinkTargets : public ::testing::TestWithParam<TargetCase> {};

TEST_P(LinkTargets, AreBuiltFromTypeAndAddress) {
    const TargetCase& c = GetParam();
    EXPECT_EQ(linkTarget(c.type, c.address), c.target);
}

INSTANTIATE_TEST_SUITE_P(
    BothTypes, LinkTargets,
    ::testing::Values(TargetCase{LinkType::EMail, "info@brontara.example", "mailto:info@brontara.example"},
                      TargetCase{LinkType::Web, "https://www.brontara.example/",
                                 "https://www.brontara.example/"},
                      // A web address is taken as it stands, whatever it looks like.
                      TargetCase{LinkType::Web, "www.brontara.example", "www.brontara.example"},
                      // Without an address a click opens nothing: no bare "mailto:".
                      TargetCase{LinkType::EMail, "", ""}, TargetCase{LinkType::Web, "", ""}));

TEST(ProjectLinks, TheWebAddressIsAnAbsoluteWebAddress) {
    const std::string_view web = project_links::kWebAddress;
    EXPECT_TRUE(web.starts_with("https://") || web.starts_with("http://")) << web;
    EXPECT_EQ(web.find(' '), std::string_view::npos);
}

TEST(ProjectLinks, TheMailAddressIsABareAddress) {
    // The e-mail link adds "mailto:" itself; one in the address would be doubled.
    const std::string_view mail = project_links::kMailAddress;
    EXPECT_FALSE(mail.starts_with("mailto:"));
    EXPECT_EQ(std::count(mail.begin(), mail.end(), '@'), 1);
    EXPECT_GT(mail.find('@'), 0u);
    EXPECT_LT(mail.find('@'), mail.size() - 1);
    EXPECT_EQ(mail.find(' '), std::string_view::npos);
}

TEST(ProjectLinks, TheWebCaptionNamesTheWebAddress) {
    EXPECT_NE(std::string_view(project_links::kWebAddress).find(project_links::kWebCaption),
              std::string_view::npos);
}

} // namespace
