// tests/test_objects_scene.cpp — screenshots of the block rolling, shooting and pressing a button.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/CTimer.h"
#include "app/Globals.h"
#include "editions/Edition.h"
#include "gfx/CClippedSprite.h"
#include "gfx/CViewPoint.h"
#include "objects/Button.h"
#include "objects/CObject.h"
#include "objects/CObjectManager.h"
#include "objects/Player.h"
#include "objects/SidePanel.h"
#include "platform/DDraw.h"
#include "platform/Harness.h"
#include "platform/IDirectDrawSurface.h"
#include "tests/ObjectScene.h"

namespace {

using objecttest::Art;
using objecttest::ObjectScene;

constexpr int kFrameMs = 16;
constexpr int kCell = 38;
constexpr int kFloorY = 400;                // bottom row of the floor tiles
constexpr int kBlockY = kFloorY - kCell;    // the block stands on the floor
constexpr int kBlockX = 19 + 5 * kCell;     // column 5
constexpr int kWallX = 19 + 10 * kCell;     // a two-tile wall in column 10
constexpr int kButtonX = kWallX - 19 - 3;   // on the wall's left face ...
constexpr int kButtonY = kBlockY - 19 + 6;  // ... at the height of the lower tile's centre

class ObjectsInPlay : public ObjectScene {
protected:
    ObjectsInPlay() : ObjectScene(Art::Catalogue) {}

    // One play frame: the background, every object, and the flip.
    void Frame() {
        Advance(kFrameMs);
        Viewpoint.draw_background(nullptr, lpSecondary, 0, kEdition.backgroundPicture);
        ObjectManager.animate(lpSecondary);
    }

    // How many of the opaque pixels of the sprite frame drawn with its anchor at screen
    // (column, bottom) the shown screen has, and how many opaque pixels the frame has.
    static std::pair<int, int> Shown(const std::vector<std::uint32_t>& screen, ObjectType kind,
                                     int frame, int column, int bottom) {
        CClippedSprite* sprite = g_pSprite[kind];
        IDirectDrawSurface* surface = sprite->m_ppFrameSurf[frame];
        DDSURFACEDESC ddsd{};
        ddsd.dwSize = sizeof(ddsd);
        if (surface->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr) != DD_OK) return {0, -1};
        const int w = sprite->width();
        const int h = sprite->height();
        const int left = column - w / 2;
        const int top = bottom - h + 1;
        int opaque = 0;
        int matching = 0;
        for (int y = 0; y < h; ++y) {
            const auto* row = reinterpret_cast<const DWORD*>(
                static_cast<const unsigned char*>(ddsd.lpSurface) + y * ddsd.lPitch);
            for (int x = 0; x < w; ++x) {
                const DWORD pixel = row[x] & 0x00FFFFFFu;
                if (pixel == g_dwTransparentColor) continue;
                ++opaque;
                const int sx = left + x;
                const int sy = top + y;
                if (sx >= 0 && sx < 640 && sy >= 0 && sy < 480 &&
                    screen[static_cast<size_t>(sy) * 640 + sx] == pixel) {
                    ++matching;
                }
            }
        }
        surface->Unlock(nullptr);
        return {matching, opaque};
    }

    static std::vector<std::uint32_t> Screen() {
        std::vector<std::uint32_t> pixels;
        EXPECT_TRUE(Harness::CaptureScreen(pixels));
        return pixels;
    }
};

