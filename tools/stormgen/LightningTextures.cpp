// SPDX-License-Identifier: GPL-3.0-or-later
#include "DetMath.h"
#include "Noise.h"
#include "Rng.h"
#include "Textures.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace stormgen {

namespace {

using Plane = std::vector<double>;

// Alpha falls to zero over the outermost `margin` texels, so the corners stay
// invisible whatever is drawn near them (the sky file relies on a transparent
// corner for the "off" frames of its lightning layers).
double borderWindow(int x, int y, int side, double margin) {
    const double dx = std::min(x + 0.5, side - x - 0.5);
    const double dy = std::min(y + 0.5, side - y - 0.5);
    return dm::smoothstep(0.0, margin, std::min(dx, dy) - 2.0);
}

// One pass of a running-sum box blur along rows (step 1) or columns (step side).
void boxPass(const Plane& src, Plane& dst, int side, int radius, bool alongRows) {
    const double norm = 1.0 / (2 * radius + 1);
    for (int line = 0; line < side; ++line) {
        auto idx = [&](int i) {
            i = std::max(0, std::min(side - 1, i)); // clamp: no wrap into the far edge
            return alongRows ? static_cast<size_t>(line) * side + i : static_cast<size_t>(i) * side + line;
        };
        double sum = 0.0;
        for (int i = -radius; i <= radius; ++i)
            sum += src[idx(i)];
        for (int i = 0; i < side; ++i) {
            dst[idx(i)] = sum * norm;
            sum += src[idx(i + radius + 1)] - src[idx(i - radius)];
        }
    }
}

// Three box passes each way approximate a Gaussian.
Plane blur(const Plane& src, int side, int radius) {
    Plane a = src, b(src.size());
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(a, b, side, radius, true);
        boxPass(b, a, side, radius, false);
    }
    return a;
}

struct Stroke {
    double x0, y0, x1, y1, width, strength;
};

// A random walk that keeps pulling back towards its heading, with occasional
// forks that are thinner, fainter and shorter than their parent.
void growBranch(Rng& rng, std::vector<Stroke>& out, double x, double y, double heading, double length,
                double width, double strength, int depth, int side) {
    const double step = side / 110.0;
    double angle = heading;
    const double lo = side * 0.07, hi = side * 0.93;
    for (double walked = 0; walked < length; walked += step) {
        angle = heading + (angle - heading) * 0.55 + rng.bell() * 1.5;
        const double seg = step * rng.uniform(0.6, 1.4);
        const double nx = x + seg * dm::cos(angle);
        const double ny = y + seg * dm::sin(angle);
        if (nx < lo || nx > hi || ny < lo * 0.5 || ny > side - lo * 0.5) return;
        // Thins and fades a little towards its tip.
        const double fade = 1.0 - 0.5 * walked / length;
        out.push_back({x, y, nx, ny, width * fade, strength * fade});
        x = nx;
        y = ny;
        if (depth < 3 && rng.uniform() < (depth == 0 ? 0.085 : 0.05)) {
            const double m_side = rng.uniform() < 0.5 ? -1.0 : 1.0;
            const double forkHeading = heading + m_side * rng.uniform(0.35, 0.9);
            growBranch(rng, out, x, y, forkHeading, (length - walked) * rng.uniform(0.25, 0.6), width * 0.6,
                       strength * 0.7, depth + 1, side);
        }
    }
}

