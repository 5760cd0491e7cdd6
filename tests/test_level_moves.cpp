// tests/test_level_moves.cpp — the grid tests for rolling, sliding and pushing, and the slider and
// platform actions, case by case: rows 0 and 6, the wrap at columns 0 and 35, free movement.
#include <gtest/gtest.h>

#include <string>

#include "app/Globals.h"
#include "level/Level.h"
#include "objects/CObject.h"
#include "objects/CObjectManager.h"
#include "objects/Player.h"
#include "objects/SidePanel.h"
#include "tests/LevelScene.h"

namespace {

using leveltest::kCell;
using leveltest::LevelScene;

// The block's cell and the eight around it, top row first, columns xpos-1..xpos+1 (taken round
// the world), in the level pictures' letters; the middle letter is the block's own cell. A row
// outside the grid is written as spaces.
struct Around {
    int x;
    int y;
    const char* rows[3];
};

// Empties `level`'s grid, writes the cells around the block and puts the block there.
void Place(Level& level, const Around& around) {
    level.reset();
    for (int r = 0; r < 3; ++r) {
        const int row = around.y - 1 + r;
        const std::string letters = around.rows[r];
        for (int c = 0; c < 3; ++c) {
            const int column = (around.x - 1 + c + Level::m_GRID_COLUMNS) % Level::m_GRID_COLUMNS;
            if (row < 0 || row >= Level::m_GRID_ROWS) {
                ASSERT_EQ(letters[c], ' ') << "row " << row << " is outside the grid";
                continue;
            }
            level.m_nGrid[column][row] = leveltest::CellCode(letters[c]);
        }
    }
    xpos = around.x;
    ypos = around.y;
}

std::string Describe(const Around& a) {
    return "block (" + std::to_string(a.x) + ", " + std::to_string(a.y) + ") [" + a.rows[0] + "|" +
           a.rows[1] + "|" + a.rows[2] + "]";
}

class LevelRules : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobalState(); }
    void TearDown() override { ResetGlobalState(); }
    Level level;
};

TEST_F(LevelRules, CanMoveNeedsTheTargetTheCellAboveAndTheUpperDiagonalFreeOfWalls) {
    struct Case {
        Around around;
        char direction;
        bool allowed;
    };
    // clang-format off
    const Case cases[] = {
        {{5, 3, {"...", "...", "###"}}, 'r', true},
        {{5, 3, {"...", "..#", "###"}}, 'r', false},   // the target is a wall
        {{5, 3, {".#.", "...", "###"}}, 'r', false},   // a wall above the block
        {{5, 3, {"..#", "...", "###"}}, 'r', false},   // a wall above the target
        {{5, 3, {"#..", "#..", "###"}}, 'r', true},    // walls on the other side do not count
        {{5, 3, {"...", "#..", "###"}}, 'l', false},
        {{5, 3, {".#.", "...", "###"}}, 'l', false},
        {{5, 3, {"#..", "...", "###"}}, 'l', false},
        {{5, 3, {"..#", "..#", "###"}}, 'l', true},
        {{5, 3, {"===", "=.=", "###"}}, 'r', true},    // one-way floors never block a roll
        {{5, 3, {"===", "=.=", "###"}}, 'l', true},
        {{5, 3, {"...", "..E", "###"}}, 'r', true},    // the exit is free space
        {{5, 0, {"   ", "...", "###"}}, 'r', true},    // row 0: only the target counts
        {{5, 0, {"   ", "..#", "###"}}, 'r', false},
        {{5, 0, {"   ", "#..", "###"}}, 'l', false},
        {{5, 6, {"...", "...", "   "}}, 'r', true},    // row 6 has no row below to read
        {{35, 3, {"...", "..#", "###"}}, 'r', false},  // right of column 35 is column 0
        {{35, 3, {"..#", "...", "###"}}, 'r', false},
        {{0, 3, {"...", "#..", "###"}}, 'l', false},   // left of column 0 is column 35
        {{0, 3, {"#..", "...", "###"}}, 'l', false},
        {{0, 3, {"...", "...", "###"}}, 'l', true},
        {{5, 3, {"###", "###", "###"}}, 'u', true},    // not a roll: no test
        {{5, 3, {"###", "###", "###"}}, 'd', true},
    };
    // clang-format on
    for (const Case& c : cases) {
        Place(level, c.around);
        EXPECT_EQ(level.canMove(c.direction), c.allowed)
            << Describe(c.around) << " direction " << c.direction;
    }
}

