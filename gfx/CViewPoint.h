// gfx/CViewPoint.h — the view on the 1368-pixel ring of the world, and the drifting cloud
// background.
#pragma once

class IDirectDrawSurface;

class CViewPoint {
public:
    CViewPoint();
    // Wraps a world x into 0..1367.
    void normalize(int& x);
    // The screen column of world x, the shorter way round the world from the view's centre; a
    // distance of exactly half the world is not folded.
    int screen(int x);
    // Moves the view one step (4 pixels, or 2 within 60) toward world x, and the clouds half
    // as far.
    void set_position(int x);
    // Draws the picture `filename` turned left by the cloud offset onto `lpDestination` and
    // lets it drift by `speed` x elapsed / 50 pixels. `lpSource` is not used.
    void draw_background(IDirectDrawSurface* lpSource, IDirectDrawSurface* lpDestination, int speed,
                         const char* filename);

    int m_nCloudX;     // screen column 0 shows this column of the background picture
    int m_nCloudTime;  // Timer time of the last drift step
    int m_nViewX;      // world x shown at screen column 320
};