TEST_F(ObjectsInPlay, TheBlockRollsItsGunShootsAndTheButtonIsPressed) {
    for (int column = 0; column < 17; ++column) {
        ObjectManager.create(WALL, 19 + column * kCell, kFloorY, 0, 0, 'r');
    }
    ObjectManager.create(WALL, kWallX, kBlockY, 0, 0, 'r');
    ObjectManager.create(WALL, kWallX, kBlockY - kCell, 0, 0, 'r');
    ObjectManager.create(BLOCK, kBlockX, kBlockY, 0, 0, 'r');
    ObjectManager.set_gun(ObjectManager.create(GUN, kBlockX, kBlockY, 0, 0, 't'));
    ObjectManager.create(LEFT_BUTTON, kButtonX, kButtonY, 0, 0, 'r');
    Player* block = ObjectManager.m_pPlayerList[0];
    SidePanel* gun = ObjectManager.m_pPanelList[0];
    Button* button = ObjectManager.m_pButtonList[0];
    Viewpoint.m_nViewX = kBlockX;  // the view starts on the block and follows it right

    Frame();
    ASSERT_TRUE(Shoot("objects-1-start.bmp"));
    std::vector<std::uint32_t> screen = Screen();
    auto [buttonSeen, buttonOpaque] =
        Shown(screen, LEFT_BUTTON, 0, Viewpoint.screen(kButtonX), kButtonY);
    EXPECT_GT(buttonOpaque, 0);
    EXPECT_EQ(buttonSeen, buttonOpaque) << "the button shows its up picture";

    // The roll to the right, requested again in every frame while the block moves.
    g_bDone = false;
    block->changeFrame(true);
    bool midRollShot = false;
    for (int frame = 0; frame < 40 && !(g_bDone && !block->m_bStepPending); ++frame) {
        if (block->m_bMoving) block->changeFrame(true);
        Frame();
        if (block->m_nFrame == 2 && !midRollShot) {
            ASSERT_TRUE(Shoot("objects-2-rolling.bmp"));
            screen = Screen();
            auto [seen, opaque] =
                Shown(screen, GUN, gun->m_nFrame, Viewpoint.screen(gun->m_nX + gun->m_nOffsetX),
                      gun->m_nY + gun->m_nOffsetY);
            EXPECT_EQ(gun->m_nFrame, 14);
            EXPECT_EQ(seen, opaque) << "the gun half-way round";
            midRollShot = true;
        }
    }
    EXPECT_TRUE(midRollShot);
    EXPECT_EQ(block->getX(), kBlockX + kCell);
    EXPECT_EQ(block->m_nFrame, 0);
    EXPECT_EQ(gun->getSide(), 'r');
    Frame();
    ASSERT_TRUE(Shoot("objects-3-rolled.bmp"));
    screen = Screen();
    {
        auto [seen, opaque] =
            Shown(screen, GUN, 0, Viewpoint.screen(gun->m_nX + 16), gun->m_nY - 4);
        EXPECT_EQ(seen, opaque) << "the gun on the right face";
        auto [blockSeen, blockOpaque] =
            Shown(screen, BLOCK, 0, Viewpoint.screen(block->m_nX), block->m_nY);
        EXPECT_GT(blockSeen, blockOpaque * 3 / 4) << "the block, partly behind its gun";
    }

    // Fire once the gun's cool-down allows, and follow the shot to the button.
    while (Timer.time() < 500) Frame();
    ObjectManager.fire_gun();
    const int shot = ObjectManager.m_nLastBullet;
    ASSERT_GE(shot, 0);
    bool flightShot = false;
    for (int frame = 0; frame < 100 && !button->m_bPressed; ++frame) {
        Frame();
        const CObject* bullet = ObjectManager.m_pObjectList[shot];
        if (bullet != nullptr && !flightShot && bullet->m_nX >= (block->m_nX + kButtonX) / 2) {
            ASSERT_TRUE(Shoot("objects-4-shot.bmp"));
            screen = Screen();
            auto [seen, opaque] =
                Shown(screen, BULLET, 0, Viewpoint.screen(bullet->m_nX), bullet->m_nY);
            EXPECT_GT(opaque, 0);
            EXPECT_EQ(seen, opaque) << "the shot in flight";
            flightShot = true;
        }
    }
    EXPECT_TRUE(flightShot);
    ASSERT_TRUE(button->m_bPressed);
    EXPECT_EQ(ObjectManager.m_pObjectList[shot], nullptr);
    Frame();
    ASSERT_TRUE(Shoot("objects-5-pressed.bmp"));
    screen = Screen();
    auto [pressedSeen, pressedOpaque] =
        Shown(screen, LEFT_BUTTON, 1, Viewpoint.screen(kButtonX), kButtonY);
    EXPECT_GT(pressedOpaque, 0);
    EXPECT_EQ(pressedSeen, pressedOpaque) << "the button shows its pressed picture";
    auto [upSeen, upOpaque] = Shown(screen, LEFT_BUTTON, 0, Viewpoint.screen(kButtonX), kButtonY);
    EXPECT_LT(upSeen, upOpaque) << "the up picture is gone";
}

}  // namespace
