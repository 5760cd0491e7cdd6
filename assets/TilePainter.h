// assets/TilePainter.h — wall tiles, platforms, buttons, the exit pad and the shots.
#pragma once

#include "assets/Canvas.h"

// Every shader takes the tile's own pixel coordinates (0..size, y down) divided by `scale`, so the
// same tile can be painted larger on the title screen.
class TilePainter {
public:
    enum Hole { NO_HOLE, VERTICAL_SHAFT, HORIZONTAL_TUNNEL };
    enum ButtonFace { ON_LEFT_FACE, ON_RIGHT_FACE, ON_TOP_FACE, ON_BOTTOM_FACE };

    // A 38 x 38 stone block, whole or with a shaft or tunnel a shot can pass.
    static Canvas::Shader wall(Hole hole, double scale = 1);
    // The switchable wall: a metal frame holding an energy field.
    static Canvas::Shader energyWall(double scale = 1);
    // The one-way floor: a grating along the top of its cell.
    static Canvas::Shader ledge(double scale = 1);
    // A platform slab, lying (horizontal) or standing.
    static Canvas::Shader platform(bool horizontal, double scale = 1);
    // A wall button on the given face of its wall tile, up or pressed.
    static Canvas::Shader button(ButtonFace face, bool pressed);
    // The exit pad, 28 x 7.
    static Canvas::Shader exitPad();
    // A 10 x 10 shot flying right (0), down (1), left (2) or up (3).
    static Canvas::Shader shot(int direction);
};
