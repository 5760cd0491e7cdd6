// assets/LandscapePainter.cpp — landscapes whose every feature repeats with the picture.
#include "assets/LandscapePainter.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "assets/Light.h"
#include "assets/SeededRandom.h"
#include "assets/Shape.h"

namespace {

using Fill = Canvas::Fill;

const double TAU = 2 * M_PI;

const Color GRASS(98, 172, 62);
const Color GRASS_DARK(46, 96, 36);
const Color DIRT(140, 100, 64);
const Color DIRT_DARK(98, 70, 46);
const Color STRATUM(118, 84, 54);
const Color PEBBLE(168, 156, 146);
const Color BEDROCK(82, 66, 58);
const Color ROCK(150, 146, 142);
const Color FLOWER_WHITE(246, 244, 236);
const Color FLOWER_YELLOW(255, 214, 60);

const Color SKY_TOP(56, 116, 204);
const Color SKY_HORIZON(178, 216, 246);
const Color CLOUD_LIT(252, 253, 255);
const Color CLOUD_SHADE(186, 202, 228);
const Color NIGHT_TOP(6, 8, 30);
const Color NIGHT_LOW(40, 20, 70);
const Color AURORA_GREEN(70, 255, 160);
const Color AURORA_VIOLET(170, 86, 255);

// Shortest signed distance from a to b around a ring of the given width.
double wrapped(double a, double b, double width) {
    double d = std::fmod(b - a, width);
    if (d < -width / 2) d += width;
    if (d >= width / 2) d -= width;
    return d;
}

// A sum of sines whose periods divide the ring's width, so it joins itself.
double ringWave(double x, double width, std::initializer_list<Vec2> terms, double phaseSeed) {
    double v = 0;
    int i = 0;
    for (Vec2 t : terms) v += t.y * std::sin(TAU * t.x * x / width + phaseSeed * (i++ + 1));
    return v;
}

// ---- Foreground --------------------------------------------------------------------------------

const double STRIP_W = LandscapePainter::STRIP_WIDTH;

double groundTop(double x) {
    return 70 + ringWave(x, STRIP_W, {{3, 11}, {7, 6}, {17, 2.5}}, 0.9);
}

struct Tuft {
    double x, height, width;
    int flower;  // 0 none, 1 white, 2 yellow
};

struct Rock {
    double x, rx, ry;
};

std::vector<Tuft> makeTufts() {
    SeededRandom rnd(11);
    std::vector<Tuft> tufts;
    for (double x = 0; x < STRIP_W - 4; x += rnd.range(5, 11)) {
        int flower = rnd.unit() < 0.07 ? rnd.integer(1, 2) : 0;
        tufts.push_back(Tuft{x, rnd.range(3, 8), rnd.range(2.5, 4.5), flower});
    }
    return tufts;
}

std::vector<Rock> makeRocks() {
    SeededRandom rnd(23);
    std::vector<Rock> rocks;
    double x = rnd.range(20, 80);
    while (x < STRIP_W - 60) {
        rocks.push_back(Rock{x, rnd.range(9, 22), rnd.range(7, 14)});
        x += rnd.range(70, 190);
    }
    return rocks;
}

// Height of the grass above the ground at column x: pointed tufts.
double grassHeight(double x, const std::vector<Tuft>& tufts) {
    double h = 1.5;
    for (const Tuft& t : tufts) {
        double d = std::fabs(wrapped(t.x, x, STRIP_W));
        if (d > t.width + 3) continue;
        // Three blades to a tuft, the middle one tallest.
        h = std::max(h, t.height * (1 - d / t.width));
        h = std::max(h, 0.7 * t.height * (1 - std::fabs(d - t.width * 0.6) / (t.width * 0.5)));
    }
    return h;
}

double rockField(Vec2 p, const Rock& r) {
    double baseY = groundTop(r.x) + r.ry * 0.35;
    Vec2 c(r.x + wrapped(r.x, p.x, STRIP_W), p.y);  // p on the rock's side of the seam
    Vec2 q = c - Vec2(r.x, baseY);
    // A boulder: an ellipse with a flattened underside and a slight lean.
    q.x += 0.25 * q.y;
    double d = Shape::ellipse(q, Vec2(r.rx, r.ry));
    return std::max(d, q.y - r.ry * 0.55);
}

Color groundColor(double x, double y, double top) {
    double depth = y - top;
    Vec2 n = Vec2(groundTop(x + 1) - groundTop(x - 1), -2).normalized();
    if (depth < 1.2) return GRASS_DARK;
    if (depth < 7) {
        double lit = 0.25 * Light::facing(n) + (depth < 3 ? 0.12 : 0);
        return GRASS.lit(lit);
    }
    if (depth < 9) return GRASS_DARK.mix(DIRT_DARK, 0.5);
    // Strata follow the ground's line; darker with depth.
    double strata = std::fmod(depth + 2.5 * std::sin(TAU * 5 * x / STRIP_W), 14.0);
    Color dirt = DIRT.mix(BEDROCK, Shape::smoothstep(20, 120, depth));
    if (strata < 1.3) dirt = dirt.mix(STRATUM * 0.85, 0.6);
    // Pebbles on a fixed grid cell by cell, shaded from the top left.
    const int cellsAround = static_cast<int>(STRIP_W / 24);
    int cellX = static_cast<int>(std::floor(x / 24)),
        cellY = static_cast<int>(std::floor(depth / 16));
    int cell = ((cellX % cellsAround) + cellsAround) % cellsAround;
    if (depth > 14 && SeededRandom::hash(cell, cellY, 29) < 0.35) {
        double jx = SeededRandom::hash(cell, cellY, 31), jy = SeededRandom::hash(cell, cellY, 37);
        // Placed by depth below the ground line, so each stays whole inside its cell.
        Vec2 pc(cellX * 24 + 5 + jx * 14, cellY * 16 + 4 + jy * 8);
        Vec2 radii(2.0 + 2.2 * jy, 1.6 + 1.2 * jx);
        auto f = [pc, radii](Vec2 v) { return Shape::ellipse(v - pc, radii); };
        double d = f(Vec2(x, depth));
        if (d < 0)
            return Light::raised(PEBBLE.mix(dirt, 0.35), -d, Shape::normal(f, Vec2(x, depth)), 0.6,
                                 1.0);
    }
    return dirt;
}

// ---- Skies -------------------------------------------------------------------------------------

struct Cloud {
    double x, baseY, scale;
    std::vector<Vec2> puffs;  // offsets from (x, baseY), in cloud units
    std::vector<double> radii;
};

std::vector<Cloud> makeClouds() {
    SeededRandom rnd(5);
    std::vector<Cloud> clouds;
    // Spread along the sky and at different heights; those nearer the horizon are smaller.
    const double rows[] = {96, 214, 150, 300, 118, 250};
    for (int i = 0; i < 6; ++i) {
        Cloud c;
        c.x = (i + 0.5) * 640.0 / 6 + rnd.range(-18, 18);
        c.baseY = rows[i];
        c.scale = 1.55 - c.baseY / 400;
        // A row of puffs along the flat base, and larger ones heaped on its middle.
        int puffs = rnd.integer(5, 7);
        double step = rnd.range(14, 18), span = step * (puffs - 1) / 2;
        for (int k = 0; k < puffs; ++k) {
            double t = (k / double(puffs - 1)) * 2 - 1;
            double r = (1 - 0.3 * t * t) * rnd.range(12, 16);
            c.puffs.push_back(Vec2(t * span, -r * 0.55));
            c.radii.push_back(r);
        }
        int heaps = rnd.integer(2, 3);
        for (int k = 0; k < heaps; ++k) {
            double t = (k / double(heaps - 1)) - 0.5 + rnd.range(-0.12, 0.12);
            double r = rnd.range(15, 21) * (1 - 0.4 * std::fabs(t));
            c.puffs.push_back(Vec2(t * span, -r * 0.8 - rnd.range(4, 9)));
            c.radii.push_back(r);
        }
        clouds.push_back(c);
    }
    return clouds;
}

double smin(double a, double b, double k) {
    double h = std::clamp(0.5 + 0.5 * (b - a) / k, 0.0, 1.0);
    return b * (1 - h) + a * h - k * h * (1 - h);
}

double cloudField(const Cloud& c, Vec2 p) {
    Vec2 q(wrapped(c.x, p.x, LandscapePainter::SKY_WIDTH) / c.scale, (p.y - c.baseY) / c.scale);
    double d = 1e9;
    for (size_t i = 0; i < c.puffs.size(); ++i)
        d = smin(d, Shape::circle(q - c.puffs[i], c.radii[i]), 3.5);
    d = -smin(-d, -q.y, 4);  // a flat, slightly rounded underside
    return d * c.scale;
}

}  // namespace

