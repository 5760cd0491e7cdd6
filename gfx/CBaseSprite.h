// gfx/CBaseSprite.h — a picture of several equal frames, each on its own colour-keyed surface.
#pragma once

#include "platform/Win32Types.h"

class IDirectDrawSurface;
class CBmpFileReader2;

class CBaseSprite {
public:
    // Makes `frames` empty surfaces of w x h pixels with the transparent colour as their key.
    CBaseSprite(int frames, int w, int h);
    // Frees the frame table only: Release the surfaces first.
    ~CBaseSprite();
    CBaseSprite(const CBaseSprite&) = delete;
    CBaseSprite& operator=(const CBaseSprite&) = delete;

    // Creates the frame surfaces; a frame whose surface cannot be made stays without one.
    void CreateSurfaces();
    // Copies the image's frame-sized rectangle at (x, y) into frame `frame`.
    bool load(CBmpFileReader2* image, int frame, int x, int y);
    // Draws frame `frame` with its bottom-centre at (x, y): columns x - w/2 .. x - w/2 + w - 1,
    // rows y - h .. y - 1, unclipped.
    virtual void draw(int frame, int x, int y, IDirectDrawSurface* destination);
    // Brings the frame surfaces back after a loss, stopping at the first that fails.
    bool Restore();
    // Releases every frame surface.
    void Release();
    int frame_count() const { return m_nFrames; }
    int width() const { return m_nFrameW; }
    int height() const { return m_nFrameH; }

    IDirectDrawSurface** m_ppFrameSurf;  // one surface per frame, null where none could be made
    int m_nFrames;
    int m_nFrameW;
    int m_nFrameH;
};
