// gfx/CBmpFileReader.h — reads a palettised BMP file byte for byte and copies it raw onto a
// surface.
#pragma once

#include "gfx/BmpHeaders.h"

class IDirectDrawSurface;
class IDirectDrawPalette;

class CBmpFileReader {
public:
    CBmpFileReader();
    ~CBmpFileReader();
    CBmpFileReader(const CBmpFileReader&) = delete;
    CBmpFileReader& operator=(const CBmpFileReader&) = delete;

    // Reads headers, palette and one byte per pixel. Fails on a missing file, a bit count other
    // than the display depth, sizes that are not positive or do not fit, and any short read.
    bool load(const char* filename);
    // Copies the whole picture to the surface's top-left corner, cut to the surface.
    bool draw(IDirectDrawSurface* surface);
    // Loads the file's 256 colours into the palette. Returns true.
    bool setpalette(IDirectDrawPalette* palette);

    BITMAPFILEHEADER m_hdrFile;  // the file header
    BITMAPINFOHEADER m_hdrInfo;  // the information header
    RGBQUAD m_aPalette[256];     // the palette as stored: blue, green, red, reserved
    unsigned char* m_pPixels;    // the rows, unpadded, bottom row first; null until a load succeeds
};
