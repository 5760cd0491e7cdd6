// platform/GdiObjects.h — what the platform keeps behind a bitmap handle and a device context
// (platform only).
#pragma once

#include <SDL.h>

class IDirectDrawSurface;

// A bitmap loaded from a BMP file, in the file's own pixel format.
struct PlatformGdiObject {
    SDL_Surface* bitmap = nullptr;
    int selections = 0;  // memory contexts it is selected into; a selected bitmap is not deleted
};

// A device context: either a surface's (GetDC) or a memory context holding a bitmap.
struct PlatformDc {
    IDirectDrawSurface* surface = nullptr;
    PlatformGdiObject* selected = nullptr;
    bool memory = false;
    int mapMode = 1;
    int stretchMode = 1;
};