Canvas LandscapePainter::foreground() {
    Canvas strip(STRIP_WIDTH, STRIP_HEIGHT);
    std::vector<Tuft> tufts = makeTufts();
    std::vector<Rock> rocks = makeRocks();
    for (int x = 0; x < STRIP_WIDTH; ++x) {
        double cx = x + 0.5;
        double top = groundTop(cx);
        double grass = grassHeight(cx, tufts);
        for (int y = 0; y < STRIP_HEIGHT; ++y) {
            double cy = y + 0.5;
            if (cy < top - grass) continue;
            if (cy < top) {
                // Blades: darker at their tips' edge, lit toward the light.
                bool edge = cy < top - grass + 1.2;
                strip.set(x, y, edge ? GRASS_DARK : GRASS.lit(0.18 - 0.04 * (top - cy)));
                continue;
            }
            strip.set(x, y, groundColor(cx, cy, top));
        }
    }
    // Flowers on some tufts.
    for (const Tuft& t : tufts) {
        if (t.flower == 0) continue;
        int fx = static_cast<int>(t.x), fy = static_cast<int>(groundTop(t.x) - t.height);
        Color petal = t.flower == 1 ? FLOWER_WHITE : FLOWER_YELLOW;
        for (Vec2 o : {Vec2(-1, 0), Vec2(1, 0), Vec2(0, -1), Vec2(0, 1)})
            strip.set((fx + static_cast<int>(o.x) + STRIP_WIDTH) % STRIP_WIDTH,
                      fy + static_cast<int>(o.y), petal);
        strip.set(fx, fy, FLOWER_YELLOW.mix(DIRT, 0.4));
    }
    // Boulders resting in the grass; each is painted twice when it straddles the seam.
    for (const Rock& r : rocks) {
        auto shader = [r](Vec2 p) -> Fill {
            auto f = [r](Vec2 v) { return rockField(v, r); };
            double d = f(p);
            if (d > 0) return Fill{};
            Color base = ROCK;
            // A crack across the boulder.
            Vec2 local(wrapped(r.x, p.x, STRIP_W), p.y - groundTop(r.x));
            if (std::fabs(local.y + 0.35 * local.x + r.ry * 0.4) < 0.6 && local.x > -r.rx * 0.2 &&
                -d > 2)
                base = ROCK * 0.6;
            return Fill{Light::raised(base, -d, Shape::normal(f, p), 1.0, 2.4), 1.0};
        };
        int x0 = static_cast<int>(r.x - r.rx * 1.6) - 2, w = static_cast<int>(r.rx * 3.2) + 4;
        int y0 = static_cast<int>(groundTop(r.x) - r.ry * 1.4) - 2,
            h = static_cast<int>(r.ry * 2.4) + 4;
        for (int shift : {-STRIP_WIDTH, 0, STRIP_WIDTH}) {
            int left = x0 + shift;
            auto moved = [shader, left, y0](Vec2 p) { return shader(p + Vec2(left, y0)); };
            strip.cutout(left, y0, w, h, 3, moved);
        }
    }
    return strip;
}

