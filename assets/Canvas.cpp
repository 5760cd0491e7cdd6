// assets/Canvas.cpp — painting pictures pixel by pixel and writing them as BMP files.
#include "assets/Canvas.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {

std::uint8_t channel(double v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
}

void put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

}  // namespace

Canvas::Canvas(int width, int height, Color background)
    : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width) * height) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) set(x, y, background);
}

Canvas::Canvas(int width, int height)
    : m_width(width),
      m_height(height),
      m_pixels(static_cast<size_t>(width) * height, Pixel{KEY_R, KEY_G, KEY_B}) {}

bool Canvas::isTransparent(int x, int y) const {
    const Pixel& p = m_pixels[static_cast<size_t>(y) * m_width + x];
    return p.r == KEY_R && p.g == KEY_G && p.b == KEY_B;
}

Color Canvas::at(int x, int y) const {
    const Pixel& p = m_pixels[static_cast<size_t>(y) * m_width + x];
    return Color(p.r, p.g, p.b);
}

void Canvas::set(int x, int y, Color c) {
    if (!contains(x, y)) return;
    Pixel p{channel(c.r), channel(c.g), channel(c.b)};
    // Only transparent pixels may carry the key colour.
    if (p.r == KEY_R && p.g == KEY_G && p.b == KEY_B) p.g = 1;
    m_pixels[static_cast<size_t>(y) * m_width + x] = p;
}

void Canvas::makeTransparent(int x, int y) {
    if (contains(x, y)) m_pixels[static_cast<size_t>(y) * m_width + x] = Pixel{KEY_R, KEY_G, KEY_B};
}

void Canvas::blend(int x, int y, Color c, double a) {
    if (!contains(x, y) || a <= 0) return;
    if (isTransparent(x, y)) {
        if (a >= 0.5) set(x, y, c);
        return;
    }
    set(x, y, at(x, y).mix(c, std::min(a, 1.0)));
}

Canvas::Fill Canvas::sample(int i, int j, int samples, const Shader& shader) const {
    Color sum;
    double cover = 0;
    for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
            Vec2 p(i + (sx + 0.5) / samples, j + (sy + 0.5) / samples);
            Fill f = shader(p);
            double a = std::clamp(f.alpha, 0.0, 1.0);
            sum = sum + f.color * a;
            cover += a;
        }
    }
    Fill result;
    if (cover > 0) result.color = sum * (1.0 / cover);
    result.alpha = cover / (samples * samples);
    return result;
}

void Canvas::paint(int x0, int y0, int w, int h, int samples, const Shader& shader) {
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            if (!contains(x0 + i, y0 + j)) continue;
            Fill f = sample(i, j, samples, shader);
            if (f.alpha > 0) blend(x0 + i, y0 + j, f.color, f.alpha);
        }
    }
}

void Canvas::cutout(int x0, int y0, int w, int h, int samples, const Shader& shader) {
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            if (!contains(x0 + i, y0 + j)) continue;
            Fill f = sample(i, j, samples, shader);
            if (f.alpha >= 0.5) set(x0 + i, y0 + j, f.color);
        }
    }
}

void Canvas::draw(const Canvas& source, int x, int y) {
    for (int j = 0; j < source.height(); ++j)
        for (int i = 0; i < source.width(); ++i)
            if (!source.isTransparent(i, j)) set(x + i, y + j, source.at(i, j));
}

bool Canvas::saveBmp(const std::string& path) const {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(m_width) * 3 + 3) & ~3u;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(m_height);
    std::vector<std::uint8_t> out;
    out.reserve(54 + imageBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, 54 + imageBytes);
    put32(out, 0);   // reserved
    put32(out, 54);  // pixel data right after the two headers
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(m_width));
    put32(out, static_cast<std::uint32_t>(m_height));  // positive: bottom row first
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);  // no compression
    put32(out, imageBytes);
    put32(out, 2835);  // 72 dots per inch
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = m_height - 1; y >= 0; --y) {
        for (int x = 0; x < m_width; ++x) {
            const Pixel& p = m_pixels[static_cast<size_t>(y) * m_width + x];
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(m_width) * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}
