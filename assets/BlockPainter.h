// assets/BlockPainter.h — the player's block and the side panels it carries, at any turn and size.
#pragma once

#include "assets/Canvas.h"
#include "assets/Vec2.h"

class BlockPainter {
public:
    // Half the side of the block at rest, in block units (one unit is one pixel on the sheet).
    static const double HALF_SIDE;

    enum PanelLook {
        GUN_LOOK,
        SLIDER_LOOK,               // track without a drive arrow, for the frames of a roll
        SLIDER_DRIVES_RIGHT_LOOK,  // track turning so that it drives the block right on a floor
        SLIDER_DRIVES_LEFT_LOOK,
        PLATFORM_FOLDED_LOOK,
        PLATFORM_OUT_LOOK
    };

    // The block turned clockwise by `turn` radians, its centre at `centre`, `scale` pixels a unit.
    static Canvas::Shader block(double turn, Vec2 centre, double scale);
    // Height (and width) of the block's outline when turned by `turn` radians, in block units.
    static double extent(double turn);
    // A side panel on the face of a block centred at `centre` whose outward direction is `face`
    // radians clockwise from the right; `scale` pixels a unit.
    static Canvas::Shader panel(PanelLook look, double face, Vec2 centre, double scale);
};
