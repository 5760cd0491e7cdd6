// assets/BlockPainter.cpp — shaders of the block and its gun, slider and platform panels.
#include "assets/BlockPainter.h"

#include <cmath>

#include "assets/Light.h"
#include "assets/Shape.h"

const double BlockPainter::HALF_SIDE = 19.0;

namespace {

using Fill = Canvas::Fill;

// Rounded corners keep the block inside its 50-pixel frame when it stands on a corner.
const double CORNER = 6.0;

const Color BLOCK_BODY(238, 136, 36);
const Color BLOCK_PLATE(214, 112, 26);
const Color BLOCK_BLADE(255, 222, 150);
const Color CORE_DARK(52, 36, 34);
const Color LENS(96, 226, 255);

const Color STEEL(112, 122, 140);
const Color STEEL_LIGHT(150, 160, 176);
const Color STEEL_DARK(70, 76, 90);
const Color EYE_RED(255, 72, 52);
const Color RUBBER(58, 58, 68);
const Color CLEAT(84, 84, 96);
const Color WHEEL(170, 174, 184);
const Color ARROW(190, 255, 70);
const Color HAZARD_YELLOW(236, 192, 40);
const Color HAZARD_BLACK(46, 42, 38);
const Color LAMP_AMBER(255, 150, 40);
const Color LAMP_GREEN(90, 255, 120);
const Color SLAB(124, 146, 178);

// Maps picture points to a part's own frame: turned by `angle`, centred and scaled.
struct Frame {
    Frame(Vec2 c, double angle, double s)
        : centre(c), scale(s), cosA(std::cos(angle)), sinA(std::sin(angle)) {}
    Vec2 local(Vec2 p) const {
        Vec2 d = p - centre;
        return Vec2(d.x * cosA + d.y * sinA, d.y * cosA - d.x * sinA) / scale;
    }
    Vec2 toPicture(Vec2 v) const { return Vec2(v.x * cosA - v.y * sinA, v.x * sinA + v.y * cosA); }

