// tests/test_display.cpp — the display at 32, 24 and 8 bits: the transparent colour's value, keyed
// and clipped blits, locks, loss and restore, and a display mode that is refused.
#include <gtest/gtest.h>

#include <cstring>

#include "app/Globals.h"
#include "gfx/DisplaySetup.h"
#include "platform/DDraw.h"
#include "platform/Harness.h"
#include "platform/IDirectDraw.h"
#include "platform/IDirectDrawClipper.h"
#include "platform/IDirectDrawPalette.h"
#include "platform/IDirectDrawSurface.h"
#include "platform/Window.h"
#include "tests/TestScreen.h"

namespace {

using testscreen::Fill;
using testscreen::MakePlain;
using testscreen::MakeWindow;
using testscreen::Peek;

// A display at one depth with its flipping pair and nothing else, on the dummy video driver.
class Screen {
public:
    explicit Screen(int depth) {
        Harness::Enable();
        hwnd = MakeWindow();
        ok = hwnd != nullptr && SUCCEEDED(DirectDrawCreate(nullptr, &dd, nullptr)) &&
             SUCCEEDED(dd->SetCooperativeLevel(hwnd, DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE)) &&
             SUCCEEDED(dd->SetDisplayMode(640, 480, static_cast<DWORD>(depth)));
        if (!ok) return;
        DDSURFACEDESC ddsd{};
        ddsd.dwSize = sizeof(ddsd);
        ddsd.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
        ddsd.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
        ddsd.dwBackBufferCount = 1;
        DDSCAPS caps{DDSCAPS_BACKBUFFER};
        ok = SUCCEEDED(dd->CreateSurface(&ddsd, &primary, nullptr)) &&
             SUCCEEDED(primary->GetAttachedSurface(&caps, &back));
    }
    ~Screen() {
        if (dd != nullptr) dd->Release();  // takes every surface still alive with it
        if (hwnd != nullptr) DestroyWindow(hwnd);
        Harness::Finish();
    }
    IDirectDrawSurface* Plain(int w, int h) { return MakePlain(dd, w, h); }

