// tests/test_level_population.cpp — the objects each level is built with: tiles against the grid,
// exits, the block and its panels, buttons and the object manager's links.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "app/Globals.h"
#include "level/Level.h"
#include "objects/Button.h"
#include "objects/CObject.h"
#include "objects/CObjectManager.h"
#include "objects/Player.h"
#include "objects/SidePanel.h"
#include "tests/LevelScene.h"

namespace {

using leveltest::kCell;
using leveltest::LevelScene;

constexpr int kWorld = 1368;

struct LevelId {
    int set;
    int level;
};

const LevelId kAllLevels[] = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 1}, {1, 2}, {1, 3}};

// Where each level's cell (0, 0) is anchored in the world.
struct Origin {
    int x0;
    int y0;
};

Origin OriginOf(int set, int level) {
    static const struct {
        int set, level;
        Origin origin;
    } kOrigins[] = {{0, 1, {54, 195}}, {0, 2, {54, 157}},  {0, 3, {-22, 143}}, {0, 4, {16, 143}},
                    {1, 1, {16, 233}}, {1, 2, {130, 233}}, {1, 3, {54, 157}}};
    for (const auto& o : kOrigins) {
        if (o.set == set && o.level == level) return o.origin;
    }
    ADD_FAILURE() << "no origin for " << set << "/" << level;
    return {0, 0};
}

int Wrapped(int x) {
    return ((x % kWorld) + kWorld) % kWorld;
}

// The cell an anchor stands on in the level's lattice, or (-1, -1) when it is off the lattice.
std::pair<int, int> CellOf(const Origin& o, int x, int y) {
    const int dx = Wrapped(x - o.x0);
    const int dy = y - o.y0;
    if (dx % kCell != 0 || dy < 0 || dy % kCell != 0 || dy / kCell >= Level::m_GRID_ROWS) {
        return {-1, -1};
    }
    return {dx / kCell, dy / kCell};
}

bool IsTile(int kind) {
    switch (kind) {
        case WALL:
        case BUTTON_WALL:
        case TOP_WALL:
        case TELA_WALL:
        case HOLE_WALL_V:
        case HOLE_WALL_H:
            return true;
        default:
            return false;
    }
}

class LevelObjects : public LevelScene {};

TEST_F(LevelObjects, EveryTileStandsOnItsCellAndEveryCellHasItsTileSaveTheKnownPlaces) {
    // Cells where the grid and the tiles deliberately disagree.
    struct Exceptions {
        LevelId id;
        std::vector<std::pair<int, int>> cells;
    };
    const Exceptions kExceptions[] = {
        {{1, 2}, {{3, 1}}},  // solid, but no tile is drawn
        {{1, 3},
         {{6, 4}, {7, 4}, {7, 5}, {8, 5}, {10, 2}, {1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}}},
    };
    for (const LevelId& id : kAllLevels) {
        Build(id.set, id.level);
        const Origin origin = OriginOf(id.set, id.level);
        // The code each tile on the lattice asks of its cell.
        std::vector<std::vector<int>> tiled(Level::m_GRID_COLUMNS,
                                            std::vector<int>(Level::m_GRID_ROWS, CELL_EMPTY));
        for (int slot = 0; slot < ObjectManager.m_nMaxCount; ++slot) {
            const CObject* object = ObjectManager.m_pObjectList[slot];
            if (object == nullptr || !IsTile(object->m_nObjectType)) continue;
            auto [column, row] = CellOf(origin, object->m_nX, object->m_nY);
            if (column < 0) continue;
            tiled[column][row] = object->m_nObjectType == TOP_WALL ? CELL_TOP : CELL_SOLID;
        }
        std::set<std::pair<int, int>> exceptions;
        for (const Exceptions& e : kExceptions) {
            if (e.id.set == id.set && e.id.level == id.level) {
                exceptions.insert(e.cells.begin(), e.cells.end());
            }
        }
        for (int column = 0; column < Level::m_GRID_COLUMNS; ++column) {
            for (int row = 0; row < Level::m_GRID_ROWS; ++row) {
                int code = LevelClass.m_nGrid[column][row];
                if (code == CELL_EXIT) code = CELL_EMPTY;
                const bool agree = tiled[column][row] == code;
                EXPECT_EQ(agree, exceptions.count({column, row}) == 0)
                    << "set " << id.set << " level " << id.level << " cell (" << column << ", "
                    << row << "): grid " << code << ", tile " << tiled[column][row];
            }
        }
    }
}

