// SPDX-License-Identifier: GPL-3.0-or-later
// What the storm's rain sound-source files say: in every detail group a rain
// bed loop and thunder at random, in the cab softer than outside.
#include "StfFiles.h"

#include <gtest/gtest.h>

#include <set>

namespace content_tests {
namespace {

struct SmsCase {
    StfCase file;
    std::vector<std::string> cameras;
};

std::ostream& operator<<(std::ostream& os, const SmsCase& c) {
    return os << c.file.path;
}

const SmsCase kSmsCases[] = {
    {kInCabSms, {"CabCam", "PassengerCam"}},
    {kExternalSms, {"ExternalCam"}},
};

std::vector<const StfNode*> groups(const StfNode& root) {
    const StfNode* sms = root.child("Tr_SMS");
    EXPECT_NE(sms, nullptr);
    return sms ? sms->all("ScalabiltyGroup") : std::vector<const StfNode*>{};
}

std::vector<const StfNode*> streams(const StfNode& group) {
    const StfNode* s = group.child("Streams");
    EXPECT_NE(s, nullptr);
    return s ? s->all("Stream") : std::vector<const StfNode*>{};
}

std::vector<std::string> files(const StfNode& command) {
    std::vector<std::string> out;
    for (const StfNode* f : command.all("File")) {
        EXPECT_EQ(f->values.size(), 2u);
        EXPECT_TRUE(f->values.front().quoted);
        if (f->values.size() == 2) {
            EXPECT_EQ(f->values[1].text, "-1");
        }
        out.push_back(f->values.front().text);
    }
    return out;
}

class StormSms : public testing::TestWithParam<SmsCase> {
  protected:
    void SetUp() override { m_root = loadStf(GetParam().file); }
    StfNode m_root;
};

TEST_P(StormSms, GroupLevelsFallToZero) {
    const auto g = groups(m_root);
    ASSERT_GE(g.size(), 2u);
    double previous = 1e9;
    for (const StfNode* group : g) {
        ASSERT_EQ(group->values.size(), 1u);
        const double level = number(group->values.front());
        EXPECT_LT(level, previous) << "levels must fall from high to low";
        previous = level;
    }
    EXPECT_EQ(previous, 0.0);
}

TEST_P(StormSms, EveryGroupActivatesForItsCamerasOnly) {
    for (const StfNode* group : groups(m_root)) {
        ASSERT_FALSE(group->children.empty());
        EXPECT_EQ(group->children.front().name, "Activation");
        const StfNode* a = group->child("Activation");
        ASSERT_NE(a, nullptr);
        std::vector<std::string> cams;
        for (const StfNode& c : a->children) {
            cams.push_back(c.name);
            EXPECT_TRUE(c.values.empty() && c.children.empty()) << c.name << " ( ) takes nothing";
        }
        EXPECT_EQ(cams, GetParam().cameras);
    }
}

// A source is turned off only by its Deactivation block: without one, the
// in-cab and the outside sets play together after the first change of view.
// Each group deactivates on exactly the views it is not activated for.
TEST_P(StormSms, EveryGroupDeactivatesOnTheOtherCameras) {
    const std::set<std::string> all = {"CabCam", "ExternalCam", "PassengerCam"};
    for (const StfNode* group : groups(m_root)) {
        ASSERT_GE(group->children.size(), 2u);
        EXPECT_EQ(group->children[1].name, "Deactivation") << "right after the Activation";
        const StfNode* a = group->child("Activation");
        const StfNode* d = group->child("Deactivation");
        ASSERT_TRUE(a && d) << "group " << group->values.front().text;
        std::set<std::string> on, off;
        for (const StfNode& c : a->children)
            on.insert(c.name);
        for (const StfNode& c : d->children) {
            off.insert(c.name);
            EXPECT_TRUE(c.values.empty() && c.children.empty()) << c.name << " ( ) takes nothing";
            EXPECT_EQ(on.count(c.name), 0u) << c.name << " both activates and deactivates";
        }
        std::set<std::string> both = on;
        both.insert(off.begin(), off.end());
        EXPECT_EQ(both, all) << "every view either plays or stops the source";
        EXPECT_FALSE(off.empty());
    }
}

// A Random_Trigger sets its stream's volume from Volume_Min_Max at every clap,
// so a Volume on the thunder stream would be a second, ignored setting.
TEST_P(StormSms, ThunderVolumeHasOneSource) {
    for (const StfNode* group : groups(m_root)) {
        const auto s = streams(*group);
        ASSERT_EQ(s.size(), 2u);
        EXPECT_NE(s[0]->child("Volume"), nullptr) << "the rain bed sets its own volume";
        ASSERT_NE(s[1]->child("Triggers"), nullptr);
        ASSERT_NE(s[1]->child("Triggers")->child("Random_Trigger"), nullptr);
        EXPECT_EQ(s[1]->child("Volume"), nullptr) << "the thunder's volume comes from Volume_Min_Max only";
    }
}

TEST_P(StormSms, NoStereoAnywhere) {
    for (const StfNode* b : allBlocks(m_root))
        EXPECT_NE(b->name, "Stereo") << "on line " << b->line << ": mono sounds would play at double speed";
}

TEST_P(StormSms, FirstStreamLoopsTheRainBed) {
    for (const StfNode* group : groups(m_root)) {
        const auto s = streams(*group);
        ASSERT_EQ(s.size(), 2u);
        const StfNode* trig = s[0]->child("Triggers");
        ASSERT_NE(trig, nullptr);
        ASSERT_EQ(trig->children.size(), 1u);
        const StfNode& initial = trig->children.front();
        EXPECT_EQ(initial.name, "Initial_Trigger");
        const StfNode* loop = initial.child("StartLoop");
        ASSERT_NE(loop, nullptr);
        EXPECT_EQ(files(*loop), std::vector<std::string>{"ZKT_Onweer9.wav"});
        ASSERT_NE(loop->child("SelectionMethod"), nullptr);
        EXPECT_EQ(loop->child("SelectionMethod")->values.front().text, "SequentialSelection");
    }
}

TEST_P(StormSms, SecondStreamThundersAtRandom) {
    for (const StfNode* group : groups(m_root)) {
        const auto s = streams(*group);
        ASSERT_EQ(s.size(), 2u);
        const StfNode* trig = s[1]->child("Triggers");
        ASSERT_NE(trig, nullptr);
        const StfNode* random = trig->child("Random_Trigger");
        ASSERT_NE(random, nullptr);
        const StfNode* delay = random->child("Delay_Min_Max");
        const StfNode* volume = random->child("Volume_Min_Max");
        ASSERT_TRUE(delay && volume);
        ASSERT_EQ(delay->values.size(), 2u);
        ASSERT_EQ(volume->values.size(), 2u);
        // Seconds: at least a few between claps, at most a couple of minutes.
        EXPECT_GE(number(delay->values[0]), 3);
        EXPECT_LT(number(delay->values[0]), number(delay->values[1]));
        EXPECT_LE(number(delay->values[1]), 120);
        EXPECT_GT(number(volume->values[0]), 0);
        EXPECT_LE(number(volume->values[0]), number(volume->values[1]));
        EXPECT_LE(number(volume->values[1]), 1);

        const StfNode* shot = random->child("PlayOneShot");
        ASSERT_NE(shot, nullptr);
        const auto names = files(*shot);
        EXPECT_GE(names.size(), 2u);
        for (const std::string& n : names) {
            EXPECT_NE(n, "ZKT_Onweer9.wav") << "the rain bed is not a clap";
            EXPECT_TRUE(n.starts_with("ZKT_Onweer") && n.ends_with(".wav")) << n;
        }
        ASSERT_NE(shot->child("SelectionMethod"), nullptr);
        EXPECT_EQ(shot->child("SelectionMethod")->values.front().text, "RandomSelection");
    }
}

INSTANTIATE_TEST_SUITE_P(content, StormSms, testing::ValuesIn(kSmsCases), [](const auto& info) {
    return info.param.cameras.size() == 1 ? "External" : "InCab";
});

// Every volume setting of every group and stream, in file order.
std::vector<double> volumes(const StfNode& root) {
    std::vector<double> out;
    for (const StfNode* group : groups(root)) {
        for (const StfNode* s : streams(*group)) {
            if (const StfNode* v = s->child("Volume")) out.push_back(number(v->values.front()));
            const StfNode* triggers = s->child("Triggers");
            const StfNode* r = triggers ? triggers->child("Random_Trigger") : nullptr;
            const StfNode* range = r ? r->child("Volume_Min_Max") : nullptr;
            if (range)
                for (const StfValue& v : range->values)
                    out.push_back(number(v));
        }
    }
    return out;
}

TEST(contentSmsPair, InTheCabEverythingIsSofterThanOutside) {
    const std::vector<double> in = volumes(loadStf(kInCabSms));
    const std::vector<double> ex = volumes(loadStf(kExternalSms));
    ASSERT_EQ(in.size(), ex.size());
    ASSERT_FALSE(in.empty());
    for (std::size_t i = 0; i < in.size(); ++i)
        EXPECT_LT(in[i], ex[i]) << "volume " << i;
}

} // namespace
} // namespace content_tests
