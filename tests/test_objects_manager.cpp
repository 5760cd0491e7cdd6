// tests/test_objects_manager.cpp — the object manager: lists, links, distances, shots, guns.
#include <gtest/gtest.h>

#include <climits>
#include <string>
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

CObjectManager& M() {
    return ObjectManager;
}

class ObjectsManager : public ObjectScene {
protected:
    // A plain object of `kind` whose centre is at (x, cy), and its slot.
    static int MakeCentredAt(ObjectType kind, int x, int cy, int xspeed = 0, int yspeed = 0) {
        const int slot =
            M().create(kind, x, cy + g_pSprite[kind]->height() / 2, xspeed, yspeed, 'r');
        EXPECT_GE(slot, 0);
        return slot;
    }

    // A shot of `kind` travelling in direction `frame` with its centre at (x, cy).
    static int MakeShot(ObjectType kind, int frame, int x, int cy) {
        const int slot = MakeCentredAt(kind, x, cy);
        if (slot >= 0) M().m_pObjectList[slot]->changeFrame(frame);
        return slot;
    }

    static int CountOf(ObjectType kind) {
        int count = 0;
        for (int i = 0; i < M().m_nMaxCount; ++i) {
            if (M().m_pObjectList[i] != nullptr && M().m_pObjectList[i]->m_nObjectType == kind) {
                ++count;
            }
        }
        return count;
    }
};

TEST_F(ObjectsManager, ANewManagerIsEmptyWithItsStartingLinks) {
    CObjectManager manager(5);
    EXPECT_EQ(manager.m_nMaxCount, 5);
    EXPECT_EQ(manager.m_nObjectCount + manager.m_nButtonCount + manager.m_nPanelCount, 0);
    EXPECT_EQ(manager.m_nSlider, 3);
    const int zeroes[] = {manager.m_nLastGunTime, manager.m_nLastEnemyGunTime, manager.m_nCurrent,
                          manager.m_nGun,         manager.m_nPlatformP,        manager.m_nPlatform,
                          manager.m_nEnemy,       manager.m_nButton1,          manager.m_nButton2,
                          manager.m_nButton3,     manager.m_nLastBullet,       manager.m_nTelaWall,
                          manager.m_nTelaWall2,   manager.m_nCloseWall};
    for (int value : zeroes) EXPECT_EQ(value, 0);
    EXPECT_FALSE(manager.m_bPlayerHit);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(manager.create(WALL, 38 * i, 100, 0, 0, 'r'), i);
    EXPECT_EQ(manager.create(WALL, 0, 200, 0, 0, 'r'), -1);
    EXPECT_EQ(manager.m_nObjectCount, 5);
    // The manager's destructor takes its objects with it (the leak checker watches).
}

TEST_F(ObjectsManager, FullListsRefuseTheNextObject) {
    struct Case {
        const char* what;
        ObjectType kind;
        ObjectType another;  // a different kind of the same list
        int capacity;
        int CObjectManager::*count;
    };
    const Case cases[] = {
        {"plain objects", WALL, BULLET, 72, &CObjectManager::m_nObjectCount},
        {"buttons", LEFT_BUTTON, BOTTOM_BUTTON, 6, &CObjectManager::m_nButtonCount},
        {"side panels", GUN, PLATFORM_PANEL, 4, &CObjectManager::m_nPanelCount},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        M().reset();
        for (int i = 0; i < c.capacity; ++i) {
            ASSERT_EQ(M().create(c.kind, 10 * i, 100, 0, 0, 'r'), i);
        }
        EXPECT_EQ(M().create(c.kind, 0, 300, 0, 0, 'r'), -1);
        EXPECT_EQ(M().create(c.another, 0, 300, 0, 0, 'r'), -1);
        EXPECT_EQ(M().*c.count, c.capacity);
    }
}

