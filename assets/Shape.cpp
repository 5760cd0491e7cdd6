// assets/Shape.cpp — signed distance formulas.
#include "assets/Shape.h"

#include <algorithm>
#include <cmath>

double Shape::box(Vec2 p, Vec2 half) {
    Vec2 q = p.abs() - half;
    Vec2 outside(std::max(q.x, 0.0), std::max(q.y, 0.0));
    return outside.length() + std::min(std::max(q.x, q.y), 0.0);
}

double Shape::roundBox(Vec2 p, Vec2 half, double radius) {
    return box(p, half - Vec2(radius, radius)) - radius;
}

double Shape::circle(Vec2 p, double radius) {
    return p.length() - radius;
}

double Shape::capsule(Vec2 p, Vec2 a, Vec2 b, double radius) {
    Vec2 pa = p - a, ba = b - a;
    double h = std::clamp(pa.dot(ba) / ba.dot(ba), 0.0, 1.0);
    return (pa - ba * h).length() - radius;
}

double Shape::ellipse(Vec2 p, Vec2 radii) {
    // Scaled circle distance, corrected by the local stretch so edges stay about one unit thick.
    double k0 = Vec2(p.x / radii.x, p.y / radii.y).length();
    double k1 = Vec2(p.x / (radii.x * radii.x), p.y / (radii.y * radii.y)).length();
    if (k1 == 0) return -std::min(radii.x, radii.y);
    return k0 * (k0 - 1.0) / k1;
}

double Shape::triangle(Vec2 p, Vec2 a, Vec2 b, Vec2 c) {
    Vec2 e0 = b - a, e1 = c - b, e2 = a - c;
    Vec2 v0 = p - a, v1 = p - b, v2 = p - c;
    Vec2 pq0 = v0 - e0 * std::clamp(v0.dot(e0) / e0.dot(e0), 0.0, 1.0);
    Vec2 pq1 = v1 - e1 * std::clamp(v1.dot(e1) / e1.dot(e1), 0.0, 1.0);
    Vec2 pq2 = v2 - e2 * std::clamp(v2.dot(e2) / e2.dot(e2), 0.0, 1.0);
    double s = (e0.x * e2.y - e0.y * e2.x) > 0 ? 1.0 : -1.0;
    double d = std::min({pq0.dot(pq0), pq1.dot(pq1), pq2.dot(pq2)});
    double w0 = s * (v0.x * e0.y - v0.y * e0.x);
    double w1 = s * (v1.x * e1.y - v1.y * e1.x);
    double w2 = s * (v2.x * e2.y - v2.y * e2.x);
    bool in = w0 >= 0 && w1 >= 0 && w2 >= 0;
    return in ? -std::sqrt(d) : std::sqrt(d);
}

Vec2 Shape::normal(const Field& field, Vec2 p) {
    const double e = 0.05;
    Vec2 g(field(p + Vec2(e, 0)) - field(p - Vec2(e, 0)),
           field(p + Vec2(0, e)) - field(p - Vec2(0, e)));
    return g.normalized();
}

double Shape::smoothstep(double e0, double e1, double x) {
    double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}
