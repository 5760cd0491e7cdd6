// level/LevelPopulation.cpp — the creation lists of the seven levels.
#include "level/LevelPopulation.h"

#include <iterator>

namespace {

using Link = LevelPopulation::Link;
using Placement = LevelPopulation::Placement;

// One object the scripts do not refer to.
constexpr Placement Tile(ObjectType kind, int x, int y) {
    return {kind, x, y, 1, 0, 'r', Link::None, 0};
}
// `count` objects in a row, one cell apart, left to right.
constexpr Placement Row(ObjectType kind, int x, int y, int count) {
    return {kind, x, y, count, 0, 'r', Link::None, 0};
}
// One object whose slot the manager keeps in `link`.
constexpr Placement Linked(ObjectType kind, int x, int y, Link link) {
    return {kind, x, y, 1, 0, 'r', link, 0};
}
// A side panel on face `side` of the block anchored at (x, y).
constexpr Placement Panel(ObjectType kind, int x, int y, char side, Link link) {
    return {kind, x, y, 1, 0, side, link, 0};
}
// The enemy drone, flying sideways at `xspeed`.
constexpr Placement Drone(int x, int y, int xspeed) {
    return {ENEMY, x, y, 1, xspeed, 'r', Link::Enemy, 0};
}
// No object: `link` is given the plain slot number `slot`.
constexpr Placement LinkTo(Link link, int slot) {
    return {WALL, 0, 0, 0, 0, 'r', link, slot};
}
// No object: the slider link is pointed away from every panel but possibly the gun.
constexpr Placement NoSlider() {
    return {WALL, 0, 0, 0, 0, 'r', Link::SliderAway, 0};
}

template <std::size_t N>
LevelPopulation::List ListOf(const Placement (&placements)[N]) {
    return {placements, placements + N};
}

// clang-format off
const Placement kEveryLevel[] = {
    Tile(FOREGROUND_LEFT, 0, 479),
    Tile(FOREGROUND_RIGHT, 684, 479),
};

// Main set, level 1 (cell (0, 0) anchored at (54, 195)).
const Placement kMain1[] = {
    Tile(WALL, 92, 271),                       // row 2: columns 1, 3..8 and 10
    Row(WALL, 168, 271, 6),
    Tile(WALL, 434, 271),
    Linked(BLOCK, 282, 233, Link::Current),    // (6, 1)
    Panel(GUN, 282, 233, 'r', Link::Gun),
    NoSlider(),
    Linked(TELA_WALL, 130, 233, Link::TelaWall),  // (2, 1)
    Row(WALL, 130, 385, 9),                    // row 5: columns 2..10
    Tile(BUTTON_WALL, 519, 232),
    Linked(LEFT_BUTTON, 500, 219, Link::Button1),
    Tile(BUTTON_WALL, 2, 232),
    Linked(RIGHT_BUTTON, 20, 219, Link::Button2),
    Tile(BUTTON_WALL, 244, 149),               // above column 5
    Linked(BOTTOM_BUTTON, 244, 151, Link::Button3),
};

// Main set, level 2 (cell (0, 0) anchored at (54, 157)).
const Placement kMain2[] = {
    Row(WALL, 92, 271, 4),                     // row 3: columns 1..9, a shaft in column 5
    Tile(HOLE_WALL_V, 244, 271),
    Row(WALL, 282, 271, 4),
    Linked(BLOCK, 206, 233, Link::Current),    // (4, 2)
    Panel(GUN, 206, 233, 'r', Link::Gun),
    NoSlider(),
    Linked(TELA_WALL, 396, 233, Link::TelaWall),  // (9, 2)
    Tile(HOLE_WALL_H, 92, 233),                // (1, 2)
    Tile(HOLE_WALL_V, 244, 309),               // (5, 4)
    LinkTo(Link::Button1, 0),
    Tile(BUTTON_WALL, 2, 233),
    Linked(RIGHT_BUTTON, 20, 220, Link::Button2),
    Tile(BUTTON_WALL, 244, 347),               // (5, 5)
    Linked(TOP_BUTTON, 244, 312, Link::Button3),
    Row(WALL, 244, 385, 5),                    // row 6: columns 5..9
    Tile(END_MARKER, 282, 353),                // the exit (6, 5)
};

// Main set, level 3 (cell (0, 0) anchored at (-22, 143)).
const Placement kMain3[] = {
    Tile(WALL, 54, 371),                       // (2, 6)
    Tile(WALL, 54, 333),                       // (2, 5)
    Tile(TOP_WALL, 16, 333),                   // (1, 5)
    Tile(WALL, 92, 371),                       // (3, 6)
    Tile(TOP_WALL, 92, 333),                   // (3, 5)
    Row(WALL, 130, 371, 4),                    // row 6: columns 4..7
    Row(WALL, 130, 333, 4),                    // row 5: columns 4..7
    Row(TOP_WALL, 54, 295, 3),                 // row 4: columns 2..4
    Row(WALL, 168, 295, 3),                    //        columns 5..7
    Row(TOP_WALL, 92, 257, 3),                 // row 3: columns 3..5
    Row(WALL, 206, 257, 2),                    //        columns 6..7
    Tile(TOP_WALL, 206, 219),                  // (6, 2)
    Tile(WALL, 244, 219),                      // (7, 2)
    Tile(END_MARKER, 244, 187),                // the exit (7, 1)
    Linked(BLOCK, 92, 333, Link::Current),     // (3, 5)
    Panel(SLIDER, 92, 333, 'l', Link::Slider),
    Panel(GUN, 92, 333, 'r', Link::Gun),
};

// Main set, level 4 (cell (0, 0) anchored at (16, 143)).
const Placement kMain4[] = {
    Row(WALL, 54, 371, 36),                    // row 6: the floor round the whole world
    Tile(WALL, 54, 333),                       // column 1, rows 5..2
    Tile(WALL, 54, 295),
    Tile(WALL, 54, 257),
    Tile(WALL, 54, 219),
    Tile(HOLE_WALL_H, 320, 333),               // column 8, rows 5..2
    Tile(WALL, 320, 295),
    Tile(WALL, 320, 257),
    Tile(WALL, 320, 219),
    Tile(BUTTON_WALL, 358, 333),               // (9, 5)
    Linked(LEFT_BUTTON, 340, 322, Link::Button1),
    Tile(TOP_WALL, 92, 333),                   // column 2, rows 5..2
    Tile(TOP_WALL, 92, 295),
    Tile(TOP_WALL, 92, 257),
    Tile(TOP_WALL, 92, 219),
    Tile(TOP_WALL, 282, 333),                  // column 7, rows 5..2
    Tile(TOP_WALL, 282, 295),
    Tile(TOP_WALL, 282, 257),
    Tile(TOP_WALL, 282, 219),
    Tile(HOLE_WALL_H, 130, 295),               // (3, 4)
    Tile(WALL, 168, 295),                      // (4, 4)
    Linked(LEFT_BUTTON, 150, 282, Link::Button2),
    Tile(WALL, 206, 295),                      // (5, 4)
    Tile(WALL, 130, 257),                      // (3, 3)
    Tile(WALL, 130, 219),                      // (3, 2)
    Tile(TOP_WALL, 168, 219),                  // (4, 2)
    Tile(TOP_WALL, 206, 219),                  // (5, 2)
    Tile(WALL, 244, 257),                      // (6, 3)
    Tile(WALL, 244, 219),                      // (6, 2)
    Tile(WALL, 206, 181),                      // (5, 1)
    Linked(BLOCK, 92, 333, Link::Current),     // (2, 5)
    Panel(SLIDER, 92, 333, 'b', Link::Slider),
    Panel(PLATFORM_PANEL, 92, 333, 'l', Link::PlatformP),
    Panel(GUN, 92, 333, 't', Link::Gun),
};

// Second set, level 1 (cell (0, 0) anchored at (16, 233)).
const Placement kSecond1[] = {
    Tile(BUTTON_WALL, 539, 233),
    Tile(HOLE_WALL_H, 501, 233),               // the flashing wall stands here
    Linked(TELA_WALL, 168, 271, Link::TelaWall),  // (4, 1)
    Row(WALL, 206, 271, 3),                    // row 1: columns 5..7
    Linked(BLOCK, 282, 233, Link::Current),    // (7, 0)
    Panel(GUN, 282, 233, 'r', Link::Gun),
    NoSlider(),
    Linked(TELA_WALL, 206, 423, Link::TelaWall2),  // (5, 5)
    Row(WALL, 130, 461, 4),                    // row 6: columns 3..6
    Tile(WALL, 282, 461),                      //        column 7
    Tile(END_MARKER, 282, 429),                // the exit (7, 5)
    LinkTo(Link::Button1, 0),
    LinkTo(Link::Button2, 0),
    Linked(LEFT_BUTTON, 520, 220, Link::Button3),
    Tile(HOLE_WALL_V, 168, 309),               // (4, 2)
    Tile(WALL, 206, 461),                      // (5, 6) a second time
    Tile(WALL, 168, 347),                      // (4, 3)
    Linked(TOP_BUTTON, 168, 312, Link::Button2),
};

// Second set, level 2 (cell (0, 0) anchored at (130, 233)). The script removes floor walls by
// their object slots: 3 + i holds the wall of column (i + 2) mod 36.
const Placement kSecond2[] = {
    Linked(BLOCK, 282, 233, Link::Current),    // (4, 0)
    Panel(GUN, 282, 233, 'r', Link::Gun),
    Panel(PLATFORM_PANEL, 282, 233, 't', Link::PlatformP),
    Panel(SLIDER, 282, 233, 'l', Link::Slider),
    Linked(TELA_WALL, 1130, 233, Link::TelaWall),  // stops bullets only
    Row(WALL, 206, 461, 36),                   // row 6: the floor round the whole world
    Drone(20, 200, 2),
    Tile(BUTTON_WALL, 244, 149),               // above column 3
    LinkTo(Link::Button1, 0),
    LinkTo(Link::Button2, 0),
    Linked(BOTTOM_BUTTON, 244, 151, Link::Button3),
};

// Second set, level 3 (cell (0, 0) anchored at (54, 157)). Rows 4 and 5 of the tiles differ
// from the grid.
const Placement kSecond3[] = {
    Linked(BLOCK, 320, 233, Link::Current),    // (7, 2)
    Panel(GUN, 320, 233, 'r', Link::Gun),
    NoSlider(),
    Drone(20, 70, 4),
    Tile(WALL, 92, 309),                       // (1, 4)
    Tile(END_MARKER, 92, 277),                 // the exit (1, 3)
    Tile(BUTTON_WALL, 92, 347),                // (1, 5)
    Tile(WALL, 130, 309),                      // (2, 4)
    Tile(BUTTON_WALL, 130, 347),               // (2, 5)
    Tile(BUTTON_WALL, 168, 347),               // (3, 5)
    Tile(HOLE_WALL_V, 206, 309),               // (4, 4)
    Tile(BUTTON_WALL, 206, 347),               // (4, 5)
    Tile(WALL, 244, 309),                      // (5, 4)
    Tile(BUTTON_WALL, 244, 347),               // (5, 5)
    Tile(WALL, 282, 309),                      // (6, 4)
    Tile(BUTTON_WALL, 282, 347),               // (6, 5)
    Linked(TELA_WALL, 168, 309, Link::TelaWall),  // (3, 4)
    Tile(HOLE_WALL_H, 396, 233),               // (9, 2)
    Tile(BUTTON_WALL, 434, 233),               // (10, 2)
    Tile(WALL, 320, 271),                      // column 7, rows 3..5
    Tile(WALL, 320, 309),
    Tile(WALL, 320, 347),
    Tile(HOLE_WALL_V, 358, 271),               // column 8, rows 3 and 4
    Tile(HOLE_WALL_V, 358, 309),
    Tile(BUTTON_WALL, 358, 347),               // (8, 5)
    Linked(TOP_BUTTON, 358, 312, Link::Button2),
    Linked(LEFT_BUTTON, 415, 219, Link::Button1),
    Linked(TOP_BUTTON, 206, 312, Link::Button3),
};
// clang-format on

}  // namespace

LevelPopulation::List LevelPopulation::everyLevel() {
    return ListOf(kEveryLevel);
}

LevelPopulation::List LevelPopulation::of(int set, int level) {
    static const struct {
        int set;
        int level;
        List list;
    } kLevels[] = {
        {0, 1, ListOf(kMain1)},   {0, 2, ListOf(kMain2)},   {0, 3, ListOf(kMain3)},
        {0, 4, ListOf(kMain4)},   {1, 1, ListOf(kSecond1)}, {1, 2, ListOf(kSecond2)},
        {1, 3, ListOf(kSecond3)},
    };
    for (const auto& entry : kLevels) {
        if (entry.set == set && entry.level == level) return entry.list;
    }
    return {nullptr, nullptr};
}