TEST_F(LevelObjects, AnExitMarkerLiesOnEveryExitCellAndNowhereElse) {
    for (const LevelId& id : kAllLevels) {
        Build(id.set, id.level);
        const Origin origin = OriginOf(id.set, id.level);
        int exits = 0;
        for (int column = 0; column < Level::m_GRID_COLUMNS; ++column) {
            for (int row = 0; row < Level::m_GRID_ROWS; ++row) {
                if (LevelClass.m_nGrid[column][row] != CELL_EXIT) continue;
                ++exits;
                // The marker lies on the floor of its cell.
                EXPECT_EQ(
                    CountAt(END_MARKER, origin.x0 + kCell * column, origin.y0 + kCell * row + 6), 1)
                    << id.set << "/" << id.level << " (" << column << ", " << row << ")";
            }
        }
        EXPECT_EQ(Count(END_MARKER), exits) << id.set << "/" << id.level;
    }
}

TEST_F(LevelObjects, TheBlockAndItsPanelsStartOnTheStartCellWithTheirLinks) {
    struct PanelAt {
        ObjectType kind;
        char side;
    };
    struct Case {
        LevelId id;
        std::vector<PanelAt> panels;  // in side-panel slot order
    };
    const Case cases[] = {
        {{0, 1}, {{GUN, 'r'}}},
        {{0, 2}, {{GUN, 'r'}}},
        {{0, 3}, {{SLIDER, 'l'}, {GUN, 'r'}}},
        {{0, 4}, {{SLIDER, 'b'}, {PLATFORM_PANEL, 'l'}, {GUN, 't'}}},
        {{1, 1}, {{GUN, 'r'}}},
        {{1, 2}, {{GUN, 'r'}, {PLATFORM_PANEL, 't'}, {SLIDER, 'l'}}},
        {{1, 3}, {{GUN, 'r'}}},
    };
    for (const Case& c : cases) {
        Build(c.id.set, c.id.level);
        SCOPED_TRACE(::testing::Message() << "set " << c.id.set << " level " << c.id.level);
        const Origin origin = OriginOf(c.id.set, c.id.level);
        const int x = Wrapped(origin.x0 + kCell * LevelClass.m_nStartX);
        const int y = origin.y0 + kCell * LevelClass.m_nStartY;
        EXPECT_EQ(xpos, LevelClass.m_nStartX);
        EXPECT_EQ(ypos, LevelClass.m_nStartY);
        ASSERT_NE(Block(), nullptr);
        EXPECT_EQ(ObjectManager.m_nCurrent, 0);
        EXPECT_EQ(Block()->getX(), x);
        EXPECT_EQ(Block()->getY(), y);
        ASSERT_EQ(ObjectManager.m_nPanelCount, static_cast<int>(c.panels.size()));
        for (size_t slot = 0; slot < c.panels.size(); ++slot) {
            const SidePanel* panel = PanelIn(static_cast<int>(slot));
            ASSERT_NE(panel, nullptr);
            EXPECT_EQ(panel->m_nObjectType, c.panels[slot].kind) << slot;
            EXPECT_EQ(panel->getSide(), c.panels[slot].side) << slot;
            EXPECT_EQ(panel->m_nX, x);
            EXPECT_EQ(panel->m_nY, y);
            const int slotNumber = static_cast<int>(slot);
            switch (c.panels[slot].kind) {
                case GUN:
                    EXPECT_EQ(ObjectManager.m_nGun, slotNumber);
                    break;
                case SLIDER:
                    EXPECT_EQ(ObjectManager.m_nSlider, slotNumber);
                    break;
                default:
                    EXPECT_EQ(ObjectManager.m_nPlatformP, slotNumber);
                    break;
            }
        }
    }
}

