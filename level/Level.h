// level/Level.h — the level being played: its set and number, and the keyboard handlers of each
// phase.
#pragma once

class Level {
public:
    Level();

    // Builds level `level` of the current set and makes it the current level.
    void makeLevel(int level);
    // One frame of the level's rules and script.
    void levelControl(int level);
    // 0 go on, 1 back to the menu, 2 the next level follows.
    int levelDone();
    // Any key ends the title; G also sets the first cheat mode, L chooses the second set.
    bool introKeyboard(unsigned keystroke);
    // 0 stay in the menu, 1 start play at m_nLevel, 2 end the program.
    int menuKeyboard(unsigned keystroke);
    // True leaves play for the menu (Escape).
    bool gameKeyboard(unsigned keystroke);
    // The slider drives the block to the right.
    bool getSliderL() const { return m_bSliderL; }
    // A platform tile is out.
    bool getPlatformOut() const { return m_bPlatformOut; }

    int m_nLevelSet;  // level set played: 0 or 1
    int m_nLevel;     // current level within the set, from 1
    bool m_bSliderL;
    bool m_bPlatformOut;

private:
    // G: first cheat mode, then free movement.
    void toggleCheats();
};
