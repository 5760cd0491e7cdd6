// gfx/CBmpFileReader2.cpp — BMP pictures through the platform's image loader and device-context
// copy.
#include "gfx/CBmpFileReader2.h"

#include "platform/IDirectDrawSurface.h"

CBmpFileReader2::CBmpFileReader2() : m_hDib(nullptr), m_nDibWidth(0), m_nDibHeight(0) {}

CBmpFileReader2::~CBmpFileReader2() {
    if (m_hDib != nullptr) DeleteObject(m_hDib);
}

int CBmpFileReader2::load(const char* filename) {
    if (m_hDib != nullptr) {
        DeleteObject(m_hDib);
        m_hDib = nullptr;
    }
    m_hDib = static_cast<HBITMAP>(
        LoadImageA(nullptr, filename, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (m_hDib == nullptr) return 0;
    BITMAP info{};
    GetObjectA(m_hDib, sizeof(info), &info);
    m_nDibWidth = info.bmWidth;
    m_nDibHeight = info.bmHeight;
    return 1;
}

int CBmpFileReader2::draw(IDirectDrawSurface* surface, int w1, int h1, int w2, int h2, int x,
                          int y) {
    HDC surfaceDc = nullptr;
    surface->GetDC(&surfaceDc);
    HDC memoryDc = CreateCompatibleDC(surfaceDc);
    SetMapMode(memoryDc, GetMapMode(surfaceDc));
    HGDIOBJ previous = SelectObject(memoryDc, m_hDib);
    SetStretchBltMode(surfaceDc, COLORONCOLOR);
    StretchBlt(surfaceDc, 0, 0, w1, h1, memoryDc, x, y, w2, h2, SRCCOPY);
    // The picture is handed back before the memory context goes, so it can be deleted later.
    if (previous != nullptr) SelectObject(memoryDc, previous);
    DeleteDC(memoryDc);
    if (surfaceDc != nullptr) surface->ReleaseDC(surfaceDc);
    return 1;
}

int CBmpFileReader2::draw(IDirectDrawSurface* surface, int w, int h, int x, int y) {
    return draw(surface, w, h, w, h, x, y);
}
