// app/FrameCycle.cpp — title, menu and play frames, phase changes, and the cloud-speed walk.
#include "app/FrameCycle.h"

#include "app/CRandom.h"
#include "app/CTimer.h"
#include "app/Globals.h"
#include "editions/Edition.h"
#include "gfx/CBmpFileReader2.h"
#include "gfx/CViewPoint.h"
#include "gfx/SpriteCatalogue.h"
#include "level/Level.h"
#include "objects/CObjectManager.h"
#include "platform/Clock.h"
#include "platform/DDraw.h"
#include "platform/IDirectDrawSurface.h"

namespace {

constexpr int kQuietFrameMs = 100;  // title and menu look at their keys ten times a second
constexpr int kCloudWalkMs = 2500;  // the cloud speed changes at most this often

// Shows a 640 x 480 picture file: onto the back buffer, then flipped.
void ShowPicture(const char* filename) {
    CBmpFileReader2 picture;
    picture.load(filename);
    picture.draw(lpSecondary, 640, 480, 0, 0);
    PageFlip();
}

}  // namespace

void change_phase(GamePhaseType new_phase, int level) {
    GamePhase = new_phase;
    PhaseTime = Timer.time();
    endphase = false;
    switch (new_phase) {
        case INTRO_PHASE:
            ShowPicture(kEdition.titlePicture);
            break;
        case MENU_PHASE:
            ShowPicture(kEdition.menuPicture);
            break;
        case PLAYING_PHASE:
            ObjectManager.reset();
            LevelClass.makeLevel(level);
            resetVariables();
            ComposeFrame();
            PageFlip();
            break;
    }
}

void ProcessFrame() {
    if (lpPrimary->IsLost() != DD_OK) {
        RestoreSurfaces();
        Redraw();
    }
    switch (GamePhase) {
        case INTRO_PHASE:
            Sleep(kQuietFrameMs);
            if (endphase || Timer.elapsed(PhaseTime, kEdition.titleTimeout)) {
                change_phase(MENU_PHASE, 1);
            }
            break;
        case MENU_PHASE:
            Sleep(kQuietFrameMs);
            if (endphase) change_phase(PLAYING_PHASE, LevelClass.m_nLevel);
            break;
        case PLAYING_PHASE:
            LevelClass.levelControl(LevelClass.m_nLevel);
            ComposeFrame();
            PageFlip();
            switch (LevelClass.levelDone()) {
                case 2:
                    change_phase(PLAYING_PHASE, LevelClass.m_nLevel + 1);
                    break;
                case 1:
                    change_phase(MENU_PHASE, 1);
                    break;
                default:
                    break;
            }
            if (endphase) change_phase(MENU_PHASE, 1);
            break;
    }
}

bool keyboard_handler(unsigned keystroke) {
    switch (GamePhase) {
        case INTRO_PHASE:
            if (LevelClass.introKeyboard(keystroke)) endphase = true;
            return false;
        case MENU_PHASE: {
            int answer = LevelClass.menuKeyboard(keystroke);
            if (answer == 1) endphase = true;
            return answer == 2;
        }
        case PLAYING_PHASE:
            if (LevelClass.gameKeyboard(keystroke)) endphase = true;
            return false;
    }
    return false;
}

bool ComposeFrame() {
    LoadSlider();
    LoadPlatform();
    if (Timer.elapsed(g_nCloud, kCloudWalkMs)) {
        g_nCloud = Timer.time();
        g_nCSpeed += Random.number(-1, 1);
        if (g_nCSpeed > kEdition.cloudSpeedHigh) --g_nCSpeed;
        if (g_nCSpeed < kEdition.cloudSpeedLow) ++g_nCSpeed;
    }
    Viewpoint.draw_background(lpBackground, lpSecondary, g_nCSpeed, bckgndname);
    ObjectManager.animate(lpSecondary);
    return true;
}

void Redraw() {
    switch (GamePhase) {
        case INTRO_PHASE:
            ShowPicture(kEdition.titlePicture);
            break;
        case MENU_PHASE:
            ShowPicture(kEdition.menuPicture);
            break;
        case PLAYING_PHASE:
            break;  // the next play frame draws the whole picture anyway
    }
}

bool PageFlip() {
    if (lpPrimary->Flip(nullptr, DDFLIP_WAIT) == DDERR_SURFACELOST) return RestoreSurfaces();
    return true;
}

void resetVariables() {
    g_bDone = true;
    g_bInput = true;
}
