// assets/TilePainter.cpp — shaders of the level's tiles and small sprites.
#include "assets/TilePainter.h"

#include <algorithm>
#include <cmath>

#include "assets/Light.h"
#include "assets/SeededRandom.h"
#include "assets/Shape.h"

namespace {

using Fill = Canvas::Fill;

const double TILE = 38.0;
const double COURSE = TILE / 3;  // three courses of bricks to a tile

const Color STONE(166, 158, 150);
const Color MORTAR(104, 96, 92);
const Color LINING(120, 130, 148);
const Color FRAME_METAL(72, 90, 116);
const Color ENERGY_DEEP(24, 118, 206);
const Color ENERGY_BRIGHT(150, 240, 255);
const Color LEDGE_METAL(138, 148, 166);
const Color STRUT_METAL(92, 100, 116);
const Color SLAB(124, 146, 178);
const Color HAZARD_YELLOW(236, 192, 40);
const Color HAZARD_BLACK(46, 42, 38);
const Color BUTTON_BASE(84, 88, 100);
const Color BUTTON_UP(222, 54, 44);
const Color BUTTON_LIT(120, 255, 130);
const Color PAD_METAL(82, 92, 108);
const Color PAD_EDGE(40, 196, 140);
const Color PAD_CORE(232, 255, 240);
const Color SHOT_RIM(176, 56, 20);
const Color SHOT_GLOW(255, 150, 40);
const Color SHOT_CORE(255, 252, 222);

Fill opaque(Color c) {
    return Fill{c, 1.0};
}

Color raisedIn(const Shape::Field& field, Vec2 q, Color base, double outline, double bevel) {
    return Light::raised(base, -field(q), Shape::normal(field, q), outline, bevel);
}

// Brick face of a stone wall: mortar joints, and each brick a little raised and toned.
Color brickAt(Vec2 q) {
    int course = std::clamp(static_cast<int>(q.y / COURSE), 0, 2);
    double shift = (course % 2) * TILE / 4;
    double u = q.x + shift;
    int brick = static_cast<int>(std::floor(u / (TILE / 2)));
    double left = brick * TILE / 2 - shift;
    Vec2 centre(left + TILE / 4, (course + 0.5) * COURSE);
    Vec2 half(TILE / 4, COURSE / 2);
    double d = Shape::box(q - centre, half);
    if (-d < 0.55) return MORTAR;
    double tone = 0.9 + 0.12 * SeededRandom::hash(course, brick, 7);
    auto field = [=](Vec2 v) { return Shape::box(v - centre, half); };
    return Light::raised(STONE * tone, -d - 0.55, Shape::normal(field, q), 0.0, 1.1);
}

Canvas::Shader scaled(Canvas::Shader shader, double scale) {
    if (scale == 1) return shader;
    return [shader, scale](Vec2 p) { return shader(p / scale); };
}

}  // namespace

Canvas::Shader TilePainter::wall(Hole hole, double scale) {
    return scaled(
        [hole](Vec2 q) -> Fill {
            auto block = [](Vec2 v) {
                return Shape::roundBox(v - Vec2(19, 19), Vec2(19, 19), 1.5);
            };
            double d = block(q);
            if (d > 0) return Fill{};
            if (hole != NO_HOLE) {
                // The hole is lined with a steel sleeve; the stone around it keeps its bricks.
                Vec2 half = hole == VERTICAL_SHAFT ? Vec2(9, 40) : Vec2(40, 9);
                auto opening = [half](Vec2 v) { return -Shape::box(v - Vec2(19, 19), half); };
                double o = opening(q);
                if (o > 0) {
                    // The back of the hole, in the shade of its upper or left rim.
                    double fromRim = hole == VERTICAL_SHAFT ? q.x - 10 : q.y - 10;
                    double shade = 0.3 + 0.16 * Shape::smoothstep(0, 9, fromRim);
                    return opaque(brickAt(q) * shade);
                }
                auto sleeve = [half](Vec2 v) {
                    return Shape::box(v - Vec2(19, 19), half + Vec2(2.2, 2.2));
                };
                if (sleeve(q) <= 0 && -d >= 1.0) {
                    if (-o < 0.9) return opaque(LINING * 0.32);
                    return opaque(Light::raised(LINING, -o, Shape::normal(opening, q), 0.0, 1.4));
                }
            }
            if (-d < 3.6) return opaque(raisedIn(block, q, STONE, 1.0, 2.6));
            return opaque(brickAt(q));
        },
        scale);
}

