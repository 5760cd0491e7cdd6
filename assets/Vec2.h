// assets/Vec2.h — a point or direction in a picture's plane, x to the right and y down.
#pragma once

#include <cmath>

struct Vec2 {
    double x = 0;
    double y = 0;

    Vec2() = default;
    Vec2(double ax, double ay) : x(ax), y(ay) {}

    Vec2 operator+(Vec2 o) const { return {x + o.x, y + o.y}; }
    Vec2 operator-(Vec2 o) const { return {x - o.x, y - o.y}; }
    Vec2 operator*(double k) const { return {x * k, y * k}; }
    Vec2 operator/(double k) const { return {x / k, y / k}; }
    double dot(Vec2 o) const { return x * o.x + y * o.y; }
    double length() const { return std::sqrt(x * x + y * y); }
    Vec2 normalized() const {
        double l = length();
        return l > 0 ? Vec2(x / l, y / l) : Vec2(0, 0);
    }
    // Turned clockwise on the screen (y points down) by `radians`.
    Vec2 rotated(double radians) const {
        double c = std::cos(radians), s = std::sin(radians);
        return {x * c - y * s, x * s + y * c};
    }
    Vec2 abs() const { return {std::fabs(x), std::fabs(y)}; }
};
