// platform/Gdi.cpp — bitmaps from BMP files, device contexts, StretchBlt and single pixels on SDL.
#include "platform/Gdi.h"

#include <SDL.h>

#include <algorithm>
#include <new>

#include "platform/GdiObjects.h"
#include "platform/IDirectDrawSurface.h"

namespace {

SDL_Surface* TargetOf(HDC hdc) {
    if (hdc == nullptr || hdc->memory || hdc->surface == nullptr) return nullptr;
    if (hdc->surface->Lost()) return nullptr;
    return hdc->surface->Pixels();
}

Uint32 ReadPixel(const SDL_Surface* s, int x, int y) {
    const Uint8* p =
        static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
    switch (s->format->BytesPerPixel) {
        case 1:
            return p[0];
        case 2:
            return static_cast<Uint32>(p[0] | (p[1] << 8));
        case 3:
            return static_cast<Uint32>(p[0] | (p[1] << 8) | (p[2] << 16));
        default:
            return static_cast<Uint32>(p[0] | (p[1] << 8) | (p[2] << 16)) |
                   (static_cast<Uint32>(p[3]) << 24);
    }
}

void WritePixel(SDL_Surface* s, int x, int y, Uint32 value) {
    Uint8* p = static_cast<Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
    for (int i = 0; i < s->format->BytesPerPixel; ++i) p[i] = static_cast<Uint8>(value >> (8 * i));
}

}  // namespace

void* LoadImageA(HINSTANCE /*instance*/, const char* name, UINT type, int /*width*/, int /*height*/,
                 UINT flags) {
    if (name == nullptr || type != IMAGE_BITMAP || (flags & LR_LOADFROMFILE) == 0) return nullptr;
    SDL_Surface* loaded = SDL_LoadBMP(name);
    if (loaded == nullptr) return nullptr;
    auto* object = new (std::nothrow) PlatformGdiObject();
    if (object == nullptr) {
        SDL_FreeSurface(loaded);
        return nullptr;
    }
    SDL_SetSurfaceBlendMode(loaded, SDL_BLENDMODE_NONE);
    object->bitmap = loaded;
    return object;
}

int GetObjectA(HGDIOBJ object, int size, void* buffer) {
    if (object == nullptr || object->bitmap == nullptr || buffer == nullptr ||
        size < static_cast<int>(sizeof(BITMAP))) {
        return 0;
    }
    BITMAP* info = static_cast<BITMAP*>(buffer);
    info->bmType = 0;
    info->bmWidth = object->bitmap->w;
    info->bmHeight = object->bitmap->h;
    info->bmWidthBytes = object->bitmap->pitch;
    info->bmPlanes = 1;
    info->bmBitsPixel = object->bitmap->format->BitsPerPixel;
    info->bmBits = object->bitmap->pixels;
    return static_cast<int>(sizeof(BITMAP));
}

BOOL DeleteObject(HGDIOBJ object) {
    if (object == nullptr || object->selections > 0) return FALSE;
    SDL_FreeSurface(object->bitmap);
    delete object;
    return TRUE;
}

HDC CreateCompatibleDC(HDC /*hdc*/) {
    auto* dc = new (std::nothrow) PlatformDc();
    if (dc != nullptr) dc->memory = true;
    return dc;
}

BOOL DeleteDC(HDC hdc) {
    if (hdc == nullptr || !hdc->memory) return FALSE;
    if (hdc->selected != nullptr) --hdc->selected->selections;
    delete hdc;
    return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    if (hdc == nullptr || !hdc->memory || object == nullptr) return nullptr;
    HGDIOBJ previous = hdc->selected;
    if (previous != nullptr) --previous->selections;
    hdc->selected = object;
    ++object->selections;
    return previous;
}

int GetMapMode(HDC hdc) {
    return hdc != nullptr ? hdc->mapMode : 0;
}

int SetMapMode(HDC hdc, int mode) {
    if (hdc == nullptr) return 0;
    int previous = hdc->mapMode;
    hdc->mapMode = mode;
    return previous;
}

int SetStretchBltMode(HDC hdc, int mode) {
    if (hdc == nullptr) return 0;
    int previous = hdc->stretchMode;
    hdc->stretchMode = mode;
    return previous;
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                int srcWidth, int srcHeight, DWORD rop) {
    SDL_Surface* target = TargetOf(dest);
    if (target == nullptr || src == nullptr || !src->memory || src->selected == nullptr ||
        rop != SRCCOPY) {
        return FALSE;
    }
    if (width <= 0 || height <= 0 || srcWidth <= 0 || srcHeight <= 0) return FALSE;
    SDL_Surface* picture = src->selected->bitmap;
    if (width == srcWidth && height == srcHeight) {
        // Only the part of the source rectangle that lies on the picture is copied, each pixel
        // to the place it has in the rectangle; the rest of the destination is left alone.
        int left = std::max(srcX, 0), top = std::max(srcY, 0);
        int right = std::min<long long>(static_cast<long long>(srcX) + srcWidth, picture->w);
        int bottom = std::min<long long>(static_cast<long long>(srcY) + srcHeight, picture->h);
        if (left >= right || top >= bottom) return TRUE;
        SDL_Rect from{left, top, right - left, bottom - top};
        SDL_Rect to{x + (left - srcX), y + (top - srcY), from.w, from.h};
        SDL_BlitSurface(picture, &from, target, &to);
    } else {
        SDL_Rect from{srcX, srcY, srcWidth, srcHeight};
        SDL_Rect to{x, y, width, height};
        SDL_BlitScaled(picture, &from, target, &to);
    }
    return TRUE;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    SDL_Surface* s = TargetOf(hdc);
    if (s == nullptr || x < 0 || y < 0 || x >= s->w || y >= s->h) return CLR_INVALID;
    Uint8 r, g, b;
    SDL_GetRGB(ReadPixel(s, x, y), s->format, &r, &g, &b);
    return RGB(r, g, b);
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    SDL_Surface* s = TargetOf(hdc);
    if (s == nullptr || x < 0 || y < 0 || x >= s->w || y >= s->h) return CLR_INVALID;
    Uint32 value = SDL_MapRGB(s->format, GetRValue(color), GetGValue(color), GetBValue(color));
    WritePixel(s, x, y, value);
    Uint8 r, g, b;
    SDL_GetRGB(value, s->format, &r, &g, &b);
    return RGB(r, g, b);
}