Canvas::Shader TilePainter::energyWall(double scale) {
    return scaled(
        [](Vec2 q) -> Fill {
            auto frame = [](Vec2 v) {
                return Shape::roundBox(v - Vec2(19, 19), Vec2(19, 19), 1.5);
            };
            double d = frame(q);
            if (d > 0) return Fill{};
            auto window = [](Vec2 v) {
                return Shape::roundBox(v - Vec2(19, 19), Vec2(13, 13), 2.0);
            };
            double w = window(q);
            if (w <= 0) {
                if (-w < 1.1)
                    return opaque(
                        Light::sunken(FRAME_METAL * 0.6, -w, Shape::normal(window, q), 1.1));
                // Diagonal bands of light drifting through the field, brightest in the middle.
                double band = 0.5 + 0.5 * std::sin(2 * M_PI * (q.x - q.y) / 9.5);
                double glow = 0.25 + 0.5 * Shape::smoothstep(0.55, 0.95, band);
                glow += 0.25 * (1 - std::min(1.0, (q - Vec2(19, 19)).length() / 16));
                return opaque(ENERGY_DEEP.mix(ENERGY_BRIGHT, std::min(glow, 1.0)));
            }
            for (Vec2 bolt : {Vec2(3.6, 3.6), Vec2(34.4, 3.6), Vec2(3.6, 34.4), Vec2(34.4, 34.4)}) {
                auto rivet = [bolt](Vec2 v) { return Shape::circle(v - bolt, 1.4); };
                if (rivet(q) <= 0)
                    return opaque(raisedIn(rivet, q, FRAME_METAL.lit(0.2), 0.4, 1.0));
            }
            return opaque(raisedIn(frame, q, FRAME_METAL, 1.0, 2.2));
        },
        scale);
}

Canvas::Shader TilePainter::ledge(double scale) {
    return scaled(
        [](Vec2 q) -> Fill {
            auto plate = [](Vec2 v) {
                return Shape::roundBox(v - Vec2(19, 2.4), Vec2(19, 2.4), 0.8);
            };
            if (plate(q) <= 0) return opaque(raisedIn(plate, q, LEDGE_METAL, 0.8, 1.2));
            auto rail = [](Vec2 v) {
                return Shape::roundBox(v - Vec2(19, 9.4), Vec2(19, 1.2), 0.6);
            };
            if (rail(q) <= 0) return opaque(raisedIn(rail, q, STRUT_METAL, 0.6, 0.6));
            auto struts = [](Vec2 v) {
                double d = 1e9;
                for (double x = 0; x < TILE; x += TILE / 4) {
                    d = std::min(d,
                                 Shape::capsule(v, Vec2(x + 1, 4.4), Vec2(x + TILE / 8, 8.6), 0.8));
                    d = std::min(d, Shape::capsule(v, Vec2(x + TILE / 8, 8.6),
                                                   Vec2(x + TILE / 4 - 1, 4.4), 0.8));
                }
                return d;
            };
            if (struts(q) <= 0) return opaque(raisedIn(struts, q, STRUT_METAL, 0.5, 0.5));
            return Fill{};
        },
        scale);
}

Canvas::Shader TilePainter::platform(bool horizontal, double scale) {
    Canvas::Shader lying = [](Vec2 q) -> Fill {
        auto slab = [](Vec2 v) { return Shape::roundBox(v - Vec2(19, 19), Vec2(19, 6.5), 1.2); };
        double d = slab(q);
        if (d <= 0) {
            bool end = std::fabs(q.x - 19) > 12.5;
            bool stripe = std::fmod(q.x + q.y + 40, 5.0) < 2.5;
            Color base = end ? (stripe ? HAZARD_BLACK : HAZARD_YELLOW) : SLAB;
            for (double bx : {9.0, 29.0})
                if (Shape::circle(q - Vec2(bx, 19), 1.2) <= 0) base = SLAB.lit(0.35);
            return opaque(raisedIn(slab, q, base, 1.0, 1.8));
        }
        auto rails = [](Vec2 v) {
            return std::min(Shape::roundBox(v - Vec2(19, 1.5), Vec2(19, 1.5), 0.6),
                            Shape::roundBox(v - Vec2(19, 36.5), Vec2(19, 1.5), 0.6));
        };
        if (rails(q) <= 0) return opaque(raisedIn(rails, q, STRUT_METAL, 0.6, 0.7));
        auto posts = [](Vec2 v) {
            double d = 1e9;
            for (double x : {5.0, 33.0}) {
                d = std::min(d, Shape::capsule(v, Vec2(x, 2), Vec2(x, 13), 1.2));
                d = std::min(d, Shape::capsule(v, Vec2(x, 25), Vec2(x, 36), 1.2));
            }
            return d;
        };
        if (posts(q) <= 0) return opaque(raisedIn(posts, q, STRUT_METAL, 0.5, 0.6));
        return Fill{};
    };
    // Standing is lying mirrored across the diagonal; the top-left light is symmetric to it.
    if (horizontal) return scaled(lying, scale);
    return scaled([lying](Vec2 q) { return lying(Vec2(q.y, q.x)); }, scale);
}

