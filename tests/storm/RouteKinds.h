// SPDX-License-Identifier: GPL-3.0-or-later
// The kinds of route that the crash and power-cut tests interrupt a storm on,
// and how each is laid out before the storm.
#pragma once

#include "StormFixture.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace storm_test {

struct RouteKind {
    const char* name;
    std::vector<std::string> files;     // in the route's Envfiles
    std::vector<std::string> rainNames; // what inspection finds
    bool byPattern;
    bool withoutRainEx; // the simulator lacks SOUND\rain_ex.sms
    bool staleBackups;  // the back-up folder holds copies of an earlier storm
};

inline void PrintTo(const RouteKind& k, std::ostream* os) {
    *os << k.name;
}

// A route named "Route" of this kind, in the fixture's simulator.
inline void prepareRoute(StormFixture& fx, const RouteKind& kind) {
    fx.addRoute("Route", kind.files);
    if (kind.withoutRainEx) std::filesystem::remove(fx.simFile("SOUND/rain_ex.sms"));
    if (!kind.staleBackups) return;
    for (const auto& n : kind.rainNames)
        fx.dir.write("Brontara/Dump/back_up/Route/" + n, "stale " + n);
    fx.dir.write("Brontara/Dump/back_up/Sounds/rain_in.sms", "stale in");
    fx.dir.write("Brontara/Dump/back_up/Sounds/rain_ex.sms", "stale ex");
}

inline const std::vector<RouteKind>& interruptedRouteKinds() {
    static const std::vector<RouteKind> kinds = {
        {"RainEnv", {"rain.env", "summer.env"}, {"rain.env"}, false, false, false},
        {"FourPatternMatches",
         {"a_rain.env", "B_Rain.env", "c_rain.env", "d_rain.env", "e_rain.env"},
         {"a_rain.env", "B_Rain.env", "c_rain.env", "d_rain.env"},
         true,
         false,
         false},
        {"NoRainExAndStaleBackups",
         {"Heavy_Rain.env", "rain_thunder.env"},
         {"Heavy_Rain.env", "rain_thunder.env"},
         true,
         true,
         true},
    };
    return kinds;
}

} // namespace storm_test
