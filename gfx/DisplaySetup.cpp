// gfx/DisplaySetup.cpp — the display: mode, flipping pair, background surface, clipper, transparent
// colour.
#include "gfx/DisplaySetup.h"

#include "app/Globals.h"
#include "editions/Edition.h"
#include "platform/DDraw.h"
#include "platform/Gdi.h"
#include "platform/IDirectDraw.h"
#include "platform/IDirectDrawClipper.h"
#include "platform/IDirectDrawSurface.h"

namespace {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr COLORREF kTransparent = 0xFE00FE;  // RGB (254, 0, 254)

}  // namespace

bool InitDirectDraw(HWND hwnd) {
    if (FAILED(DirectDrawCreate(nullptr, &lpDirectDrawObject, nullptr))) return false;
    if (FAILED(lpDirectDrawObject->SetCooperativeLevel(hwnd, DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE))) {
        return false;
    }
    if (FAILED(lpDirectDrawObject->SetDisplayMode(kScreenWidth, kScreenHeight, kDisplayDepth))) {
        return false;
    }
    DDSURFACEDESC ddsd{};
    ddsd.dwSize = sizeof(ddsd);
    ddsd.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    ddsd.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    ddsd.dwBackBufferCount = 1;
    if (FAILED(lpDirectDrawObject->CreateSurface(&ddsd, &lpPrimary, nullptr))) return false;
    DDSCAPS caps{DDSCAPS_BACKBUFFER};
    if (FAILED(lpPrimary->GetAttachedSurface(&caps, &lpSecondary))) return false;
    ddsd = DDSURFACEDESC{};
    ddsd.dwSize = sizeof(ddsd);
    ddsd.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    ddsd.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    ddsd.dwHeight = kScreenHeight;
    ddsd.dwWidth = kScreenWidth;
    if (FAILED(lpDirectDrawObject->CreateSurface(&ddsd, &lpBackground, nullptr))) return false;
    // The clipper is handed to the back buffer and not kept: the display object frees it.
    IDirectDrawClipper* clipper = nullptr;
    if (FAILED(lpDirectDrawObject->CreateClipper(0, &clipper, nullptr))) return false;
    if (FAILED(clipper->SetHWnd(0, hwnd))) return false;
    if (FAILED(lpSecondary->SetClipper(clipper))) return false;
    g_dwTransparentColor = color(kTransparent, lpPrimary);
    return true;
}

DWORD color(COLORREF rgb, IDirectDrawSurface* surface) {
    DWORD result = CLR_INVALID;
    COLORREF remembered = 0;
    HDC hdc = nullptr;
    if (rgb != CLR_INVALID && SUCCEEDED(surface->GetDC(&hdc))) {
        remembered = GetPixel(hdc, 0, 0);
        SetPixel(hdc, 0, 0, rgb);
        surface->ReleaseDC(hdc);
    }
    DDSURFACEDESC ddsd{};
    ddsd.dwSize = sizeof(ddsd);
    HRESULT hr;
    while ((hr = surface->Lock(nullptr, &ddsd, 0, nullptr)) == DDERR_WASSTILLDRAWING) {
    }
    if (SUCCEEDED(hr)) {
        // The first word of the surface's memory, in the machine's little-endian order; every
        // row is at least one word long.
        const unsigned char* p = static_cast<const unsigned char*>(ddsd.lpSurface);
        result = static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) |
                 (static_cast<DWORD>(p[2]) << 16) | (static_cast<DWORD>(p[3]) << 24);
        const DWORD bits = ddsd.ddpfPixelFormat.dwRGBBitCount;
        if (bits != 32) result &= (1u << bits) - 1;
        surface->Unlock(nullptr);
    }
    if (rgb != CLR_INVALID && SUCCEEDED(surface->GetDC(&hdc))) {
        SetPixel(hdc, 0, 0, remembered);
        surface->ReleaseDC(hdc);
    }
    return result;
}
