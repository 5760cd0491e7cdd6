// level/Level.cpp — the level state and the keyboard of the title, the menu and play. Level
// layouts, scripts and the block's moves come with the level work; until then play shows an empty
// level.
#include "level/Level.h"

#include "app/Globals.h"
#include "editions/Edition.h"
#include "platform/Window.h"

Level::Level() : m_nLevelSet(0), m_nLevel(1), m_bSliderL(true), m_bPlatformOut(false) {}

void Level::makeLevel(int level) {
    m_nLevel = level;
}

void Level::levelControl(int /*level*/) {}

int Level::levelDone() {
    return 0;
}

void Level::toggleCheats() {
    if (!g_Glitch) {
        g_Glitch = true;
    } else {
        g_Glitch = false;
        g_superGlitch = true;
        bckgndname = kEdition.coolBackground;
    }
}

bool Level::introKeyboard(unsigned keystroke) {
    if (keystroke == 'G') g_Glitch = true;
    if (keystroke == 'L') m_nLevelSet = 1;
    return true;
}

int Level::menuKeyboard(unsigned keystroke) {
    switch (keystroke) {
        case VK_ESCAPE:
        case 'Q':
            return 2;
        case 'C':
            return 1;
        case 'N':
            m_nLevel = 1;
            return 1;
        case 'L':
            m_nLevelSet = 1;
            m_nLevel = 1;
            return 0;
        case 'U':
            g_Glitch = false;
            g_superGlitch = false;
            m_nLevelSet = 0;
            bckgndname = kEdition.backgroundPicture;
            return 0;
        case 'G':
            toggleCheats();
            return 0;
        default:
            return 0;
    }
}

bool Level::gameKeyboard(unsigned keystroke) {
    switch (keystroke) {
        case VK_ESCAPE:
            return true;
        case 'G':
            toggleCheats();
            return false;
        case 'U':
            g_Glitch = false;
            g_superGlitch = false;
            bckgndname = kEdition.backgroundPicture;
            return false;
        default:
            return false;
    }
}
