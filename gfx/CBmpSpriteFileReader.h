// gfx/CBmpSpriteFileReader.h — the raw reader that also cuts rectangles (sprite frames) out of its
// picture.
#pragma once

#include "gfx/CBmpFileReader.h"

class CBmpSpriteFileReader : public CBmpFileReader {
public:
    // Copies the picture's width x ht rectangle at (x, y), counted from the picture's top-left,
    // to the surface's top-left corner. The part outside the picture or the surface is left out.
    bool draw(IDirectDrawSurface* surface, int width, int ht, int x, int y);
    using CBmpFileReader::draw;
};