TEST_F(ObjectsManager, ANewObjectTakesTheLowestFreeSlot) {
    for (int i = 0; i < 10; ++i) M().create(WALL, 38 * i, 100, 0, 0, 'r');
    M().kill(5);
    EXPECT_EQ(M().m_nObjectCount, 9);
    EXPECT_EQ(M().m_pObjectList[5], nullptr);
    EXPECT_EQ(M().create(BULLET, 0, 300, 3, 0, 'r'), 5);
    EXPECT_EQ(M().m_pObjectList[5]->m_nObjectType, BULLET);
    M().kill(7);
    M().kill(2);
    const int expected[] = {2, 7, 10};
    for (int slot : expected) EXPECT_EQ(M().create(TELA_WALL, 0, 200, 0, 0, 'r'), slot);
    EXPECT_EQ(M().m_nObjectCount, 11);
}

TEST_F(ObjectsManager, KillOutsideTheListOrOnAnEmptySlotChangesNothing) {
    for (int i = 0; i < 5; ++i) M().create(WALL, 38 * i, 100, 0, 0, 'r');
    M().kill(3);
    std::vector<CObject*> before(M().m_pObjectList, M().m_pObjectList + 72);
    for (int index : {3, -1, 72, 73, 100000, INT_MIN, INT_MAX}) {
        M().kill(index);
        EXPECT_EQ(M().m_nObjectCount, 4) << index;
        EXPECT_EQ(std::vector<CObject*>(M().m_pObjectList, M().m_pObjectList + 72), before)
            << index;
    }
}

TEST_F(ObjectsManager, CreateWrapsXInEveryList) {
    struct Case {
        ObjectType kind;
        int x;
        int expected;
    };
    const Case cases[] = {
        {WALL, -10, 1358}, {BLOCK, 1370, 2}, {SLIDER, -1368, 0}, {TOP_BUTTON, 2 * 1368 + 5, 5}};
    for (const Case& c : cases) {
        M().reset();
        ASSERT_EQ(M().create(c.kind, c.x, 100, 0, 0, 'r'), 0);
        const CObject* made = c.kind == BLOCK    ? static_cast<CObject*>(M().m_pPlayerList[0])
                              : c.kind == SLIDER ? M().m_pPanelList[0]
                              : c.kind == WALL   ? M().m_pObjectList[0]
                                                 : M().m_pButtonList[0];
        EXPECT_EQ(made->m_nX, c.expected) << c.kind;
    }
}

TEST_F(ObjectsManager, ASecondBlockReplacesTheFirst) {
    EXPECT_EQ(M().create(BLOCK, 100, 200, 0, 0, 'r'), 0);
    EXPECT_EQ(M().create(BLOCK, 500, 250, 0, 0, 'r'), 0);
    EXPECT_EQ(M().m_pPlayerList[0]->getX(), 500);
    EXPECT_EQ(M().m_pPlayerList[0]->getY(), 250);
    EXPECT_EQ(M().m_nObjectCount, 0);
}

