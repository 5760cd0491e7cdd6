// assets/Light.h — the one light of every picture, from the top left, and how surfaces take it.
#pragma once

#include "assets/Color.h"
#include "assets/Vec2.h"

class Light {
public:
    // Unit direction from a surface toward the light.
    static Vec2 toward();
    // How squarely a surface with outward normal n faces the light, -1..1.
    static double facing(Vec2 n);
    // A raised part at `depth` units inside its edge, with outward normal n: a dark outline of
    // width `outline`, then a bevel of width `bevel` lit by its facing, then the flat face.
    static Color raised(Color base, double depth, Vec2 n, double outline, double bevel);
    // A sunken part (a groove or a hole's wall): the bevel takes the light the other way round.
    static Color sunken(Color base, double depth, Vec2 n, double bevel);
};