// Anti-aliased strokes: coverage falls off linearly over one texel at the edge.
Plane drawStrokes(const std::vector<Stroke>& strokes, int side) {
    Plane core(static_cast<size_t>(side) * side, 0.0);
    for (const Stroke& s : strokes) {
        const double half = s.width * 0.5 + 1.0;
        const int xa = std::max(0, static_cast<int>(std::floor(std::min(s.x0, s.x1) - half)));
        const int xb = std::min(side - 1, static_cast<int>(std::ceil(std::max(s.x0, s.x1) + half)));
        const int ya = std::max(0, static_cast<int>(std::floor(std::min(s.y0, s.y1) - half)));
        const int yb = std::min(side - 1, static_cast<int>(std::ceil(std::max(s.y0, s.y1) + half)));
        const double dx = s.x1 - s.x0, dy = s.y1 - s.y0;
        const double len2 = dx * dx + dy * dy;
        for (int y = ya; y <= yb; ++y) {
            for (int x = xa; x <= xb; ++x) {
                const double px = x + 0.5 - s.x0, py = y + 0.5 - s.y0;
                const double t = len2 > 0 ? dm::clamp((px * dx + py * dy) / len2, 0.0, 1.0) : 0.0;
                const double ex = px - t * dx, ey = py - t * dy;
                const double dist = std::sqrt(ex * ex + ey * ey);
                const double cover = dm::clamp(s.width * 0.5 + 0.5 - dist, 0.0, 1.0) * s.strength;
                double& c = core[static_cast<size_t>(y) * side + x];
                c = std::max(c, cover);
            }
        }
    }
    return core;
}

} // namespace

Image makeLightningFlash(int side) {
    // A faint irregularity so the glow is not a perfect disc.
    const TileableFbm wobble(3, 3, 0.5, 0xF1A5ull);
    Image img(side, side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double u = (x + 0.5) / side, v = (y + 0.5) / side;
            const double dx = 2.0 * u - 1.0, dy = 2.0 * v - 1.0;
            const double r = std::sqrt(dx * dx + dy * dy) * (1.0 + 0.12 * wobble.at(u, v));
            const double core = dm::exp(-(r * r) / (0.16 * 0.16));
            const double halo = dm::exp(-(r * r) / (0.42 * 0.42));
            // Nothing beyond r = 0.95: the edges and corners are fully clear.
            const double window = 1.0 - dm::smoothstep(0.6, 0.95, r);
            const double alpha = dm::clamp((core + 0.75 * halo) * window, 0.0, 1.0);
            // White in the middle, blue-white outside.
            const double w = dm::clamp(core * 1.4, 0.0, 1.0);
            img.at(x, y) = {static_cast<float>(dm::lerp(0.70, 1.0, w)),
                            static_cast<float>(dm::lerp(0.80, 1.0, w)), 1.0f,
                            static_cast<float>(alpha * borderWindow(x, y, side, side / 32.0))};
        }
    }
    return img;
}

Image makeLightningBolt(int side) {
    Rng rng(0xB011ull);
    std::vector<Stroke> strokes;
    const double startX = side * (0.5 + 0.08 * rng.bell());
    growBranch(rng, strokes, startX, side * 0.05, dm::kPi / 2, side * 1.2, side / 150.0, 1.0, 0, side);

    const Plane core = drawStrokes(strokes, side);
    const Plane glow = blur(core, side, std::max(1, side / 170));
    const Plane halo = blur(core, side, std::max(2, side / 40));

    Image img(side, side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const size_t i = static_cast<size_t>(y) * side + x;
            const double c = core[i];
            const double g = dm::clamp(glow[i] * 2.4, 0.0, 1.0);
            const double h = dm::clamp(halo[i] * 9.0, 0.0, 1.0);
            const double alpha = dm::clamp(c + 0.75 * g + 0.45 * h, 0.0, 1.0);
            // Colour: white core, blue-white glow, violet-blue halo; where
            // nothing is drawn the halo colour, so filtering shows no dark rim.
            const double wc = c, wg = 0.75 * g, wh = 0.45 * h + 1e-6;
            const double sum = wc + wg + wh;
            const double r = (wc * 1.0 + wg * 0.78 + wh * 0.58) / sum;
            const double gg = (wc * 1.0 + wg * 0.84 + wh * 0.60) / sum;
            const double b = (wc * 1.0 + wg * 1.0 + wh * 1.0) / sum;
            img.at(x, y) = {static_cast<float>(r), static_cast<float>(gg), static_cast<float>(b),
                            static_cast<float>(alpha * borderWindow(x, y, side, side / 32.0))};
        }
    }
    return img;
}

} // namespace stormgen
