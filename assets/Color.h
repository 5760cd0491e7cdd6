// assets/Color.h — an RGB colour with 0..255 channels held as reals while pictures are painted.
#pragma once

struct Color {
    double r = 0;
    double g = 0;
    double b = 0;

    Color() = default;
    Color(double ar, double ag, double ab) : r(ar), g(ag), b(ab) {}

    Color operator+(Color o) const { return {r + o.r, g + o.g, b + o.b}; }
    Color operator*(double k) const { return {r * k, g * k, b * k}; }
    // This colour moved toward `other` by t (0 keeps it, 1 gives `other`).
    Color mix(Color other, double t) const;
    // Lighter toward white for k > 0, darker toward black for k < 0; |k| <= 1.
    Color lit(double k) const;
};
