// assets/Shape.h — signed distances of the simple shapes the pictures are built from.
#pragma once

#include <functional>

#include "assets/Vec2.h"

// Every distance is negative inside the shape, positive outside, in the units of the point.
class Shape {
public:
    using Field = std::function<double(Vec2)>;

    // Rectangle centred on the origin with half-sizes `half`.
    static double box(Vec2 p, Vec2 half);
    // The same rectangle with corners rounded by `radius`.
    static double roundBox(Vec2 p, Vec2 half, double radius);
    static double circle(Vec2 p, double radius);
    // All points within `radius` of the segment from a to b.
    static double capsule(Vec2 p, Vec2 a, Vec2 b, double radius);
    // Ellipse centred on the origin; close to the true distance near the edge.
    static double ellipse(Vec2 p, Vec2 radii);
    // Triangle with corners a, b, c in either winding.
    static double triangle(Vec2 p, Vec2 a, Vec2 b, Vec2 c);
    // Outward unit normal of the field at p.
    static Vec2 normal(const Field& field, Vec2 p);
    // Hermite step from 0 at e0 to 1 at e1.
    static double smoothstep(double e0, double e1, double x);
};
