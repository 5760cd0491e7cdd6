// gfx/SpriteTable.h — where every sprite's frames lie on the sheets, one row per object kind.
#pragma once

#include "objects/ObjectType.h"

// The pictures sprites are cut from.
enum SpriteSheet { SPRITES_SHEET, FRONT_SHEET };

// A frame's top-left corner on its sheet, or a draw offset in pixels.
struct SheetPoint {
    int x;
    int y;
};

// The one description of the sprite sheets: the asset generator paints the frames where this table
// says and the sprite catalogue cuts them from there, so the two cannot disagree.
class SpriteTable {
public:
    static constexpr int SLOT_COUNT = 24;
    static constexpr int MAX_FRAMES = 16;
    // A side panel rests on a face at frames 0, 4, 8 and 12: right, bottom, left, top.
    static constexpr int FACE_COUNT = 4;
    static constexpr int FRAMES_PER_FACE = 4;

    struct Row {
        ObjectType kind;
        int frameCount;
        int width;
        int height;
        SpriteSheet sheet;
        SheetPoint frame[MAX_FRAMES];  // only the first frameCount entries are used
    };

    // The row of slot `slot`, which is the value of its ObjectType; 0 <= slot < SLOT_COUNT.
    static const Row& row(int slot);
    // Where SLIDER's resting frame FRAMES_PER_FACE * face is cut while the slider's track drives
    // the block right (Level::getSliderL() true) or left; 0 <= face < FACE_COUNT.
    static SheetPoint sliderRest(int face, bool drivesRight);
    // Where PLATFORM_PANEL's frame `frame` is cut while a platform is out; 0 <= frame < 16.
    static SheetPoint platformOut(int frame);
    // Offset from the block's anchor at which a side panel's frame `frame` is drawn; 0..15.
    static SheetPoint panelOffset(int frame);
    // The sheet's file name in the working directory.
    static const char* fileName(SpriteSheet sheet);
};
