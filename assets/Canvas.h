// assets/Canvas.h — a 24-bit picture being painted, with the transparent colour and BMP output.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "assets/Color.h"
#include "assets/Vec2.h"

class Canvas {
public:
    // What a shader puts at one point of a picture: a colour and how much of the point it covers.
    struct Fill {
        Color color;
        double alpha = 0;
    };
    // Shaders are asked in the painted area's own coordinates: pixel (i, j) spans [i, i+1) x [j,
    // j+1).
    using Shader = std::function<Fill(Vec2)>;

    static constexpr std::uint8_t KEY_R = 254, KEY_G = 0, KEY_B = 254;

    // A picture filled with `background`.
    Canvas(int width, int height, Color background);
    // A picture that is transparent everywhere.
    Canvas(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    bool isTransparent(int x, int y) const;
    Color at(int x, int y) const;

    // Opaque pixel; a colour that would round to the transparent key is moved off it.
    void set(int x, int y, Color c);
    void makeTransparent(int x, int y);
    // `c` laid over the pixel with opacity a (0..1); over a transparent pixel it is set when a >=
    // 1/2.
    void blend(int x, int y, Color c, double a);

    // Paints the shader over the w x h area at (x0, y0), samples x samples per pixel, blended by
    // the covered share of each pixel. Parts of the area outside the picture are skipped.
    void paint(int x0, int y0, int w, int h, int samples, const Shader& shader);
    // Like paint, but each pixel becomes opaque (the covered samples' mean colour) when at least
    // half of it is covered and stays as it was otherwise: sprite edges never fade into the key.
    void cutout(int x0, int y0, int w, int h, int samples, const Shader& shader);
    // Copies the opaque pixels of `source` with its top-left corner at (x, y).
    void draw(const Canvas& source, int x, int y);

    // Writes the picture as an uncompressed 24-bit BMP file; false if the file cannot be written.
    bool saveBmp(const std::string& path) const;

private:
    struct Pixel {
        std::uint8_t r, g, b;
    };
    // Mean colour and coverage of one pixel's samples.
    Fill sample(int i, int j, int samples, const Shader& shader) const;

    int m_width;
    int m_height;
    std::vector<Pixel> m_pixels;
};
