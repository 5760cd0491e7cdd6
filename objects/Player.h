// objects/Player.h — the player's block, which rolls and glides one cell at a time.
#pragma once

#include "objects/CObject.h"

class Player final : public CObject {
public:
    // The block at rest with its anchor at (x, y).
    Player(int x, int y);

    int getX() const { return m_nX; }
    int getY() const { return m_nY; }
    // Makes a requested roll step when the 60 ms pacing tick comes round, then draws the block.
    // The last step of a roll puts the riding panels on their new faces and sets g_bDone.
    void draw(IDirectDrawSurface* surface);
    // Moves the riding panels and the block by the displacement of the block's current frame.
    void moveSprite(bool direction);
    // One of the eight steps of a one-cell glide in `direction` ('d', 'u', 'l' or 'r'); `frame`
    // counts the steps 0..7 and is back at 0 after the eighth, which sets g_bDone. The glide
    // neither wraps x nor clamps y.
    void fall(int& frame, char direction);

    // Pixels a roll step moves along x once the block shows `frame`: 10 for frames 1 and 3,
    // 9 for 0 and 2, negative when rolling left. Four steps make one 38-pixel cell.
    static int rollStep(int frame, bool direction);
    // Pixels glide step `frame` moves: 4 for steps 1 and 5, 5 for the others; 38 in all.
    static int glideStep(int frame);
};
