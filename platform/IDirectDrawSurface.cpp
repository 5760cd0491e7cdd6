// platform/IDirectDrawSurface.cpp — surfaces on SDL: keyed and clipped blits, the flip, locks,
// loss.
#include "platform/IDirectDrawSurface.h"

#include <SDL.h>

#include <algorithm>
#include <new>

#include "platform/Display.h"
#include "platform/GdiObjects.h"
#include "platform/Harness.h"
#include "platform/IDirectDraw.h"
#include "platform/IDirectDrawClipper.h"
#include "platform/IDirectDrawPalette.h"

namespace {

bool Inside(const RECT& r, int width, int height) {
    return r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height &&
           r.left < r.right && r.top < r.bottom;
}

// Copies with or without the source's colour key; sizes equal means a plain copy.
void Copy(SDL_Surface* src, const RECT& s, SDL_Surface* dst, const RECT& d, bool keyed, DWORD key) {
    SDL_SetColorKey(src, keyed ? SDL_TRUE : SDL_FALSE, key);
    SDL_Rect sr{s.left, s.top, s.right - s.left, s.bottom - s.top};
    SDL_Rect dr{d.left, d.top, d.right - d.left, d.bottom - d.top};
    if (sr.w == dr.w && sr.h == dr.h) {
        SDL_BlitSurface(src, &sr, dst, &dr);
    } else {
        SDL_BlitScaled(src, &sr, dst, &dr);
    }
    SDL_SetColorKey(src, SDL_FALSE, 0);
}

}  // namespace

IDirectDrawSurface::IDirectDrawSurface(IDirectDraw* owner, SDL_Surface* pixels, bool primary)
    : owner_(owner), pixels_(pixels), primary_(primary) {}

IDirectDrawSurface::~IDirectDrawSurface() {
    if (dc_ != nullptr) delete dc_;
    if (owner_ != nullptr) {
        // Released by the game: give up what this surface holds on to. An orphan is being
        // freed with its display object, which frees the rest itself.
        if (clipper_ != nullptr) clipper_->Release();
        if (palette_ != nullptr) palette_->Release();
        if (backBuffer_ != nullptr) backBuffer_->Release();
    }
    SDL_FreeSurface(pixels_);
}

DWORD IDirectDrawSurface::AddRef() {
    return ++refs_;
}

DWORD IDirectDrawSurface::Release() {
    if (--refs_ > 0) return refs_;
    if (owner_ != nullptr) owner_->Forget(this);
    delete this;
    return 0;
}

HRESULT IDirectDrawSurface::Blt(RECT* destRect, IDirectDrawSurface* src, RECT* srcRect, DWORD flags,
                                DDBLTFX* /*fx*/) {
    if (src == nullptr) return DDERR_INVALIDPARAMS;
    if (lost_ || src->lost_) return DDERR_SURFACELOST;
    if (locked_ || hasDc_ || src->locked_ || src->hasDc_) return DDERR_SURFACEBUSY;
    RECT s = srcRect != nullptr ? *srcRect : RECT{0, 0, src->pixels_->w, src->pixels_->h};
    RECT d = destRect != nullptr ? *destRect : RECT{0, 0, pixels_->w, pixels_->h};
    if (!Inside(s, src->pixels_->w, src->pixels_->h)) return DDERR_INVALIDRECT;
    if (d.left >= d.right || d.top >= d.bottom) return DDERR_INVALIDRECT;
    if (clipper_ != nullptr) {
        RECT clip;
        if (!clipper_->ClipRect(clip)) return DDERR_GENERIC;
        clip.right = std::min<LONG>(clip.right, pixels_->w);
        clip.bottom = std::min<LONG>(clip.bottom, pixels_->h);
        // Cut the destination to the clip rectangle and the source by the same share.
        const double scaleX = static_cast<double>(s.right - s.left) / (d.right - d.left);
        const double scaleY = static_cast<double>(s.bottom - s.top) / (d.bottom - d.top);
        RECT cut{std::max(d.left, clip.left), std::max(d.top, clip.top),
                 std::min(d.right, clip.right), std::min(d.bottom, clip.bottom)};
        if (cut.left >= cut.right || cut.top >= cut.bottom) return DD_OK;  // nothing visible
        RECT cs{s.left + static_cast<LONG>((cut.left - d.left) * scaleX),
                s.top + static_cast<LONG>((cut.top - d.top) * scaleY),
                s.right - static_cast<LONG>((d.right - cut.right) * scaleX),
                s.bottom - static_cast<LONG>((d.bottom - cut.bottom) * scaleY)};
        if (cs.left >= cs.right || cs.top >= cs.bottom) return DD_OK;
        d = cut;
        s = cs;
    } else if (!Inside(d, pixels_->w, pixels_->h)) {
        return DDERR_INVALIDRECT;
    }
    Copy(src->pixels_, s, pixels_, d, (flags & DDBLT_KEYSRC) != 0 && src->hasKey_, src->key_);
    return DD_OK;
}

