#include "SmsFile.h"

#include "StfWriter.h"
#include "StormFiles.h"

#include <string>

namespace stormgen {

namespace {

struct GroupPlan {
    int level;              // sound-detail level; the simulator picks the first <= its setting
    int thunderFiles;       // how many of the thunder claps this level draws from
    int delayMin, delayMax; // seconds between claps
};

// Richer levels draw from more claps and thunder more often; every level keeps
// both the rain and the thunder, which is the whole point of the storm.
constexpr GroupPlan kGroups[] = {
    {5, 8, 8, 35},
    {3, 8, 12, 45},
    {1, 4, 15, 55},
    {0, 4, 20, 70},
};

struct Levels {
    const char* rainVolume;
    const char* thunderVolume;
    const char* thunderMin;
    const char* thunderMax;
};

// Inside the cab the storm is heard through the body of the locomotive.
constexpr Levels kInCab{"0.45", "0.6", "0.35", "0.8"};
constexpr Levels kExternal{"0.8", "1.0", "0.5", "1.0"};

std::string fileEntry(std::string_view name) {
    return "File ( " + quoted(std::string(name)) + " -1 )";
}

void writeRainStream(StfWriter& w, const Levels& lv) {
    w.open("Stream");
    w.leaf("Priority", "5");
    w.leaf("Volume", lv.rainVolume);
    w.open("Triggers", "1");
    w.open("Initial_Trigger");
    w.open("StartLoop", "1");
    w.raw(fileEntry(kRainBed));
    w.leaf("SelectionMethod", "SequentialSelection");
    w.close();
    w.close();
    w.close();
    w.close();
}

void writeThunderStream(StfWriter& w, const Levels& lv, const GroupPlan& g) {
    w.open("Stream");
    w.leaf("Priority", "6");
    w.leaf("Volume", lv.thunderVolume);
    w.open("Triggers", "1");
    w.open("Random_Trigger");
    w.leaf("Delay_Min_Max", integer(g.delayMin) + " " + integer(g.delayMax));
    w.leaf("Volume_Min_Max", std::string(lv.thunderMin) + " " + lv.thunderMax);
    w.open("PlayOneShot", integer(g.thunderFiles));
    // With fewer files, take every other clap so the mix of near and far stays.
    const int stride = 8 / g.thunderFiles;
    for (int i = 0; i < g.thunderFiles; ++i)
        w.raw(fileEntry(kThunderSounds[static_cast<size_t>(i * stride)]));
    w.leaf("SelectionMethod", "RandomSelection");
    w.close();
    w.close();
    w.close();
    w.close();
}

} // namespace

std::vector<std::uint8_t> makeRainSms(Listener listener) {
    const Levels& lv = listener == Listener::InCab ? kInCab : kExternal;
    StfWriter w("SIMISA@@@@@@@@@@JINX0x1t______");
    w.open("Tr_SMS");
    for (const GroupPlan& g : kGroups) {
        // Mono sounds and no Stereo ( ): with it they would play at double speed.
        w.open("ScalabiltyGroup", integer(g.level));
        w.open("Activation");
        if (listener == Listener::InCab) {
            w.leaf("CabCam");
            w.leaf("PassengerCam");
        } else {
            w.leaf("ExternalCam");
        }
        w.close();
        w.open("Streams", "2");
        writeRainStream(w, lv);
        writeThunderStream(w, lv, g);
        w.close();
        w.close();
    }
    w.close();
    return w.finish();
}

} // namespace stormgen
