// tests/LevelScene.h — a level built into the global LevelClass on the object tests' display, and
// played frame by frame on the virtual clock.
#pragma once

#include <string>

#include "objects/ObjectType.h"
#include "tests/ObjectScene.h"

class Button;
class Player;
class SidePanel;

namespace leveltest {

constexpr int kFrameMs = 16;  // one refresh of the display: the pace of play frames
constexpr int kCell = 38;

// Each test starts as ObjectScene does (fresh globals, painted sprites, the clock at 0).
class LevelScene : public objecttest::ObjectScene {
protected:
    // Enters level `level` of set `set` as the frame cycle does: the objects are emptied, the
    // level is built, the block is at rest and input is accepted. The clock is first moved on
    // to `at` ms, past the gun's first cool-down.
    static void Build(int set, int level, int at = 1000);
    // One play frame: the level's rules and script, then every object moved, collided and
    // drawn (which makes the block's roll steps), then the clock moves on. Answers what
    // levelDone answered.
    static int Frame();
    // Play frames for `ms` of virtual time; answers the first non-zero levelDone answer, or 0.
    static int Play(int ms);
    // An empty level with the block alone in cell (column, row) of a lattice anchored at
    // (kArenaX0, kArenaY0), input accepted and no level script (level number 0). The clock is
    // first moved on by 1000 ms, past the gun's first cool-down.
    static void Arena(int column, int row);
    // Puts a panel of kind `kind` on face `side` of the arena's block and links it as that
    // kind's panel; answers its side-panel slot.
    static int AddPanel(ObjectType kind, char side);
    static constexpr int kArenaX0 = 16;
    static constexpr int kArenaY0 = 143;

    // Play frames until the block is at rest with nothing asked of it; false if that takes
    // more than `limitMs`.
    static bool Settle(int limitMs = 3000);

    // Presses the button in slot `slot` as a shot reaching it does.
    static void Press(int slot);
    static Player* Block();
    static Button* ButtonIn(int slot);
    static SidePanel* PanelIn(int slot);
    // The kind of the object in object slot `slot`, or -1 when the slot is empty.
    static int KindIn(int slot);
    // How many objects of kind `kind` the object list holds.
    static int Count(int kind);
    // How many objects of kind `kind` are anchored at (x, y), x taken round the world.
    static int CountAt(int kind, int x, int y);
};

// The grid code of a layout picture letter: '#' solid, '=' one-way floor, 'E' exit, else empty.
int CellCode(char letter);
// Row `row` of the level's grid, columns `first`..`last`, in the layouts' picture letters.
std::string GridRow(int row, int first = 0, int last = 11);

}  // namespace leveltest
