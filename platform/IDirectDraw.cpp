// platform/IDirectDraw.cpp — the display object on SDL: the mode, and the surfaces it makes and
// owns.
#include "platform/IDirectDraw.h"

#include <SDL.h>

#include <algorithm>
#include <new>

#include "platform/Display.h"
#include "platform/Harness.h"
#include "platform/IDirectDrawClipper.h"
#include "platform/IDirectDrawPalette.h"
#include "platform/IDirectDrawSurface.h"

HRESULT DirectDrawCreate(GUID* /*driver*/, IDirectDraw** directDraw, void* /*outer*/) {
    if (directDraw == nullptr) return DDERR_INVALIDPARAMS;
    *directDraw = nullptr;
    Display& display = Display::Get();
    if (!display.InitVideo() || display.Window() == nullptr) return DDERR_NODIRECTDRAWHW;
    if (display.DirectDraw() != nullptr) return DDERR_GENERIC;  // one display object at a time
    IDirectDraw* made = new (std::nothrow) IDirectDraw();
    if (made == nullptr) return DDERR_OUTOFMEMORY;
    display.SetDirectDraw(made);
    *directDraw = made;
    return DD_OK;
}

DWORD IDirectDraw::AddRef() {
    return ++refs_;
}

DWORD IDirectDraw::Release() {
    if (--refs_ > 0) return refs_;
    // Whatever is still alive goes with the display object, as video memory does.
    for (IDirectDrawSurface* s : std::vector<IDirectDrawSurface*>(surfaces_)) {
        s->Orphan();
        delete s;
    }
    for (IDirectDrawClipper* c : clippers_) delete c;
    for (IDirectDrawPalette* p : palettes_) delete p;
    Display& display = Display::Get();
    display.EndMode();
    if (display.DirectDraw() == this) display.SetDirectDraw(nullptr);
    delete this;
    return 0;
}

HRESULT IDirectDraw::SetCooperativeLevel(HWND hwnd, DWORD flags) {
    if (hwnd == nullptr) return DDERR_INVALIDPARAMS;
    if (flags != (DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE)) return DDERR_INVALIDPARAMS;
    window_ = hwnd;
    exclusive_ = true;
    return DD_OK;
}

HRESULT IDirectDraw::SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel) {
    if (!exclusive_) return DDERR_GENERIC;
    if (Harness::Enabled() && Harness::DisplayModesRefused()) return DDERR_UNSUPPORTEDMODE;
    if (width == 0 || height == 0 || width > 4096 || height > 4096) return DDERR_INVALIDPARAMS;
    if (!Display::Get().SetMode(static_cast<int>(width), static_cast<int>(height),
                                static_cast<int>(bitsPerPixel))) {
        return DDERR_UNSUPPORTEDMODE;
    }
    depth_ = static_cast<int>(bitsPerPixel);
    return DD_OK;
}

namespace {

SDL_Surface* MakePixels(int width, int height) {
    Display& display = Display::Get();
    SDL_Surface* s =
        SDL_CreateRGBSurfaceWithFormat(0, width, height, display.Depth(), display.PixelFormat());
    if (s == nullptr) return nullptr;
    if (display.Depth() == 8) SDL_SetSurfacePalette(s, display.SharedPalette());
    SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_NONE);
    SDL_FillRect(s, nullptr, 0);
    return s;
}

}  // namespace

