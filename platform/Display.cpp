// platform/Display.cpp — the SDL window, renderer and presentation behind the display.
#include "platform/Display.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/Harness.h"
#include "platform/IDirectDraw.h"
#include "platform/IDirectDrawPalette.h"

namespace {

constexpr int kWindowedScale = 2;

bool WindowedWanted() {
    const char* value = std::getenv("VORMIL_WINDOWED");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

}  // namespace

Display& Display::Get() {
    static Display display;
    return display;
}

bool Display::InitVideo() {
    if (videoUp_) return true;
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    static bool quitRegistered = false;
    if (!quitRegistered) {
        std::atexit(SDL_Quit);
        quitRegistered = true;
    }
    videoUp_ = true;
    SDL_ShowCursor(cursorCount_ >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return true;
}

void Display::DesktopSize(int& width, int& height) {
    width = height = 0;
    if (!InitVideo()) return;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        width = mode.w;
        height = mode.h;
    }
}

bool Display::CreateWindow(const char* title, int x, int y, int width, int height) {
    if (!InitVideo()) return false;
    fullscreen_ = !WindowedWanted();
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (fullscreen_) {
        // Made at the desktop's size from the start: a small window made full-screen later is
        // misplaced where no window manager arranges it.
        flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP;
        if (width <= 0 || height <= 0) {
            width = 640;
            height = 480;
        }
    } else {
        int desktopW = 0, desktopH = 0;
        DesktopSize(desktopW, desktopH);
        int scale = (desktopW >= 640 * kWindowedScale && desktopH >= 480 * kWindowedScale + 64)
                        ? kWindowedScale
                        : 1;
        width = 640 * scale;
        height = 480 * scale;
        x = y = SDL_WINDOWPOS_CENTERED;
        flags |= SDL_WINDOW_RESIZABLE;
    }
    window_ = SDL_CreateWindow(title, x, y, width, height, flags);
    return window_ != nullptr;
}

void Display::ShowWindow() {
    if (window_ == nullptr) return;
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
}

void Display::DestroyWindow() {
    EndMode();
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    window_ = nullptr;
}

bool Display::SetMode(int width, int height, int depth) {
    if (window_ == nullptr) return false;
    if (depth != 8 && depth != 24 && depth != 32) return false;
    if (width <= 0 || height <= 0) return false;
    EndMode();
    // A headless run keeps its own time: waiting for a refresh (or SDL's imitation of one)
    // would only slow it down.
    if (!Harness::Enabled()) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
    if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer_ == nullptr) return false;
    SDL_RendererInfo info;
    vsync_ = SDL_GetRendererInfo(renderer_, &info) == 0 &&
             (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0 &&
             (info.flags & SDL_RENDERER_SOFTWARE) == 0;
    width_ = width;
    height_ = height;
    depth_ = depth;
    if (shown_ != nullptr) SDL_FreeSurface(shown_);
    shown_ = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888);
    if (shown_ == nullptr) return false;
    SDL_FillRect(shown_, nullptr, 0);
    MakeTexture();
    return texture_ != nullptr;
}

void Display::MakeTexture() {
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                 width_, height_);
}

void Display::EndMode() {
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    renderer_ = nullptr;
    depth_ = 0;
}

std::uint32_t Display::PixelFormat() const {
    switch (depth_) {
        case 8:
            return SDL_PIXELFORMAT_INDEX8;
        case 24:
            // Three bytes a pixel, blue first in memory, as the 24-bit display stores them.
            return SDL_PIXELFORMAT_BGR24;
        default:
            return SDL_PIXELFORMAT_RGB888;
    }
}

SDL_Palette* Display::SharedPalette() {
    if (palette_ == nullptr) {
        palette_ = SDL_AllocPalette(256);
        if (palette_ != nullptr) {
            SDL_Color black[256];
            for (SDL_Color& c : black) c = SDL_Color{0, 0, 0, 255};
            SDL_SetPaletteColors(palette_, black, 0, 256);
        }
    }
    return palette_;
}

void Display::SetScreenPalette(IDirectDrawPalette* palette) {
    screenPalette_ = palette;
    if (palette == nullptr || SharedPalette() == nullptr) return;
    SDL_Color colors[256];
    const PALETTEENTRY* entries = palette->Entries();
    for (int i = 0; i < 256; ++i) {
        colors[i] = SDL_Color{entries[i].peRed, entries[i].peGreen, entries[i].peBlue, 255};
    }
    SDL_SetPaletteColors(palette_, colors, 0, 256);
}

