// tests/test_objects_player.cpp — the block's roll and glide, its riding panels, wall buttons.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/CTimer.h"
#include "app/Globals.h"
#include "gfx/CViewPoint.h"
#include "objects/Button.h"
#include "objects/CObjectManager.h"
#include "objects/Player.h"
#include "objects/SidePanel.h"
#include "tests/ObjectScene.h"

namespace {

using objecttest::ObjectScene;
using objecttest::ObjectSounds;
using objecttest::PaintColour;

constexpr int kFrameMs = 16;  // one play frame

class ObjectsBlock : public ObjectScene {
protected:
    // The block at (x, y) and, when `gunSide` is a face, its gun linked on that face.
    Player* MakeBlock(int x, int y, char gunSide = 0) {
        EXPECT_EQ(ObjectManager.create(BLOCK, x, y, 0, 0, 'r'), 0);
        if (gunSide != 0) {
            const int gun = ObjectManager.create(GUN, x, y, 0, 0, gunSide);
            EXPECT_EQ(gun, 0);
            ObjectManager.set_gun(gun);
        }
        return ObjectManager.m_pPlayerList[0];
    }

    static SidePanel* Panel(int slot) { return ObjectManager.m_pPanelList[slot]; }

    // What the level code does for a roll: asks for the first step with g_bDone cleared, then
    // renews the request in every play frame while the block moves; the block is drawn in
    // every frame. Answers the block's x after each step made, in order.
    std::vector<int> Roll(Player* block, bool right) {
        std::vector<int> xs;
        g_bDone = false;
        block->changeFrame(right);
        for (int frame = 0; frame < 100; ++frame) {
            Advance(kFrameMs);
            if (block->m_bMoving) block->changeFrame(right);
            const int before = block->m_nX;
            const bool wasPending = block->m_bStepPending;
            block->draw(lpSecondary);
            if (wasPending && !block->m_bStepPending) {
                xs.push_back(block->m_nX);
                frames_.push_back(block->m_nFrame);
                done_.push_back(g_bDone);
                EXPECT_NE(block->m_nX, before);
            }
            if (!block->m_bMoving && !block->m_bStepPending) break;
        }
        return xs;
    }

