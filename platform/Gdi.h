// platform/Gdi.h — device contexts, bitmaps loaded from BMP files, and single-pixel access.
#pragma once

#include "platform/Win32Types.h"

struct PlatformDc;
struct PlatformGdiObject;
using HDC = PlatformDc*;
using HGDIOBJ = PlatformGdiObject*;
using HBITMAP = PlatformGdiObject*;

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    void* bmBits;
};

constexpr UINT IMAGE_BITMAP = 0;
constexpr UINT LR_LOADFROMFILE = 0x0010;
constexpr UINT LR_CREATEDIBSECTION = 0x2000;
constexpr int COLORONCOLOR = 3;
constexpr int MM_TEXT = 1;
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
           (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) {
    return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
    return static_cast<BYTE>((c >> 16) & 0xFF);
}

// Loads a BMP file as a bitmap (only IMAGE_BITMAP with LR_LOADFROMFILE); null on failure.
void* LoadImageA(HINSTANCE instance, const char* name, UINT type, int width, int height,
                 UINT flags);
// Fills a BITMAP record for a bitmap; answers the bytes written, 0 on failure.
int GetObjectA(HGDIOBJ object, int size, void* buffer);
BOOL DeleteObject(HGDIOBJ object);

// A memory context that a bitmap can be selected into; `hdc` may be null.
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
// Selects a bitmap into a memory context; answers the one selected before (null at first).
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
int GetMapMode(HDC hdc);
int SetMapMode(HDC hdc, int mode);
int SetStretchBltMode(HDC hdc, int mode);
// Copies a rectangle of the source context's bitmap onto the destination, scaling when the sizes
// differ and converting colours. Parts of the source rectangle outside the bitmap paint nothing.
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                int srcWidth, int srcHeight, DWORD rop);
// The colour of a pixel of a surface's context; CLR_INVALID outside the surface.
COLORREF GetPixel(HDC hdc, int x, int y);
// Writes the nearest colour the surface can hold; answers it, or CLR_INVALID outside.
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
