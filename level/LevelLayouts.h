// level/LevelLayouts.h — the grid layout and start cell of every level of both sets, as pictures.
#pragma once

// The layouts cover columns 0..11 of the grid; every other cell is empty except where a layout
// has a full-width floor.
struct LevelLayouts {
    static constexpr int COLUMNS = 12;  // columns a layout picture covers
    static constexpr int ROWS = 7;      // rows of the grid, top row first

    struct Layout {
        int set;    // 0 the main set, 1 the second set
        int level;  // from 1
        int startX;
        int startY;
        // The bottom row is solid across every column of the grid, not only these twelve.
        bool fullWidthFloor;
        // One picture row per grid row, one character per column: '.' empty, '#' solid,
        // '=' one-way floor, 'E' the exit.
        const char* rows[ROWS];
    };

    // The layout of level `level` of set `set`; null for a level that does not exist.
    static const Layout* find(int set, int level);
    // The cell code a picture character stands for; -1 for a character no picture uses.
    static int cellCode(char picture);
};