    std::vector<int> frames_;  // the block's frame after each step of the last Roll
    std::vector<bool> done_;   // g_bDone after each step of the last Roll
};

TEST_F(ObjectsBlock, ARollMovesOneCellInFourStepsOfTenAndNinePixels) {
    struct Case {
        const char* what;
        int x;
        bool right;
        std::vector<int> xs;
        std::vector<int> frames;
    };
    const Case cases[] = {
        {"right from 282", 282, true, {292, 301, 311, 320}, {1, 2, 3, 0}},
        {"left from 5, through the seam", 5, false, {1363, 1354, 1344, 1335}, {3, 2, 1, 0}},
        {"right from 1350, through the seam", 1350, true, {1360, 1, 11, 20}, {1, 2, 3, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ObjectManager.reset();
        frames_.clear();
        done_.clear();
        Player* block = MakeBlock(c.x, 300);
        EXPECT_EQ(Roll(block, c.right), c.xs);
        EXPECT_EQ(frames_, c.frames);
        EXPECT_EQ(done_, (std::vector<bool>{false, false, false, true}));
        EXPECT_FALSE(block->m_bMoving);
        EXPECT_EQ(block->m_nY, 300);
    }
}

TEST_F(ObjectsBlock, StepsComeOnlyOnThe60MsTicksWhichRunWhetherOrNotAStepIsAsked) {
    Player* block = MakeBlock(282, 300);
    struct Call {
        int at;         // ms since start
        bool request;   // a step is asked for just before the draw
        int expectedX;  // after the draw
    };
    // Ticks fall at 60, 120, 180, ...: each is taken by the first draw at or after it, and the
    // next tick is 60 ms after that draw.
    const Call calls[] = {
        {59, true, 282},                       // not yet a tick
        {60, false, 292},                      // the tick serves the request
        {75, true, 292},                       // asked between ticks
        {119, false, 292}, {125, false, 301},  // the next tick, a little late
        {190, false, 301},                     // a tick with nothing asked: it passes by ...
        {200, true, 301},                      // ... so this request waits for the tick at 250
        {249, false, 301}, {250, false, 311},
    };
    int now = 0;
    for (const Call& call : calls) {
        Advance(call.at - now);
        now = call.at;
        if (call.request) block->changeFrame(true);
        block->draw(lpSecondary);
        EXPECT_EQ(block->m_nX, call.expectedX) << "at " << call.at;
    }
}

TEST_F(ObjectsBlock, PanelsTurnWithTheRollOntoTheNextFace) {
    struct Case {
        char side;
        bool right;
        char endSide;
        int endFrame;
        std::vector<int> frames;  // the gun's frame after each step
    };
    const Case cases[] = {
        {'r', true, 'b', 4, {1, 2, 3, 4}},     {'r', false, 't', 12, {15, 14, 13, 12}},
        {'b', true, 'l', 8, {5, 6, 7, 8}},     {'b', false, 'r', 0, {3, 2, 1, 0}},
        {'l', true, 't', 12, {9, 10, 11, 12}}, {'l', false, 'b', 4, {7, 6, 5, 4}},
        {'t', true, 'r', 0, {13, 14, 15, 0}},  {'t', false, 'l', 8, {11, 10, 9, 8}},
    };
    // The offsets of each face's resting frame: right, bottom, left, top.
    const int restX[16] = {16, 0, 0, 0, 0, 0, 0, 0, -16, 0, 0, 0, 0, 0, 0, 0};
    const int restY[16] = {-4, 0, 0, 0, 12, 0, 0, 0, -4, 0, 0, 0, -20, 0, 0, 0};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.side) + (c.right ? " rolling right" : " rolling left"));
        ObjectManager.reset();
        Player* block = MakeBlock(282, 300, c.side);
        SidePanel* gun = Panel(0);
        std::vector<int> frames;
        g_bDone = false;
        block->changeFrame(c.right);
        while (frames.size() < 4) {
            Advance(kFrameMs);
            if (block->m_bMoving) block->changeFrame(c.right);
            const int before = block->m_nFrame;
            block->draw(lpSecondary);
            if (block->m_nFrame != before) {
                frames.push_back(gun->m_nFrame);
                EXPECT_EQ(gun->getSide(), frames.size() < 4 ? c.side : c.endSide);
            }
        }
        EXPECT_EQ(frames, c.frames);
        EXPECT_EQ(gun->getSide(), c.endSide);
        EXPECT_EQ(gun->m_nFrame, c.endFrame);
        EXPECT_EQ(gun->m_nOffsetX, restX[c.endFrame]);
        EXPECT_EQ(gun->m_nOffsetY, restY[c.endFrame]);
        EXPECT_EQ(gun->m_nX, block->m_nX);
        EXPECT_EQ(gun->m_nY, block->m_nY);
    }
}