TEST_F(LevelRules, CanSlideFollowsTheSlidersFaceAndTrack) {
    struct Case {
        Around around;
        char direction;  // the track
        char face;       // where the slider is
        char glide;      // 0: refused
    };
    // clang-format off
    const Case cases[] = {
        // Track 'r': right along a floor, left along a ceiling, up a wall on the right.
        {{5, 3, {"...", "...", ".#."}}, 'r', 'b', 'r'},
        {{5, 3, {"...", "...", ".=."}}, 'r', 'b', 'r'},   // a one-way floor carries it too
        {{5, 3, {"...", "..#", ".#."}}, 'r', 'b', 0},     // a wall ahead
        {{5, 3, {"...", "..=", ".#."}}, 'r', 'b', 'r'},   // a one-way floor ahead does not stop it
        {{5, 3, {"...", "...", "#.#"}}, 'r', 'b', 0},     // nothing under the slider
        {{5, 6, {"...", "...", "   "}}, 'r', 'b', 0},     // row 6: no floor below
        {{35, 3, {"...", "..#", ".#."}}, 'r', 'b', 0},    // the wall ahead is in column 0
        {{5, 3, {".#.", "...", "..."}}, 'r', 't', 'l'},
        {{5, 3, {".#.", "#..", "..."}}, 'r', 't', 0},     // a wall behind
        {{5, 3, {".=.", "...", "..."}}, 'r', 't', 0},     // a one-way floor is no ceiling
        {{5, 0, {"   ", "...", "..."}}, 'r', 't', 0},     // row 0: no ceiling
        {{0, 3, {".#.", "#..", "..."}}, 'r', 't', 0},     // the wall behind is in column 35
        {{5, 3, {"...", "..#", "..."}}, 'r', 'r', 'u'},
        {{5, 3, {".#.", "..#", "..."}}, 'r', 'r', 0},     // a wall above
        {{5, 3, {"...", "..=", "..."}}, 'r', 'r', 0},     // a one-way floor is no wall
        {{5, 0, {"   ", "..#", "..."}}, 'r', 'r', 0},     // row 0: no row above
        {{35, 3, {"...", "..#", "..."}}, 'r', 'r', 'u'},  // the wall in column 0
        {{5, 3, {"...", "#..", "..."}}, 'r', 'l', 0},     // never
        {{5, 3, {".#.", "#.#", ".#."}}, 'r', 'l', 0},
        // Track 'l': the mirror image.
        {{5, 3, {"...", "...", ".#."}}, 'l', 'b', 'l'},
        {{5, 3, {"...", "#..", ".#."}}, 'l', 'b', 0},
        {{0, 3, {"...", "#..", ".#."}}, 'l', 'b', 0},     // the wall ahead is in column 35
        {{5, 3, {".#.", "...", "..."}}, 'l', 't', 'r'},
        {{5, 3, {".#.", "..#", "..."}}, 'l', 't', 0},
        {{5, 0, {"   ", "...", "..."}}, 'l', 't', 0},
        {{5, 3, {"...", "#..", "..."}}, 'l', 'l', 'u'},
        {{5, 3, {".#.", "#..", "..."}}, 'l', 'l', 0},
        {{5, 0, {"   ", "#..", "..."}}, 'l', 'l', 0},
        {{0, 3, {"...", "#..", "..."}}, 'l', 'l', 'u'},
        {{5, 3, {"...", "..#", "..."}}, 'l', 'r', 0},     // never
    };
    // clang-format on
    for (const Case& c : cases) {
        Place(level, c.around);
        level.m_cGlideDir = '?';
        const bool allowed = level.canSlide(c.direction, c.face);
        EXPECT_EQ(allowed, c.glide != 0)
            << Describe(c.around) << " track " << c.direction << " face " << c.face;
        EXPECT_EQ(level.m_cGlideDir, c.glide != 0 ? c.glide : '?')
            << Describe(c.around) << " track " << c.direction << " face " << c.face;
    }
}

