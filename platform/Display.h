// platform/Display.h — the SDL window, renderer and presentation behind the display (platform
// only).
#pragma once

#include <SDL.h>

#include <cstdint>

class IDirectDraw;
class IDirectDrawPalette;

// The one screen of the program: an SDL window covering the desktop (or an ordinary window),
// a renderer that shows the 640 x 480 picture scaled by the largest whole factor that fits,
// and the state that makes the display lost and available again.
class Display {
public:
    static Display& Get();

    // Brings up SDL's video; false when there is no video driver or display.
    bool InitVideo();
    bool VideoUp() const { return videoUp_; }
    // The desktop's size, or 0 x 0 without video.
    void DesktopSize(int& width, int& height);

    // Makes the hidden game window; false without video (the window then has no screen).
    bool CreateWindow(const char* title, int x, int y, int width, int height);
    void ShowWindow();
    void DestroyWindow();
    SDL_Window* Window() const { return window_; }

    // Takes the window for the display mode: a renderer and a streaming picture of that size.
    bool SetMode(int width, int height, int depth);
    // Gives the display mode up (the renderer goes; the window stays).
    void EndMode();
    int Depth() const { return depth_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The SDL pixel format of the display depth.
    std::uint32_t PixelFormat() const;
    // The palette every 8-bit surface shares, so blits between them copy indices unchanged.
    SDL_Palette* SharedPalette();
    void SetScreenPalette(IDirectDrawPalette* palette);
    IDirectDrawPalette* ScreenPalette() const { return screenPalette_; }

    // Shows a picture of the display's format: keeps it as the visible screen and puts it on the
    // window, waiting for the refresh (or pacing itself where the renderer cannot).
    void Present(SDL_Surface* picture);
    // Shows the kept screen again (after the window was uncovered or resized).
    void Repaint();
    // The visible screen as 0x00RRGGBB pixels; null before the first flip.
    SDL_Surface* Shown() const { return shown_; }

    // Switches between covering the desktop and an ordinary window.
    void ToggleFullscreen();
    // The window was minimised or given back; a minimised full-screen display loses its surfaces.
    void SetMinimized(bool minimized);
    // Surfaces can be restored only while the display is available.
    bool Available() const { return !minimized_; }
    // Every surface of the display object reports itself lost.
    void LoseSurfaces();
    void SetDirectDraw(IDirectDraw* directDraw) { directDraw_ = directDraw; }
    IDirectDraw* DirectDraw() const { return directDraw_; }

    // The cursor counter; the pointer is hidden below 0.
    int ChangeCursorCount(int delta);
    int CursorCount() const { return cursorCount_; }

    // Forgets everything and shuts SDL's video down (between harness runs). The cursor counter
    // is kept, so a finished run can still be asked about it.
    void Reset();
    void ResetCursor();

private:
    Display() = default;
    void MakeTexture();
    void PaceWithoutVsync();

    bool videoUp_ = false;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    SDL_Surface* shown_ = nullptr;
    SDL_Palette* palette_ = nullptr;
    IDirectDrawPalette* screenPalette_ = nullptr;
    IDirectDraw* directDraw_ = nullptr;
    bool vsync_ = false;
    bool fullscreen_ = true;
    bool minimized_ = false;
    int depth_ = 0;
    int width_ = 0;
    int height_ = 0;
    int cursorCount_ = 0;
    std::uint32_t lastPresent_ = 0;
};