    Vec2 centre;
    double scale;
    double cosA, sinA;
};

// Colours `out` with a raised part if q lies inside `field`.
bool raised(const Frame& f, Vec2 q, const Shape::Field& field, Color base, double outline,
            double bevel, Color& out) {
    double d = field(q);
    if (d > 0) return false;
    out = Light::raised(base, -d, f.toPicture(Shape::normal(field, q)), outline, bevel);
    return true;
}

// A small glowing lamp: bright centre, a highlight toward the light, a dark rim.
bool lamp(const Frame& f, Vec2 q, Vec2 at, double radius, Color glow, Color& out) {
    double d = Shape::circle(q - at, radius);
    if (d > 0) return false;
    if (-d < 0.6) {
        out = glow * 0.35;
        return true;
    }
    Vec2 spot = f.toPicture(q - at) + Light::toward() * (-0.45 * radius);
    out = glow.lit(0.55 * (1 - std::min(1.0, spot.length() / (radius * 0.8))));
    return true;
}

Fill opaque(Color c) {
    return Fill{c, 1.0};
}

Fill gunAt(const Frame& f, Vec2 q) {
    Color c;
    if (lamp(f, q, Vec2(21.6, 0), 1.9, EYE_RED, c)) return opaque(c);
    auto muzzle = [](Vec2 v) { return Shape::roundBox(v - Vec2(28.6, 0), Vec2(1.2, 2.8), 0.6); };
    if (raised(f, q, muzzle, STEEL_DARK, 0.8, 0.8, c)) return opaque(c);
    auto barrel = [](Vec2 v) { return Shape::capsule(v, Vec2(24.0, 0), Vec2(28.0, 0), 2.0); };
    if (raised(f, q, barrel, STEEL_DARK, 0.8, 1.0, c)) return opaque(c);
    auto housing = [](Vec2 v) { return Shape::roundBox(v - Vec2(21.6, 0), Vec2(3.4, 10.5), 3.2); };
    if (raised(f, q, housing, STEEL, 0.9, 1.5, c)) return opaque(c);
    // Rotor pods at the ends: the gun pointing down is also the enemy's hovering drone.
    auto pods = [](Vec2 v) {
        return std::min(Shape::circle(v - Vec2(21.0, 11.0), 2.4),
                        Shape::circle(v - Vec2(21.0, -11.0), 2.4));
    };
    if (raised(f, q, pods, STEEL_DARK, 0.8, 1.0, c)) return opaque(c);
    auto dome = [](Vec2 v) { return Shape::circle(v - Vec2(19.2, 0), 6.0); };
    if (raised(f, q, dome, STEEL_LIGHT, 0.9, 1.5, c)) return opaque(c);
    return Fill{};
}

// Track direction: -1 drives toward -s (right along a floor), +1 toward +s, 0 shows no arrow.
Fill sliderAt(const Frame& f, Vec2 q, int drive) {
    Color c;
    const double mid = 22.6;
    if (drive != 0) {
        double tip = 5.2 * drive, back = -2.8 * drive;
        auto arrow = [=](Vec2 v) {
            return Shape::triangle(v, Vec2(mid, tip), Vec2(mid - 3.4, back), Vec2(mid + 3.4, back));
        };
        if (raised(f, q, arrow, ARROW, 0.5, 0.7, c)) return opaque(c);
    }
    auto wheels = [=](Vec2 v) {
        double d = std::min(Shape::circle(v - Vec2(mid, 8.4), 2.6),
                            Shape::circle(v - Vec2(mid, -8.4), 2.6));
        if (drive == 0) d = std::min(d, Shape::circle(v - Vec2(mid, 0), 2.6));
        return d;
    };
    if (raised(f, q, wheels, WHEEL, 0.7, 0.9, c)) {
        // Hubs, so the wheels read as wheels.
        double hub = std::min({(q - Vec2(mid, 8.4)).length(), (q - Vec2(mid, -8.4)).length(),
                               drive == 0 ? (q - Vec2(mid, 0)).length() : 9.0});
        return opaque(hub < 0.9 ? STEEL_DARK : c);
    }
    auto belt = [=](Vec2 v) { return Shape::roundBox(v - Vec2(mid, 0), Vec2(3.9, 12.0), 3.9); };
    double d = belt(q);
    if (d <= 0) {
        // Cleats on the belt's rim.
        bool rim = -d > 0.9 && -d < 1.9;
        bool cleat = rim && std::fmod(std::fabs(q.y) + std::fabs(q.x - mid) + 30.0, 3.0) < 1.3;
        raised(f, q, belt, cleat ? CLEAT : RUBBER, 0.9, 1.0, c);
        return opaque(c);
    }
    auto mount = [](Vec2 v) { return Shape::roundBox(v - Vec2(17.6, 0), Vec2(2.0, 9.0), 1.0); };
    if (raised(f, q, mount, STEEL, 0.8, 0.9, c)) return opaque(c);
    return Fill{};
}

Fill platformAt(const Frame& f, Vec2 q, bool out) {
    Color c;
    if (lamp(f, q, Vec2(20.6, 0), 1.6, out ? LAMP_GREEN : LAMP_AMBER, c)) return opaque(c);
    if (out) {
        auto plate = [](Vec2 v) {
            return Shape::roundBox(v - Vec2(27.7, 0), Vec2(1.8, 12.0), 0.8);
        };
        double d = plate(q);
        if (d <= 0) {
            bool hazard = std::fabs(q.y) > 8.0 && std::fmod(q.y + q.x + 40.0, 3.0) < 1.5;
            raised(f, q, plate, hazard ? HAZARD_YELLOW : SLAB, 0.8, 0.8, c);
            return opaque(c);
        }
        auto arms = [](Vec2 v) {
            return std::min(Shape::capsule(v, Vec2(23.5, 5.5), Vec2(26.5, 7.5), 0.9),
                            Shape::capsule(v, Vec2(23.5, -5.5), Vec2(26.5, -7.5), 0.9));
        };
        if (raised(f, q, arms, STEEL_DARK, 0.6, 0.6, c)) return opaque(c);
    }
    double outer = out ? 24.5 : 25.5;
    double mid = (17.5 + outer) / 2, half = (outer - 17.5) / 2;
    auto housing = [=](Vec2 v) { return Shape::roundBox(v - Vec2(mid, 0), Vec2(half, 9.0), 1.5); };
    double d = housing(q);
    if (d <= 0) {
        bool band = q.x > outer - 2.4;
        bool hazard = band && std::fmod(q.y - q.x + 40.0, 3.2) < 1.6;
        raised(f, q, housing, hazard ? HAZARD_BLACK : HAZARD_YELLOW, 0.9, 1.2, c);
        return opaque(c);
    }
    return Fill{};
}

}  // namespace

