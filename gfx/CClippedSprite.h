// gfx/CClippedSprite.h — a sprite drawn through the back buffer's clipper, so it is cut at the
// screen's edge.
#pragma once

#include "gfx/CBaseSprite.h"

class CClippedSprite final : public CBaseSprite {
public:
    CClippedSprite(int frames, int w, int h);
    // Draws frame `frame` with its bottom-centre at (x, y): columns x - w/2 .. x - w/2 + w - 1,
    // rows y - h + 1 .. y, cut at the edge of the destination's clip rectangle.
    void draw(int frame, int x, int y, IDirectDrawSurface* destination) override;

    RECT m_rcSrc;  // the whole frame, the source of every blit
};
