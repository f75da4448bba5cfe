#include "SmsFile.h"

#include "StfWriter.h"
#include "StormFiles.h"

#include <string>
#include <vector>

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

// The thunder stream has no Volume of its own: its Random_Trigger sets the
// stream's volume from Volume_Min_Max at every clap, so that is its only one.
struct Levels {
    const char* rainVolume;
    const char* thunderMin;
    const char* thunderMax;
};

// Inside the cab the storm is heard through the body of the locomotive.
constexpr Levels kInCab{"0.45", "0.35", "0.8"};
constexpr Levels kExternal{"0.8", "0.5", "1.0"};

// A source plays while the view is one of the cameras it is activated for,
// and is turned off only by a Deactivation block naming the other views.
struct Cameras {
    std::vector<const char*> on, off;
};

const Cameras kInCabCameras{{"CabCam", "PassengerCam"}, {"ExternalCam"}};
const Cameras kExternalCameras{{"ExternalCam"}, {"CabCam", "PassengerCam"}};

void writeCameraBlock(StfWriter& w, const char* block, const std::vector<const char*>& cameras) {
    w.open(block);
    for (const char* c : cameras)
        w.leaf(c);
    w.close();
}

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
    const Cameras& cams = listener == Listener::InCab ? kInCabCameras : kExternalCameras;
    StfWriter w("SIMISA@@@@@@@@@@JINX0x1t______");
    w.open("Tr_SMS");
    for (const GroupPlan& g : kGroups) {
        // Mono sounds and no Stereo ( ): with it they would play at double speed.
        w.open("ScalabiltyGroup", integer(g.level));
        writeCameraBlock(w, "Activation", cams.on);
        writeCameraBlock(w, "Deactivation", cams.off);
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
