// gfx/SpriteTable.cpp — frame counts, sizes and sheet positions of all 24 sprites.
#include "gfx/SpriteTable.h"

namespace {

// Cells are 2 pixels apart (1 from the sheet's top and left edges), so a row of frames steps by
// the frame size plus 2.
// clang-format off
const SpriteTable::Row ROWS[SpriteTable::SLOT_COUNT] = {
    // kind                 frames  w    h   sheet          frame positions
    {WALL,                  1,  38,  38, SPRITES_SHEET, {{1, 53}}},
    {BUTTON_WALL,           1,  38,  38, SPRITES_SHEET, {{1, 53}}},  // the picture of WALL
    {TOP_WALL,              1,  38,  38, SPRITES_SHEET, {{1, 133}}},
    {TELA_WALL,             1,  38,  38, SPRITES_SHEET, {{41, 53}}},
    {PLATFORM_H,            1,  38,  38, SPRITES_SHEET, {{1, 173}}},
    {PLATFORM_V,            1,  38,  38, SPRITES_SHEET, {{41, 173}}},
    {BLOCK,                 4,  50,  50, SPRITES_SHEET, {{1, 1}, {53, 1}, {105, 1}, {157, 1}}},
    {FOREGROUND_LEFT,       1, 684, 162, FRONT_SHEET,   {{0, 0}}},
    {FOREGROUND_RIGHT,      1, 684, 162, FRONT_SHEET,   {{684, 0}}},
    {GAME_OVER_BANNER,      1, 113,  36, SPRITES_SHEET, {{81, 53}}},
    {END_MARKER,            1,  28,   7, SPRITES_SHEET, {{813, 1}}},
    {LEVEL_COMPLETE_BANNER, 1, 113,  36, SPRITES_SHEET, {{81, 91}}},
    {BULLET,                4,  10,  10, SPRITES_SHEET, {{721, 1}, {733, 1}, {745, 1}, {757, 1}}},
    {ENEMY_BULLET,          4,  10,  10, SPRITES_SHEET, {{721, 1}, {733, 1}, {745, 1}, {757, 1}}},
    {GUN,                  16,  30,  30, SPRITES_SHEET, {{209, 1}, {241, 1}, {273, 1}, {305, 1},
                                                         {337, 1}, {369, 1}, {401, 1}, {433, 1},
                                                         {465, 1}, {497, 1}, {529, 1}, {561, 1},
                                                         {593, 1}, {625, 1}, {657, 1}, {689, 1}}},
    {SLIDER,               16,  30,  30, SPRITES_SHEET, {{209, 33}, {241, 33}, {273, 33}, {305, 33},
                                                         {337, 33}, {369, 33}, {401, 33}, {433, 33},
                                                         {465, 33}, {497, 33}, {529, 33}, {561, 33},
                                                         {593, 33}, {625, 33}, {657, 33}, {689, 33}}},
    {PLATFORM_PANEL,       16,  30,  30, SPRITES_SHEET, {{209, 65}, {241, 65}, {273, 65}, {305, 65},
                                                         {337, 65}, {369, 65}, {401, 65}, {433, 65},
                                                         {465, 65}, {497, 65}, {529, 65}, {561, 65},
                                                         {593, 65}, {625, 65}, {657, 65}, {689, 65}}},
    {LEFT_BUTTON,           2,   5,  12, SPRITES_SHEET, {{769, 1}, {776, 1}}},
    {RIGHT_BUTTON,          2,   5,  12, SPRITES_SHEET, {{783, 1}, {790, 1}}},
    {TOP_BUTTON,            2,  12,   5, SPRITES_SHEET, {{799, 15}, {799, 22}}},
    {BOTTOM_BUTTON,         2,  12,   5, SPRITES_SHEET, {{799, 1}, {799, 8}}},
    {HOLE_WALL_V,           1,  38,  38, SPRITES_SHEET, {{1, 93}}},
    {HOLE_WALL_H,           1,  38,  38, SPRITES_SHEET, {{41, 93}}},
    {ENEMY,                 1,  30,  30, SPRITES_SHEET, {{337, 1}}},  // GUN's frame 4, pointing down
};

// SLIDER's resting frames 0, 4, 8, 12 (right, bottom, left, top face) for each track direction.
const SheetPoint SLIDER_DRIVES_RIGHT[SpriteTable::FACE_COUNT] = {{1, 379}, {33, 379}, {65, 379}, {97, 379}};
const SheetPoint SLIDER_DRIVES_LEFT[SpriteTable::FACE_COUNT]  = {{1, 411}, {33, 411}, {65, 411}, {97, 411}};

// PLATFORM_PANEL's 16 frames while a platform is out.
const SheetPoint PLATFORM_OUT[SpriteTable::MAX_FRAMES] = {
    {209, 97}, {241, 97}, {273, 97}, {305, 97}, {337, 97}, {369, 97}, {401, 97}, {433, 97},
    {465, 97}, {497, 97}, {529, 97}, {561, 97}, {593, 97}, {625, 97}, {657, 97}, {689, 97}};

// Draw offset of a side panel from the block's anchor, by frame (sixteenths of a turn clockwise
// from the right face), so that the panel rides round the block as it rolls.
const SheetPoint PANEL_OFFSET[SpriteTable::MAX_FRAMES] = {
    {16, -4},  {17, -6},   {14, -2},   {9, 2},     {0, 12},  {-7, 6},   {-12, 2},   {-15, -2},
    {-16, -4}, {-15, -16}, {-12, -22}, {-7, -24},  {0, -20}, {6, -24},  {11, -22},  {15, -16}};
// clang-format on

}  // namespace

const SpriteTable::Row& SpriteTable::row(int slot) {
    return ROWS[slot];
}

SheetPoint SpriteTable::sliderRest(int face, bool drivesRight) {
    return drivesRight ? SLIDER_DRIVES_RIGHT[face] : SLIDER_DRIVES_LEFT[face];
}

SheetPoint SpriteTable::platformOut(int frame) {
    return PLATFORM_OUT[frame];
}

SheetPoint SpriteTable::panelOffset(int frame) {
    return PANEL_OFFSET[frame];
}

const char* SpriteTable::fileName(SpriteSheet sheet) {
    return sheet == FRONT_SHEET ? "front2.bmp" : "sprites2.bmp";
}
