// objects/CObject.cpp — making, moving and drawing a game object.
#include "objects/CObject.h"

#include <cstdlib>

#include "app/CTimer.h"
#include "app/Globals.h"
#include "gfx/CClippedSprite.h"
#include "gfx/CViewPoint.h"
#include "sound/CSoundManager.h"

namespace {

constexpr int kXTimeUnit = 16;     // ms per step of horizontal speed
constexpr int kYTimeUnit = 32;     // ms per step of vertical speed
constexpr int kHighestRow = -100;  // objects may leave the 480-row screen by 100 rows either way
constexpr int kLowestRow = 580;

constexpr int kLaserSound = 0;
constexpr int kLevelCompleteSound = 2;
constexpr int kGameOverSound = 3;

void Play(int sound) {
    if (SoundManager != nullptr) SoundManager->play(sound, 0);
}

// speed x elapsed / unit, truncated toward zero; widened so that a long pause cannot overflow.
int Travel(int speed, int elapsed, int unit) {
    return static_cast<int>(static_cast<long long>(speed) * elapsed / unit);
}

}  // namespace

CObject::CObject(ObjectType object, int x, int y, int xspeed, int yspeed) {
    setCommonFields(object, x, y);
    m_nXspeed = xspeed;
    m_nYspeed = yspeed;
    switch (object) {
        case BULLET:
        case ENEMY_BULLET:
            Play(kLaserSound);
            m_bRangeLimited = true;
            break;
        case GAME_OVER_BANNER:
            Play(kGameOverSound);
            break;
        case LEVEL_COMPLETE_BANNER:
            Play(kLevelCompleteSound);
            break;
        default:
            break;
    }
}

void CObject::setCommonFields(ObjectType object, int x, int y) {
    const int now = Timer.time();
    m_nFrame = 0;
    m_nLastFrameTime = now;
    m_bDirection = true;
    m_nDistance = 0;
    m_bRangeLimited = false;
    m_bMoving = false;
    m_bStepPending = false;
    m_nObjectType = object;
    m_nLastYMove = now;
    m_nLastXMove = now;
    m_nX = x;
    m_nY = y;
    m_nXspeed = 0;
    m_nYspeed = 0;
    m_nFrameInterval = 0;
    m_pSprite = g_pSprite[object];
    // Objects are made only once the catalogue is loaded; an object made without its sprite
    // still gets a size (none) and is simply not drawn.
    m_nFrameCount = m_pSprite != nullptr ? m_pSprite->frame_count() : 0;
    m_nHeight = m_pSprite != nullptr ? m_pSprite->height() : 0;
    m_nWidth = m_pSprite != nullptr ? m_pSprite->width() : 0;
}

void CObject::move() {
    const int now = Timer.time();

    const int dx = Travel(m_nXspeed, now - m_nLastXMove, kXTimeUnit);
    m_nX += dx;
    Viewpoint.normalize(m_nX);
    // A slow speed that has not yet made a whole pixel keeps its time base, so the time adds up
    // until it does.
    if (dx != 0 || m_nXspeed == 0) m_nLastXMove = now;

    const int dy = Travel(m_nYspeed, now - m_nLastYMove, kYTimeUnit);
    m_nY += dy;
    if (m_nY < kHighestRow) m_nY = kHighestRow;
    if (m_nY > kLowestRow) m_nY = kLowestRow;
    if (dy != 0 || m_nYspeed == 0) m_nLastYMove = now;

    if (m_bRangeLimited) {
        const int ax = std::abs(dx);
        const int ay = std::abs(dy);
        m_nDistance += ax > ay ? ax : ay;
    }
}

void CObject::draw(IDirectDrawSurface* surface) {
    if (m_pSprite == nullptr) return;
    m_pSprite->draw(m_nFrame, Viewpoint.screen(m_nX), m_nY, surface);
}

void CObject::changeFrame(bool direction) {
    m_bDirection = direction;
    m_bStepPending = true;
}

void CObject::changeFrame(int frame) {
    m_nFrame = frame;
}

void CObject::changePosition(int xdelta, int ydelta) {
    m_nX += xdelta;
    m_nY += ydelta;
    Viewpoint.normalize(m_nX);
}

void CObject::glideBy(char direction, int step) {
    switch (direction) {
        case 'd':
            m_nY += step;
            break;
        case 'u':
            m_nY -= step;
            break;
        case 'l':
            m_nX -= step;
            break;
        case 'r':
            m_nX += step;
            break;
        default:
            break;
    }
}