TEST_F(LevelObjects, ALevelWithoutASliderCarriesOnlyItsGunWhateverWasPlayedBefore) {
    const LevelId withoutSlider[] = {{0, 1}, {0, 2}, {1, 1}, {1, 3}};
    for (const LevelId& before : kAllLevels) {
        for (const LevelId& id : withoutSlider) {
            Build(before.set, before.level);
            const int sliderBefore = ObjectManager.m_nSlider;
            Build(id.set, id.level, 0);
            ASSERT_EQ(ObjectManager.m_nPanelCount, 1);
            // The link is pointed at the slot beside the gun's; with the gun alone in slot 0 the
            // manager refuses that empty slot, and the link keeps what it named before.
            EXPECT_EQ(ObjectManager.m_nSlider, sliderBefore);
            EXPECT_EQ(PanelIn(0)->m_nObjectType, GUN);
            // The slider link names the gun or an empty slot, never a slider.
            const SidePanel* named = PanelIn(ObjectManager.m_nSlider);
            EXPECT_TRUE(named == nullptr || named->m_nObjectType == GUN)
                << before.set << "/" << before.level << " then " << id.set << "/" << id.level;
        }
    }
}

TEST_F(LevelObjects, TheScriptedButtonsAndWallsAreLinked) {
    struct ButtonAt {
        ObjectType kind;
        int x;
        int y;
    };
    struct Case {
        LevelId id;
        std::vector<ButtonAt> buttons;  // in button slot order
        int button1, button2, button3;  // the slots the three links name
        ButtonAt telaWall;              // the object m_nTelaWall names
    };
    const Case cases[] = {
        {{0, 1},
         {{LEFT_BUTTON, 500, 219}, {RIGHT_BUTTON, 20, 219}, {BOTTOM_BUTTON, 244, 151}},
         0,
         1,
         2,
         {TELA_WALL, 130, 233}},
        {{0, 2}, {{RIGHT_BUTTON, 20, 220}, {TOP_BUTTON, 244, 312}}, 0, 0, 1, {TELA_WALL, 396, 233}},
        {{0, 3}, {}, 0, 0, 0, {FOREGROUND_LEFT, 0, 479}},
        {{0, 4},
         {{LEFT_BUTTON, 340, 322}, {LEFT_BUTTON, 150, 282}},
         0,
         1,
         0,
         {FOREGROUND_LEFT, 0, 479}},
        {{1, 1}, {{LEFT_BUTTON, 520, 220}, {TOP_BUTTON, 168, 312}}, 0, 1, 0, {TELA_WALL, 168, 271}},
        {{1, 2}, {{BOTTOM_BUTTON, 244, 151}}, 0, 0, 0, {TELA_WALL, 1130, 233}},
        {{1, 3},
         {{TOP_BUTTON, 358, 312}, {LEFT_BUTTON, 415, 219}, {TOP_BUTTON, 206, 312}},
         1,
         0,
         2,
         {TELA_WALL, 168, 309}},
    };
    for (const Case& c : cases) {
        Build(c.id.set, c.id.level);
        SCOPED_TRACE(::testing::Message() << "set " << c.id.set << " level " << c.id.level);
        ASSERT_EQ(ObjectManager.m_nButtonCount, static_cast<int>(c.buttons.size()));
        for (size_t slot = 0; slot < c.buttons.size(); ++slot) {
            const Button* button = ButtonIn(static_cast<int>(slot));
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->m_nObjectType, c.buttons[slot].kind) << slot;
            EXPECT_EQ(button->m_nX, c.buttons[slot].x) << slot;
            EXPECT_EQ(button->m_nY, c.buttons[slot].y) << slot;
            EXPECT_TRUE(button->m_bArmed && !button->m_bPressed) << slot;
        }
        EXPECT_EQ(ObjectManager.m_nButton1, c.button1);
        EXPECT_EQ(ObjectManager.m_nButton2, c.button2);
        EXPECT_EQ(ObjectManager.m_nButton3, c.button3);
        const CObject* wall = ObjectManager.m_pObjectList[ObjectManager.m_nTelaWall];
        ASSERT_NE(wall, nullptr);
        EXPECT_EQ(wall->m_nObjectType, c.telaWall.kind);
        EXPECT_EQ(wall->m_nX, c.telaWall.x);
        EXPECT_EQ(wall->m_nY, c.telaWall.y);
    }
}

