// assets/Color.cpp — colour mixing and lighting steps.
#include "assets/Color.h"

Color Color::mix(Color other, double t) const {
    return *this * (1 - t) + other * t;
}

Color Color::lit(double k) const {
    if (k >= 0) return mix(Color(255, 255, 255), k);
    return *this * (1 + k);
}
