// assets/Light.cpp — shading by the top-left light.
#include "assets/Light.h"

#include <cmath>

Vec2 Light::toward() {
    return Vec2(-1, -1).normalized();
}

double Light::facing(Vec2 n) {
    return n.normalized().dot(toward());
}

Color Light::raised(Color base, double depth, Vec2 n, double outline, double bevel) {
    if (depth < outline) return base * 0.32;
    if (depth < outline + bevel) return base.lit(0.42 * facing(n));
    return base;
}

Color Light::sunken(Color base, double depth, Vec2 n, double bevel) {
    if (depth < bevel) return base.lit(-0.35 * facing(n));
    return base;
}
