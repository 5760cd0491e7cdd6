// objects/Button.cpp — a wall button's pictures and its click.
#include "objects/Button.h"

#include "app/Globals.h"
#include "sound/CSoundManager.h"

namespace {

constexpr int kButtonFrames = 2;
constexpr int kPressedFrame = 1;
constexpr int kButtonSound = 1;

}  // namespace

Button::Button(ObjectType object, int x, int y) {
    setCommonFields(object, x, y);
    m_nFrameCount = kButtonFrames;
    m_nFrame = 0;
    m_bPressed = false;
    m_bArmed = true;
}

void Button::changeFrame(int frame) {
    if (frame == kPressedFrame && SoundManager != nullptr) SoundManager->play(kButtonSound, 0);
    m_nFrame = frame;
}