TEST_F(LevelObjects, EveryLevelStartsWithTheForegroundAndTheEnemiesFly) {
    struct Case {
        LevelId id;
        int enemySlot;  // -1: no enemy
        int x, y, xspeed;
    };
    const Case cases[] = {{{0, 1}, -1, 0, 0, 0}, {{0, 2}, -1, 0, 0, 0}, {{0, 3}, -1, 0, 0, 0},
                          {{0, 4}, -1, 0, 0, 0}, {{1, 1}, -1, 0, 0, 0}, {{1, 2}, 39, 20, 200, 2},
                          {{1, 3}, 2, 20, 70, 4}};
    for (const Case& c : cases) {
        Build(c.id.set, c.id.level);
        SCOPED_TRACE(::testing::Message() << "set " << c.id.set << " level " << c.id.level);
        EXPECT_EQ(KindIn(0), FOREGROUND_LEFT);
        EXPECT_EQ(KindIn(1), FOREGROUND_RIGHT);
        EXPECT_EQ(ObjectManager.m_pObjectList[1]->m_nX, 684);
        EXPECT_EQ(Count(ENEMY), c.enemySlot < 0 ? 0 : 1);
        if (c.enemySlot < 0) continue;
        EXPECT_EQ(ObjectManager.m_nEnemy, c.enemySlot);
        const CObject* enemy = ObjectManager.m_pObjectList[c.enemySlot];
        ASSERT_NE(enemy, nullptr);
        EXPECT_EQ(enemy->m_nObjectType, ENEMY);
        EXPECT_EQ(enemy->m_nX, c.x);
        EXPECT_EQ(enemy->m_nY, c.y);
        EXPECT_EQ(enemy->m_nXspeed, c.xspeed);
        EXPECT_EQ(enemy->m_nYspeed, 0);
    }
}

TEST_F(LevelObjects, SecondLevel2KeepsItsFloorInTheSlotsItsScriptRemoves) {
    Build(1, 2);
    EXPECT_EQ(KindIn(2), TELA_WALL);
    for (int i = 0; i < 36; ++i) {
        const CObject* wall = ObjectManager.m_pObjectList[3 + i];
        ASSERT_NE(wall, nullptr) << i;
        EXPECT_EQ(wall->m_nObjectType, WALL) << i;
        // Slot 3 + i holds the wall of column (i + 2) mod 36.
        EXPECT_EQ(wall->m_nX, Wrapped(130 + kCell * ((i + 2) % 36))) << i;
        EXPECT_EQ(wall->m_nY, 461) << i;
    }
    EXPECT_EQ(KindIn(39), ENEMY);
    EXPECT_EQ(KindIn(40), BUTTON_WALL);
    EXPECT_EQ(KindIn(41), -1);
}

TEST_F(LevelObjects, SecondLevel1HasTwoWallsInCell5Row6) {
    Build(1, 1);
    EXPECT_EQ(CountAt(WALL, 206, 461), 2);
}

TEST_F(LevelObjects, BuildingALevelResetsItsStateAndCountsTheLevelsOfTheSet) {
    for (const LevelId& id : kAllLevels) {
        LevelClass.m_bSliderL = false;
        LevelClass.m_bPlatformOut = true;
        LevelClass.m_nLevelCount = 0;
        Build(id.set, id.level, 0);
        EXPECT_EQ(LevelClass.m_nLevel, id.level);
        EXPECT_EQ(LevelClass.m_nLevelCount, id.set == 0 ? 4 : 3);
        EXPECT_TRUE(LevelClass.getSliderL());
        EXPECT_FALSE(LevelClass.getPlatformOut());
    }
}

}  // namespace