HRESULT IDirectDrawSurface::BltFast(DWORD x, DWORD y, IDirectDrawSurface* src, RECT* srcRect,
                                    DWORD flags) {
    if (src == nullptr) return DDERR_INVALIDPARAMS;
    if (lost_ || src->lost_) return DDERR_SURFACELOST;
    if (locked_ || hasDc_ || src->locked_ || src->hasDc_) return DDERR_SURFACEBUSY;
    RECT s = srcRect != nullptr ? *srcRect : RECT{0, 0, src->pixels_->w, src->pixels_->h};
    if (!Inside(s, src->pixels_->w, src->pixels_->h)) return DDERR_INVALIDRECT;
    // The coordinates arrive unsigned: a position left of or above the surface is huge here.
    if (x > static_cast<DWORD>(pixels_->w) || y > static_cast<DWORD>(pixels_->h)) {
        return DDERR_INVALIDRECT;
    }
    RECT d{static_cast<LONG>(x), static_cast<LONG>(y), static_cast<LONG>(x) + (s.right - s.left),
           static_cast<LONG>(y) + (s.bottom - s.top)};
    if (!Inside(d, pixels_->w, pixels_->h)) return DDERR_INVALIDRECT;
    Copy(src->pixels_, s, pixels_, d, (flags & DDBLTFAST_SRCCOLORKEY) != 0 && src->hasKey_,
         src->key_);
    return DD_OK;
}

HRESULT IDirectDrawSurface::Flip(IDirectDrawSurface* target, DWORD /*flags*/) {
    if (!primary_ || backBuffer_ == nullptr || target != nullptr) return DDERR_INVALIDPARAMS;
    if (lost_ || backBuffer_->lost_) return DDERR_SURFACELOST;
    if (locked_ || hasDc_ || backBuffer_->locked_ || backBuffer_->hasDc_) {
        return DDERR_SURFACEBUSY;
    }
    std::swap(pixels_, backBuffer_->pixels_);
    Display::Get().Present(pixels_);
    return DD_OK;
}

HRESULT IDirectDrawSurface::GetAttachedSurface(DDSCAPS* caps, IDirectDrawSurface** attached) {
    if (caps == nullptr || attached == nullptr) return DDERR_INVALIDPARAMS;
    *attached = nullptr;
    if ((caps->dwCaps & DDSCAPS_BACKBUFFER) == 0 || backBuffer_ == nullptr) return DDERR_NOTFOUND;
    backBuffer_->AddRef();
    *attached = backBuffer_;
    return DD_OK;
}

HRESULT IDirectDrawSurface::GetDC(HDC* hdc) {
    if (hdc == nullptr) return DDERR_INVALIDPARAMS;
    *hdc = nullptr;
    if (lost_) return DDERR_SURFACELOST;
    if (hasDc_ || locked_) return DDERR_SURFACEBUSY;
    dc_ = new (std::nothrow) PlatformDc();
    if (dc_ == nullptr) return DDERR_OUTOFMEMORY;
    dc_->surface = this;
    hasDc_ = true;
    *hdc = dc_;
    return DD_OK;
}