double BlockPainter::extent(double turn) {
    double straight = HALF_SIDE - CORNER;
    return 2 * (straight * (std::fabs(std::cos(turn)) + std::fabs(std::sin(turn))) + CORNER);
}

Canvas::Shader BlockPainter::block(double turn, Vec2 centre, double scale) {
    Frame f(centre, turn, scale);
    return [f](Vec2 p) -> Fill {
        Vec2 q = f.local(p);
        auto body = [](Vec2 v) { return Shape::roundBox(v, Vec2(HALF_SIDE, HALF_SIDE), CORNER); };
        double d = body(q);
        if (d > 0) return Fill{};
        Color c;
        if (lamp(f, q, Vec2(0, 0), 2.3, LENS, c)) return opaque(c);
        if (Shape::circle(q, 3.6) <= 0) return opaque(CORE_DARK);
        // Four pinwheel blades: the pattern turns visibly as the block rolls.
        auto blades = [](Vec2 v) {
            double d = 1e9;
            for (int i = 0; i < 4; ++i) {
                Vec2 r = v.rotated(-i * M_PI / 2);
                d = std::min(d, Shape::capsule(r, Vec2(4.8, -1.4), Vec2(9.4, -6.6), 2.1));
            }
            return d;
        };
        if (raised(f, q, blades, BLOCK_BLADE, 0.7, 0.9, c)) return opaque(c);
        auto plate = [](Vec2 v) { return Shape::roundBox(v, Vec2(12.0, 12.0), 3.0); };
        double dp = plate(q);
        // Light falls on the whole face a little more at its top-left.
        Vec2 rel = (p - f.centre) / (f.scale * HALF_SIDE * 1.5);
        double sheen = 0.10 * rel.dot(Light::toward());
        if (dp <= 0) {
            Color base = BLOCK_PLATE.lit(sheen);
            return opaque(Light::sunken(base, -dp, f.toPicture(Shape::normal(plate, q)), 1.3));
        }
        return opaque(Light::raised(BLOCK_BODY.lit(sheen), -d, f.toPicture(Shape::normal(body, q)),
                                    1.2, 3.4));
    };
}

Canvas::Shader BlockPainter::panel(PanelLook look, double face, Vec2 centre, double scale) {
    Frame f(centre, face, scale);
    return [f, look](Vec2 p) -> Fill {
        Vec2 q = f.local(p);
        switch (look) {
            case GUN_LOOK:
                return gunAt(f, q);
            case SLIDER_LOOK:
                return sliderAt(f, q, 0);
            case SLIDER_DRIVES_RIGHT_LOOK:
                return sliderAt(f, q, -1);
            case SLIDER_DRIVES_LEFT_LOOK:
                return sliderAt(f, q, 1);
            case PLATFORM_FOLDED_LOOK:
                return platformAt(f, q, false);
            case PLATFORM_OUT_LOOK:
                return platformAt(f, q, true);
        }
        return Fill{};
    };
}
