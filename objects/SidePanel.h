// objects/SidePanel.h — a panel riding on a face of the block and turning with it.
#pragma once

#include "objects/CObject.h"

class SidePanel final : public CObject {
public:
    // A panel of kind `object` on face `side` ('r', 'b', 'l' or 't') of a block anchored at
    // (x, y); its frame is the face's angle: 0, 4, 8 or 12 sixteenths of a turn.
    SidePanel(ObjectType object, int x, int y, char side);

    char getSide() const { return m_cSide; }
    // Puts the panel on the next face round after a finished roll (clockwise when the block
    // rolled right) at that face's frame; any other side is left alone.
    void changeSide(bool direction);
    // The panel's share of glide step `frame`: it moves exactly as the block does.
    void fall(int frame, char direction);
    // The panel's share of a roll step to the block's new frame `blockFrame`: it moves with the
    // block and turns one sixteenth.
    void moveSprite(int blockFrame, bool direction);
    // Draws the panel at its frame's offset from the block's anchor.
    void draw(IDirectDrawSurface* surface);

    char m_cSide;    // face of the block: 'r' right, 'b' bottom, 'l' left, 't' top
    int m_nOffsetX;  // horizontal draw offset from the block's anchor for the current frame
    int m_nOffsetY;  // vertical draw offset from the block's anchor for the current frame

private:
    // Sets the frame and takes its draw offsets.
    void turnTo(int frame);
};
