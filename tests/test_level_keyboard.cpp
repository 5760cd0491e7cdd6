// tests/test_level_keyboard.cpp — the keys of play: what each does at rest, and what is refused
// during a roll or glide, while falling (with and without the first cheat mode) and once input is
// off; the free-movement flights; the menu's answers.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "app/Globals.h"
#include "level/Level.h"
#include "objects/CObjectManager.h"
#include "objects/Player.h"
#include "platform/Window.h"
#include "tests/LevelScene.h"

namespace {

using leveltest::kCell;
using leveltest::LevelScene;

// What a key can change, taken before and after it.
struct Snapshot {
    int xpos;
    bool falling;
    char glide;
    int objects;
    bool sliding;
    bool sliderL;
    bool platformOut;
    bool glitch;
    bool superGlitch;
    std::string background;
    bool leaves;  // the handler's answer
};

Snapshot Take(bool answer) {
    return {xpos,
            LevelClass.m_bFalling,
            LevelClass.m_cGlideDir,
            ObjectManager.m_nObjectCount,
            LevelClass.m_bSliding,
            LevelClass.m_bSliderL,
            LevelClass.m_bPlatformOut,
            g_Glitch,
            g_superGlitch,
            bckgndname,
            answer};
}

// The situations the block can be in when a key comes.
enum Situation { AtRest, Rolling, Gliding, Falling, FallingCheat, NoInput, kSituations };
const char* const kSituationNames[] = {"at rest", "rolling",        "gliding",
                                       "falling", "falling, cheat", "input off"};

class LevelKeys : public LevelScene {
protected:
    // The block rests in (column, row) on a one-way floor, with a gun on its right face, the
    // slider below and the platform panel on its left; the level has slider and platform.
    static void Stage(int column = 10, int row = 3) {
        Arena(column, row);
        LevelClass.m_nGrid[column][row + 1] = CELL_TOP;
        AddPanel(GUN, 'r');
        AddPanel(SLIDER, 'b');
        AddPanel(PLATFORM_PANEL, 'l');
        LevelClass.m_bHasSlider = true;
        LevelClass.m_bHasPlatform = true;
        g_Glitch = false;
        g_superGlitch = false;
        bckgndname = "none";
    }

    static void Enter(Situation situation) {
        switch (situation) {
            case AtRest:
                break;
            case Rolling:
                g_bDone = false;
                break;
            case Gliding:
                g_bDone = false;
                LevelClass.m_nGlideFrame = 3;
                break;
            case FallingCheat:
                g_Glitch = true;
                [[fallthrough]];
            case Falling:
                LevelClass.m_nGrid[xpos][ypos + 1] = CELL_EMPTY;
                break;
            case NoInput:
                g_bInput = false;
                break;
            case kSituations:
                break;
        }
    }

