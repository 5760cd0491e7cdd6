// objects/CObjectManager.h — owns every game object of a level; moves, collides and draws them each frame.
#pragma once

class IDirectDrawSurface;

class CObjectManager {
public:
    explicit CObjectManager(int max);
    ~CObjectManager();
    CObjectManager(const CObjectManager&) = delete;
    CObjectManager& operator=(const CObjectManager&) = delete;

    // Empties every list for a new level.
    void reset();
    // One play frame of all objects onto `surface`.
    void animate(IDirectDrawSurface* surface);

    int m_nMaxCount;  // capacity of the object list
};