Canvas LandscapePainter::daySky() {
    Canvas sky(SKY_WIDTH, SKY_HEIGHT, SKY_TOP);
    for (int y = 0; y < SKY_HEIGHT; ++y) {
        double t = Shape::smoothstep(0, SKY_HEIGHT, y + 0.5);
        Color row = SKY_TOP.mix(SKY_HORIZON, std::pow(t, 0.8));
        for (int x = 0; x < SKY_WIDTH; ++x) sky.set(x, y, row);
    }
    std::vector<Cloud> clouds = makeClouds();
    sky.paint(0, 0, SKY_WIDTH, SKY_HEIGHT, 1, [&clouds](Vec2 p) -> Fill {
        // Clouds laid over one another in order, so overlaps stay clean.
        Fill acc;
        for (const Cloud& c : clouds) {
            // Far from a cloud's puffs, skip the field altogether.
            if (std::fabs(wrapped(c.x, p.x, SKY_WIDTH)) > 110 * c.scale || p.y > c.baseY + 4 ||
                p.y < c.baseY - 75 * c.scale)
                continue;
            double d = cloudField(c, p);
            if (d > 1.5) continue;
            double alpha = Shape::smoothstep(1.5, -1.5, d);
            Vec2 n = Shape::normal([&c](Vec2 v) { return cloudField(c, v); }, p);
            // Lit from the top left; the underside is in the cloud's own shade.
            double height = (c.baseY - p.y) / (34 * c.scale);
            double light = 0.45 + 0.55 * Shape::smoothstep(0.0, 1.3, height);
            light += 0.35 * Light::facing(n) * Shape::smoothstep(-7, 0, d);
            Color col = CLOUD_SHADE.mix(CLOUD_LIT, std::clamp(light, 0.0, 1.0));
            double out = alpha + acc.alpha * (1 - alpha);
            acc.color = (col * alpha + acc.color * (acc.alpha * (1 - alpha))) * (1 / out);
            acc.alpha = out;
        }
        return acc;
    });
    return sky;
}