    // Presses `key` and answers the state before and after.
    static std::pair<Snapshot, Snapshot> Press(unsigned key) {
        const Snapshot before = Take(false);
        const bool answer = LevelClass.gameKeyboard(key);
        return {before, Take(answer)};
    }
};

TEST_F(LevelKeys, EachKeyActsOnlyWhenItsConditionsHold) {
    using Seen = std::function<bool(const Snapshot&, const Snapshot&)>;
    struct Row {
        const char* name;
        unsigned key;
        Seen acted;
        bool expected[kSituations];  // at rest, rolling, gliding, falling, falling+cheat, no input
    };
    const Row rows[] = {
        {"Left",
         VK_LEFT,
         [](auto& b, auto& a) { return a.xpos == b.xpos - 1; },
         {true, false, false, false, true, false}},
        {"Right",
         VK_RIGHT,
         [](auto& b, auto& a) { return a.xpos == b.xpos + 1; },
         {true, false, false, false, true, false}},
        {"Down",
         VK_DOWN,
         [](auto&, auto& a) { return a.falling && a.glide == 'd'; },
         {true, false, false, false, false, false}},
        {"Space",
         VK_SPACE,
         [](auto& b, auto& a) { return a.objects == b.objects + 1; },
         {true, false, true, true, true, false}},
        {"B",
         'B',
         [](auto&, auto& a) { return a.sliding; },
         {true, false, false, false, false, false}},
        {"V",
         'V',
         [](auto& b, auto& a) { return a.sliderL != b.sliderL; },
         {true, true, true, true, true, false}},
        {"Z",
         'Z',
         [](auto&, auto& a) { return a.platformOut; },
         {true, false, false, false, true, false}},
        {"Escape",
         VK_ESCAPE,
         [](auto&, auto& a) { return a.leaves; },
         {true, true, true, true, true, true}},
        {"G",
         'G',
         [](auto& b, auto& a) { return a.glitch != b.glitch || a.superGlitch != b.superGlitch; },
         {true, true, true, true, true, true}},
        {"U",
         'U',
         [](auto&, auto& a) { return a.background == kEdition.backgroundPicture; },
         {true, true, true, true, true, true}},
    };
    for (const Row& row : rows) {
        for (int s = 0; s < kSituations; ++s) {
            Stage();
            Enter(static_cast<Situation>(s));
            auto [before, after] = Press(row.key);
            EXPECT_EQ(row.acted(before, after), row.expected[s])
                << row.name << ", " << kSituationNames[s];
            // Only Escape leaves play.
            EXPECT_EQ(after.leaves, row.key == VK_ESCAPE) << row.name;
        }
    }
}

TEST_F(LevelKeys, ARollMovesTheBlocksCellAtOnceAndWrapsRoundTheWorld) {
    struct Case {
        unsigned key;
        int from, to;
        bool right;
    };
    const Case cases[] = {{VK_RIGHT, 10, 11, true},
                          {VK_LEFT, 10, 9, false},
                          {VK_LEFT, 0, 35, false},
                          {VK_RIGHT, 35, 0, true}};
    for (const Case& c : cases) {
        Stage(c.from);
        LevelClass.gameKeyboard(c.key);
        EXPECT_EQ(xpos, c.to) << c.from;
        EXPECT_FALSE(g_bDone);
        EXPECT_TRUE(Block()->m_bStepPending);
        EXPECT_EQ(Block()->m_bDirection, c.right);
    }
}

TEST_F(LevelKeys, ARollTheGridRefusesChangesNothing) {
    Stage();
    LevelClass.m_nGrid[11][3] = CELL_SOLID;
    LevelClass.gameKeyboard(VK_RIGHT);
    EXPECT_EQ(xpos, 10);
    EXPECT_TRUE(g_bDone);
    EXPECT_FALSE(Block()->m_bStepPending);
}

TEST_F(LevelKeys, DownOnASolidFloorDoesNothingOutsideFreeMovement) {
    for (bool freeMovement : {false, true}) {
        Stage();
        LevelClass.m_nGrid[10][4] = CELL_SOLID;
        g_superGlitch = freeMovement;
        LevelClass.gameKeyboard(VK_DOWN);
        EXPECT_EQ(LevelClass.m_bFalling, freeMovement);
    }
}

TEST_F(LevelKeys, FreeMovementFliesOneCellWithinTheGrid) {
    struct Case {
        const char* what;
        unsigned key;
        int column, row;
        char glide;  // 0: refused
    };
    const Case cases[] = {
        {"up", VK_UP, 10, 3, 'u'},
        {"up from row 0", VK_UP, 10, 0, 0},
        {"down", VK_DOWN, 10, 3, 'd'},
        {"left", 'X', 10, 3, 'l'},
        {"left from column 0", 'X', 0, 3, 0},
        {"right", 'C', 10, 3, 'r'},
        {"right from column 35", 'C', 35, 3, 0},
    };
    for (const Case& c : cases) {
        for (bool busy : {false, true}) {
            Stage(c.column, c.row);
            g_superGlitch = true;
            LevelClass.m_bFalling = false;
            LevelClass.m_cGlideDir = '?';
            g_bDone = !busy;
            LevelClass.gameKeyboard(c.key);
            const bool flies = c.glide != 0 && !busy;
            EXPECT_EQ(LevelClass.m_bFalling, flies) << c.what << (busy ? ", busy" : "");
            EXPECT_EQ(LevelClass.m_cGlideDir, flies ? c.glide : '?') << c.what;
        }
        // The flight keys do nothing outside free movement; with input off neither.
        for (bool freeMovement : {false, true}) {
            Stage(c.column, c.row);
            LevelClass.m_nGrid[c.column][c.row + 1] = CELL_SOLID;
            g_superGlitch = freeMovement;
            g_bInput = !freeMovement;
            LevelClass.gameKeyboard(c.key);
            EXPECT_FALSE(LevelClass.m_bFalling) << c.what;
        }
    }
}

TEST_F(LevelKeys, ALevelWithoutASliderIgnoresTheSliderAndPlatformKeys) {
    Build(0, 1);
    for (unsigned key : {'B', 'V', 'Z'}) {
        LevelClass.gameKeyboard(key);
        EXPECT_FALSE(LevelClass.m_bSliding) << key;
        EXPECT_TRUE(LevelClass.m_bSliderL) << key;
        EXPECT_FALSE(LevelClass.m_bPlatformOut) << key;
    }
}

TEST_F(LevelKeys, GTurnsOnTheFirstCheatThenFreeMovementAndUTurnsBothOff) {
    Stage();
    LevelClass.gameKeyboard('G');
    EXPECT_TRUE(g_Glitch);
    EXPECT_FALSE(g_superGlitch);
    LevelClass.gameKeyboard('G');
    EXPECT_FALSE(g_Glitch);
    EXPECT_TRUE(g_superGlitch);
    EXPECT_STREQ(bckgndname, kEdition.coolBackground);
    LevelClass.gameKeyboard('G');
    EXPECT_TRUE(g_Glitch && g_superGlitch);
    LevelClass.gameKeyboard('U');
    EXPECT_FALSE(g_Glitch || g_superGlitch);
    EXPECT_STREQ(bckgndname, kEdition.backgroundPicture);
}

TEST_F(LevelKeys, TheMenuChoosesTheSetAndLevelAndUKeepsTheLevel) {
    struct Case {
        unsigned key;
        int answer;
        int level;  // after the key, the level having been 3
        int set;    // after the key, the set having been 1
    };
    const Case cases[] = {{'C', 1, 3, 1},       {'N', 1, 1, 1}, {'L', 0, 1, 1}, {'U', 0, 3, 0},
                          {VK_ESCAPE, 2, 3, 1}, {'Q', 2, 3, 1}, {'G', 0, 3, 1}, {'X', 0, 3, 1}};
    for (const Case& c : cases) {
        Level level;
        level.m_nLevel = 3;
        level.m_nLevelSet = 1;
        EXPECT_EQ(level.menuKeyboard(c.key), c.answer) << c.key;
        EXPECT_EQ(level.m_nLevel, c.level) << c.key;
        EXPECT_EQ(level.m_nLevelSet, c.set) << c.key;
    }
}

}  // namespace
