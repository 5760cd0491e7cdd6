// assets/LandscapePainter.h — the ground strip and the two skies, all wrapping sideways.
#pragma once

#include "assets/Canvas.h"

class LandscapePainter {
public:
    static constexpr int STRIP_WIDTH = 1368;  // the world's width: the strip wraps with it
    static constexpr int STRIP_HEIGHT = 162;
    static constexpr int SKY_WIDTH = 640;
    static constexpr int SKY_HEIGHT = 480;

    // Ground, rocks and grass along the bottom, transparent above the skyline.
    static Canvas foreground();
    // Day sky with clouds.
    static Canvas daySky();
    // Night sky with stars and an aurora, for free movement.
    static Canvas nightSky();
};
