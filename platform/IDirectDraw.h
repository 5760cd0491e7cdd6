// platform/IDirectDraw.h — the display object: cooperative level, display mode and the making of
// surfaces.
#pragma once

#include <vector>

#include "platform/DDraw.h"

class IDirectDraw {
public:
    DWORD AddRef();
    // Drops a reference; the last one gives up the display and every surface, clipper and
    // palette still made by this object.
    DWORD Release();
    // Only full-screen exclusive use of the window is offered.
    HRESULT SetCooperativeLevel(HWND hwnd, DWORD flags);
    // 640 x 480 (or another size) at 8, 24 or 32 bits per pixel.
    HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel);
    // A primary surface with its back buffer (DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP |
    // DDSCAPS_COMPLEX) or a plain off-screen surface of the given size, in the display's format.
    HRESULT CreateSurface(const DDSURFACEDESC* desc, IDirectDrawSurface** surface, void* outer);
    HRESULT CreateClipper(DWORD flags, IDirectDrawClipper** clipper, void* outer);
    // A 256-entry palette for the 8-bit display.
    HRESULT CreatePalette(DWORD flags, const PALETTEENTRY* entries, IDirectDrawPalette** palette,
                          void* outer);

    // Platform side: every surface made by this object reports itself lost.
    void MarkSurfacesLost();
    // Platform side: a surface, clipper or palette this object made is gone.
    void Forget(void* child);

private:
    friend HRESULT DirectDrawCreate(GUID*, IDirectDraw**, void*);
    IDirectDraw() = default;
    ~IDirectDraw() = default;

    DWORD refs_ = 1;
    HWND window_ = nullptr;
    bool exclusive_ = false;
    int depth_ = 0;
    std::vector<IDirectDrawSurface*> surfaces_;
    std::vector<IDirectDrawClipper*> clippers_;
    std::vector<IDirectDrawPalette*> palettes_;
};
