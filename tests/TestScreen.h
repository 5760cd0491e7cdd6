// tests/TestScreen.h — the game's own display set-up on the dummy video driver, and raw pixel
// access.
#pragma once

#include "platform/DDraw.h"

class IDirectDraw;
class IDirectDrawSurface;

namespace testscreen {

// A window and InitDirectDraw, as the game makes them at start, with the globals set; the
// sprites in g_pSprite and the display are released on destruction.
class TestScreen {
public:
    TestScreen();
    ~TestScreen();
    TestScreen(const TestScreen&) = delete;
    TestScreen& operator=(const TestScreen&) = delete;
    bool ok() const { return ok_; }
    HWND window() const { return hwnd_; }
    // A plain off-screen surface, released with the display.
    IDirectDrawSurface* Plain(int width, int height);

private:
    bool ok_ = false;
    HWND hwnd_ = nullptr;
};

// A shown window of a class of its own with the default handling, on the harness's display.
HWND MakeWindow();
// A plain off-screen surface of the display object `dd`; null if it cannot be made.
IDirectDrawSurface* MakePlain(IDirectDraw* dd, int width, int height);

// Reads pixel (x, y) raw, in the surface's own bytes per pixel; 0xDEADBEEF if it cannot lock.
DWORD Peek(IDirectDrawSurface* surface, int x, int y);
// Writes `value` raw into every pixel.
void Fill(IDirectDrawSurface* surface, DWORD value);
// The smallest rectangle holding every pixel that differs from `ground`; empty when none does.
RECT Painted(IDirectDrawSurface* surface, DWORD ground);

}  // namespace testscreen
