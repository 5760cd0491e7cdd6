// gfx/DisplaySetup.h — takes the screen, builds the flipping pair, the background surface and the
// clipper.
#pragma once

#include "platform/Win32Types.h"

class IDirectDrawSurface;

// Sets up the display for the window; false at the first step that fails, leaving whatever was
// made in the globals for the shutdown to release.
bool InitDirectDraw(HWND hwnd);
// The raw pixel value the colour reference `rgb` takes on `surface`, found by writing it to the
// top-left pixel and reading it back (the pixel is put back afterwards). 0xFFFFFFFF as `rgb`
// only reads the pixel; 0xFFFFFFFF comes back when the surface cannot be locked.
DWORD color(COLORREF rgb, IDirectDrawSurface* surface);
