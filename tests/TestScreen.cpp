// tests/TestScreen.cpp — the game's display on the dummy driver for tests, and raw pixel access.
#include "tests/TestScreen.h"

#include <algorithm>

#include "app/Globals.h"
#include "gfx/CClippedSprite.h"
#include "gfx/DisplaySetup.h"
#include "platform/Harness.h"
#include "platform/IDirectDraw.h"
#include "platform/IDirectDrawSurface.h"
#include "platform/Window.h"

namespace testscreen {

namespace {

LRESULT QuietProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

template <typename Visit>
bool EachPixel(IDirectDrawSurface* s, Visit visit) {
    DDSURFACEDESC ddsd{};
    ddsd.dwSize = sizeof(ddsd);
    if (FAILED(s->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr))) return false;
    const int bytes = static_cast<int>(ddsd.ddpfPixelFormat.dwRGBBitCount / 8);
    for (DWORD y = 0; y < ddsd.dwHeight; ++y) {
        auto* row = static_cast<unsigned char*>(ddsd.lpSurface) + y * ddsd.lPitch;
        for (DWORD x = 0; x < ddsd.dwWidth; ++x) {
            unsigned char* p = row + x * bytes;
            DWORD v = 0;
            for (int i = 0; i < bytes; ++i) v |= static_cast<DWORD>(p[i]) << (8 * i);
            DWORD before = v;
            visit(static_cast<int>(x), static_cast<int>(y), v);
            if (v != before) {
                for (int i = 0; i < bytes; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
            }
        }
    }
    s->Unlock(nullptr);
    return true;
}

}  // namespace

HWND MakeWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = QuietProc;
    wc.lpszClassName = "screen";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "screen", "screen", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr,
                                nullptr, nullptr);
    if (hwnd != nullptr) ShowWindow(hwnd, SW_SHOW);
    return hwnd;
}

IDirectDrawSurface* MakePlain(IDirectDraw* dd, int width, int height) {
    DDSURFACEDESC ddsd{};
    ddsd.dwSize = sizeof(ddsd);
    ddsd.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    ddsd.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    ddsd.dwWidth = static_cast<DWORD>(width);
    ddsd.dwHeight = static_cast<DWORD>(height);
    IDirectDrawSurface* s = nullptr;
    if (dd == nullptr || FAILED(dd->CreateSurface(&ddsd, &s, nullptr))) return nullptr;
    return s;
}

TestScreen::TestScreen() {
    Harness::Enable();
    ResetGlobalState();
    hwnd_ = MakeWindow();
    ok_ = hwnd_ != nullptr && InitDirectDraw(hwnd_);
}

TestScreen::~TestScreen() {
    if (lpDirectDrawObject != nullptr) {
        if (lpSecondary != nullptr) lpSecondary->Release();
        if (lpPrimary != nullptr) lpPrimary->Release();
        if (lpBackground != nullptr) lpBackground->Release();
        for (CClippedSprite*& sprite : g_pSprite) {
            if (sprite != nullptr) {
                sprite->Release();
                delete sprite;
                sprite = nullptr;
            }
        }
        lpDirectDrawObject->Release();
    }
    lpDirectDrawObject = nullptr;
    lpPrimary = lpSecondary = lpBackground = nullptr;
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    Harness::Finish();
}

IDirectDrawSurface* TestScreen::Plain(int width, int height) {
    return MakePlain(lpDirectDrawObject, width, height);
}

DWORD Peek(IDirectDrawSurface* surface, int x, int y) {
    DDSURFACEDESC ddsd{};
    ddsd.dwSize = sizeof(ddsd);
    if (FAILED(surface->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr))) return 0xDEADBEEF;
    DWORD v = 0xDEADBEEF;
    if (x >= 0 && y >= 0 && static_cast<DWORD>(x) < ddsd.dwWidth &&
        static_cast<DWORD>(y) < ddsd.dwHeight) {
        const int bytes = static_cast<int>(ddsd.ddpfPixelFormat.dwRGBBitCount / 8);
        const auto* p =
            static_cast<const unsigned char*>(ddsd.lpSurface) + y * ddsd.lPitch + x * bytes;
        v = 0;
        for (int i = 0; i < bytes; ++i) v |= static_cast<DWORD>(p[i]) << (8 * i);
    }
    surface->Unlock(nullptr);
    return v;
}

void Fill(IDirectDrawSurface* surface, DWORD value) {
    EachPixel(surface, [&](int, int, DWORD& v) { v = value; });
}

RECT Painted(IDirectDrawSurface* surface, DWORD ground) {
    RECT r{1 << 20, 1 << 20, -1, -1};
    EachPixel(surface, [&](int x, int y, DWORD& v) {
        if (v == ground) return;
        r.left = std::min<LONG>(r.left, x);
        r.top = std::min<LONG>(r.top, y);
        r.right = std::max<LONG>(r.right, x);
        r.bottom = std::max<LONG>(r.bottom, y);
    });
    return r;  // inclusive bounds; right < left when nothing was painted
}

}  // namespace testscreen
