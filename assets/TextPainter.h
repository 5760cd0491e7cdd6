// assets/TextPainter.h — words rendered with SDL2_ttf in the DejaVu faces and laid onto pictures.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "assets/Canvas.h"

typedef struct _TTF_Font TTF_Font;

class TextPainter {
public:
    // Coverage of rendered text, 0..1 per pixel.
    struct Mask {
        int width = 0;
        int height = 0;
        std::vector<double> alpha;
        double at(int x, int y) const;
        // The smallest rectangle holding all clearly covered pixels: [x0, x1) x [y0, y1).
        void ink(int& x0, int& y0, int& x1, int& y1) const;
    };
    using Paint = std::function<Color(Vec2)>;

    // Fonts are read from `fontDir`, which holds DejaVuSans.ttf and DejaVuSans-Bold.ttf.
    explicit TextPainter(const std::string& fontDir);
    ~TextPainter();
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

    // False when the font library or a font could not be opened; nothing can be rendered then.
    bool ready() const { return m_ready; }
    const std::string& error() const { return m_error; }

    // `text` (UTF-8) at a size of `pixels`; the mask is as tall as the font's line.
    Mask render(const std::string& text, int pixels, bool bold);
    // Width in pixels that render would give.
    int measure(const std::string& text, int pixels, bool bold);
    // The mask grown by `radius` pixels in every direction, with a soft edge: for outlines.
    static Mask grown(const Mask& mask, double radius);
    // Lays `mask` onto the picture with its top-left corner at (x, y), coloured by `paint`
    // (which gets the mask's own coordinates), at the given opacity.
    static void draw(Canvas& canvas, const Mask& mask, int x, int y, const Paint& paint,
                     double opacity = 1);

private:
    TTF_Font* font(int pixels, bool bold);

    std::string m_fontDir;
    bool m_ready = false;
    std::string m_error;
    struct Opened {
        int pixels;
        bool bold;
        TTF_Font* font;
    };
    std::vector<Opened> m_fonts;
};