    bool ok = false;
    HWND hwnd = nullptr;
    IDirectDraw* dd = nullptr;
    IDirectDrawSurface* primary = nullptr;
    IDirectDrawSurface* back = nullptr;
};

class DepthTest : public ::testing::TestWithParam<int> {};

TEST_P(DepthTest, TransparentColourIsTheDisplaysOwnValueAndThePixelIsPutBack) {
    const int depth = GetParam();
    Screen screen(depth);
    ASSERT_TRUE(screen.ok);
    DWORD expected = 0x00FE00FE;  // 32 and 24 bits store it unmasked as red, green, blue
    if (depth == 8) {
        // Every colour once, so a colour written back finds its own index again.
        PALETTEENTRY entries[256];
        for (int i = 0; i < 256; ++i) {
            entries[i] = PALETTEENTRY{static_cast<BYTE>(i), static_cast<BYTE>(255 - i),
                                      static_cast<BYTE>(i / 2), 0};
        }
        entries[200] = PALETTEENTRY{254, 0, 254, 0};
        IDirectDrawPalette* palette = nullptr;
        ASSERT_EQ(screen.dd->CreatePalette(DDPCAPS_8BIT, entries, &palette, nullptr), DD_OK);
        ASSERT_EQ(screen.primary->SetPalette(palette), DD_OK);
        expected = 200;
    }
    Fill(screen.primary, depth == 8 ? 7 : 0x123456);
    const DWORD before = Peek(screen.primary, 0, 0);
    EXPECT_EQ(color(0xFE00FE, screen.primary), expected);
    EXPECT_EQ(Peek(screen.primary, 0, 0), before);
    // The invalid colour only reads: the same value, nothing written.
    EXPECT_EQ(color(0xFFFFFFFF, screen.primary), before);
    EXPECT_EQ(Peek(screen.primary, 0, 0), before);
}

TEST_P(DepthTest, KeyedBlitLeavesTheDestinationWhereTheSourceHasTheKey) {
    Screen screen(GetParam());
    ASSERT_TRUE(screen.ok);
    const DWORD key = GetParam() == 8 ? 255 : 0x00FE00FE;
    const DWORD paint = GetParam() == 8 ? 9 : 0x00336699;
    const DWORD ground = GetParam() == 8 ? 3 : 0x00010203;
    IDirectDrawSurface* sprite = screen.Plain(4, 4);
    Fill(sprite, key);
    {
        DDSURFACEDESC ddsd{};
        ddsd.dwSize = sizeof(ddsd);
        ASSERT_EQ(sprite->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr), DD_OK);
        const int bytes = static_cast<int>(ddsd.ddpfPixelFormat.dwRGBBitCount / 8);
        auto* p = static_cast<unsigned char*>(ddsd.lpSurface) + ddsd.lPitch + bytes;  // (1, 1)
        for (int i = 0; i < bytes; ++i) p[i] = static_cast<unsigned char>(paint >> (8 * i));
        sprite->Unlock(nullptr);
    }
    DDCOLORKEY ck{key, key};
    ASSERT_EQ(sprite->SetColorKey(DDCKEY_SRCBLT, &ck), DD_OK);
    Fill(screen.back, ground);
    ASSERT_EQ(screen.back->BltFast(10, 20, sprite, nullptr, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT),
              DD_OK);
    EXPECT_EQ(Peek(screen.back, 11, 21), paint);
    EXPECT_EQ(Peek(screen.back, 10, 20), ground);
    EXPECT_EQ(Peek(screen.back, 13, 23), ground);
    // Without the key flag every pixel is copied.
    ASSERT_EQ(screen.back->BltFast(10, 20, sprite, nullptr, DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(Peek(screen.back, 10, 20), key);
}

TEST_P(DepthTest, FlipShowsTheBackBufferAndAForcedLossIsReportedUntilRestored) {
    Screen screen(GetParam());
    ASSERT_TRUE(screen.ok);
    Fill(screen.back, 5);
    ASSERT_EQ(screen.primary->Flip(nullptr, DDFLIP_WAIT), DD_OK);
    EXPECT_EQ(Peek(screen.primary, 100, 100), 5u);
    IDirectDrawSurface* plain = screen.Plain(8, 8);
    Harness::ForceDisplayLoss();
    for (IDirectDrawSurface* s : {screen.primary, screen.back, plain}) {
        EXPECT_EQ(s->IsLost(), DDERR_SURFACELOST);
    }
    EXPECT_EQ(screen.primary->Flip(nullptr, DDFLIP_WAIT), DDERR_SURFACELOST);
    EXPECT_EQ(screen.back->BltFast(0, 0, plain, nullptr, 0), DDERR_SURFACELOST);
    for (IDirectDrawSurface* s : {screen.primary, screen.back, plain}) {
        EXPECT_EQ(s->Restore(), DD_OK);
        EXPECT_EQ(s->IsLost(), DD_OK);
    }
    EXPECT_EQ(screen.primary->Flip(nullptr, DDFLIP_WAIT), DD_OK);
}

INSTANTIATE_TEST_SUITE_P(Depths, DepthTest, ::testing::Values(32, 24, 8));

TEST(Clipper, ClippedBlitIsCutAtTheScreensEdgeAndKeepsItsClippingAfterALoss) {
    Screen screen(32);
    ASSERT_TRUE(screen.ok);
    IDirectDrawClipper* clipper = nullptr;
    ASSERT_EQ(screen.dd->CreateClipper(0, &clipper, nullptr), DD_OK);
    ASSERT_EQ(clipper->SetHWnd(0, screen.hwnd), DD_OK);
    ASSERT_EQ(screen.back->SetClipper(clipper), DD_OK);
    IDirectDrawSurface* tile = screen.Plain(10, 10);
    Fill(tile, 0x00AA0000);
    for (int round = 0; round < 2; ++round) {
        Fill(screen.back, 0);
        RECT half{-5, 0, 5, 10};  // half of it left of the screen
        ASSERT_EQ(screen.back->Blt(&half, tile, nullptr, DDBLT_WAIT, nullptr), DD_OK);
        EXPECT_EQ(Peek(screen.back, 0, 0), 0x00AA0000u);
        EXPECT_EQ(Peek(screen.back, 4, 9), 0x00AA0000u);
        EXPECT_EQ(Peek(screen.back, 5, 0), 0u);
        RECT gone{700, 500, 710, 510};  // wholly off the screen: nothing, and no failure
        EXPECT_EQ(screen.back->Blt(&gone, tile, nullptr, DDBLT_WAIT, nullptr), DD_OK);
        Harness::ForceDisplayLoss();
        for (IDirectDrawSurface* s : {screen.primary, screen.back, tile}) s->Restore();
        Fill(tile, 0x00AA0000);
    }
    // An unclipped copy that leaves the surface is refused and draws nothing.
    IDirectDrawSurface* small = screen.Plain(20, 20);
    Fill(small, 0);
    RECT out{15, 15, 25, 25};
    EXPECT_EQ(small->Blt(&out, tile, nullptr, DDBLT_WAIT, nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(small->BltFast(15, 15, tile, nullptr, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(Peek(small, 16, 16), 0u);
}

TEST(DisplaySetup, ARefusedDisplayModeFailsBeforeAnySurfaceExists) {
    Harness::Enable();
    ResetGlobalState();
    Harness::RefuseDisplayModes(true);
    HWND hwnd = MakeWindow();
    EXPECT_FALSE(InitDirectDraw(hwnd));
    EXPECT_NE(lpDirectDrawObject, nullptr);
    EXPECT_EQ(lpPrimary, nullptr);
    EXPECT_EQ(lpSecondary, nullptr);
    EXPECT_EQ(lpBackground, nullptr);
    lpDirectDrawObject->Release();
    lpDirectDrawObject = nullptr;
    DestroyWindow(hwnd);
    Harness::Finish();
}

}  // namespace
