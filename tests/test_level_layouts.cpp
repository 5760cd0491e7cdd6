// tests/test_level_layouts.cpp — every level's grid cell by cell, its start cell, and what a fresh
// or reset level holds.
#include <gtest/gtest.h>

#include <string>

#include "level/Level.h"
#include "level/LevelLayouts.h"
#include "tests/LevelScene.h"

namespace {

struct LayoutCase {
    int set;
    int level;
    int startX;
    int startY;
    // Columns 0..11, top row first, in the letters of the level pictures: '.' empty, '#' solid,
    // '=' one-way floor, 'E' the exit. Spaces only line the columns up.
    const char* rows[7];
    bool fullWidthFloor;  // row 6 is solid in every column, not only in these twelve
};

// clang-format off
const LayoutCase kLayouts[] = {
    {0, 1, 6, 1, {".  .  .  .  .  .  .  .  .  .  .  .",
                  ".  .  #  .  .  .  .  .  .  .  .  .",
                  ".  #  .  #  #  #  #  #  #  .  #  .",
                  ".  .  .  .  .  .  .  .  .  .  .  .",
                  ".  .  .  .  .  .  .  .  .  .  .  .",
                  ".  .  #  #  #  #  #  #  #  #  #  .",
                  ".  .  .  .  .  .  .  .  .  .  .  ."}, false},
    {0, 2, 4, 2, {".  .  .  .  .  .  .  .  .  .  .  .",
                  ".  .  .  .  .  .  .  .  .  .  .  .",
                  ".  #  .  .  .  .  .  .  .  #  .  .",
                  ".  #  #  #  #  #  #  #  #  #  .  .",
                  ".  .  .  .  .  #  .  .  .  .  .  .",
                  ".  .  .  .  .  #  E  .  .  .  .  .",
                  ".  .  .  .  .  #  #  #  #  #  .  ."}, false},
    {0, 3, 3, 5, {".  .  .  .  .  .  .  .  .  .  .  .",
                  ".  .  .  .  .  .  .  E  .  .  .  .",
                  ".  .  .  .  .  .  =  #  .  .  .  .",
                  ".  .  .  =  =  =  #  #  .  .  .  .",
                  ".  .  =  =  =  #  #  #  .  .  .  .",
                  ".  =  #  =  #  #  #  #  .  .  .  .",
                  ".  .  #  #  #  #  #  #  .  .  .  ."}, false},
    {0, 4, 2, 5, {".  .  .  .  .  .  .  .  .  .  .  .",
                  ".  .  .  .  .  #  .  .  .  .  .  .",
                  ".  #  =  #  =  =  #  =  #  .  .  .",
                  ".  #  =  #  .  .  #  =  #  .  .  .",
                  ".  #  =  #  #  #  .  =  #  .  .  .",
                  ".  #  =  .  .  .  .  =  #  #  .  .",
                  "#  #  #  #  #  #  #  #  #  #  #  #"}, true},
    {1, 1, 7, 0, {".  .  .  .  .  .  .  .  .  .  .  .",
                  ".  .  .  .  #  #  #  #  .  .  .  .",
                  ".  .  .  .  #  .  .  .  .  .  .  .",
                  ".  .  .  .  #  .  .  .  .  .  .  .",
                  ".  .  .  .  .  .  .  .  .  .  .  .",
                  ".  .  .  .  .  #  .  E  .  .  .  .",
                  ".  .  .  #  #  #  #  #  .  .  .  ."}, false},
    {1, 2, 4, 0, {".  .  .  .  .  .  .  .  .  .  .  .",
                  ".  .  .  #  .  .  .  .  .  .  .  .",
                  ".  .  .  .  .  .  .  .  .  .  .  .",
                  ".  .  .  .  .  .  .  .  .  .  .  .",
                  ".  .  .  .  .  .  .  .  .  .  .  .",
                  ".  .  .  .  .  .  .  .  .  .  .  .",
                  "#  #  #  #  #  #  #  #  #  #  #  #"}, true},
    {1, 3, 7, 2, {".  .  .  .  .  .  .  .  .  .  .  .",
                  ".  .  .  .  .  .  .  .  .  .  .  .",
                  ".  .  .  .  .  .  .  .  .  #  .  .",
                  ".  E  .  .  .  .  .  #  #  .  .  .",
                  ".  #  #  #  #  #  .  .  #  .  .  .",
                  ".  .  .  .  .  .  .  .  .  .  .  .",
                  ".  .  .  .  .  .  .  .  .  .  .  ."}, false},
};
// clang-format on

// The cell the picture gives for (column, row): its letter in columns 0..11, empty beyond
// except for a full-width floor.
int Expected(const LayoutCase& c, int column, int row) {
    if (column < 12) {
        std::string letters;
        for (const char* p = c.rows[row]; *p != '\0'; ++p) {
            if (*p != ' ') letters += *p;
        }
        return leveltest::CellCode(letters.at(static_cast<size_t>(column)));
    }
    return c.fullWidthFloor && row == 6 ? CELL_SOLID : CELL_EMPTY;
}

void ExpectGrid(const Level& level, const LayoutCase& c, const char* when) {
    for (int row = 0; row < Level::m_GRID_ROWS; ++row) {
        for (int column = 0; column < Level::m_GRID_COLUMNS; ++column) {
            EXPECT_EQ(level.m_nGrid[column][row], Expected(c, column, row))
                << when << ": set " << c.set << " level " << c.level << " cell (" << column << ", "
                << row << ")";
        }
    }
}

TEST(LevelLayouts, EveryLevelHasItsCellsAndStartCell) {
    for (const LayoutCase& c : kLayouts) {
        Level level;
        level.m_nLevelSet = c.set;
        level.m_nLevel = c.level;
        level.setGrid();
        ExpectGrid(level, c, "written");
        EXPECT_EQ(level.m_nStartX, c.startX) << c.set << "/" << c.level;
        EXPECT_EQ(level.m_nStartY, c.startY) << c.set << "/" << c.level;
    }
}

TEST(LevelLayouts, AfterAResetTheNextLayoutKeepsNothingOfThePreviousOne) {
    // Building a level resets before writing its layout; the full-width floors of columns
    // 12..35 must go too.
    for (const LayoutCase& before : kLayouts) {
        for (const LayoutCase& after : kLayouts) {
            Level level;
            level.m_nLevelSet = before.set;
            level.m_nLevel = before.level;
            level.setGrid();
            level.reset();
            level.m_nLevelSet = after.set;
            level.m_nLevel = after.level;
            level.setGrid();
            ExpectGrid(level, after, "after another level");
        }
    }
}

TEST(LevelLayouts, TheStartCellsOfMainLevels3And4AreOneWayFloorsOverSolidCells) {
    for (int number : {3, 4}) {
        Level level;
        level.m_nLevel = number;
        level.setGrid();
        EXPECT_EQ(level.m_nGrid[level.m_nStartX][level.m_nStartY], CELL_TOP) << number;
        EXPECT_EQ(level.m_nGrid[level.m_nStartX][level.m_nStartY + 1], CELL_SOLID) << number;
    }
}

TEST(LevelLayouts, AFreshLevelIsLevel1OfTheMainSetWithAnEmptyGrid) {
    Level level;
    EXPECT_EQ(level.m_nLevel, 1);
    EXPECT_EQ(level.m_nLevelSet, 0);
    EXPECT_TRUE(level.getSliderL());
    EXPECT_FALSE(level.getPlatformOut());
    for (const auto& column : level.m_nGrid) {
        for (int code : column) EXPECT_EQ(code, CELL_EMPTY);
    }
}

TEST(LevelLayouts, ResetClearsThePerLevelStateAndKeepsSetLevelAndPlatformCell) {
    Level level;
    level.m_nLevelSet = 1;
    level.m_nLevel = 3;
    level.m_cGlideDir = 'u';
    level.m_nPlatformX = 7;
    level.m_nPlatformY = 2;
    level.m_nPlatformCell = CELL_TOP;
    level.m_bSliderL = false;
    level.m_bPlatformOut = true;
    level.m_bFinished = level.m_bGameOver = level.m_bFellOut = true;
    level.m_bHasSlider = level.m_bHasPlatform = level.m_bFlashWallOn = true;
    level.m_bTWallTimer = level.m_bTWall2Timer = true;
    level.m_nGameOverStart = level.m_nFinishStart = level.m_nFlashStart = 5;
    level.m_nTWallStart = level.m_nTWall2Start = 5;
    level.m_nGlideFrame = 4;
    level.m_bFalling = level.m_bSliding = level.m_bPlayerGliding = true;
    level.setGrid();
    level.reset();
    EXPECT_TRUE(level.m_bSliderL);
    EXPECT_FALSE(level.m_bPlatformOut || level.m_bFinished || level.m_bGameOver ||
                 level.m_bFellOut || level.m_bHasSlider || level.m_bHasPlatform ||
                 level.m_bFlashWallOn || level.m_bTWallTimer || level.m_bTWall2Timer ||
                 level.m_bFalling || level.m_bSliding || level.m_bPlayerGliding);
    EXPECT_EQ(level.m_nGameOverStart + level.m_nFinishStart + level.m_nFlashStart +
                  level.m_nTWallStart + level.m_nTWall2Start + level.m_nGlideFrame,
              0);
    EXPECT_EQ(level.m_nLevelSet, 1);
    EXPECT_EQ(level.m_nLevel, 3);
    EXPECT_EQ(level.m_cGlideDir, 'u');
    EXPECT_EQ(level.m_nPlatformX, 7);
    EXPECT_EQ(level.m_nPlatformY, 2);
    EXPECT_EQ(level.m_nPlatformCell, CELL_TOP);
    for (const auto& column : level.m_nGrid) {
        for (int code : column) EXPECT_EQ(code, CELL_EMPTY);
    }
}

TEST(LevelLayouts, EveryLevelOfBothSetsHasALayoutAndNoOtherDoes) {
    for (int set = 0; set <= 1; ++set) {
        const int levels = set == 0 ? kEdition.mainSetLevels : kEdition.secondSetLevels;
        for (int number = 0; number <= levels + 1; ++number) {
            const bool exists = number >= 1 && number <= levels;
            EXPECT_EQ(LevelLayouts::find(set, number) != nullptr, exists) << set << "/" << number;
        }
    }
}

}  // namespace