HRESULT IDirectDraw::CreateSurface(const DDSURFACEDESC* desc, IDirectDrawSurface** surface,
                                   void* /*outer*/) {
    if (desc == nullptr || surface == nullptr || desc->dwSize != sizeof(DDSURFACEDESC)) {
        return DDERR_INVALIDPARAMS;
    }
    *surface = nullptr;
    if (depth_ == 0) return DDERR_GENERIC;
    if ((desc->dwFlags & DDSD_CAPS) == 0) return DDERR_INVALIDPARAMS;
    DWORD caps = desc->ddsCaps.dwCaps;
    Display& display = Display::Get();
    if (caps & DDSCAPS_PRIMARYSURFACE) {
        bool chain = (caps & DDSCAPS_FLIP) && (caps & DDSCAPS_COMPLEX) &&
                     (desc->dwFlags & DDSD_BACKBUFFERCOUNT) && desc->dwBackBufferCount == 1;
        if (!chain) return DDERR_INVALIDPARAMS;  // only a flipping pair is offered
        SDL_Surface* front = MakePixels(display.Width(), display.Height());
        SDL_Surface* back = MakePixels(display.Width(), display.Height());
        if (front == nullptr || back == nullptr) {
            SDL_FreeSurface(front);
            SDL_FreeSurface(back);
            return DDERR_OUTOFMEMORY;
        }
        auto* primary = new (std::nothrow) IDirectDrawSurface(this, front, true);
        auto* backBuffer = new (std::nothrow) IDirectDrawSurface(this, back, false);
        if (primary == nullptr || backBuffer == nullptr) {
            delete primary;
            delete backBuffer;
            return DDERR_OUTOFMEMORY;
        }
        primary->backBuffer_ = backBuffer;
        surfaces_.push_back(primary);
        surfaces_.push_back(backBuffer);
        *surface = primary;
        return DD_OK;
    }
    if ((caps & DDSCAPS_OFFSCREENPLAIN) == 0) return DDERR_INVALIDPARAMS;
    if ((desc->dwFlags & (DDSD_WIDTH | DDSD_HEIGHT)) != (DDSD_WIDTH | DDSD_HEIGHT)) {
        return DDERR_INVALIDPARAMS;
    }
    if (desc->dwWidth == 0 || desc->dwHeight == 0 || desc->dwWidth > 8192 ||
        desc->dwHeight > 8192) {
        return DDERR_INVALIDPARAMS;
    }
    SDL_Surface* pixels =
        MakePixels(static_cast<int>(desc->dwWidth), static_cast<int>(desc->dwHeight));
    if (pixels == nullptr) return DDERR_OUTOFMEMORY;
    auto* made = new (std::nothrow) IDirectDrawSurface(this, pixels, false);
    if (made == nullptr) {
        SDL_FreeSurface(pixels);
        return DDERR_OUTOFMEMORY;
    }
    surfaces_.push_back(made);
    *surface = made;
    return DD_OK;
}

HRESULT IDirectDraw::CreateClipper(DWORD /*flags*/, IDirectDrawClipper** clipper, void* /*outer*/) {
    if (clipper == nullptr) return DDERR_INVALIDPARAMS;
    *clipper = new (std::nothrow) IDirectDrawClipper(this);
    if (*clipper == nullptr) return DDERR_OUTOFMEMORY;
    clippers_.push_back(*clipper);
    return DD_OK;
}

HRESULT IDirectDraw::CreatePalette(DWORD flags, const PALETTEENTRY* entries,
                                   IDirectDrawPalette** palette, void* /*outer*/) {
    if (palette == nullptr) return DDERR_INVALIDPARAMS;
    *palette = nullptr;
    if ((flags & DDPCAPS_8BIT) == 0) return DDERR_INVALIDPARAMS;
    auto* made = new (std::nothrow) IDirectDrawPalette(this);
    if (made == nullptr) return DDERR_OUTOFMEMORY;
    if (entries != nullptr) std::copy(entries, entries + 256, made->entries_);
    palettes_.push_back(made);
    *palette = made;
    return DD_OK;
}

void IDirectDraw::MarkSurfacesLost() {
    for (IDirectDrawSurface* s : surfaces_) s->MarkLost();
}

void IDirectDraw::Forget(void* child) {
    surfaces_.erase(std::remove(surfaces_.begin(), surfaces_.end(), child), surfaces_.end());
    clippers_.erase(std::remove(clippers_.begin(), clippers_.end(), child), clippers_.end());
    palettes_.erase(std::remove(palettes_.begin(), palettes_.end(), child), palettes_.end());
    if (Display::Get().ScreenPalette() == child) Display::Get().SetScreenPalette(nullptr);
}
