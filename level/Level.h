// level/Level.h — the level being played: its grid and objects, the block's glides, the level
// scripts, the movement rules and the keyboard handlers of every phase.
#pragma once

#include "editions/Edition.h"
#include "objects/ObjectType.h"

// What a grid cell holds.
enum CellCode {
    CELL_EMPTY = 0,  // the block moves and falls through it
    CELL_SOLID = 1,  // blocks sideways moves and carries the block
    CELL_TOP = 2,    // a one-way floor: carries the block, never blocks a roll
    CELL_EXIT = 3,   // the level is complete when the block comes to rest here
};

class Button;
class Player;
class SidePanel;

// The one instance is the global LevelClass. Like the object manager's, its fields are public:
// the frame cycle reads the level number directly.
class Level {
public:
    static constexpr int m_GAME_OVER_TIME = 1000;  // ms the game-over banner stays
    static constexpr int m_FINISH_TIME = 1500;     // ms the level-complete banner stays
    static constexpr int m_FLASH_ON_TIME = 1000;   // ms the flashing wall is present
    static constexpr int m_FLASH_OFF_TIME = 600;   // ms the flashing wall is absent
    static constexpr int m_T_WALL_TIME = 1500;     // ms the timed walls of main level 2 last
    static constexpr int m_GRID_COLUMNS = kEdition.gridColumns;
    static constexpr int m_GRID_ROWS = 7;

    Level();

    // Clears the per-level state and the whole grid; the set, the level number, the last glide
    // direction and the platform cell are kept.
    void reset();
    // Builds level `level` of the current set and makes it the current level: grid, start
    // cell, level count and objects. The object manager has been emptied before.
    void makeLevel(int level);
    // Writes the layout and start cell of level m_nLevel of set m_nLevelSet.
    void setGrid();
    // True: the slider's track drives the block to the right along a floor.
    bool getSliderL() const { return m_bSliderL; }
    // A platform tile is out.
    bool getPlatformOut() const { return m_bPlatformOut; }

    // One play frame of the level: gravity, the glide or roll under way, the exit, the level's
    // script, falling out of the bottom row and enemy hits.
    void levelControl(int level);
    // 0 the level goes on; 2 the level is complete and another follows; 1 back to the menu
    // (lost, or the last level of the set complete, m_nLevel then back at 1).
    int levelDone();
    // Nothing carries the block: the cell below holds neither a floor nor a one-way floor.
    bool shouldFall();

    // May the block roll one cell to 'l' or 'r'? Any other direction answers true.
    bool canMove(char direction);
    // The B key: a glide along the surface the slider touches, when the slider can drive.
    void Slide();
    // May the slider on face `orient` drive the block with its track running `direction`
    // ('r' or 'l')? A true answer has set the glide direction; any other direction answers
    // true and sets nothing.
    bool canSlide(char direction, char orient);
    // The Z key: withdraws the platform that is out, or puts one out beside the block or under
    // it (then the block is pushed away).
    void Platform();
    // What the platform panel on face `orient` can do: 0 place a platform in the neighbour cell
    // on that face, 1 place it in the block's own cell and push the block away (the glide
    // direction is then set), 2 nothing.
    int canPush(char orient);

    // Any key ends the title; G also sets the first cheat mode, L chooses the second set.
    bool introKeyboard(unsigned keystroke);
    // 0 stay in the menu, 1 start play at m_nLevel, 2 end the program.
    int menuKeyboard(unsigned keystroke);
    // True leaves play for the menu (Escape).
    bool gameKeyboard(unsigned keystroke);

    int m_nGameOverStart = 0;  // Timer time the level was lost
    int m_nFinishStart = 0;    // Timer time the exit was reached
    int m_nTWallStart = 0;     // timer after which switchable wall 1 comes back (main level 2)
    bool m_bTWallTimer = false;
    int m_nTWall2Start = 0;  // timer after which switchable wall 2 goes (main level 2)
    bool m_bTWall2Timer = false;
    int m_nFlashStart = 0;  // start of the flashing wall's current phase
    int m_nPlatformX = 0;   // the cell the platform that is out occupies
    int m_nPlatformY = 0;
    int m_nPlatformCell = 0;        // what that cell held before the platform came
    int m_nGlideFrame = 0;          // step 0..7 of the glide under way; 0 when none is
    char m_cGlideDir = 0;           // 'd', 'l', 'r' or 'u'
    bool m_bFalling = false;        // a fall (or, in free movement, a flight step) is asked for
    bool m_bSliding = false;        // a slide or push is asked for
    bool m_bPlayerGliding = false;  // the block was moving when this frame began
    bool m_bFinished = false;       // the exit was reached; the level-complete banner is up
    bool m_bGameOver = false;       // the level is lost; the game-over banner is up
    bool m_bFellOut = false;        // the game over for leaving through the bottom row was raised
    bool m_bFlashWallOn = false;
    bool m_bHasPlatform = false;  // the level lets the platform panel work
    bool m_bHasSlider = false;    // the level lets the slider work
    bool m_bPlatformOut = false;
    bool m_bSliderL = true;  // the slider's track drives the block right along a floor
    int m_nLevelSet = 0;     // 0 the main set, 1 the second set
    int m_nLevelCount = 0;   // levels in the current set
    int m_nStartX = 0;
    int m_nStartY = 0;
    int m_nLevel = 1;                               // the level within the set, from 1
    int m_nGrid[m_GRID_COLUMNS][m_GRID_ROWS] = {};  // [column][row], row 0 at the top

private:
    // Makes the objects of the current level and fills the object manager's links.
    void createObjects();
    void level_1_ctrl();
    void level_2_ctrl();
    void level_3_ctrl();
    void level_4_ctrl();
    void level_1_L_ctrl();
    void level_2_L_ctrl();
    void level_3_L_ctrl();
    // The flashing wall: a WALL at (x, y) that is there for m_FLASH_ON_TIME and gone for
    // m_FLASH_OFF_TIME, over and over. It stops shots only; the grid never changes.
    void flashWall(int x, int y);
    // Raises the game-over banner.
    void loseLevel();

    // The cell at `column` (any value; the world wraps) and `row`; rows outside the grid read
    // as empty.
    int cell(int column, int row) const;
    bool solid(int column, int row) const { return cell(column, row) == CELL_SOLID; }
    // The cell carries the block: a floor or a one-way floor.
    bool carries(int column, int row) const;
    // `column` brought onto 0..m_GRID_COLUMNS-1, the world being a ring.
    static int wrap(int column);

    // True once for each press of the button in slot `slot`: the press is taken and the
    // button disarmed until it is reset.
    static bool takePress(int slot);
    // Puts the button in slot `slot` up again and arms it.
    static void resetButton(int slot);
    // Removes the object in object slot `slot` if it is of kind `kind`. A link whose object
    // could not be made keeps naming an old slot, which may by now hold anything.
    static void removeObject(int slot, ObjectType kind);
    static Player* block();
    static Button* button(int slot);
    static SidePanel* panel(int slot);
    // G: the first cheat mode, then free movement.
    static void toggleCheats();
};
