// gfx/CBmpSpriteFileReader.cpp — cutting sprite frames out of a raw palettised picture.
#include "gfx/CBmpSpriteFileReader.h"

#include <algorithm>
#include <cstring>

#include "platform/DDraw.h"
#include "platform/IDirectDrawSurface.h"

bool CBmpSpriteFileReader::draw(IDirectDrawSurface* surface, int width, int ht, int x, int y) {
    if (m_pPixels == nullptr) return false;
    DDSURFACEDESC ddsd{};
    ddsd.dwSize = sizeof(ddsd);
    if (FAILED(surface->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr))) return false;
    const long long picW = m_hdrInfo.biWidth;
    const long long picH = m_hdrInfo.biHeight;
    const long long destRowBytes =
        std::min<long long>(ddsd.lPitch, static_cast<long long>(ddsd.dwWidth) *
                                             (ddsd.ddpfPixelFormat.dwRGBBitCount / 8));
    // Only the part of the rectangle that lies on the picture and fits the surface is copied,
    // each byte to the place it has in the rectangle.
    const long long left = std::max<long long>(x, 0);
    const long long right =
        std::min<long long>(static_cast<long long>(x) + width, std::min(picW, x + destRowBytes));
    auto* dest = static_cast<unsigned char*>(ddsd.lpSurface);
    for (long long row = 0; row < ht && row < static_cast<long long>(ddsd.dwHeight); ++row) {
        const long long picRow = static_cast<long long>(y) + row;  // counted from the top
        if (picRow < 0 || picRow >= picH || left >= right) continue;
        const unsigned char* src = m_pPixels + (picH - 1 - picRow) * picW;
        std::memcpy(dest + row * ddsd.lPitch + (left - x), src + left,
                    static_cast<std::size_t>(right - left));
    }
    surface->Unlock(nullptr);
    return true;
}
