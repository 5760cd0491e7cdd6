// objects/CObject.h — a game object: its kind, place, speed, sprite and animation frame.
#pragma once

#include "objects/ObjectType.h"

class CBaseSprite;
class IDirectDrawSurface;

// Every object of a level is owned by the object manager, which makes and destroys it; each of
// the manager's lists holds exactly one class, so no object is ever deleted through a pointer to
// a base class (there is deliberately no virtual destructor).
class CObject {
public:
    // A plain object of kind `object` anchored at (x, y) with the given speeds; x is already on
    // the world's ring. Shots and banners play their sound here.
    CObject(ObjectType object, int x, int y, int xspeed, int yspeed);

    // Advances the position by the speeds and the time passed since the last whole-pixel move
    // on each axis: x wraps round the world, y stays within -100..580.
    virtual void move();
    // Draws the current frame onto `surface` where the view shows the object.
    void draw(IDirectDrawSurface* surface);
    // Asks for one roll step to the right (true) or left; the block's draw makes it when due.
    void changeFrame(bool direction);
    // Sets the frame drawn next; the caller passes a frame the sprite has.
    void changeFrame(int frame);
    // Moves the object at once; x wraps round the world, y is not clamped.
    void changePosition(int xdelta, int ydelta);

    int m_nX;                // world x of the sprite's bottom-centre anchor, 0..1367
    int m_nY;                // screen row of the sprite's bottom edge
    int m_nXspeed;           // pixels per 16 ms; positive moves right
    int m_nYspeed;           // pixels per 32 ms; positive moves down
    int m_nLastXMove;        // time from which the pending horizontal movement is measured
    int m_nLastYMove;        // time from which the pending vertical movement is measured
    CBaseSprite* m_pSprite;  // the kind's sprite; shared, not owned
    int m_nWidth;            // frame width of the sprite
    int m_nHeight;           // frame height of the sprite
    int m_nFrame;            // frame drawn next
    int m_nFrameCount;       // frames of the object's animation
    int m_nLastFrameTime;    // time of the last pacing tick of the block's roll
    int m_nFrameInterval;    // the block rolls at most one step per m_nFrameInterval / 3 ms
    int m_nDistance;         // pixels travelled, counted while m_bRangeLimited
    bool m_bRangeLimited;    // the manager removes the object once it has flown its range
    bool m_bStepPending;     // a roll step has been asked for and not yet made
    ObjectType m_nObjectType;
    bool m_bDirection;  // direction of the last step request: true = right
    bool m_bMoving;     // the block is in a roll or a glide

protected:
    // The base part of the block, panels and buttons, which set every field themselves.
    CObject() {}
    // Gives the common fields their starting values for a new object of kind `object` at
    // (x, y): frame 0, both time bases and the pacing tick at now, no speed, no distance, every
    // flag clear, and the kind's sprite with its size and frame count.
    void setCommonFields(ObjectType object, int x, int y);
    // Moves `step` pixels toward 'l', 'r', 'u' or 'd' (anything else stays put). x is not
    // wrapped: a glide of the block and its panels may leave 0..1367 until the cell is reached.
    void glideBy(char direction, int step);
};
