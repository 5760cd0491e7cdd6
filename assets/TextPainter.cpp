// assets/TextPainter.cpp — text masks from SDL2_ttf's blended rendering.
#include "assets/TextPainter.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>

double TextPainter::Mask::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    return alpha[static_cast<size_t>(y) * width + x];
}

void TextPainter::Mask::ink(int& x0, int& y0, int& x1, int& y1) const {
    x0 = width;
    y0 = height;
    x1 = 0;
    y1 = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (at(x, y) < 0.3) continue;
            x0 = std::min(x0, x);
            y0 = std::min(y0, y);
            x1 = std::max(x1, x + 1);
            y1 = std::max(y1, y + 1);
        }
    }
    if (x1 <= x0) x0 = y0 = x1 = y1 = 0;
}

TextPainter::TextPainter(const std::string& fontDir) : m_fontDir(fontDir) {
    if (TTF_Init() != 0) {
        m_error = std::string("SDL_ttf: ") + TTF_GetError();
        return;
    }
    m_ready = font(12, false) != nullptr && font(12, true) != nullptr;
}

TextPainter::~TextPainter() {
    for (Opened& o : m_fonts) TTF_CloseFont(o.font);
    if (TTF_WasInit()) TTF_Quit();
}

TTF_Font* TextPainter::font(int pixels, bool bold) {
    for (const Opened& o : m_fonts)
        if (o.pixels == pixels && o.bold == bold) return o.font;
    std::string path = m_fontDir + (bold ? "/DejaVuSans-Bold.ttf" : "/DejaVuSans.ttf");
    TTF_Font* f = TTF_OpenFont(path.c_str(), pixels);
    if (f == nullptr) {
        m_error = "cannot open " + path + ": " + TTF_GetError();
        return nullptr;
    }
    // Light hinting keeps the letters' shapes and still sits them on whole pixels.
    TTF_SetFontHinting(f, TTF_HINTING_LIGHT);
    m_fonts.push_back(Opened{pixels, bold, f});
    return f;
}

int TextPainter::measure(const std::string& text, int pixels, bool bold) {
    TTF_Font* f = font(pixels, bold);
    int w = 0, h = 0;
    if (f == nullptr || TTF_SizeUTF8(f, text.c_str(), &w, &h) != 0) return 0;
    return w;
}

TextPainter::Mask TextPainter::render(const std::string& text, int pixels, bool bold) {
    Mask mask;
    TTF_Font* f = font(pixels, bold);
    if (f == nullptr) return mask;
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(f, text.c_str(), SDL_Color{255, 255, 255, 255});
    if (rendered == nullptr) return mask;
    SDL_Surface* surface = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (surface == nullptr) return mask;
    mask.width = surface->w;
    mask.height = surface->h;
    mask.alpha.resize(static_cast<size_t>(mask.width) * mask.height);
    SDL_LockSurface(surface);
    for (int y = 0; y < mask.height; ++y) {
        const Uint32* row = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(surface->pixels) + static_cast<size_t>(y) * surface->pitch);
        for (int x = 0; x < mask.width; ++x)
            mask.alpha[static_cast<size_t>(y) * mask.width + x] = (row[x] >> 24) / 255.0;
    }
    SDL_UnlockSurface(surface);
    SDL_FreeSurface(surface);
    return mask;
}

TextPainter::Mask TextPainter::grown(const Mask& mask, double radius) {
    int r = static_cast<int>(std::ceil(radius)) + 1;
    Mask out;
    out.width = mask.width + 2 * r;
    out.height = mask.height + 2 * r;
    out.alpha.assign(static_cast<size_t>(out.width) * out.height, 0.0);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            double best = 0;
            for (int dy = -r; dy <= r; ++dy) {
                for (int dx = -r; dx <= r; ++dx) {
                    double a = mask.at(x - r + dx, y - r + dy);
                    if (a <= 0) continue;
                    // A pixel at distance `dist` from covered text is covered out to `radius`.
                    double dist = std::sqrt(static_cast<double>(dx * dx + dy * dy));
                    double reach = std::clamp(radius + 0.5 - dist, 0.0, 1.0);
                    best = std::max(best, a * reach);
                }
            }
            out.alpha[static_cast<size_t>(y) * out.width + x] = best;
        }
    }
    return out;
}

void TextPainter::draw(Canvas& canvas, const Mask& mask, int x, int y, const Paint& paint,
                       double opacity) {
    for (int j = 0; j < mask.height; ++j) {
        for (int i = 0; i < mask.width; ++i) {
            double a = mask.at(i, j) * opacity;
            if (a <= 0) continue;
            Vec2 p(i + 0.5, j + 0.5);
            // Text never widens a sprite.
            if (!canvas.contains(x + i, y + j) || canvas.isTransparent(x + i, y + j)) continue;
            canvas.blend(x + i, y + j, paint(p), a);
        }
    }
}