TEST_F(ObjectsBlock, APanelNamedByTwoLinksMovesAndTurnsOnce) {
    struct Case {
        const char* what;
        int gun, slider, platform;  // links; slot 3 stays empty
        int panels;                 // panels made, slots 0 ..
    };
    const Case cases[] = {
        {"gun and slider the same", 0, 0, 1, 2},
        {"all three the same", 0, 0, 0, 1},
        {"gun and platform panel the same", 1, 0, 1, 2},
        {"slider and platform panel the same", 0, 1, 1, 2},
        {"a link to an empty slot", 0, 3, 1, 2},
        {"three panels", 0, 1, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ObjectManager.reset();
        Player* block = MakeBlock(282, 300);
        const ObjectType kinds[] = {GUN, SLIDER, PLATFORM_PANEL};
        for (int i = 0; i < c.panels; ++i) ObjectManager.create(kinds[i], 282, 300, 0, 0, 'r');
        ObjectManager.m_nGun = c.gun;
        ObjectManager.m_nSlider = c.slider;
        ObjectManager.m_nPlatformP = c.platform;
        Roll(block, true);
        EXPECT_EQ(block->m_nX, 320);
        for (int i = 0; i < c.panels; ++i) {
            EXPECT_EQ(Panel(i)->m_nX, 320) << "panel " << i;
            EXPECT_EQ(Panel(i)->m_nFrame, 4) << "panel " << i;
            EXPECT_EQ(Panel(i)->getSide(), 'b') << "panel " << i;
        }
    }
}

TEST_F(ObjectsBlock, APanelNoLinkNamesStaysWhereItIs) {
    Player* block = MakeBlock(282, 300, 'r');
    ObjectManager.create(SLIDER, 282, 300, 0, 0, 'l');
    ObjectManager.m_nSlider = 0;
    ObjectManager.m_nPlatformP = 0;
    Roll(block, true);
    EXPECT_EQ(Panel(1)->m_nX, 282);
    EXPECT_EQ(Panel(1)->m_nFrame, 8);
    EXPECT_EQ(Panel(1)->getSide(), 'l');
}

TEST_F(ObjectsBlock, AGlideMovesOneCellInEightFramePacedStepsWithoutWrapping) {
    struct Case {
        char direction;
        int x, y;
        int endX, endY;
    };
    const Case cases[] = {
        {'d', 300, 233, 300, 271},   {'u', 300, 271, 300, 233}, {'l', 2, 200, -36, 200},
        {'r', 1360, 200, 1398, 200}, {'x', 300, 200, 300, 200},  // no such direction: the steps
                                                                 // move nothing
    };
    const int steps[8] = {5, 4, 5, 5, 5, 4, 5, 5};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.direction));
        ObjectManager.reset();
        Player* block = MakeBlock(c.x, c.y, 't');
        SidePanel* gun = Panel(0);
        const bool moves = c.endX != c.x || c.endY != c.y;
        int counter = 0;
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(counter, i);
            const int before = block->m_nX + block->m_nY;
            block->fall(counter, c.direction);
            const int moved = block->m_nX + block->m_nY - before;
            EXPECT_EQ(std::abs(moved), moves ? steps[i] : 0) << "step " << i;
            EXPECT_EQ(g_bDone, i == 7) << "step " << i;
            EXPECT_EQ(block->m_bMoving, i != 7) << "step " << i;
            EXPECT_EQ(gun->m_nX, block->m_nX) << "step " << i;
            EXPECT_EQ(gun->m_nY, block->m_nY) << "step " << i;
        }
        EXPECT_EQ(counter, 0);
        EXPECT_EQ(block->m_nX, c.endX);
        EXPECT_EQ(block->m_nY, c.endY);
        EXPECT_EQ(gun->m_nFrame, 12);
        EXPECT_EQ(gun->getSide(), 't');
        EXPECT_EQ(gun->m_nOffsetY, -20);
    }
}

TEST_F(ObjectsBlock, AGlideIgnoresTheClockAndARollIgnoresFramesWithoutTime) {
    Player* block = MakeBlock(300, 233);
    int counter = 0;
    for (int i = 0; i < 8; ++i) block->fall(counter, 'd');  // no time passes at all
    EXPECT_EQ(block->m_nY, 271);
    block->changeFrame(true);
    for (int i = 0; i < 20; ++i) block->draw(lpSecondary);  // many frames, no time
    EXPECT_EQ(block->m_nX, 300);
    EXPECT_EQ(block->m_nFrame, 0);
}

TEST_F(ObjectsBlock, PanelOffsetsFollowTheFrameAllTheWayRound) {
    const int offsetX[16] = {16, 17, 14, 9, 0, -7, -12, -15, -16, -15, -12, -7, 0, 6, 11, 15};
    const int offsetY[16] = {-4, -6, -2, 2, 12, 6, 2, -2, -4, -16, -22, -24, -20, -24, -22, -16};
    ObjectManager.create(GUN, 300, 300, 0, 0, 'r');
    SidePanel* panel = Panel(0);
    for (int step = 1; step <= 16; ++step) {
        panel->moveSprite(step % 4, true);
        const int frame = step % 16;
        EXPECT_EQ(panel->m_nFrame, frame);
        EXPECT_EQ(panel->m_nOffsetX, offsetX[frame]) << "frame " << frame;
        EXPECT_EQ(panel->m_nOffsetY, offsetY[frame]) << "frame " << frame;
    }
    EXPECT_EQ(panel->m_nX, 300 + 4 * 38);
    panel->moveSprite(3, false);  // below 0 comes round to 15
    EXPECT_EQ(panel->m_nFrame, 15);
    EXPECT_EQ(panel->m_nOffsetX, 15);
    EXPECT_EQ(panel->m_nOffsetY, -16);
    EXPECT_EQ(panel->m_nX, 300 + 4 * 38 - 10);
}

