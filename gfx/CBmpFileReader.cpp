// gfx/CBmpFileReader.cpp — the raw reader of palettised BMP files.
#include "gfx/CBmpFileReader.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "editions/Edition.h"
#include "platform/DDraw.h"
#include "platform/FileIo.h"
#include "platform/IDirectDrawPalette.h"
#include "platform/IDirectDrawSurface.h"

namespace {

// Where the pixel rows start: the reader expects them right after the 256-entry palette.
constexpr unsigned kPixelsOffset = 14 + 40 + 1024;

// A read counts only when every byte asked for arrived; a short read would leave the rest of
// the buffer as it was.
bool ReadAll(HANDLE file, void* buffer, DWORD count) {
    DWORD got = 0;
    return ReadFile(file, buffer, count, &got, nullptr) != FALSE && got == count;
}

}  // namespace

CBmpFileReader::CBmpFileReader() : m_hdrFile(), m_hdrInfo(), m_aPalette(), m_pPixels(nullptr) {}

CBmpFileReader::~CBmpFileReader() {
    delete[] m_pPixels;
}

bool CBmpFileReader::load(const char* filename) {
    HANDLE file = CreateFileA(filename, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = ReadAll(file, &m_hdrFile, sizeof(m_hdrFile)) &&
              ReadAll(file, &m_hdrInfo, sizeof(m_hdrInfo)) &&
              m_hdrInfo.biBitCount == kDisplayDepth &&
              ReadAll(file, m_aPalette, sizeof(m_aPalette));
    // The rows must be there in full: width and height positive, and every padded row inside
    // the file, before a buffer is made for them.
    const long long width = m_hdrInfo.biWidth;
    const long long height = m_hdrInfo.biHeight;
    const long long padded = (width + 3) & ~3LL;
    if (ok) {
        DWORD fileSize = GetFileSize(file, nullptr);
        ok = width > 0 && height > 0 && fileSize != 0xFFFFFFFFu &&
             padded * height <= static_cast<long long>(fileSize) - kPixelsOffset;
    }
    if (!ok) {
        CloseHandle(file);
        return false;
    }
    delete[] m_pPixels;
    m_pPixels = new (std::nothrow) unsigned char[static_cast<std::size_t>(width * height)];
    if (m_pPixels == nullptr) {
        CloseHandle(file);
        return false;
    }
    unsigned char padding[3];
    const DWORD padBytes = static_cast<DWORD>(padded - width);
    for (long long row = 0; row < height && ok; ++row) {
        ok = ReadAll(file, m_pPixels + row * width, static_cast<DWORD>(width)) &&
             (padBytes == 0 || ReadAll(file, padding, padBytes));
    }
    if (!ok) {
        delete[] m_pPixels;
        m_pPixels = nullptr;
    }
    CloseHandle(file);
    return ok;
}

bool CBmpFileReader::draw(IDirectDrawSurface* surface) {
    if (m_pPixels == nullptr) return false;
    DDSURFACEDESC ddsd{};
    ddsd.dwSize = sizeof(ddsd);
    if (FAILED(surface->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr))) return false;
    const long long width = m_hdrInfo.biWidth;
    const long long rowBytes = std::min<long long>(width, ddsd.lPitch);
    // A picture taller than the surface is cut at the surface's bottom row.
    const long long rows = std::min<long long>(m_hdrInfo.biHeight, ddsd.dwHeight);
    auto* dest = static_cast<unsigned char*>(ddsd.lpSurface);
    const unsigned char* src = m_pPixels + (m_hdrInfo.biHeight - 1) * width;
    for (long long row = 0; row < rows; ++row) {
        std::memcpy(dest, src, static_cast<std::size_t>(rowBytes));
        dest += ddsd.lPitch;
        src -= width;
    }
    surface->Unlock(nullptr);
    return true;
}

bool CBmpFileReader::setpalette(IDirectDrawPalette* palette) {
    PALETTEENTRY entries[256];
    for (int i = 0; i < 256; ++i) {
        entries[i] =
            PALETTEENTRY{m_aPalette[i].rgbRed, m_aPalette[i].rgbGreen, m_aPalette[i].rgbBlue, 0};
    }
    palette->SetEntries(0, 0, 256, entries);
    return true;
}