void Display::Present(SDL_Surface* picture) {
    if (shown_ == nullptr || picture == nullptr) return;
    SDL_Rect all{0, 0, std::min(picture->w, shown_->w), std::min(picture->h, shown_->h)};
    SDL_BlitSurface(picture, &all, shown_, nullptr);
    Repaint();
    if (Harness::Enabled()) {
        Harness::Advance(Harness::kRefreshMs);
    } else if (!vsync_) {
        PaceWithoutVsync();
    }
}

void Display::PaceWithoutVsync() {
    // Without a renderer that waits for the refresh, play frames would spin as fast as the
    // processor allows; hold them to one refresh of a 60 Hz display instead.
    Uint32 now = SDL_GetTicks();
    Uint32 since = now - lastPresent_;
    if (since < Harness::kRefreshMs) SDL_Delay(Harness::kRefreshMs - since);
    lastPresent_ = SDL_GetTicks();
}

void Display::Repaint() {
    if (renderer_ == nullptr || texture_ == nullptr || shown_ == nullptr || minimized_) return;
    SDL_UpdateTexture(texture_, nullptr, shown_->pixels, shown_->pitch);
    // The bars around the picture are cleared every frame so nothing old shows in them.
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    int outW = 0, outH = 0;
    SDL_GetRendererOutputSize(renderer_, &outW, &outH);
    SDL_Rect dest{0, 0, width_, height_};
    int scale = std::min(outW / width_, outH / height_);
    if (scale >= 1) {
        dest.w = width_ * scale;
        dest.h = height_ * scale;
    } else if (outW > 0 && outH > 0) {
        // A window smaller than the picture: shrink it to fit, keeping its shape.
        double fit =
            std::min(static_cast<double>(outW) / width_, static_cast<double>(outH) / height_);
        dest.w = static_cast<int>(width_ * fit);
        dest.h = static_cast<int>(height_ * fit);
    }
    dest.x = (outW - dest.w) / 2;
    dest.y = (outH - dest.h) / 2;
    SDL_RenderCopy(renderer_, texture_, nullptr, &dest);
    SDL_RenderPresent(renderer_);
}

void Display::ToggleFullscreen() {
    if (window_ == nullptr) return;
    fullscreen_ = !fullscreen_;
    if (fullscreen_) {
        SDL_SetWindowBordered(window_, SDL_FALSE);
        SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
        SDL_SetWindowFullscreen(window_, 0);
        SDL_SetWindowBordered(window_, SDL_TRUE);
        SDL_SetWindowResizable(window_, SDL_TRUE);
        int desktopW = 0, desktopH = 0;
        DesktopSize(desktopW, desktopH);
        int scale = (desktopW >= 640 * kWindowedScale && desktopH >= 480 * kWindowedScale + 64)
                        ? kWindowedScale
                        : 1;
        SDL_SetWindowSize(window_, width_ > 0 ? width_ * scale : 640 * scale,
                          height_ > 0 ? height_ * scale : 480 * scale);
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    Repaint();
}

void Display::SetMinimized(bool minimized) {
    if (minimized && fullscreen_) {
        // A full-screen display that is minimised gives its video memory up, as the surfaces
        // of an exclusive display do when the player switches away.
        minimized_ = true;
        LoseSurfaces();
    } else if (!minimized) {
        minimized_ = false;
    }
}

void Display::LoseSurfaces() {
    if (directDraw_ != nullptr) directDraw_->MarkSurfacesLost();
}

int Display::ChangeCursorCount(int delta) {
    cursorCount_ += delta;
    if (videoUp_) SDL_ShowCursor(cursorCount_ >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return cursorCount_;
}

void Display::ResetCursor() {
    cursorCount_ = 0;
}

void Display::Reset() {
    DestroyWindow();
    if (shown_ != nullptr) SDL_FreeSurface(shown_);
    shown_ = nullptr;
    if (palette_ != nullptr) SDL_FreePalette(palette_);
    palette_ = nullptr;
    screenPalette_ = nullptr;
    directDraw_ = nullptr;
    if (videoUp_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    videoUp_ = false;
    vsync_ = false;
    fullscreen_ = true;
    minimized_ = false;
    depth_ = width_ = height_ = 0;
    lastPresent_ = 0;
}
