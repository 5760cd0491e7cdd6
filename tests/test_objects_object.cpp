// tests/test_objects_object.cpp — plain game objects: made, moved round the world, drawn.
#include <gtest/gtest.h>

#include <vector>

#include "app/CTimer.h"
#include "app/Globals.h"
#include "gfx/CClippedSprite.h"
#include "gfx/CViewPoint.h"
#include "objects/Button.h"
#include "objects/CObject.h"
#include "objects/CObjectManager.h"
#include "objects/Player.h"
#include "objects/SidePanel.h"
#include "tests/ObjectScene.h"

namespace {

using objecttest::ObjectScene;
using objecttest::ObjectSounds;
using objecttest::PaintColour;

class ObjectsPlain : public ObjectScene {
protected:
    static CObject* Make(ObjectType kind, int x, int y, int xspeed, int yspeed) {
        const int slot = ObjectManager.create(kind, x, y, xspeed, yspeed, 'r');
        EXPECT_GE(slot, 0);
        return slot >= 0 ? ObjectManager.m_pObjectList[slot] : nullptr;
    }
};

TEST_F(ObjectsPlain, SlowSpeedsKeepTheirTimeBaseUntilAWholePixelIsMade) {
    struct Case {
        const char* what;
        int xspeed;
        int yspeed;
        std::vector<int> calls;  // times of the move calls, ms since the object was made
        std::vector<int> x;      // x after each call, from 100
        std::vector<int> y;      // y after each call, from 200
        std::vector<int> xBase;  // m_nLastXMove after each call
        std::vector<int> yBase;  // m_nLastYMove after each call
    };
    const Case cases[] = {
        {"x speed 1, every 10 ms",
         1,
         0,
         {10, 20, 30, 40},
         {100, 101, 101, 102},
         {200, 200, 200, 200},
         {0, 20, 20, 40},
         {10, 20, 30, 40}},
        {"x speed -3 after 5 and 11 ms", -3, 0, {5, 11}, {100, 98}, {200, 200}, {0, 11}, {5, 11}},
        {"y speed 1, every 20 ms",
         0,
         1,
         {20, 40, 60, 80},
         {100, 100, 100, 100},
         {200, 201, 201, 202},
         {20, 40, 60, 80},
         {0, 40, 40, 80}},
        {"y speed -3 after 10 and 22 ms",
         0,
         -3,
         {10, 22},
         {100, 100},
         {200, 198},
         {10, 22},
         {0, 22}},
        {"both axes at once", 1, 1, {16, 32}, {101, 102}, {200, 201}, {16, 32}, {0, 32}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int made = Timer.time();
        CObject* object = Make(ENEMY, 100, 200, c.xspeed, c.yspeed);
        ASSERT_NE(object, nullptr);
        int now = 0;
        for (size_t i = 0; i < c.calls.size(); ++i) {
            Advance(c.calls[i] - now);
            now = c.calls[i];
            object->move();
            EXPECT_EQ(object->m_nX, c.x[i]) << "call " << i;
            EXPECT_EQ(object->m_nY, c.y[i]) << "call " << i;
            EXPECT_EQ(object->m_nLastXMove - made, c.xBase[i]) << "call " << i;
            EXPECT_EQ(object->m_nLastYMove - made, c.yBase[i]) << "call " << i;
        }
        ObjectManager.reset();
    }
}

TEST_F(ObjectsPlain, XWrapsRoundTheWorldAndYStopsOneHundredRowsOffTheScreen) {
    struct Case {
        const char* what;
        int x, y, xspeed, yspeed;
        std::vector<int> calls;  // ms between move calls
        int endX, endY;
    };
    const Case cases[] = {
        {"1366 + 3 wraps to 1", 1366, 200, 3, 0, {16}, 1, 200},
        {"1 - 3 wraps to 1366", 1, 200, -3, 0, {16}, 1366, 200},
        {"a long flight wraps more than once",
         100,
         200,
         3,
         0,
         {16 * 1000},
         100 + 3000 - 2 * 1368,
         200},
        {"falling stops at 580", 100, 570, 0, 6, {64}, 100, 580},
        {"and stays there", 100, 570, 0, 6, {64, 32, 320}, 100, 580},
        {"rising stops at -100", 100, -95, 0, -6, {64}, 100, -100},
        {"and stays there", 100, -95, 0, -6, {64, 32, 320}, 100, -100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CObject* object = Make(ENEMY, c.x, c.y, c.xspeed, c.yspeed);
        ASSERT_NE(object, nullptr);
        for (int ms : c.calls) {
            Advance(ms);
            object->move();
        }
        EXPECT_EQ(object->m_nX, c.endX);
        EXPECT_EQ(object->m_nY, c.endY);
        ObjectManager.reset();
    }
}

TEST_F(ObjectsPlain, ChangePositionWrapsXButLeavesYUnclamped) {
    struct Case {
        int x, y, dx, dy, endX, endY;
    };
    const Case cases[] = {
        {5, 200, -10, 0, 1363, 200},
        {1360, 200, 10, 0, 2, 200},
        {100, 500, 0, 200, 100, 700},
        {100, -50, 0, -200, 100, -250},
    };
    for (const Case& c : cases) {
        CObject* object = Make(WALL, c.x, c.y, 0, 0);
        ASSERT_NE(object, nullptr);
        object->changePosition(c.dx, c.dy);
        EXPECT_EQ(object->m_nX, c.endX) << c.x << " + " << c.dx;
        EXPECT_EQ(object->m_nY, c.endY) << c.y << " + " << c.dy;
        ObjectManager.reset();
    }
}

TEST_F(ObjectsPlain, RangeCountsTheLargerAxisOfEachMoveAndOnlyForShots) {
    struct Case {
        ObjectType kind;
        int xspeed, yspeed;
        int distance;  // after one call 16 ms after making
    };
    const Case cases[] = {
        {BULLET, 3, 2, 3},                            // 3 across, 1 down
        {BULLET, 1, 6, 3},                            // 1 across, 3 down
        {ENEMY_BULLET, -3, -6, 3},                    // 3 each way, counted once
        {ENEMY_BULLET, 0, 6, 3},   {ENEMY, 3, 6, 0},  // an enemy flies on for ever
    };
    for (const Case& c : cases) {
        CObject* object = Make(c.kind, 100, 200, c.xspeed, c.yspeed);
        ASSERT_NE(object, nullptr);
        Advance(16);
        object->move();
        EXPECT_EQ(object->m_nDistance, c.distance) << c.kind << " " << c.xspeed << "," << c.yspeed;
        EXPECT_EQ(object->m_bRangeLimited, c.kind == BULLET || c.kind == ENEMY_BULLET);
        ObjectManager.reset();
    }
}

TEST_F(ObjectsPlain, WithoutSpeedNothingMovesAndTheTimeBasesFollowTheClock) {
    CObject* object = Make(WALL, 700, 300, 0, 0);
    ASSERT_NE(object, nullptr);
    for (int ms : {1, 15, 1000, 60000}) {
        Advance(ms);
        object->move();
        EXPECT_EQ(object->m_nX, 700);
        EXPECT_EQ(object->m_nY, 300);
        EXPECT_EQ(object->m_nLastXMove, Timer.time());
        EXPECT_EQ(object->m_nLastYMove, Timer.time());
    }
}

TEST_F(ObjectsPlain, EveryKindIsMadeInItsOwnListWithItsSpritesSizeAndTheClockAsItsStart) {
    Advance(250);
    for (int value = 0; value <= ENEMY; ++value) {
        const ObjectType kind = static_cast<ObjectType>(value);
        SCOPED_TRACE(value);
        ObjectManager.reset();
        const int slot = ObjectManager.create(kind, 100, 200, 0, 0, 'r');
        ASSERT_EQ(slot, 0);
        CObject* object = nullptr;
        int frames = g_pSprite[kind]->frame_count();
        if (kind == BLOCK) {
            object = ObjectManager.m_pPlayerList[0];
            EXPECT_EQ(object->m_nFrameInterval, 180);
        } else if (kind == GUN || kind == SLIDER || kind == PLATFORM_PANEL) {
            object = ObjectManager.m_pPanelList[0];
            EXPECT_EQ(ObjectManager.m_nPanelCount, 1);
            frames = 16;
        } else if (kind >= LEFT_BUTTON && kind <= BOTTOM_BUTTON) {
            object = ObjectManager.m_pButtonList[0];
            EXPECT_EQ(ObjectManager.m_nButtonCount, 1);
            frames = 2;
        } else {
            object = ObjectManager.m_pObjectList[0];
            EXPECT_EQ(ObjectManager.m_nObjectCount, 1);
        }
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->m_nObjectType, kind);
        EXPECT_EQ(object->m_pSprite, g_pSprite[kind]);
        EXPECT_EQ(object->m_nWidth, g_pSprite[kind]->width());
        EXPECT_EQ(object->m_nHeight, g_pSprite[kind]->height());
        EXPECT_EQ(object->m_nFrameCount, frames);
        EXPECT_EQ(object->m_nLastXMove, 250);
        EXPECT_EQ(object->m_nLastYMove, 250);
        EXPECT_EQ(object->m_nLastFrameTime, 250);
        EXPECT_EQ(object->m_nDistance, 0);
        EXPECT_TRUE(object->m_bDirection);
        EXPECT_FALSE(object->m_bMoving);
        EXPECT_FALSE(object->m_bStepPending);
    }
    // The game's own sizes, as the layouts and the collision distances assume them.
    EXPECT_EQ(g_pSprite[BLOCK]->frame_count(), 4);
    EXPECT_EQ(g_pSprite[BLOCK]->height(), 50);
    EXPECT_EQ(g_pSprite[BULLET]->height(), 10);
    EXPECT_EQ(g_pSprite[WALL]->height(), 38);
}

TEST_F(ObjectsPlain, ShotsAndBannersSoundWhenMadeAndNothingElseDoes) {
    ObjectSounds sounds;
    ASSERT_TRUE(sounds.ok());
    struct Case {
        ObjectType kind;
        const char* playing;  // copies playing of sounds 0 (laser) .. 3 (game over)
    };
    const Case cases[] = {
        {BULLET, "1000"},
        {ENEMY_BULLET, "1000"},
        {LEVEL_COMPLETE_BANNER, "0010"},
        {GAME_OVER_BANNER, "0001"},
        {WALL, "0000"},
        {BUTTON_WALL, "0000"},
        {TOP_WALL, "0000"},
        {TELA_WALL, "0000"},
        {PLATFORM_H, "0000"},
        {PLATFORM_V, "0000"},
        {HOLE_WALL_V, "0000"},
        {HOLE_WALL_H, "0000"},
        {END_MARKER, "0000"},
        {ENEMY, "0000"},
        {FOREGROUND_LEFT, "0000"},
        {BLOCK, "0000"},
        {GUN, "0000"},
        {LEFT_BUTTON, "0000"},
    };
    for (const Case& c : cases) {
        ObjectManager.reset();
        sounds.Quiet();
        ObjectManager.create(c.kind, 100, 200, 0, 0, 'r');
        EXPECT_EQ(sounds.AllPlaying(), c.playing) << "kind " << c.kind;
    }
    // Two shots at once take two copies of the laser sound.
    sounds.Quiet();
    ObjectManager.create(BULLET, 100, 200, 3, 0, 'r');
    ObjectManager.create(BULLET, 200, 200, 3, 0, 'r');
    EXPECT_EQ(sounds.AllPlaying(), "2000");
}

TEST_F(ObjectsPlain, IsDrawnWithItsFrameWhereTheViewShowsItAcrossTheSeam) {
    struct Case {
        ObjectType kind;
        int frame;
        int viewX;
        int x, y;
        int column;  // screen column of the anchor
    };
    const Case cases[] = {
        {WALL, 0, 320, 320, 300, 320},
        {WALL, 0, 20, 1360, 300, 292},  // 28 to the left of the view, across the seam
        {WALL, 0, 1350, 10, 300, 348},  // 28 to the right of the view, across the seam
        {BULLET, 2, 600, 500, 100, 220},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        ObjectManager.reset();
        Viewpoint.m_nViewX = c.viewX;
        CObject* object = Make(c.kind, c.x, c.y, 0, 0);
        ASSERT_NE(object, nullptr);
        object->changeFrame(c.frame);
        Clear(0);
        object->draw(lpSecondary);
        const int w = object->m_nWidth;
        const int h = object->m_nHeight;
        const int left = c.column - w / 2;
        const DWORD paint = PaintColour(c.kind, c.frame);
        EXPECT_EQ(Pixel(left, c.y), paint);                  // bottom-left corner
        EXPECT_EQ(Pixel(left + w - 1, c.y - h + 1), paint);  // top-right corner
        EXPECT_EQ(Pixel(left - 1, c.y), 0u);
        EXPECT_EQ(Pixel(left + w, c.y), 0u);
        EXPECT_EQ(Pixel(left, c.y + 1), 0u);
        EXPECT_EQ(Pixel(left, c.y - h), 0u);
    }
}

}  // namespace