TEST_F(LevelRules, CanPushPlacesBesidePushesAwayOrDoesNothing) {
    struct Case {
        Around around;
        char face;
        int answer;
        char glide;  // set only when pushing
    };
    // clang-format off
    const Case cases[] = {
        {{5, 3, {"...", "...", ".#."}}, 'b', 1, 'u'},   // standing on a floor: lifted
        {{5, 3, {"...", "...", ".=."}}, 'b', 1, 'u'},
        {{5, 3, {".#.", "...", ".#."}}, 'b', 2, 0},     // no room above
        {{5, 3, {"...", "...", "..."}}, 'b', 2, 0},     // facing empty space
        {{5, 0, {"   ", "...", ".#."}}, 'b', 2, 0},     // row 0: no row above
        {{5, 6, {"...", "...", "   "}}, 'b', 2, 0},     // row 6: nothing below
        {{5, 3, {"...", "...", "..."}}, 't', 0, 0},     // a platform above
        {{5, 3, {".=.", "...", "..."}}, 't', 0, 0},     // may cover a one-way floor
        {{5, 3, {".#.", "...", "..."}}, 't', 2, 0},
        {{5, 0, {"   ", "...", "..."}}, 't', 2, 0},
        {{5, 3, {"...", "...", "..."}}, 'l', 0, 0},
        {{5, 3, {"...", "E..", "..."}}, 'l', 0, 0},     // may cover the exit
        {{5, 3, {"...", "#..", "..."}}, 'l', 1, 'r'},
        {{5, 3, {"...", "#.#", "..."}}, 'l', 2, 0},
        {{0, 3, {"...", "#..", "..."}}, 'l', 1, 'r'},   // the wall in column 35
        {{0, 3, {"...", "#.#", "..."}}, 'l', 2, 0},
        {{5, 3, {"...", "...", "..."}}, 'r', 0, 0},
        {{5, 3, {"...", "..#", "..."}}, 'r', 1, 'l'},
        {{5, 3, {"...", "#.#", "..."}}, 'r', 2, 0},
        {{35, 3, {"...", "..#", "..."}}, 'r', 1, 'l'},  // the wall in column 0
    };
    // clang-format on
    for (const Case& c : cases) {
        Place(level, c.around);
        level.m_cGlideDir = '?';
        EXPECT_EQ(level.canPush(c.face), c.answer) << Describe(c.around) << " face " << c.face;
        EXPECT_EQ(level.m_cGlideDir, c.glide != 0 ? c.glide : '?')
            << Describe(c.around) << " face " << c.face;
    }
}

TEST_F(LevelRules, FreeMovementIgnoresTheGridAndKeepsTheLastGlideDirection) {
    Place(level, {5, 3, {"###", "###", "###"}});
    g_superGlitch = true;
    level.m_cGlideDir = 'd';
    for (char direction : {'l', 'r'}) EXPECT_TRUE(level.canMove(direction));
    for (char face : {'b', 't', 'l', 'r'}) {
        EXPECT_TRUE(level.canSlide('r', face));
        EXPECT_EQ(level.canPush(face), 1);
    }
    EXPECT_EQ(level.m_cGlideDir, 'd');
}

TEST_F(LevelRules, CanSlideAnswersTrueForAnUnknownTrackAndSetsNothing) {
    Place(level, {5, 3, {"###", "#.#", "###"}});
    level.m_cGlideDir = '?';
    EXPECT_TRUE(level.canSlide('x', 'b'));
    EXPECT_EQ(level.m_cGlideDir, '?');
}

// The platform and slider actions, with a real block and panels.
class LevelPanels : public LevelScene {
protected:
    static constexpr int kX0 = kArenaX0;
    static constexpr int kY0 = kArenaY0;

    // The cells of `around` with the block in their middle carrying one panel, `kind` on face
    // `side`; the level has slider and platform.
    static void Stage(const Around& around, ObjectType kind, char side) {
        Arena(around.x, around.y);
        Place(LevelClass, around);
        AddPanel(kind, side);
        LevelClass.m_bHasPlatform = true;
        LevelClass.m_bHasSlider = true;
    }
};

