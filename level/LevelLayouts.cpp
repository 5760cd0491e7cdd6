// level/LevelLayouts.cpp — the seven level layouts.
#include "level/LevelLayouts.h"

namespace {

using Layout = LevelLayouts::Layout;

// clang-format off
const Layout kLayouts[] = {
    // Main set, level 1: buttons close the gap in row 2, clear the way along row 1 and open an
    // exit in column 0.
    {0, 1, 6, 1, false, {
        "............",
        "..#.........",
        ".#.######.#.",
        "............",
        "............",
        "..#########.",
        "............"}},
    // Main set, level 2: the timed walls.
    {0, 2, 4, 2, false, {
        "............",
        "............",
        ".#.......#..",
        ".#########..",
        ".....#......",
        ".....#E.....",
        ".....#####.."}},
    // Main set, level 3: a staircase of one-way floors, climbed with the slider. The block
    // starts inside the one-way floor at (3, 5).
    {0, 3, 3, 5, false, {
        "............",
        ".......E....",
        "......=#....",
        "...===##....",
        "..===###....",
        ".=#=####....",
        "..######...."}},
    // Main set, level 4: slider, platform panel and the flashing wall. The block starts inside
    // the one-way floor at (2, 5).
    {0, 4, 2, 5, true, {
        "............",
        ".....#......",
        ".#=#==#=#...",
        ".#=#..#=#...",
        ".#=###.=#...",
        ".#=....=##..",
        "############"}},
    // Second set, level 1: the flashing wall guards the button that opens row 1.
    {1, 1, 7, 0, false, {
        "............",
        "....####....",
        "....#.......",
        "....#.......",
        "............",
        ".....#.E....",
        "...#####...."}},
    // Second set, level 2: the block drops onto a floor round the whole world; (3, 1) is a
    // solid cell no tile is drawn in.
    {1, 2, 4, 0, true, {
        "............",
        "...#........",
        "............",
        "............",
        "............",
        "............",
        "############"}},
    // Second set, level 3: the grid differs from the tiles drawn; movement follows the grid.
    {1, 3, 7, 2, false, {
        "............",
        "............",
        ".........#..",
        ".E.....##...",
        ".#####..#...",
        "............",
        "............"}},
};
// clang-format on

}  // namespace

const LevelLayouts::Layout* LevelLayouts::find(int set, int level) {
    for (const Layout& layout : kLayouts) {
        if (layout.set == set && layout.level == level) return &layout;
    }
    return nullptr;
}

int LevelLayouts::cellCode(char picture) {
    switch (picture) {
        case '.':
            return 0;
        case '#':
            return 1;
        case '=':
            return 2;
        case 'E':
            return 3;
        default:
            return -1;
    }
}
