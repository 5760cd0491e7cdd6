// tests/test_level_scripts.cpp — the level engine frame by frame (gravity, drops, the exit, falling
// out, enemy hits, the end of a level) and what each level's buttons, timed and flashing walls do.
#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

#include "app/CTimer.h"
#include "app/Globals.h"
#include "level/Level.h"
#include "objects/Button.h"
#include "objects/CObject.h"
#include "objects/CObjectManager.h"
#include "objects/Player.h"
#include "platform/Window.h"
#include "tests/LevelScene.h"

namespace {

using leveltest::kCell;
using leveltest::kFrameMs;
using leveltest::LevelScene;

using Grid = std::vector<std::array<int, Level::m_GRID_ROWS>>;

Grid Cells() {
    Grid grid(Level::m_GRID_COLUMNS);
    for (int c = 0; c < Level::m_GRID_COLUMNS; ++c) {
        for (int r = 0; r < Level::m_GRID_ROWS; ++r) grid[c][r] = LevelClass.m_nGrid[c][r];
    }
    return grid;
}

class LevelEngine : public LevelScene {};

TEST_F(LevelEngine, AFallGoesCellByCellInEightFramesEachAndLandsOnTheFirstFloor) {
    for (int floorCode : {CELL_SOLID, CELL_TOP}) {
        Arena(10, 0);
        LevelClass.m_nGrid[10][4] = floorCode;
        const int y0 = Block()->getY();
        for (int cell = 1; cell <= 3; ++cell) {
            Frame();
            EXPECT_EQ(ypos, cell) << "the cell changes in the glide's first frame";
            EXPECT_FALSE(g_bDone);
            for (int step = 2; step <= 8; ++step) Frame();
            EXPECT_EQ(Block()->getY(), y0 + kCell * cell);
            EXPECT_TRUE(g_bDone);
        }
        Play(500);
        EXPECT_EQ(ypos, 3) << floorCode;
        EXPECT_EQ(Block()->getY(), y0 + 3 * kCell) << floorCode;
    }
}

TEST_F(LevelEngine, DownDropsOneCellIntoAOneWayFloorAndFallsOnOnlyOverEmptySpace) {
    struct Case {
        int below;  // the cell under the one-way floor
        int restsIn;
    };
    const Case cases[] = {{CELL_SOLID, 3}, {CELL_TOP, 3}, {CELL_EMPTY, 4}};
    for (const Case& c : cases) {
        Arena(10, 2);
        LevelClass.m_nGrid[10][3] = CELL_TOP;
        LevelClass.m_nGrid[10][4] = c.below;
        LevelClass.m_nGrid[10][5] = CELL_SOLID;
        Play(300);
        EXPECT_EQ(ypos, 2) << "a one-way floor carries the block";
        LevelClass.gameKeyboard(VK_DOWN);
        ASSERT_TRUE(Settle());
        EXPECT_EQ(ypos, c.restsIn) << c.below;
    }
}

TEST_F(LevelEngine, LeavingThroughTheBottomRowLosesTheLevelOnceWhileTheBlockSinksOn) {
    Arena(10, 4);
    Play(2 * 8 * kFrameMs);
    ASSERT_EQ(ypos, 6);
    EXPECT_FALSE(LevelClass.m_bGameOver) << "row 6 is reached; the next glide leaves the grid";
    int answer = 0;
    int lostAt = -1;
    int y = Block()->getY();
    int frames = 0;
    while (answer == 0 && frames++ < 200) {
        answer = Frame();
        if (lostAt < 0 && LevelClass.m_bGameOver) lostAt = LevelClass.m_nGameOverStart;
    }
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(Count(GAME_OVER_BANNER), 1);
    EXPECT_TRUE(LevelClass.m_bFellOut);
    EXPECT_TRUE(g_bInput) << "input stays on: the block sinks out of sight";
    EXPECT_GT(Block()->getY(), y + 2 * kCell);
    EXPECT_EQ(ypos, 6);
    // levelDone answers once 1000 ms have passed, in the first frame to see it.
    EXPECT_GE(Timer.time() - kFrameMs - lostAt, Level::m_GAME_OVER_TIME);
    EXPECT_LT(Timer.time() - kFrameMs - lostAt, Level::m_GAME_OVER_TIME + kFrameMs);
    EXPECT_EQ(LevelClass.m_nLevel, 0) << "a lost level keeps its number";
}

TEST_F(LevelEngine, AnEnemyHitLosesTheLevelUnlessItIsAlreadyComplete) {
    struct Case {
        const char* what;
        bool finished;
        bool fellOut;
        int banners;
    };
    const Case cases[] = {{"playing", false, false, 1},
                          {"complete", true, false, 0},
                          {"already fallen out", false, true, 2}};
    for (const Case& c : cases) {
        Arena(10, 3);
        LevelClass.m_nGrid[10][4] = CELL_SOLID;
        if (c.fellOut) {
            LevelClass.m_nGrid[10][4] = CELL_EMPTY;
            Play(4 * 8 * kFrameMs);
            ASSERT_TRUE(LevelClass.m_bFellOut) << c.what;
        }
        LevelClass.m_bFinished = c.finished;
        const int before = LevelClass.m_nGameOverStart;
        Advance(100);
        ObjectManager.m_bPlayerHit = true;
        Frame();
        EXPECT_FALSE(ObjectManager.m_bPlayerHit) << c.what;
        EXPECT_EQ(Count(GAME_OVER_BANNER), c.banners) << c.what;
        EXPECT_EQ(LevelClass.m_bGameOver, !c.finished) << c.what;
        EXPECT_EQ(g_bInput, c.finished) << c.what;
        if (!c.finished) {
            EXPECT_GT(LevelClass.m_nGameOverStart, before) << c.what;
        }
    }
}

TEST_F(LevelEngine, TheExitEndsTheLevelAndLevelDoneLeadsOnAfter1500Ms) {
    struct Case {
        int set;
        int level;
        int answer;      // levelDone's answer once the banner has stayed its time
        int levelAfter;  // m_nLevel then
    };
    const Case cases[] = {{0, 1, 2, 1}, {0, 3, 2, 3}, {0, 4, 1, 1}, {1, 2, 2, 2}, {1, 3, 1, 1}};
    for (const Case& c : cases) {
        Build(c.set, c.level);
        ASSERT_TRUE(Settle());
        LevelClass.m_nGrid[xpos][ypos] = CELL_EXIT;
        const int exitX = xpos, exitY = ypos;
        Frame();
        ASSERT_TRUE(LevelClass.m_bFinished);
        EXPECT_FALSE(g_bInput);
        EXPECT_EQ(Count(LEVEL_COMPLETE_BANNER), 1);
        EXPECT_EQ(LevelClass.m_nGrid[exitX][exitY], CELL_EMPTY) << "the exit is taken once";
        const int finishedAt = LevelClass.m_nFinishStart;
        int answer = 0;
        while (answer == 0 && Timer.time() < finishedAt + 3000) answer = Frame();
        EXPECT_EQ(answer, c.answer) << c.set << "/" << c.level;
        EXPECT_GE(Timer.time() - kFrameMs - finishedAt, Level::m_FINISH_TIME);
        EXPECT_LT(Timer.time() - kFrameMs - finishedAt, Level::m_FINISH_TIME + kFrameMs);
        EXPECT_EQ(LevelClass.m_nLevel, c.levelAfter) << c.set << "/" << c.level;
        EXPECT_EQ(Count(LEVEL_COMPLETE_BANNER), 1);
    }
}

TEST_F(LevelEngine, FreeMovementHasNoGravityButRow6StillLosesTheLevel) {
    Arena(10, 4);
    g_superGlitch = true;
    Play(500);
    EXPECT_EQ(ypos, 4);
    LevelClass.gameKeyboard(VK_DOWN);
    Play(200);
    EXPECT_EQ(ypos, 5);
    EXPECT_FALSE(LevelClass.m_bGameOver);
    LevelClass.gameKeyboard(VK_DOWN);
    Play(300);
    EXPECT_EQ(ypos, 6);
    EXPECT_TRUE(LevelClass.m_bGameOver);
}

TEST_F(LevelEngine, AFreeMovementSlideUpFromRow0LeavesTheBlockInTheGrid) {
    // Free movement slides the way of the last glide; from row 0 upwards there is no cell.
    Arena(10, 1);
    AddPanel(SLIDER, 'b');
    LevelClass.m_bHasSlider = true;
    g_superGlitch = true;
    LevelClass.gameKeyboard(VK_UP);
    Play(300);
    ASSERT_EQ(ypos, 0);
    LevelClass.gameKeyboard('B');
    Play(300);
    EXPECT_EQ(ypos, 0);
    EXPECT_FALSE(LevelClass.m_bSliding);
    LevelClass.gameKeyboard('X');
    Play(300);
    EXPECT_EQ(xpos, 9) << "the block still flies";
}

TEST_F(LevelEngine, OnlySecondLevel2StartsWithAFall) {
    const std::tuple<int, int, int> levels[] = {{0, 1, 1}, {0, 2, 2}, {0, 3, 5}, {0, 4, 5},
                                                {1, 1, 0}, {1, 2, 5}, {1, 3, 2}};
    for (auto [set, level, restRow] : levels) {
        Build(set, level);
        ASSERT_TRUE(Settle());
        EXPECT_EQ(ypos, restRow) << set << "/" << level;
        EXPECT_EQ(xpos, LevelClass.m_nStartX) << set << "/" << level;
    }
}

TEST_F(LevelEngine, TheSliderAndPlatformAreEnabledOnlyWhereTheLevelsUseThem) {
    const std::tuple<int, int, bool, bool> levels[] = {
        {0, 1, false, false}, {0, 2, false, false}, {0, 3, true, false}, {0, 4, true, true},
        {1, 1, false, false}, {1, 2, true, true},   {1, 3, false, false}};
    for (auto [set, level, slider, platform] : levels) {
        Build(set, level);
        Frame();
        EXPECT_EQ(LevelClass.m_bHasSlider, slider) << set << "/" << level;
        EXPECT_EQ(LevelClass.m_bHasPlatform, platform) << set << "/" << level;
    }
}

// What one button does to the grid and the objects.
class LevelButtons : public LevelScene {};

TEST_F(LevelButtons, EachButtonChangesItsCellsAndWallsOnceAndOnlyThose) {
    struct Cell {
        int column, row, code;
    };
    struct Piece {
        ObjectType kind;
        int x, y;
    };
    struct Case {
        int set, level;
        int button;  // 1, 2 or 3: the link naming it
        std::vector<Cell> cells;
        std::vector<Piece> made;
        std::vector<Piece> removed;
    };
    const Case cases[] = {
        {0, 1, 1, {{2, 2, CELL_SOLID}}, {{TELA_WALL, 130, 271}}, {}},
        {0,
         1,
         2,
         {{0, 4, CELL_EXIT}, {0, 5, CELL_SOLID}},
         {{TELA_WALL, 54, 385}, {END_MARKER, 54, 353}},
         {}},
        {0, 1, 3, {{2, 1, CELL_EMPTY}}, {}, {{TELA_WALL, 130, 233}}},
        {0, 2, 2, {{10, 6, CELL_SOLID}}, {{TELA_WALL, 434, 385}}, {}},
        {0, 2, 3, {{9, 2, CELL_EMPTY}}, {}, {{TELA_WALL, 396, 233}}},
        {0,
         4,
         1,
         {{6, 5, CELL_SOLID}, {6, 4, CELL_SOLID}},
         {{TELA_WALL, 244, 333}, {TELA_WALL, 244, 295}},
         {}},
        {0, 4, 2, {{4, 3, CELL_EXIT}}, {{END_MARKER, 168, 263}}, {}},
        {1, 1, 2, {{5, 5, CELL_EMPTY}}, {}, {{TELA_WALL, 206, 423}}},
        {1, 1, 3, {{4, 1, CELL_EMPTY}}, {}, {{TELA_WALL, 168, 271}}},
        {1,
         2,
         3,
         {{6, 5, CELL_EXIT},
          {2, 6, CELL_EMPTY},
          {3, 6, CELL_EMPTY},
          {4, 6, CELL_EMPTY},
          {5, 6, CELL_EMPTY},
          {7, 6, CELL_EMPTY},
          {8, 6, CELL_EMPTY},
          {9, 6, CELL_EMPTY}},
         {{END_MARKER, 358, 429}},
         {{WALL, 206, 461},
          {WALL, 244, 461},
          {WALL, 282, 461},
          {WALL, 320, 461},
          {WALL, 396, 461},
          {WALL, 434, 461},
          {WALL, 472, 461}}},
        {1, 3, 1, {{7, 3, CELL_EMPTY}}, {}, {}},
        {1, 3, 2, {{6, 4, CELL_SOLID}}, {}, {}},
        {1, 3, 3, {{3, 4, CELL_EMPTY}}, {}, {{TELA_WALL, 168, 309}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "set " << c.set << " level " << c.level << " button " << c.button);
        Build(c.set, c.level);
        Frame();  // a flashing wall is made in the first frame and stays 1000 ms
        const int slot = c.button == 1   ? ObjectManager.m_nButton1
                         : c.button == 2 ? ObjectManager.m_nButton2
                                         : ObjectManager.m_nButton3;
        Grid expected = Cells();
        for (const Cell& cell : c.cells) expected[cell.column][cell.row] = cell.code;
        std::vector<int> before;
        for (const Piece& p : c.made) before.push_back(CountAt(p.kind, p.x, p.y));
        for (const Piece& p : c.removed) ASSERT_EQ(CountAt(p.kind, p.x, p.y), 1);
        const int objects = ObjectManager.m_nObjectCount;

        Press(slot);
        Frame();
        EXPECT_EQ(Cells(), expected);
        for (size_t i = 0; i < c.made.size(); ++i) {
            EXPECT_EQ(CountAt(c.made[i].kind, c.made[i].x, c.made[i].y), before[i] + 1) << i;
        }
        for (const Piece& p : c.removed) EXPECT_EQ(CountAt(p.kind, p.x, p.y), 0);
        EXPECT_EQ(ObjectManager.m_nObjectCount,
                  objects + static_cast<int>(c.made.size()) - static_cast<int>(c.removed.size()));
        EXPECT_FALSE(ButtonIn(slot)->m_bArmed);

        // A second hit on a button already acted on changes nothing.
        Press(slot);
        Frame();
        EXPECT_EQ(Cells(), expected);
        EXPECT_EQ(ObjectManager.m_nObjectCount,
                  objects + static_cast<int>(c.made.size()) - static_cast<int>(c.removed.size()));
    }
}

TEST_F(LevelButtons, AnExitOpenedUnderThePlatformAppearsWhenThePlatformIsWithdrawn) {
    Build(0, 4);
    Frame();
    LevelClass.m_bPlatformOut = true;
    LevelClass.m_nPlatformX = 4;
    LevelClass.m_nPlatformY = 3;
    LevelClass.m_nPlatformCell = CELL_EMPTY;
    LevelClass.m_nGrid[4][3] = CELL_SOLID;
    Press(ObjectManager.m_nButton2);
    Frame();
    EXPECT_EQ(LevelClass.m_nGrid[4][3], CELL_SOLID);
    EXPECT_EQ(LevelClass.m_nPlatformCell, CELL_EXIT);
    EXPECT_EQ(CountAt(END_MARKER, 168, 263), 1);
    LevelClass.Platform();
    EXPECT_EQ(LevelClass.m_nGrid[4][3], CELL_EXIT);
}

// Main level 2's timed walls.
class LevelTimedWalls : public LevelScene {
protected:
    void SetUp() override {
        LevelScene::SetUp();
        Build(0, 2);
        Frame();
    }
    // Plays frames until `done` holds; answers the ms that took, or -1 after `limitMs`.
    template <typename Done>
    static int Until(Done done, int limitMs) {
        const int start = Timer.time();
        while (!done()) {
            if (Timer.time() - start > limitMs) return -1;
            Frame();
        }
        return Timer.time() - start;
    }
    static bool WallOneBack() { return LevelClass.m_nGrid[9][2] == CELL_SOLID; }
    static bool BridgeGone() { return LevelClass.m_nGrid[10][6] == CELL_EMPTY; }
};

TEST_F(LevelTimedWalls, TheWayThroughRow2ClosesAgain1500MsAfterTheButtonAndTheButtonRearms) {
    Press(ObjectManager.m_nButton3);
    Frame();
    ASSERT_FALSE(WallOneBack());
    const int took = Until(WallOneBack, 3000);
    EXPECT_GE(took, Level::m_T_WALL_TIME);
    EXPECT_LT(took, Level::m_T_WALL_TIME + kFrameMs);
    EXPECT_EQ(CountAt(TELA_WALL, 396, 233), 1);
    EXPECT_EQ(KindIn(ObjectManager.m_nTelaWall), TELA_WALL);
    const Button* button = ButtonIn(ObjectManager.m_nButton3);
    EXPECT_TRUE(button->m_bArmed);
    EXPECT_FALSE(button->m_bPressed);
    EXPECT_EQ(button->m_nFrame, 0);
    // Re-armed, the button works again.
    Press(ObjectManager.m_nButton3);
    Frame();
    EXPECT_FALSE(WallOneBack());
}

TEST_F(LevelTimedWalls, TheWallWaitsWhileTheBlockStandsInItsCellAndCloses500MsAfterItLeft) {
    Press(ObjectManager.m_nButton3);
    Frame();
    xpos = 9;  // the block stands in the opened wall's cell
    Play(3000);
    EXPECT_FALSE(WallOneBack());
    xpos = 8;
    const int took = Until(WallOneBack, 2000);
    EXPECT_GE(took, 500);
    EXPECT_LT(took, 500 + kFrameMs);
}

TEST_F(LevelTimedWalls, TheBridgeOverTheFloorHoleGoes1500MsAfterItsButton) {
    Press(ObjectManager.m_nButton2);
    Frame();
    ASSERT_FALSE(BridgeGone());
    const int bridge = ObjectManager.m_nTelaWall2;
    EXPECT_EQ(KindIn(bridge), TELA_WALL);
    const int took = Until(BridgeGone, 3000);
    EXPECT_GE(took, Level::m_T_WALL_TIME);
    EXPECT_LT(took, Level::m_T_WALL_TIME + kFrameMs);
    EXPECT_EQ(KindIn(bridge), -1);
    EXPECT_TRUE(ButtonIn(ObjectManager.m_nButton2)->m_bArmed);
}

TEST_F(LevelEngine, TheFlashingWallIsThere1000MsAndGone600MsWithoutTouchingTheGrid) {
    struct Case {
        int set, level, x, y;
    };
    const Case cases[] = {{0, 4, 320, 333}, {1, 1, 501, 233}};
    for (const Case& c : cases) {
        Build(c.set, c.level);
        const Grid grid = Cells();
        std::vector<std::pair<bool, int>> changes;  // (there, time)
        bool there = false;
        while (changes.size() < 6) {
            Frame();
            const bool now = CountAt(WALL, c.x, c.y) == 1;
            if (now != there) changes.push_back({now, Timer.time()});
            there = now;
            ASSERT_EQ(Cells(), grid);
        }
        EXPECT_TRUE(changes[0].first) << "made in the first frame";
        for (size_t i = 1; i < changes.size(); ++i) {
            const int stayed = changes[i].second - changes[i - 1].second;
            const int expected =
                changes[i - 1].first ? Level::m_FLASH_ON_TIME : Level::m_FLASH_OFF_TIME;
            EXPECT_GE(stayed, expected) << c.set << "/" << c.level << " change " << i;
            EXPECT_LT(stayed, expected + kFrameMs) << c.set << "/" << c.level << " change " << i;
        }
    }
}

}  // namespace