Canvas LandscapePainter::nightSky() {
    Canvas sky(SKY_WIDTH, SKY_HEIGHT, NIGHT_TOP);
    const double W = SKY_WIDTH;
    for (int x = 0; x < SKY_WIDTH; ++x) {
        double cx = x + 0.5;
        // Two ribbons of aurora: a bright lower hem along a slow curve, light streaming upward in
        // rays and fading, green at the hem and violet above.
        double hems[2] = {150 + ringWave(cx, W, {{1, 36}, {2, 22}, {3, 9}}, 1.3),
                          228 + ringWave(cx, W, {{1, 26}, {2, 14}, {4, 7}}, 2.9)};
        double rays = 0.6 + 0.4 * std::sin(TAU * 23 * cx / W + 1.4 * std::sin(TAU * 5 * cx / W));
        double strength[2] = {
            (0.65 + 0.35 * std::sin(TAU * 2 * cx / W + 0.4)) * (0.55 + 0.45 * rays),
            0.6 * (0.5 + 0.5 * std::sin(TAU * 1 * cx / W + 2.0)) * (0.6 + 0.4 * rays)};
        for (int y = 0; y < SKY_HEIGHT; ++y) {
            double cy = y + 0.5;
            Color c = NIGHT_TOP.mix(NIGHT_LOW, std::pow(cy / SKY_HEIGHT, 1.4));
            for (int k = 0; k < 2; ++k) {
                double above = hems[k] - cy;
                double glow = above >= 0 ? std::exp(-above / 60) : std::exp(above / 9);
                double hem = std::exp(-std::fabs(above - 3) / 4);
                Color hue = AURORA_GREEN.mix(AURORA_VIOLET, Shape::smoothstep(15, 90, above));
                c = c + hue * (0.62 * strength[k] * glow) +
                    AURORA_GREEN.lit(0.5) * (0.2 * strength[k] * hem);
            }
            sky.set(x, y, c);
        }
    }
    // Stars, a few of them with a small cross of light.
    SeededRandom rnd(41);
    for (int i = 0; i < 220; ++i) {
        int x = rnd.integer(0, SKY_WIDTH - 1), y = rnd.integer(0, SKY_HEIGHT - 1);
        double b = rnd.range(0.35, 1.0) * (1 - 0.6 * y / double(SKY_HEIGHT));
        Color star(235, 240, 255);
        sky.blend(x, y, star, b);
        if (b > 0.8) {
            for (Vec2 o : {Vec2(-1, 0), Vec2(1, 0), Vec2(0, -1), Vec2(0, 1)})
                sky.blend((x + static_cast<int>(o.x) + SKY_WIDTH) % SKY_WIDTH,
                          y + static_cast<int>(o.y), star, 0.35);
        }
    }
    return sky;
}
