// gfx/CClippedSprite.cpp — the clipped blit of a sprite frame.
#include "gfx/CClippedSprite.h"

#include "platform/DDraw.h"
#include "platform/IDirectDrawSurface.h"

CClippedSprite::CClippedSprite(int frames, int w, int h)
    : CBaseSprite(frames, w, h), m_rcSrc{0, 0, w, h} {}

void CClippedSprite::draw(int frame, int x, int y, IDirectDrawSurface* destination) {
    if (m_ppFrameSurf[frame] == nullptr) return;
    RECT dest;
    dest.left = x - m_nFrameW / 2;
    dest.right = dest.left + m_nFrameW;
    dest.top = y - m_nFrameH + 1;
    dest.bottom = y + 1;
    destination->Blt(&dest, m_ppFrameSurf[frame], &m_rcSrc, DDBLT_KEYSRC | DDBLT_WAIT, nullptr);
}