HRESULT IDirectDrawSurface::ReleaseDC(HDC hdc) {
    if (!hasDc_ || hdc != dc_) return DDERR_INVALIDPARAMS;
    delete dc_;
    dc_ = nullptr;
    hasDc_ = false;
    return DD_OK;
}

HRESULT IDirectDrawSurface::IsLost() {
    return lost_ ? DDERR_SURFACELOST : DD_OK;
}

HRESULT IDirectDrawSurface::Lock(RECT* rect, DDSURFACEDESC* desc, DWORD /*flags*/,
                                 void* /*event*/) {
    if (rect != nullptr || desc == nullptr || desc->dwSize != sizeof(DDSURFACEDESC)) {
        return DDERR_INVALIDPARAMS;
    }
    if (lost_) return DDERR_SURFACELOST;
    if (locked_ || hasDc_) return DDERR_SURFACEBUSY;
    if (SDL_LockSurface(pixels_) != 0) return DDERR_GENERIC;
    locked_ = true;
    desc->dwFlags = DDSD_WIDTH | DDSD_HEIGHT | DDSD_PITCH | DDSD_PIXELFORMAT | DDSD_CAPS;
    desc->dwWidth = static_cast<DWORD>(pixels_->w);
    desc->dwHeight = static_cast<DWORD>(pixels_->h);
    desc->lPitch = pixels_->pitch;
    desc->lpSurface = pixels_->pixels;
    DDPIXELFORMAT& pf = desc->ddpfPixelFormat;
    pf = DDPIXELFORMAT{};
    pf.dwSize = sizeof(DDPIXELFORMAT);
    pf.dwRGBBitCount = pixels_->format->BitsPerPixel;
    if (pixels_->format->BitsPerPixel == 8) {
        pf.dwFlags = DDPF_PALETTEINDEXED8;
    } else {
        pf.dwFlags = DDPF_RGB;
        pf.dwRBitMask = pixels_->format->Rmask;
        pf.dwGBitMask = pixels_->format->Gmask;
        pf.dwBBitMask = pixels_->format->Bmask;
    }
    desc->ddsCaps.dwCaps = primary_ ? DDSCAPS_PRIMARYSURFACE : DDSCAPS_OFFSCREENPLAIN;
    return DD_OK;
}

HRESULT IDirectDrawSurface::Unlock(void* /*memory*/) {
    if (!locked_) return DDERR_NOTLOCKED;
    SDL_UnlockSurface(pixels_);
    locked_ = false;
    return DD_OK;
}

HRESULT IDirectDrawSurface::Restore() {
    if (!lost_) return DD_OK;
    if (!Display::Get().Available() || Harness::TakeRestoreFailure()) return DDERR_WRONGMODE;
    lost_ = false;
    return DD_OK;
}

HRESULT IDirectDrawSurface::SetClipper(IDirectDrawClipper* clipper) {
    if (clipper != nullptr) clipper->AddRef();
    if (clipper_ != nullptr) clipper_->Release();
    clipper_ = clipper;
    return DD_OK;
}

HRESULT IDirectDrawSurface::SetColorKey(DWORD flags, DDCOLORKEY* key) {
    if ((flags & DDCKEY_SRCBLT) == 0) return DDERR_INVALIDPARAMS;
    hasKey_ = key != nullptr;
    key_ = key != nullptr ? key->dwColorSpaceLowValue : 0;
    return DD_OK;
}

HRESULT IDirectDrawSurface::SetPalette(IDirectDrawPalette* palette) {
    if (pixels_->format->BitsPerPixel != 8) return DDERR_INVALIDPARAMS;
    if (palette != nullptr) palette->AddRef();
    if (palette_ != nullptr) palette_->Release();
    palette_ = palette;
    if (primary_) Display::Get().SetScreenPalette(palette);
    return DD_OK;
}

void IDirectDrawSurface::MarkLost() {
    lost_ = true;
    // What lost video memory holds is undefined; clearing it makes a missed reload visible.
    SDL_FillRect(pixels_, nullptr, 0);
}