TEST_F(LevelPanels, ThePlatformGoesBesideOrUnderTheBlockAndComesBackWithItsCell) {
    struct Case {
        Around around;
        char face;
        int column, row;  // the cell the platform takes
        int tileX, tileY;
        ObjectType tile;
        bool pushed;
    };
    const int x5 = kX0 + kCell * 5, y3 = kY0 + kCell * 3;
    // clang-format off
    const Case cases[] = {
        {{5, 3, {"...", "...", ".#."}}, 'b', 5, 3, x5, y3, PLATFORM_H, true},
        {{5, 3, {"...", "...", "..."}}, 't', 5, 2, x5, y3 - kCell, PLATFORM_H, false},
        {{5, 3, {"...", "...", "..."}}, 'l', 4, 3, x5 - kCell, y3, PLATFORM_V, false},
        {{5, 3, {"...", "..E", "..."}}, 'r', 6, 3, x5 + kCell, y3, PLATFORM_V, false},
        {{5, 3, {"...", "..#", "..."}}, 'r', 5, 3, x5, y3, PLATFORM_V, true},
        {{0, 3, {"...", "=..", "..."}}, 'l', 35, 3, kX0 - kCell + 1368, y3, PLATFORM_V, false},
        {{35, 3, {"...", "..=", "..."}}, 'r', 0, 3, kX0, y3, PLATFORM_V, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(Describe(c.around) + " face " + c.face);
        Stage(c.around, PLATFORM_PANEL, c.face);
        const int before = LevelClass.m_nGrid[c.column][c.row];
        LevelClass.Platform();
        EXPECT_TRUE(LevelClass.getPlatformOut());
        EXPECT_EQ(LevelClass.m_nPlatformX, c.column);
        EXPECT_EQ(LevelClass.m_nPlatformY, c.row);
        EXPECT_EQ(LevelClass.m_nPlatformCell, before);
        EXPECT_EQ(LevelClass.m_nGrid[c.column][c.row], CELL_SOLID);
        EXPECT_EQ(LevelClass.m_bSliding, c.pushed);
        const int slot = ObjectManager.m_nPlatform;
        ASSERT_EQ(KindIn(slot), c.tile);
        EXPECT_EQ(ObjectManager.m_pObjectList[slot]->m_nX, c.tileX);
        EXPECT_EQ(ObjectManager.m_pObjectList[slot]->m_nY, c.tileY);
        EXPECT_EQ(Count(PLATFORM_H) + Count(PLATFORM_V), 1);

        LevelClass.m_bSliding = false;
        LevelClass.Platform();
        EXPECT_FALSE(LevelClass.getPlatformOut());
        EXPECT_EQ(LevelClass.m_nGrid[c.column][c.row], before);
        EXPECT_EQ(Count(PLATFORM_H) + Count(PLATFORM_V), 0);
        EXPECT_EQ(KindIn(0), FOREGROUND_LEFT);  // nothing else goes with it
    }
}

TEST_F(LevelPanels, ThePlatformDoesNothingWhenBoxedInDisabledOrWithoutItsPanel) {
    struct Case {
        const char* what;
        Around around;
        bool hasPlatform;
        bool panelSlotEmpty;
    };
    const Case cases[] = {
        {"boxed in", {5, 3, {"...", "#.#", "..."}}, true, false},
        {"the level has no platform", {5, 3, {"...", "...", "..."}}, false, false},
        {"no panel in the platform slot", {5, 3, {"...", "...", "..."}}, true, true},
    };
    for (const Case& c : cases) {
        Stage(c.around, PLATFORM_PANEL, 'l');
        LevelClass.m_bHasPlatform = c.hasPlatform;
        if (c.panelSlotEmpty) ObjectManager.m_nPlatformP = 3;
        const int objects = ObjectManager.m_nObjectCount;
        const int left = LevelClass.m_nGrid[4][3];
        LevelClass.Platform();
        EXPECT_FALSE(LevelClass.getPlatformOut()) << c.what;
        EXPECT_FALSE(LevelClass.m_bSliding) << c.what;
        EXPECT_EQ(ObjectManager.m_nObjectCount, objects) << c.what;
        EXPECT_EQ(LevelClass.m_nGrid[4][3], left) << c.what;
        EXPECT_EQ(LevelClass.m_nGrid[5][3], CELL_EMPTY) << c.what;
    }
}

TEST_F(LevelPanels, APlatformThatCannotBeDrawnIsNotPutOut) {
    Stage({5, 3, {"...", "...", ".#."}}, PLATFORM_PANEL, 'b');
    while (ObjectManager.create(WALL, 700, 100, 0, 0, 'r') >= 0) {
    }
    LevelClass.m_cGlideDir = 'd';
    LevelClass.Platform();
    EXPECT_FALSE(LevelClass.getPlatformOut());
    EXPECT_FALSE(LevelClass.m_bSliding);
    EXPECT_EQ(LevelClass.m_cGlideDir, 'd');
    EXPECT_EQ(LevelClass.m_nGrid[5][3], CELL_EMPTY);
}

TEST_F(LevelPanels, WithdrawingRemovesOnlyThePlatformTile) {
    // The platform's link keeps naming its slot after the tile is gone; a later object may take
    // the slot, and must survive the next withdrawal.
    Stage({5, 3, {"...", "...", "..."}}, PLATFORM_PANEL, 't');
    LevelClass.Platform();
    const int slot = ObjectManager.m_nPlatform;
    ObjectManager.kill(slot);
    ASSERT_EQ(ObjectManager.create(TELA_WALL, 700, 100, 0, 0, 'r'), slot);
    LevelClass.Platform();
    EXPECT_EQ(KindIn(slot), TELA_WALL);
    EXPECT_EQ(LevelClass.m_nGrid[5][2], CELL_EMPTY);
}

TEST_F(LevelPanels, APushLiftsTheBlockOntoItsPlatformInTheNextFrames) {
    Stage({5, 3, {"...", "...", ".#."}}, PLATFORM_PANEL, 'b');
    const int y = Block()->getY();
    LevelClass.Platform();
    ASSERT_TRUE(LevelClass.m_bSliding);
    ASSERT_TRUE(Settle());
    EXPECT_EQ(xpos, 5);
    EXPECT_EQ(ypos, 2);
    EXPECT_EQ(Block()->getY(), y - kCell);
    EXPECT_EQ(LevelClass.m_nGrid[5][3], CELL_SOLID);  // the block stands on its platform
}

TEST_F(LevelPanels, TheSliderDrivesTheWayItsTrackRunsAndRoundTheWorld) {
    struct Case {
        const char* what;
        int startX;
        bool hasSlider;
        bool sliderL;
        int endX;
    };
    const Case cases[] = {{"track to the right", 5, true, true, 6},
                          {"track reversed", 5, true, false, 4},
                          {"the level has no slider", 5, false, true, 5},
                          {"left from column 0", 0, true, false, 35},
                          {"right from column 35", 35, true, true, 0}};
    for (const Case& c : cases) {
        Stage({c.startX, 3, {"...", "...", "###"}}, SLIDER, 'b');
        LevelClass.m_bHasSlider = c.hasSlider;
        LevelClass.m_bSliderL = c.sliderL;
        const int x = Block()->getX();
        LevelClass.Slide();
        EXPECT_TRUE(Settle()) << c.what;
        EXPECT_EQ(xpos, c.endX) << c.what;
        EXPECT_EQ(ypos, 3) << c.what;
        const int moved = c.endX == c.startX ? 0 : (c.sliderL ? kCell : -kCell);
        EXPECT_EQ(Block()->getX(), x + moved) << c.what << ": a glide itself does not wrap";
    }
}

TEST_F(LevelPanels, WithoutAPanelInTheSliderSlotTheSliderDoesNothing) {
    Stage({5, 3, {"...", "...", "###"}}, GUN, 'b');
    ObjectManager.m_nSlider = 1;
    LevelClass.Slide();
    EXPECT_FALSE(LevelClass.m_bSliding);
}

}  // namespace
