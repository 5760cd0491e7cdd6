// platform/IDirectDrawSurface.h — a picture in the display's pixel format: blits, flips, locks,
// loss.
#pragma once

#include "platform/DDraw.h"
#include "platform/Gdi.h"

struct SDL_Surface;

class IDirectDrawSurface {
public:
    DWORD AddRef();
    DWORD Release();

    // Copies `srcRect` of `src` (whole when null) onto `destRect` (whole when null), scaling
    // when the sizes differ; with DDBLT_KEYSRC the source's colour key is transparent. A surface
    // with a clipper cuts the copy to the clip rectangle; without one a rectangle that leaves
    // the surface is refused with DDERR_INVALIDRECT.
    HRESULT Blt(RECT* destRect, IDirectDrawSurface* src, RECT* srcRect, DWORD flags, DDBLTFX* fx);
    // Unscaled copy to (x, y); never clipped: a copy that leaves the surface is refused.
    HRESULT BltFast(DWORD x, DWORD y, IDirectDrawSurface* src, RECT* srcRect, DWORD flags);
    // Swaps the primary surface with its back buffer and shows it.
    HRESULT Flip(IDirectDrawSurface* target, DWORD flags);
    // The back buffer of a primary surface (DDSCAPS_BACKBUFFER); adds a reference.
    HRESULT GetAttachedSurface(DDSCAPS* caps, IDirectDrawSurface** attached);
    // A device context for GetPixel, SetPixel and StretchBlt onto this surface.
    HRESULT GetDC(HDC* hdc);
    HRESULT ReleaseDC(HDC hdc);
    // DDERR_SURFACELOST while the surface's memory is lost, DD_OK otherwise.
    HRESULT IsLost();
    // Gives the whole surface's memory, pitch, size and pixel format (rect must be null).
    HRESULT Lock(RECT* rect, DDSURFACEDESC* desc, DWORD flags, void* event);
    HRESULT Unlock(void* memory);
    // Brings lost memory back (its contents are not); fails while the display is unavailable.
    HRESULT Restore();
    HRESULT SetClipper(IDirectDrawClipper* clipper);
    HRESULT SetColorKey(DWORD flags, DDCOLORKEY* key);
    HRESULT SetPalette(IDirectDrawPalette* palette);

    // Platform side.
    SDL_Surface* Pixels() const { return pixels_; }
    void MarkLost();
    bool Lost() const { return lost_; }
    void Orphan() { owner_ = nullptr; }

private:
    friend class IDirectDraw;
    IDirectDrawSurface(IDirectDraw* owner, SDL_Surface* pixels, bool primary);
    ~IDirectDrawSurface();

    IDirectDraw* owner_;
    SDL_Surface* pixels_;
    bool primary_;
    DWORD refs_ = 1;
    bool lost_ = false;
    bool locked_ = false;
    bool hasDc_ = false;
    bool hasKey_ = false;
    DWORD key_ = 0;
    IDirectDrawClipper* clipper_ = nullptr;
    IDirectDrawPalette* palette_ = nullptr;
    IDirectDrawSurface* backBuffer_ = nullptr;
    HDC dc_ = nullptr;
};
