// gfx/CBmpFileReader2.h — reads a BMP file through the platform's image loader and copies parts of
// it onto surfaces.
#pragma once

#include "platform/Gdi.h"

class IDirectDrawSurface;

class CBmpFileReader2 {
public:
    CBmpFileReader2();
    ~CBmpFileReader2();
    CBmpFileReader2(const CBmpFileReader2&) = delete;
    CBmpFileReader2& operator=(const CBmpFileReader2&) = delete;

    // Gives up the picture held, then loads the file; 1 on success, 0 on failure (then empty).
    int load(const char* filename);
    // Copies the picture's w2 x h2 rectangle at (x, y) onto the surface's w1 x h1 rectangle at
    // (0, 0), scaling when the sizes differ. Parts outside the picture paint nothing. Returns 1.
    int draw(IDirectDrawSurface* surface, int w1, int h1, int w2, int h2, int x, int y);
    // The unscaled copy: the picture's w x h rectangle at (x, y) to the surface's corner.
    int draw(IDirectDrawSurface* surface, int w, int h, int x, int y);

    HBITMAP m_hDib;    // the loaded picture; null when nothing is loaded
    int m_nDibWidth;   // picture width as loaded
    int m_nDibHeight;  // picture height as loaded
};
