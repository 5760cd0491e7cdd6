// objects/Player.cpp — the block's roll and glide, carrying the panels that ride on its faces.
#include "objects/Player.h"

#include "app/CTimer.h"
#include "app/Globals.h"
#include "gfx/CClippedSprite.h"
#include "objects/CObjectManager.h"
#include "objects/SidePanel.h"

namespace {

constexpr int kRollInterval = 180;  // a roll step at most every 180 / 3 = 60 ms
constexpr int kRollFrames = 4;
constexpr int kLastGlideStep = 7;

// The panels riding on the block: the gun, the slider and the platform panel, each at most once
// even when two links name the same slot, so that no panel moves or turns twice in one step.
// Answers how many were put into `panels`.
int RidingPanels(SidePanel* panels[3]) {
    const int links[3] = {ObjectManager.m_nGun, ObjectManager.m_nSlider,
                          ObjectManager.m_nPlatformP};
    int count = 0;
    for (int i = 0; i < 3; ++i) {
        bool named = false;
        for (int j = 0; j < i; ++j) named = named || links[j] == links[i];
        if (named || links[i] < 0 || links[i] >= CObjectManager::m_MAX_PANELS) continue;
        SidePanel* panel = ObjectManager.m_pPanelList[links[i]];
        if (panel != nullptr) panels[count++] = panel;
    }
    return count;
}

}  // namespace

Player::Player(int x, int y) {
    setCommonFields(BLOCK, x, y);
    m_nFrameInterval = kRollInterval;
    m_nFrameCount = kRollFrames;
}

int Player::rollStep(int frame, bool direction) {
    const int step = (frame == 1 || frame == 3) ? 10 : 9;
    return direction ? step : -step;
}

int Player::glideStep(int frame) {
    return (frame == 1 || frame == 5) ? 4 : 5;
}

void Player::draw(IDirectDrawSurface* surface) {
    // The pacing tick is renewed every 60 ms whether or not a step is waiting, so a request is
    // served at the next tick after it.
    if (m_nFrameCount > 1 && Timer.elapsed(m_nLastFrameTime, m_nFrameInterval / 3) &&
        m_bStepPending) {
        m_bMoving = true;
        if (m_bDirection) {
            if (++m_nFrame >= m_nFrameCount) m_nFrame = 0;
        } else {
            if (--m_nFrame < 0) m_nFrame = m_nFrameCount - 1;
        }
        m_bStepPending = false;
        moveSprite(m_bDirection);
        if (m_nFrame == 0) {
            // A quarter turn is complete: the block rests one cell further on.
            m_bMoving = false;
            g_bDone = true;
            SidePanel* panels[3];
            const int count = RidingPanels(panels);
            for (int i = 0; i < count; ++i) panels[i]->changeSide(m_bDirection);
        }
    }
    CObject::draw(surface);
}

void Player::moveSprite(bool direction) {
    SidePanel* panels[3];
    const int count = RidingPanels(panels);
    for (int i = 0; i < count; ++i) panels[i]->moveSprite(m_nFrame, direction);
    changePosition(rollStep(m_nFrame, direction), 0);
}

void Player::fall(int& frame, char direction) {
    SidePanel* panels[3];
    const int count = RidingPanels(panels);
    for (int i = 0; i < count; ++i) panels[i]->fall(frame, direction);
    m_bMoving = true;
    g_bDone = false;
    glideBy(direction, glideStep(frame));
    if (frame == kLastGlideStep) {
        frame = 0;
        m_bMoving = false;
        g_bDone = true;
    } else {
        ++frame;
    }
}