TEST_F(ObjectsManager, SettersTakeOnlySlotsBelowTheirListsCount) {
    using Setter = void (CObjectManager::*)(int);
    struct Case {
        const char* what;
        Setter set;
        int CObjectManager::*link;
        ObjectType kind;  // fills the list the bound counts
    };
    const Case cases[] = {
        {"gun", &CObjectManager::set_gun, &CObjectManager::m_nGun, GUN},
        {"slider", &CObjectManager::set_slider, &CObjectManager::m_nSlider, SLIDER},
        {"platform panel", &CObjectManager::set_platformP, &CObjectManager::m_nPlatformP,
         PLATFORM_PANEL},
        {"platform", &CObjectManager::set_platform, &CObjectManager::m_nPlatform, PLATFORM_H},
        {"enemy", &CObjectManager::set_enemy, &CObjectManager::m_nEnemy, ENEMY},
        {"button 1", &CObjectManager::set_button1, &CObjectManager::m_nButton1, LEFT_BUTTON},
        {"button 2", &CObjectManager::set_button2, &CObjectManager::m_nButton2, TOP_BUTTON},
        {"button 3", &CObjectManager::set_button3, &CObjectManager::m_nButton3, RIGHT_BUTTON},
        {"switchable wall", &CObjectManager::set_telaWall, &CObjectManager::m_nTelaWall, TELA_WALL},
        {"second switchable wall", &CObjectManager::set_telaWall2, &CObjectManager::m_nTelaWall2,
         TELA_WALL},
        {"closing wall", &CObjectManager::set_closeWall, &CObjectManager::m_nCloseWall, WALL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        M().reset();
        M().*c.link = 1;
        (M().*c.set)(0);  // the list is still empty
        EXPECT_EQ(M().*c.link, 1);
        for (int i = 0; i < 3; ++i) M().create(c.kind, 38 * i, 200, 0, 0, 'r');
        struct Call {
            int index;
            int link;  // the link afterwards
        };
        const Call calls[] = {{2, 2}, {-1, 2}, {3, 2}, {72, 2}, {INT_MIN, 2}, {0, 0}, {1, 1}};
        for (const Call& call : calls) {
            (M().*c.set)(call.index);
            EXPECT_EQ(M().*c.link, call.link) << "after index " << call.index;
        }
    }
}

TEST_F(ObjectsManager, TheBlockLinkTakesOnlyTheBlocksSlot) {
    M().create(BLOCK, 100, 200, 0, 0, 'r');
    M().m_nCurrent = 7;  // a stray value, to see which calls change it
    M().set_current(0);  // no plain object yet: the bound is the object count
    EXPECT_EQ(M().m_nCurrent, 7);
    for (int i = 0; i < 3; ++i) M().create(WALL, 38 * i, 200, 0, 0, 'r');
    for (int index : {1, 2, -1, 3}) {
        M().set_current(index);  // the block's list has only slot 0
        EXPECT_EQ(M().m_nCurrent, 7) << index;
    }
    M().set_current(0);
    EXPECT_EQ(M().m_nCurrent, 0);
}

TEST_F(ObjectsManager, PointDistancesTakeTheShorterWayRoundTheWorld) {
    struct Case {
        int x1, y1, x2, y2;
        int expected;
    };
    const Case cases[] = {
        {10, 200, 1360, 200, 18}, {1360, 200, 10, 200, 18}, {0, 0, 1, 1, 1},
        {0, 0, 3, 4, 5},          {0, 0, 684, 0, 684},      {0, 0, 685, 0, 683},
        {0, 0, 1367, 0, 1},       {700, 0, 10, 30, 678},    {5, -100, 5, 580, 680},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(M().distance(c.x1, c.y1, c.x2, c.y2), c.expected)
            << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
    }
}

TEST_F(ObjectsManager, ObjectDistancesAreBetweenCentresOfFilledSlots) {
    MakeCentredAt(WALL, 100, 219);    // object 0
    MakeCentredAt(BULLET, 110, 195);  // object 1
    MakeCentredAt(WALL, 1360, 219);   // object 2
    MakeCentredAt(WALL, 10, 219);     // object 3
    MakeCentredAt(WALL, 500, 100);    // object 4, killed below
    M().kill(4);
    M().create(BLOCK, 100, 300, 0, 0, 'r');        // centre (100, 275)
    M().create(LEFT_BUTTON, 130, 225, 0, 0, 'r');  // centre (130, 219)
    M().create(GUN, 100, 249, 0, 0, 'b');          // centre (100, 234), whatever its offset
    struct Case {
        int first, second;
        char type;
        int expected;
    };
    const Case cases[] = {
        {0, 1, 'o', 26},  {1, 0, 'x', 26},  {2, 3, 'o', 18}, {0, 0, 'p', 56},
        {0, 0, 'b', 30},  {0, 0, 's', 15},  {0, 1, 'p', -1}, {0, 1, 'b', -1},
        {0, 1, 's', -1},  {0, 6, 'b', -1},  {0, 4, 's', -1}, {0, 72, 'o', -1},
        {-1, 0, 'o', -1}, {72, 0, 'p', -1}, {0, 4, 'o', -1},  // an empty slot has no centre
        {4, 0, 'p', -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(M().distance(c.first, c.second, c.type), c.expected)
            << c.first << " to " << c.type << c.second;
        if (c.type == 'o') {
            EXPECT_EQ(M().distance(c.first, c.second), c.expected);
        }
    }
}

TEST_F(ObjectsManager, ShotsReachTheBlockButtonsAndWallsBelowTheirDistances) {
    struct Case {
        const char* what;
        ObjectType shot;
        ObjectType target;
        int x;       // the target's centre
        int dx, dy;  // from the target's centre to the shot's
        bool removed;
        bool playerHit;
    };
    const Case cases[] = {
        {"enemy shot 16 below the block", ENEMY_BULLET, BLOCK, 100, 0, 16, true, true},
        {"enemy shot 17 below the block", ENEMY_BULLET, BLOCK, 100, 0, 17, false, false},
        {"enemy shot 16.4 aslant", ENEMY_BULLET, BLOCK, 100, 10, 13, true, true},
        {"the player's own shot in the block", BULLET, BLOCK, 100, 0, 0, false, false},
        {"shot 7 from a button", BULLET, LEFT_BUTTON, 100, -7, 0, true, false},
        {"shot 8 from a button", BULLET, LEFT_BUTTON, 100, -8, 0, false, false},
        {"enemy shot 7 from a button", ENEMY_BULLET, TOP_BUTTON, 100, 0, -7, true, false},
        {"shot 22 from a wall", BULLET, WALL, 100, -22, 0, true, false},
        {"shot 23 from a wall", BULLET, WALL, 100, -23, 0, false, false},
        {"shot 22 from a wall across the seam", BULLET, WALL, 10, -22, 0, true, false},
        {"shot 23 from a wall across the seam", BULLET, WALL, 1360, 23, 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        M().reset();
        M().m_bPlayerHit = false;
        const int x = c.x;
        const int cy = 219;
        const int h = g_pSprite[c.target]->height();
        M().create(c.target, x, cy + h / 2, 0, 0, 'r');
        const int shot = MakeShot(c.shot, c.target == TOP_BUTTON ? 1 : 0, x + c.dx, cy + c.dy);
        M().collision_detection();
        EXPECT_EQ(M().m_pObjectList[shot] == nullptr, c.removed);
        EXPECT_EQ(M().m_bPlayerHit, c.playerHit);
        if (c.target == WALL) {
            EXPECT_EQ(CountOf(WALL), 1);  // walls are never harmed
        }
    }
}

TEST_F(ObjectsManager, EachKindOfWallStopsShotsOfItsOwnDirections) {
    struct Case {
        ObjectType wall;
        const char* stops;  // by the shot's frame: right, down, left, up
    };
    const Case cases[] = {
        {WALL, "SSSS"},
        {TELA_WALL, "SSSS"},
        {TOP_WALL, "-S--"},
        {PLATFORM_H, "-S-S"},
        {PLATFORM_V, "S-S-"},
        {BUTTON_WALL, "----"},
        {HOLE_WALL_V, "----"},
        {HOLE_WALL_H, "----"},
        {END_MARKER, "----"},
        {ENEMY, "----"},
        {FOREGROUND_LEFT, "----"},
        {GAME_OVER_BANNER, "----"},
        {BULLET, "----"},
        {LEVEL_COMPLETE_BANNER, "----"},
    };
    for (const Case& c : cases) {
        for (ObjectType kind : {BULLET, ENEMY_BULLET}) {
            std::string stopped;
            for (int frame = 0; frame < 4; ++frame) {
                M().reset();
                MakeCentredAt(c.wall, 500, 219);
                const int shot = MakeShot(kind, frame, 480, 219);
                M().collision_detection();
                stopped += M().m_pObjectList[shot] == nullptr ? 'S' : '-';
                EXPECT_NE(M().m_pObjectList[0], nullptr);
            }
            EXPECT_EQ(stopped, c.stops) << "wall kind " << c.wall << ", shot kind " << kind;
        }
    }
}

TEST_F(ObjectsManager, EveryShotIsCollidedInOneWalk) {
    MakeCentredAt(WALL, 500, 219);
    const int first = MakeShot(BULLET, 0, 480, 219);
    const int second = MakeShot(ENEMY_BULLET, 1, 500, 200);
    const int third = MakeShot(BULLET, 2, 900, 219);  // far from everything
    M().collision_detection();
    EXPECT_EQ(M().m_pObjectList[first], nullptr);
    EXPECT_EQ(M().m_pObjectList[second], nullptr);
    EXPECT_NE(M().m_pObjectList[third], nullptr);
    EXPECT_EQ(M().m_nObjectCount, 2);
}

TEST_F(ObjectsManager, AShotPressesAnUpButtonWithAClickAndVanishesSilentlyOnAPressedOne) {
    ObjectSounds sounds;
    ASSERT_TRUE(sounds.ok());
    M().create(RIGHT_BUTTON, 300, 225, 0, 0, 'r');  // centre (300, 219)
    Button* button = M().m_pButtonList[0];
    MakeCentredAt(WALL, 281, 219);  // the wall the button sits on, also within reach
    struct Shot {
        ObjectType kind;
        const char* playing;  // after the shot
    };
    const Shot shots[] = {{BULLET, "0100"}, {BULLET, "0000"}, {ENEMY_BULLET, "0000"}};
    for (const Shot& s : shots) {
        const int shot = MakeShot(s.kind, 2, 296, 219);
        sounds.Quiet();  // the shot's own sound
        M().collision_detection();
        EXPECT_EQ(M().m_pObjectList[shot], nullptr);
        EXPECT_TRUE(button->m_bPressed);
        EXPECT_EQ(button->m_nFrame, 1);
        EXPECT_TRUE(button->m_bArmed);  // the level script clears it when it acts
        EXPECT_EQ(sounds.AllPlaying(), s.playing);
    }
    EXPECT_EQ(CountOf(WALL), 1);
}

TEST_F(ObjectsManager, TheGunShootsFromTheFaceItIsOn) {
    struct Case {
        char side;
        int blockX;
        int x, y, xspeed, yspeed, frame;
    };
    const Case cases[] = {
        {'l', 400, 380, 286, -3, 0, 2}, {'b', 400, 400, 307, 0, 6, 1},
        {'r', 400, 420, 286, 3, 0, 0},  {'t', 400, 400, 265, 0, -6, 3},
        {'r', 1360, 12, 286, 3, 0, 0},  {'l', 10, 1358, 286, -3, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.side) + " at " + std::to_string(c.blockX));
        M().reset();
        M().create(WALL, 0, 479, 0, 0, 'r');  // slot 0 taken: the shot's slot is reported
        M().create(BLOCK, c.blockX, 300, 0, 0, 'r');
        M().create(SLIDER, c.blockX, 300, 0, 0, 'r');
        M().create(GUN, c.blockX, 300, 0, 0, c.side);
        M().set_gun(1);
        Advance(500);
        M().fire_gun();
        ASSERT_EQ(M().m_nLastBullet, 1);
        const CObject* shot = M().m_pObjectList[1];
        ASSERT_NE(shot, nullptr);
        EXPECT_EQ(shot->m_nObjectType, BULLET);
        EXPECT_EQ(shot->m_nX, c.x);
        EXPECT_EQ(shot->m_nY, c.y);
        EXPECT_EQ(shot->m_nXspeed, c.xspeed);
        EXPECT_EQ(shot->m_nYspeed, c.yspeed);
        EXPECT_EQ(shot->m_nFrame, c.frame);
    }
}

TEST_F(ObjectsManager, HoldingFireMakesOneShotPer500Ms) {
    M().create(BLOCK, 400, 300, 0, 0, 'r');
    M().create(GUN, 400, 300, 0, 0, 'r');
    std::vector<int> shotTimes;
    for (int t = 0; t <= 1600; t += 16) {
        const int before = M().m_nObjectCount;
        M().fire_gun();
        if (M().m_nObjectCount != before) shotTimes.push_back(Timer.time());
        Advance(16);
    }
    EXPECT_EQ(shotTimes, (std::vector<int>{512, 1024, 1536}));
}

TEST_F(ObjectsManager, TheGunsCoolDownRestartsEvenWhenNoShotCanBeMade) {
    M().create(BLOCK, 400, 300, 0, 0, 'r');
    M().create(GUN, 400, 300, 0, 0, 't');
    for (int i = 0; i < 72; ++i) M().create(WALL, 38 * i, 100, 0, 0, 'r');
    Advance(500);
    M().fire_gun();
    EXPECT_EQ(M().m_nLastBullet, -1);
    EXPECT_EQ(M().m_nLastGunTime, 500);
    M().kill(40);
    Advance(100);
    M().fire_gun();  // 100 ms after the refused shot
    EXPECT_EQ(M().m_nObjectCount, 71);
    Advance(400);
    M().fire_gun();
    EXPECT_EQ(M().m_nLastBullet, 40);
    EXPECT_EQ(M().m_pObjectList[40]->m_nObjectType, BULLET);
}

TEST_F(ObjectsManager, TheGunNeedsTheBlockAndAPanelInTheGunsSlot) {
    struct Case {
        const char* what;
        bool block;
        int gunLink;
    };
    const Case cases[] = {{"no block", false, 0}, {"the gun link names an empty slot", true, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        M().reset();
        if (c.block) M().create(BLOCK, 400, 300, 0, 0, 'r');
        M().create(GUN, 400, 300, 0, 0, 'r');
        M().m_nGun = c.gunLink;
        Advance(500);
        M().fire_gun();
        EXPECT_EQ(M().m_nObjectCount, 0);
    }
}

TEST_F(ObjectsManager, EnemiesFireOnlyWhenStrictlyWithinTenPixelsOfTheBlock) {
    struct Case {
        int blockX, enemyX;
        bool fires;
    };
    const Case cases[] = {
        {400, 409, true},  {400, 391, true}, {400, 400, true}, {400, 410, false},
        {400, 390, false}, {5, 1366, false},  // 7 apart across the seam, but not as they stand
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.enemyX) + " over " + std::to_string(c.blockX));
        M().reset();
        M().m_nLastEnemyGunTime = Timer.time();
        M().create(BLOCK, c.blockX, 300, 0, 0, 'r');
        const int enemy = M().create(ENEMY, c.enemyX, 100, 0, 0, 'r');
        M().m_nLastBullet = 99;
        Advance(500);
        M().animate(lpSecondary);
        EXPECT_EQ(CountOf(ENEMY_BULLET), c.fires ? 1 : 0);
        if (!c.fires) {
            EXPECT_EQ(M().m_nLastBullet, 99);
            continue;
        }
        ASSERT_EQ(M().m_nLastBullet, enemy + 1);
        const CObject* shot = M().m_pObjectList[enemy + 1];
        EXPECT_EQ(shot->m_nX, c.enemyX);
        EXPECT_EQ(shot->m_nY, 107);
        EXPECT_EQ(shot->m_nXspeed, 0);
        EXPECT_EQ(shot->m_nYspeed, 6);
        EXPECT_EQ(shot->m_nFrame, 1);
    }
}

TEST_F(ObjectsManager, EnemiesShareOneCoolDownAndNeedTheBlock) {
    M().create(ENEMY, 405, 100, 0, 0, 'r');
    M().create(ENEMY, 395, 100, 0, 0, 'r');
    for (int t = 0; t < 1100; t += 16) {
        Advance(16);
        M().animate(lpSecondary);
    }
    EXPECT_EQ(CountOf(ENEMY_BULLET), 0);  // no block, no fire

    // Far enough below that no shot reaches it during the test.
    M().create(BLOCK, 400, 470, 0, 0, 'r');
    const int start = Timer.time();
    std::vector<int> times;
    std::vector<int> shooters;
    for (int t = 0; t < 1100; t += 16) {
        Advance(16);
        const int before = CountOf(ENEMY_BULLET);
        M().animate(lpSecondary);
        const int made = CountOf(ENEMY_BULLET) - before;
        EXPECT_LE(made, 1);
        if (made > 0) {
            times.push_back(Timer.time() - start);
            shooters.push_back(M().m_pObjectList[M().m_nLastBullet]->m_nX);
        }
    }
    // One shot per 500 ms between them, always by the first enemy in slot order.
    EXPECT_EQ(times, (std::vector<int>{16, 528, 1040}));
    EXPECT_EQ(shooters, (std::vector<int>{405, 405, 405}));
}

TEST_F(ObjectsManager, AShotIsRemovedInTheFrameItsFlightFirstExceeds340) {
    struct Case {
        int xspeed, yspeed;
    };
    for (const Case& c : {Case{3, 0}, Case{0, 6}, Case{-3, 0}, Case{0, -6}}) {
        SCOPED_TRACE(std::to_string(c.xspeed) + "," + std::to_string(c.yspeed));
        M().reset();
        const int shot = M().create(BULLET, 600, 300, c.xspeed, c.yspeed, 'r');
        int frames = 0;
        int lastDistance = 0;
        while (M().m_pObjectList[shot] != nullptr && frames < 1000) {
            lastDistance = M().m_pObjectList[shot]->m_nDistance;
            Advance(16);  // 3 pixels a frame
            M().animate(lpSecondary);
            ++frames;
        }
        EXPECT_EQ(frames, 114);
        EXPECT_EQ(lastDistance, 339);
    }
    // Exactly 340 flies on.
    M().reset();
    const int shot = M().create(BULLET, 600, 300, 3, 0, 'r');
    M().m_pObjectList[shot]->m_nDistance = 337;
    Advance(16);
    M().animate(lpSecondary);
    ASSERT_NE(M().m_pObjectList[shot], nullptr);
    EXPECT_EQ(M().m_pObjectList[shot]->m_nDistance, 340);
}

TEST_F(ObjectsManager, AnimateMovesPlainObjectsAndTheViewFollowsTheBlock) {
    Viewpoint.m_nViewX = 0;
    const int enemy = M().create(ENEMY, 100, 100, 2, 0, 'r');
    Advance(16);
    M().animate(lpSecondary);
    EXPECT_EQ(M().m_pObjectList[enemy]->m_nX, 102);
    EXPECT_EQ(Viewpoint.m_nViewX, 0);  // nothing to follow
    M().create(BLOCK, 400, 300, 0, 0, 'r');
    Advance(16);
    M().animate(lpSecondary);
    EXPECT_EQ(M().m_pObjectList[enemy]->m_nX, 104);
    EXPECT_EQ(Viewpoint.m_nViewX, 4);
}

TEST_F(ObjectsManager, AnimateDrawsInSixLayers) {
    struct Case {
        const char* what;
        std::vector<ObjectType> made;  // in this order; END_MARKER stands for kill(0)
        ObjectType seen;
    };
    const Case cases[] = {
        {"the block over a wall", {BLOCK, WALL}, BLOCK},
        {"a one-way floor over the block", {TOP_WALL, BLOCK}, TOP_WALL},
        {"a panel over the block", {GUN, BLOCK}, GUN},
        {"a one-way floor over a panel", {TOP_WALL, GUN}, TOP_WALL},
        {"a button over a one-way floor", {LEFT_BUTTON, TOP_WALL}, LEFT_BUTTON},
        {"a banner over a button", {GAME_OVER_BANNER, LEFT_BUTTON}, GAME_OVER_BANNER},
        {"a banner over everything",
         {LEVEL_COMPLETE_BANNER, WALL, BLOCK, GUN, TOP_WALL, LEFT_BUTTON},
         LEVEL_COMPLETE_BANNER},
        {"later plain objects over earlier ones", {WALL, TELA_WALL}, TELA_WALL},
        {"... in slot order", {TELA_WALL, WALL}, WALL},
        {"walls over the foreground", {FOREGROUND_LEFT, WALL}, WALL},
        {"a freed lower slot goes under", {WALL, TELA_WALL, END_MARKER, HOLE_WALL_H}, TELA_WALL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        M().reset();
        Viewpoint.m_nViewX = 320;  // world x is screen x; the block stands at the view
        for (ObjectType kind : c.made) {
            const int h = g_pSprite[kind]->height();
            if (kind == END_MARKER) {
                M().kill(0);
            } else if (kind == GUN) {
                M().create(GUN, 320, 303, 0, 0, 'b');  // drawn 12 lower: covers rows 286..315
            } else {
                M().create(kind, 320, 300 + h / 2, 0, 0, 'r');
            }
        }
        Clear(0);
        M().animate(lpSecondary);
        EXPECT_EQ(Pixel(320, 300), PaintColour(c.seen, c.seen == GUN ? 4 : 0));
    }
}

TEST_F(ObjectsManager, ResetEmptiesTheListsAndClearsOnlySomeLinks) {
    for (int i = 0; i < 6; ++i) M().create(WALL, 38 * i, 100, 0, 0, 'r');
    for (int i = 0; i < 6; ++i) M().create(LEFT_BUTTON, 38 * i, 200, 0, 0, 'r');
    M().create(BLOCK, 400, 300, 0, 0, 'r');
    for (int i = 0; i < 4; ++i) M().create(GUN, 400, 300, 0, 0, 'r');
    M().set_current(0);
    M().set_gun(3);
    M().set_slider(2);
    M().set_platformP(1);
    M().set_platform(4);
    M().set_enemy(5);
    M().set_button1(1);
    M().set_button2(2);
    M().set_button3(3);
    M().set_telaWall(2);
    M().set_telaWall2(3);
    M().set_closeWall(4);
    M().m_nLastBullet = 5;
    M().m_nLastGunTime = 555;
    M().m_nLastEnemyGunTime = 777;
    M().m_bPlayerHit = true;

    M().reset();

    struct Case {
        const char* name;
        int CObjectManager::*field;
        int expected;
    };
    const Case cases[] = {
        {"gun", &CObjectManager::m_nGun, 0},
        {"slider", &CObjectManager::m_nSlider, 2},
        {"platform panel", &CObjectManager::m_nPlatformP, 1},
        {"platform", &CObjectManager::m_nPlatform, 4},
        {"enemy", &CObjectManager::m_nEnemy, 5},
        {"button 1", &CObjectManager::m_nButton1, 0},
        {"button 2", &CObjectManager::m_nButton2, 0},
        {"button 3", &CObjectManager::m_nButton3, 0},
        {"last shot", &CObjectManager::m_nLastBullet, 0},
        {"switchable wall", &CObjectManager::m_nTelaWall, 0},
        {"second switchable wall", &CObjectManager::m_nTelaWall2, 3},
        {"closing wall", &CObjectManager::m_nCloseWall, 4},
        {"gun time", &CObjectManager::m_nLastGunTime, 0},
        {"enemy gun time", &CObjectManager::m_nLastEnemyGunTime, 777},
        {"block", &CObjectManager::m_nCurrent, 0},
        {"objects", &CObjectManager::m_nObjectCount, 0},
        {"buttons", &CObjectManager::m_nButtonCount, 0},
        {"panels", &CObjectManager::m_nPanelCount, 0},
        {"capacity", &CObjectManager::m_nMaxCount, 72},
    };
    for (const Case& c : cases) EXPECT_EQ(M().*c.field, c.expected) << c.name;
    EXPECT_TRUE(M().m_bPlayerHit);
    for (int i = 0; i < 72; ++i) EXPECT_EQ(M().m_pObjectList[i], nullptr);
    EXPECT_EQ(M().m_pPlayerList[0], nullptr);
    for (Button* button : M().m_pButtonList) EXPECT_EQ(button, nullptr);
    for (SidePanel* panel : M().m_pPanelList) EXPECT_EQ(panel, nullptr);
    // The emptied lists fill from slot 0 again.
    EXPECT_EQ(M().create(BULLET, 0, 100, 3, 0, 'r'), 0);
    EXPECT_EQ(M().create(TOP_BUTTON, 0, 100, 0, 0, 'r'), 0);
    EXPECT_EQ(M().create(SLIDER, 0, 100, 0, 0, 'r'), 0);
}

}  // namespace
