// tests/test_sprites.cpp — sprites: where a frame lands, clipping at the screen's edge,
// transparency, restore after a loss, and frames without a surface.
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "gfx/CBaseSprite.h"
#include "gfx/CClippedSprite.h"
#include "platform/Harness.h"
#include "platform/IDirectDrawSurface.h"
#include "tests/TestScreen.h"

namespace {

using testscreen::Fill;
using testscreen::Painted;
using testscreen::Peek;
using testscreen::TestScreen;

constexpr DWORD kGround = 0x00010203;
constexpr DWORD kPaint = 0x00C08040;

struct Box {
    LONG left, top, right, bottom;  // inclusive
};

void ExpectBox(const RECT& r, const Box& b, const char* what) {
    EXPECT_EQ(r.left, b.left) << what;
    EXPECT_EQ(r.top, b.top) << what;
    EXPECT_EQ(r.right, b.right) << what;
    EXPECT_EQ(r.bottom, b.bottom) << what;
}

TEST(Sprites, AFrameLandsByItsBottomCentreAndIsCutAtTheScreensEdge) {
    TestScreen screen;
    ASSERT_TRUE(screen.ok());
    struct Case {
        const char* what;
        int w, h, x, y;
        bool clipped;
        Box box;
    };
    const Case cases[] = {
        {"clipped 38 x 38 at (100, 200)", 38, 38, 100, 200, true, {81, 163, 118, 200}},
        {"unclipped 38 x 38 at (100, 200)", 38, 38, 100, 200, false, {81, 162, 118, 199}},
        {"odd width 5 x 12 at x 10", 5, 12, 10, 50, true, {8, 39, 12, 50}},
        {"centre on column 0 shows the right half", 38, 38, 0, 100, true, {0, 63, 18, 100}},
        {"past the bottom right corner", 38, 38, 630, 490, true, {611, 453, 639, 479}},
    };
    for (const Case& c : cases) {
        CClippedSprite sprite(1, c.w, c.h);
        Fill(sprite.m_ppFrameSurf[0], kPaint);
        Fill(lpSecondary, kGround);
        if (c.clipped) {
            sprite.draw(0, c.x, c.y, lpSecondary);
        } else {
            sprite.CBaseSprite::draw(0, c.x, c.y, lpSecondary);
        }
        ExpectBox(Painted(lpSecondary, kGround), c.box, c.what);
        sprite.Release();
    }
}

TEST(Sprites, ASpriteWhollyOffTheScreenDrawsNothingAndDisturbsNothing) {
    TestScreen screen;
    ASSERT_TRUE(screen.ok());
    CClippedSprite away(1, 38, 38), seen(1, 10, 10);
    Fill(away.m_ppFrameSurf[0], kPaint);
    Fill(seen.m_ppFrameSurf[0], kPaint);
    Fill(lpSecondary, kGround);
    away.draw(0, -100, 200, lpSecondary);
    away.draw(0, 300, 600, lpSecondary);
    away.CBaseSprite::draw(0, -100, 200, lpSecondary);  // refused whole, not wrapped round
    seen.draw(0, 50, 50, lpSecondary);
    ExpectBox(Painted(lpSecondary, kGround), {45, 41, 54, 50}, "only the visible sprite");
    away.Release();
    seen.Release();
}

TEST(Sprites, TheTransparentValueLeavesTheDestinationAlone) {
    TestScreen screen;
    ASSERT_TRUE(screen.ok());
    CClippedSprite sprite(1, 4, 4);
    Fill(sprite.m_ppFrameSurf[0], g_dwTransparentColor);
    Fill(lpSecondary, kGround);
    sprite.draw(0, 10, 10, lpSecondary);
    EXPECT_EQ(Painted(lpSecondary, kGround).right, -1);
    // One opaque pixel at the frame's (1, 1) lands at (8 + 1, 7 + 1).
    IDirectDrawSurface* frame = sprite.m_ppFrameSurf[0];
    Fill(frame, g_dwTransparentColor);
    HDC hdc = nullptr;
    ASSERT_EQ(frame->GetDC(&hdc), DD_OK);
    SetPixel(hdc, 1, 1, RGB(0xC0, 0x80, 0x40));
    frame->ReleaseDC(hdc);
    sprite.draw(0, 10, 10, lpSecondary);
    ExpectBox(Painted(lpSecondary, kGround), {9, 8, 9, 8}, "the one opaque pixel");
    EXPECT_EQ(Peek(lpSecondary, 9, 8), kPaint);
    sprite.Release();
}

TEST(Sprites, RestoreStopsAtTheFirstFrameThatFails) {
    TestScreen screen;
    ASSERT_TRUE(screen.ok());
    CClippedSprite sprite(3, 8, 8);
    Harness::ForceDisplayLoss();
    Harness::FailRestores(1);  // only the first restore fails; the others would succeed
    EXPECT_FALSE(sprite.Restore());
    // The first frame failed, so the others were not even tried: all still lost.
    for (int i = 0; i < 3; ++i) EXPECT_EQ(sprite.m_ppFrameSurf[i]->IsLost(), DDERR_SURFACELOST);
    EXPECT_TRUE(sprite.Restore());
    for (int i = 0; i < 3; ++i) EXPECT_EQ(sprite.m_ppFrameSurf[i]->IsLost(), DD_OK);
    sprite.Release();
}

TEST(Sprites, AFrameWithoutASurfaceNeitherDrawsNorFails) {
    TestScreen screen;
    ASSERT_TRUE(screen.ok());
    CClippedSprite sprite(2, 8, 8);
    sprite.m_ppFrameSurf[1]->Release();
    sprite.m_ppFrameSurf[1] = nullptr;  // as if it could not be made
    Fill(lpSecondary, kGround);
    sprite.draw(1, 50, 50, lpSecondary);
    sprite.CBaseSprite::draw(1, 50, 50, lpSecondary);
    EXPECT_EQ(Painted(lpSecondary, kGround).right, -1);
    EXPECT_TRUE(sprite.load(&background, 1, 0, 0));
    EXPECT_TRUE(sprite.Restore());
    sprite.Release();  // skips the missing frame
}

}  // namespace