TEST_F(ObjectsBlock, APanelStartsOnItsFaceAndChangesFaceOnlyFromAFace) {
    struct Case {
        char side;
        int frame, offsetX, offsetY;
    };
    const Case cases[] = {{'r', 0, 16, -4}, {'b', 4, 0, 12}, {'l', 8, -16, -4}, {'t', 12, 0, -20}};
    for (const Case& c : cases) {
        ObjectManager.reset();
        ObjectManager.create(SLIDER, 100, 200, 0, 0, c.side);
        SidePanel* panel = Panel(0);
        EXPECT_EQ(panel->getSide(), c.side);
        EXPECT_EQ(panel->m_nFrame, c.frame);
        EXPECT_EQ(panel->m_nOffsetX, c.offsetX);
        EXPECT_EQ(panel->m_nOffsetY, c.offsetY);
        EXPECT_EQ(panel->m_nFrameCount, 16);
    }
    Panel(0)->m_cSide = 'q';
    Panel(0)->changeSide(true);
    EXPECT_EQ(Panel(0)->getSide(), 'q');
    EXPECT_EQ(Panel(0)->m_nFrame, 12);
}

TEST_F(ObjectsBlock, APanelIsDrawnAtItsOffsetFromTheBlock) {
    struct Case {
        char side;
        int frame;
    };
    for (const Case& c : {Case{'r', 0}, Case{'b', 4}, Case{'l', 8}, Case{'t', 12}}) {
        ObjectManager.reset();
        Viewpoint.m_nViewX = 1300;
        ObjectManager.create(GUN, 10, 300, 0, 0, c.side);  // 78 right of the view, across the seam
        SidePanel* panel = Panel(0);
        Clear(0);
        panel->draw(lpSecondary);
        const int column = 320 + 78 + panel->m_nOffsetX;
        const int bottom = 300 + panel->m_nOffsetY;
        const DWORD paint = PaintColour(GUN, c.frame);
        EXPECT_EQ(Pixel(column - 15, bottom), paint) << c.side;
        EXPECT_EQ(Pixel(column + 14, bottom - 29), paint) << c.side;
        EXPECT_EQ(Pixel(column - 16, bottom), 0u) << c.side;
        EXPECT_EQ(Pixel(column - 15, bottom + 1), 0u) << c.side;
    }
}

TEST_F(ObjectsBlock, TheBlockTheGunAndTheButtonsMakeNoSoundButPressingClicks) {
    ObjectSounds sounds;
    ASSERT_TRUE(sounds.ok());
    MakeBlock(100, 200, 'r');
    ObjectManager.create(TOP_BUTTON, 300, 200, 0, 0, 'r');
    Button* button = ObjectManager.m_pButtonList[0];
    EXPECT_EQ(sounds.AllPlaying(), "0000");
    EXPECT_FALSE(button->m_bPressed);
    EXPECT_TRUE(button->m_bArmed);
    EXPECT_EQ(button->m_nFrame, 0);
    EXPECT_EQ(button->m_nFrameCount, 2);

    struct Step {
        int frame;
        const char* playing;
    };
    // The click plays whenever the pressed picture is asked for, even a second time.
    const Step steps[] = {{0, "0000"}, {1, "0100"}, {1, "0200"}, {0, "0200"}};
    for (const Step& step : steps) {
        button->changeFrame(step.frame);
        EXPECT_EQ(button->m_nFrame, step.frame);
        EXPECT_EQ(sounds.AllPlaying(), step.playing);
    }
    // The roll request is still the object's own through a button.
    button->changeFrame(false);
    EXPECT_TRUE(button->m_bStepPending);
    EXPECT_FALSE(button->m_bDirection);
    EXPECT_EQ(button->m_nFrame, 0);
}

}  // namespace