Canvas::Shader TilePainter::button(ButtonFace face, bool pressed) {
    // Built in the button's own terms: `a` measured outward from the side sunk in the wall
    // (3 pixels deep), `b` along the wall's face.
    const double depth = 5;
    auto toPicture = [face, depth](double a, double b) {
        switch (face) {
            case ON_LEFT_FACE:
                return Vec2(depth - a, b);
            case ON_RIGHT_FACE:
                return Vec2(a, b);
            case ON_TOP_FACE:
                return Vec2(b, depth - a);
            case ON_BOTTOM_FACE:
                return Vec2(b, a);
        }
        return Vec2(a, b);
    };
    auto boxField = [toPicture](double a0, double a1, double b0, double b1) {
        Vec2 p0 = toPicture(a0, b0), p1 = toPicture(a1, b1);
        Vec2 centre = (p0 + p1) / 2, half = (p1 - p0).abs() / 2;
        return [centre, half](Vec2 v) { return Shape::roundBox(v - centre, half, 0.4); };
    };
    Shape::Field base = boxField(0, 1.6, 0, 12);
    Shape::Field cap = pressed ? boxField(1.0, 3.4, 2, 10) : boxField(1.0, 5, 2, 10);
    Color capColor = pressed ? BUTTON_LIT : BUTTON_UP;
    return [=](Vec2 q) -> Fill {
        double d = cap(q);
        if (d <= 0) {
            // A pressed button glows: its rim is a deeper green, not an outline.
            if (pressed) return opaque(-d < 0.45 ? BUTTON_LIT * 0.62 : BUTTON_LIT.lit(0.35));
            return opaque(Light::raised(capColor, -d, Shape::normal(cap, q), 0.45, 0.7));
        }
        if (base(q) <= 0)
            return opaque(Light::raised(BUTTON_BASE, -base(q), Shape::normal(base, q), 0.4, 0.5));
        return Fill{};
    };
}

Canvas::Shader TilePainter::exitPad() {
    return [](Vec2 q) -> Fill {
        auto lens = [](Vec2 v) { return Shape::roundBox(v - Vec2(14, 2.7), Vec2(12.5, 2.2), 2.0); };
        double d = lens(q);
        if (d <= 0) {
            if (-d < 0.5) return opaque(PAD_EDGE * 0.55);
            double core = 1 - std::min(1.0, std::fabs(q.y - 2.4) / 2.0);
            return opaque(PAD_EDGE.mix(PAD_CORE, 0.2 + 0.8 * core * core));
        }
        auto base = [](Vec2 v) { return Shape::roundBox(v - Vec2(14, 4.9), Vec2(14, 2.1), 1.2); };
        if (base(q) <= 0) return opaque(raisedIn(base, q, PAD_METAL, 0.5, 0.8));
        return Fill{};
    };
}

Canvas::Shader TilePainter::shot(int direction) {
    double turn = direction * M_PI / 2;
    return [turn](Vec2 p) -> Fill {
        Vec2 q = (p - Vec2(5, 5)).rotated(-turn) + Vec2(5, 5);
        auto bolt = [](Vec2 v) {
            return std::min(Shape::circle(v - Vec2(6.4, 5), 3.0),
                            Shape::triangle(v, Vec2(0.4, 5), Vec2(6.4, 2.6), Vec2(6.4, 7.4)));
        };
        double d = bolt(q);
        if (d > 0) return Fill{};
        if (-d < 0.55) return opaque(SHOT_RIM);
        double heat = 1 - std::min(1.0, (q - Vec2(6.8, 4.7)).length() / 3.6);
        return opaque(SHOT_GLOW.mix(SHOT_CORE, heat));
    };
}
