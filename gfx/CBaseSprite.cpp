// gfx/CBaseSprite.cpp — frame surfaces, cutting frames from a sheet, the unclipped blit, restore
// and release.
#include "gfx/CBaseSprite.h"

#include <new>

#include "app/Globals.h"
#include "gfx/CBmpFileReader2.h"
#include "platform/DDraw.h"
#include "platform/IDirectDraw.h"
#include "platform/IDirectDrawSurface.h"

CBaseSprite::CBaseSprite(int frames, int w, int h)
    : m_ppFrameSurf(nullptr), m_nFrames(frames), m_nFrameW(w), m_nFrameH(h) {
    m_ppFrameSurf = new IDirectDrawSurface*[frames > 0 ? frames : 0]();
    CreateSurfaces();
}

CBaseSprite::~CBaseSprite() {
    delete[] m_ppFrameSurf;
}

void CBaseSprite::CreateSurfaces() {
    DDSURFACEDESC ddsd{};
    ddsd.dwSize = sizeof(ddsd);
    ddsd.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    ddsd.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    ddsd.dwHeight = static_cast<DWORD>(m_nFrameH);
    ddsd.dwWidth = static_cast<DWORD>(m_nFrameW);
    DDCOLORKEY key{g_dwTransparentColor, g_dwTransparentColor};
    for (int i = 0; i < m_nFrames; ++i) {
        if (lpDirectDrawObject == nullptr ||
            FAILED(lpDirectDrawObject->CreateSurface(&ddsd, &m_ppFrameSurf[i], nullptr))) {
            m_ppFrameSurf[i] = nullptr;
        } else {
            m_ppFrameSurf[i]->SetColorKey(DDCKEY_SRCBLT, &key);
        }
    }
}

bool CBaseSprite::load(CBmpFileReader2* image, int frame, int x, int y) {
    if (m_ppFrameSurf[frame] == nullptr) return true;  // nothing to fill, nothing went wrong
    return image->draw(m_ppFrameSurf[frame], m_nFrameW, m_nFrameH, x, y) != 0;
}

void CBaseSprite::draw(int frame, int x, int y, IDirectDrawSurface* destination) {
    if (m_ppFrameSurf[frame] == nullptr) return;
    // Negative positions arrive wrapped as huge unsigned ones, which the blit refuses.
    destination->BltFast(static_cast<DWORD>(x - m_nFrameW / 2), static_cast<DWORD>(y - m_nFrameH),
                         m_ppFrameSurf[frame], nullptr, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT);
}

bool CBaseSprite::Restore() {
    bool result = true;
    for (int i = 0; i < m_nFrames && result; ++i) {
        if (m_ppFrameSurf[i] != nullptr) result = SUCCEEDED(m_ppFrameSurf[i]->Restore());
    }
    return result;
}

void CBaseSprite::Release() {
    for (int i = 0; i < m_nFrames; ++i) {
        if (m_ppFrameSurf[i] != nullptr) m_ppFrameSurf[i]->Release();
    }
}
