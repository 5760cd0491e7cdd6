// level/Level.cpp — building a level, its engine and scripts, the movement rules and the keyboard.
#include "level/Level.h"

#include <initializer_list>

#include "app/CTimer.h"
#include "app/Globals.h"
#include "gfx/CViewPoint.h"
#include "level/LevelLayouts.h"
#include "level/LevelPopulation.h"
#include "objects/Button.h"
#include "objects/CObject.h"
#include "objects/CObjectManager.h"
#include "objects/Player.h"
#include "objects/SidePanel.h"
#include "platform/Window.h"

namespace {

constexpr int kCell = 38;          // pixels of one grid cell, and of one glide
constexpr int kBannerY = 255;      // banners hang centred with their bottom edge on this row
constexpr int kHeldWallMs = 1000;  // a timed wall's clock is held this far back while the
                                   // block stands in its cell: it changes 500 ms after it left

}  // namespace

Level::Level() = default;

void Level::reset() {
    m_nGameOverStart = 0;
    m_nFinishStart = 0;
    m_nTWallStart = 0;
    m_bTWallTimer = false;
    m_nTWall2Start = 0;
    m_bTWall2Timer = false;
    m_nFlashStart = 0;
    m_nGlideFrame = 0;
    m_bFalling = false;
    m_bSliding = false;
    m_bPlayerGliding = false;
    m_bFinished = false;
    m_bGameOver = false;
    m_bFellOut = false;
    m_bFlashWallOn = false;
    m_bHasPlatform = false;
    m_bHasSlider = false;
    m_bPlatformOut = false;
    m_bSliderL = true;
    for (auto& column : m_nGrid) {
        for (int& code : column) code = CELL_EMPTY;
    }
}

void Level::makeLevel(int level) {
    reset();
    m_nLevel = level;
    setGrid();
    xpos = m_nStartX;
    ypos = m_nStartY;
    m_nLevelCount = m_nLevelSet == 1 ? kEdition.secondSetLevels : kEdition.mainSetLevels;
    createObjects();
}

void Level::setGrid() {
    const LevelLayouts::Layout* layout = LevelLayouts::find(m_nLevelSet, m_nLevel);
    if (layout == nullptr) return;
    m_nStartX = layout->startX;
    m_nStartY = layout->startY;
    for (int row = 0; row < LevelLayouts::ROWS; ++row) {
        for (int column = 0; column < LevelLayouts::COLUMNS; ++column) {
            m_nGrid[column][row] = LevelLayouts::cellCode(layout->rows[row][column]);
        }
    }
    if (layout->fullWidthFloor) {
        for (auto& column : m_nGrid) column[m_GRID_ROWS - 1] = CELL_SOLID;
    }
}

void Level::createObjects() {
    using Link = LevelPopulation::Link;
    auto give = [](Link link, int slot) {
        switch (link) {
            case Link::None:
                break;
            case Link::Current:
                ObjectManager.set_current(slot);
                break;
            case Link::Gun:
                ObjectManager.set_gun(slot);
                break;
            case Link::Slider:
                ObjectManager.set_slider(slot);
                break;
            case Link::PlatformP:
                ObjectManager.set_platformP(slot);
                break;
            case Link::Enemy:
                ObjectManager.set_enemy(slot);
                break;
            case Link::Button1:
                ObjectManager.set_button1(slot);
                break;
            case Link::Button2:
                ObjectManager.set_button2(slot);
                break;
            case Link::Button3:
                ObjectManager.set_button3(slot);
                break;
            case Link::TelaWall:
                ObjectManager.set_telaWall(slot);
                break;
            case Link::TelaWall2:
                ObjectManager.set_telaWall2(slot);
                break;
            case Link::SliderAway:
                ObjectManager.set_slider(ObjectManager.m_nGun == 0 ? 1 : ObjectManager.m_nGun - 1);
                break;
        }
    };
    for (const LevelPopulation::List& list :
         {LevelPopulation::everyLevel(), LevelPopulation::of(m_nLevelSet, m_nLevel)}) {
        for (const LevelPopulation::Placement& p : list) {
            if (p.count == 0) give(p.link, p.slot);
            for (int i = 0; i < p.count; ++i) {
                give(p.link,
                     ObjectManager.create(p.kind, p.x + kCell * i, p.y, p.xspeed, 0, p.side));
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The engine

bool Level::shouldFall() {
    if (g_superGlitch || !g_bInput) return false;
    return !carries(xpos, ypos + 1);
}

void Level::levelControl(int level) {
    Player* player = block();
    m_bPlayerGliding = player != nullptr && player->m_bMoving;

    // Gravity. A drop asked for with the Down key goes into the one-way floor below.
    const bool dropping = m_bFalling && cell(xpos, ypos + 1) == CELL_TOP && m_nGlideFrame == 0;
    if (!dropping && !g_superGlitch && m_nGlideFrame == 0) {
        m_bFalling = shouldFall();
        if (m_bFalling) m_cGlideDir = 'd';
    }
    // The bottom row cannot be stood in.
    if (ypos >= m_GRID_ROWS - 1) m_bFalling = true;
    // No new glide starts while a roll step or a glide is under way.
    if (!g_bDone) m_bFalling = false;

    if (g_bDone && cell(xpos, ypos) == CELL_EXIT) {
        m_bFinished = true;
        m_nFinishStart = Timer.time();
        ObjectManager.create(LEVEL_COMPLETE_BANNER, Viewpoint.m_nViewX, kBannerY, 0, 0, 'r');
        g_bInput = false;
        m_nGrid[wrap(xpos)][ypos] = CELL_EMPTY;
    }

    const bool second = m_nLevelSet == 1;
    switch (level) {
        case 1:
            second ? level_1_L_ctrl() : level_1_ctrl();
            break;
        case 2:
            second ? level_2_L_ctrl() : level_2_ctrl();
            break;
        case 3:
            second ? level_3_L_ctrl() : level_3_ctrl();
            break;
        case 4:
            if (!second) level_4_ctrl();
            break;
        default:
            break;
    }

    // The glide engine.
    if (player != nullptr && m_bPlayerGliding) {
        if (m_nGlideFrame > 0) {
            player->fall(m_nGlideFrame, m_cGlideDir);
        } else {
            player->changeFrame(player->m_bDirection);  // the roll goes on
        }
    } else if (player != nullptr && (m_bFalling || m_bSliding) && g_bInput) {
        if (ypos < m_GRID_ROWS - 1) {
            if (m_cGlideDir == 'u' && ypos == 0) {
                // Only free movement asks for this (its slides and pushes go the way of the
                // last glide); the grid has no row above, so the block stays.
                m_bFalling = false;
            } else {
                player->fall(m_nGlideFrame, m_cGlideDir);
                switch (m_cGlideDir) {
                    case 'd':
                        ++ypos;
                        break;
                    case 'u':
                        --ypos;
                        break;
                    case 'l':
                        xpos = wrap(xpos - 1);
                        break;
                    case 'r':
                        xpos = wrap(xpos + 1);
                        break;
                    default:
                        break;
                }
            }
            m_bSliding = false;
        } else {
            // Out through the bottom: the block sinks on, cell after cell, until the level
            // ends.
            player->fall(m_nGlideFrame, 'd');
            m_bFalling = false;
            if (!m_bFellOut) {
                loseLevel();
                m_bFellOut = true;
            }
        }
    }

    if (ObjectManager.m_bPlayerHit) {
        if (!m_bFinished) {
            loseLevel();
            g_bInput = false;
        }
        ObjectManager.m_bPlayerHit = false;
    }
}

void Level::loseLevel() {
    m_bGameOver = true;
    m_nGameOverStart = Timer.time();
    ObjectManager.create(GAME_OVER_BANNER, Viewpoint.m_nViewX, kBannerY, 0, 0, 'r');
}

int Level::levelDone() {
    if (m_bFinished && Timer.elapsed(m_nFinishStart, m_FINISH_TIME)) {
        if (m_nLevel < m_nLevelCount) return 2;
        m_nLevel = 1;
        return 1;
    }
    if (m_bGameOver && Timer.elapsed(m_nGameOverStart, m_GAME_OVER_TIME)) return 1;
    return 0;
}

// ---------------------------------------------------------------------------------------------
// The scripts

void Level::level_1_ctrl() {
    if (takePress(ObjectManager.m_nButton1)) {
        // The gap in row 2 closes.
        ObjectManager.create(TELA_WALL, 130, 271, 0, 0, 'r');
        m_nGrid[2][2] = CELL_SOLID;
    }
    if (takePress(ObjectManager.m_nButton2)) {
        // An exit opens in column 0.
        ObjectManager.create(TELA_WALL, 54, 385, 0, 0, 'r');
        ObjectManager.create(END_MARKER, 54, 353, 0, 0, 'r');
        m_nGrid[0][4] = CELL_EXIT;
        m_nGrid[0][5] = CELL_SOLID;
    }
    if (takePress(ObjectManager.m_nButton3)) {
        removeObject(ObjectManager.m_nTelaWall, TELA_WALL);
        m_nGrid[2][1] = CELL_EMPTY;
    }
}

void Level::level_2_ctrl() {
    if (takePress(ObjectManager.m_nButton2)) {
        // The hole in the floor at (10, 6) is bridged for a while.
        ObjectManager.set_telaWall2(ObjectManager.create(TELA_WALL, 434, 385, 0, 0, 'r'));
        m_nGrid[10][6] = CELL_SOLID;
        m_nTWall2Start = Timer.time();
        m_bTWall2Timer = true;
    }
    if (takePress(ObjectManager.m_nButton3)) {
        // The wall at (9, 2) opens for a while.
        removeObject(ObjectManager.m_nTelaWall, TELA_WALL);
        m_nGrid[9][2] = CELL_EMPTY;
        m_nTWallStart = Timer.time();
        m_bTWallTimer = true;
    }
    if (xpos == 10 && ypos == 6) {
        m_nTWall2Start = Timer.time() - kHeldWallMs;
    } else if (m_bTWall2Timer && Timer.elapsed(m_nTWall2Start, m_T_WALL_TIME)) {
        removeObject(ObjectManager.m_nTelaWall2, TELA_WALL);
        m_nGrid[10][6] = CELL_EMPTY;
        resetButton(ObjectManager.m_nButton2);
        m_nTWall2Start = 0;
        m_bTWall2Timer = false;
    }
    if (xpos == 9 && ypos == 2) {
        m_nTWallStart = Timer.time() - kHeldWallMs;
    } else if (m_bTWallTimer && Timer.elapsed(m_nTWallStart, m_T_WALL_TIME)) {
        ObjectManager.set_telaWall(ObjectManager.create(TELA_WALL, 396, 233, 0, 0, 'r'));
        m_nGrid[9][2] = CELL_SOLID;
        resetButton(ObjectManager.m_nButton3);
        m_nTWallStart = 0;
        m_bTWallTimer = false;
    }
}

void Level::level_3_ctrl() {
    m_bHasSlider = true;
}

void Level::level_4_ctrl() {
    m_bHasSlider = true;
    m_bHasPlatform = true;
    if (takePress(ObjectManager.m_nButton1)) {
        ObjectManager.set_telaWall(ObjectManager.create(TELA_WALL, 244, 333, 0, 0, 'r'));
        m_nGrid[6][5] = CELL_SOLID;
        ObjectManager.set_telaWall2(ObjectManager.create(TELA_WALL, 244, 295, 0, 0, 'r'));
        m_nGrid[6][4] = CELL_SOLID;
    }
    if (takePress(ObjectManager.m_nButton2)) {
        ObjectManager.create(END_MARKER, 168, 263, 0, 0, 'r');
        // A platform standing in the exit's cell gives the exit back when it is withdrawn.
        if (m_bPlatformOut && m_nPlatformX == 4 && m_nPlatformY == 3) {
            m_nPlatformCell = CELL_EXIT;
        } else {
            m_nGrid[4][3] = CELL_EXIT;
        }
    }
    flashWall(320, 333);
}

void Level::level_1_L_ctrl() {
    if (takePress(ObjectManager.m_nButton2)) {
        m_nGrid[5][5] = CELL_EMPTY;
        removeObject(ObjectManager.m_nTelaWall2, TELA_WALL);
    }
    if (takePress(ObjectManager.m_nButton3)) {
        m_nGrid[4][1] = CELL_EMPTY;
        removeObject(ObjectManager.m_nTelaWall, TELA_WALL);
    }
    flashWall(501, 233);
}

void Level::level_2_L_ctrl() {
    m_bHasSlider = true;
    m_bHasPlatform = true;
    if (takePress(ObjectManager.m_nButton3)) {
        // The exit appears at (6, 5) and the floor around it falls away: columns 2..5 and
        // 7..9, whose walls sit in object slots 3 + column - 2.
        ObjectManager.create(END_MARKER, 358, 429, 0, 0, 'r');
        m_nGrid[6][5] = CELL_EXIT;
        for (int column : {2, 3, 4, 5, 7, 8, 9}) {
            m_nGrid[column][6] = CELL_EMPTY;
            removeObject(3 + column - 2, WALL);
        }
    }
}

void Level::level_3_L_ctrl() {
    if (takePress(ObjectManager.m_nButton1)) m_nGrid[7][3] = CELL_EMPTY;
    if (takePress(ObjectManager.m_nButton2)) m_nGrid[6][4] = CELL_SOLID;
    if (takePress(ObjectManager.m_nButton3)) {
        removeObject(ObjectManager.m_nTelaWall, TELA_WALL);
        m_nGrid[3][4] = CELL_EMPTY;
    }
}

void Level::flashWall(int x, int y) {
    if (m_bFlashWallOn && Timer.elapsed(m_nFlashStart, m_FLASH_ON_TIME)) {
        m_bFlashWallOn = false;
        removeObject(ObjectManager.m_nCloseWall, WALL);
        m_nFlashStart = Timer.time();
    }
    if (!m_bFlashWallOn && Timer.elapsed(m_nFlashStart, m_FLASH_OFF_TIME)) {
        m_bFlashWallOn = true;
        ObjectManager.set_closeWall(ObjectManager.create(WALL, x, y, 0, 0, 'r'));
        m_nFlashStart = Timer.time();
    }
}

// ---------------------------------------------------------------------------------------------
// The movement rules

bool Level::canMove(char direction) {
    if (g_superGlitch) return true;
    int side;
    switch (direction) {
        case 'r':
            side = 1;
            break;
        case 'l':
            side = -1;
            break;
        default:
            return true;
    }
    if (solid(xpos + side, ypos)) return false;
    // Rolling over, the block sweeps the cell above it and the upper cell on that side.
    return ypos == 0 || (!solid(xpos + side, ypos - 1) && !solid(xpos, ypos - 1));
}

void Level::Slide() {
    if (!m_bHasSlider) return;
    SidePanel* slider = panel(ObjectManager.m_nSlider);
    if (slider == nullptr) return;
    m_bSliding = canSlide(m_bSliderL ? 'r' : 'l', slider->getSide());
}

bool Level::canSlide(char direction, char orient) {
    if (g_superGlitch) return true;
    // The track drives the block towards `ahead` along a floor, the other way along a ceiling,
    // and up a wall on the `ahead` side; it never drives it down.
    int ahead;
    switch (direction) {
        case 'r':
            ahead = 1;
            break;
        case 'l':
            ahead = -1;
            break;
        default:
            return true;
    }
    const char forward = direction;               // a glide towards `ahead`
    const char backward = ahead > 0 ? 'l' : 'r';  // a glide the other way
    char glide = 0;
    if (orient == 'b') {
        if (carries(xpos, ypos + 1) && !solid(xpos + ahead, ypos)) glide = forward;
    } else if (orient == 't') {
        if (ypos > 0 && solid(xpos, ypos - 1) && !solid(xpos - ahead, ypos)) glide = backward;
    } else if (orient == direction) {  // the slider on the face towards `ahead`
        if (ypos > 0 && solid(xpos + ahead, ypos) && !solid(xpos, ypos - 1)) glide = 'u';
    }
    if (glide == 0) return false;
    m_cGlideDir = glide;
    return true;
}

void Level::Platform() {
    if (!m_bHasPlatform) return;
    if (m_bPlatformOut) {
        m_bPlatformOut = false;
        m_nGrid[m_nPlatformX][m_nPlatformY] = m_nPlatformCell;
        // The tile is one of the two kinds; at most one of these finds it.
        removeObject(ObjectManager.m_nPlatform, PLATFORM_H);
        removeObject(ObjectManager.m_nPlatform, PLATFORM_V);
        return;
    }
    SidePanel* platformPanel = panel(ObjectManager.m_nPlatformP);
    Player* player = block();
    if (platformPanel == nullptr || player == nullptr) return;
    const char face = platformPanel->getSide();
    const char glideBefore = m_cGlideDir;
    const int answer = canPush(face);
    if (answer == 2) return;

    const ObjectType kind = (face == 't' || face == 'b') ? PLATFORM_H : PLATFORM_V;
    int column = xpos, row = ypos, x = player->getX(), y = player->getY();
    if (answer == 0) {
        switch (face) {
            case 'l':
                column = wrap(xpos - 1);
                x -= kCell;
                break;
            case 'r':
                column = wrap(xpos + 1);
                x += kCell;
                break;
            default:  // 't': the only face that places into a neighbour above
                row = ypos - 1;
                y -= kCell;
                break;
        }
    }
    // A platform that cannot be drawn is not put out: the grid would hold an unseen wall, and
    // withdrawing it would name some other object's slot.
    const int tile = ObjectManager.create(kind, x, y, 0, 0, 'r');
    if (tile < 0) {
        m_cGlideDir = glideBefore;
        return;
    }
    ObjectManager.set_platform(tile);
    if (answer == 1) m_bSliding = true;
    m_nPlatformX = column;
    m_nPlatformY = row;
    m_nPlatformCell = m_nGrid[column][row];
    m_nGrid[column][row] = CELL_SOLID;
    m_bPlatformOut = true;
}

int Level::canPush(char orient) {
    if (g_superGlitch) return 1;
    switch (orient) {
        case 'b':
            // Standing on a floor, the panel lifts the block one cell.
            if (ypos > 0 && carries(xpos, ypos + 1) && !solid(xpos, ypos - 1)) {
                m_cGlideDir = 'u';
                return 1;
            }
            return 2;
        case 't':
            return ypos > 0 && !solid(xpos, ypos - 1) ? 0 : 2;
        case 'l':
        case 'r': {
            const int facing = orient == 'l' ? -1 : 1;
            if (!solid(xpos + facing, ypos)) return 0;
            if (solid(xpos - facing, ypos)) return 2;
            m_cGlideDir = orient == 'l' ? 'r' : 'l';
            return 1;
        }
        default:
            return 2;
    }
}

// ---------------------------------------------------------------------------------------------
// The keyboard

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
    const bool falling = m_nGlideFrame > 0 || shouldFall();
    const bool busy = !g_bDone || (!g_Glitch && falling);
    const bool ready = !busy && g_bInput;  // the block may start something new
    auto fly = [this](char direction) {
        m_bFalling = true;
        m_cGlideDir = direction;
    };
    switch (keystroke) {
        case VK_ESCAPE:
            return true;
        case VK_LEFT:
        case VK_RIGHT: {
            const bool right = keystroke == VK_RIGHT;
            Player* player = block();
            if (ready && player != nullptr && canMove(right ? 'r' : 'l')) {
                g_bDone = false;
                player->changeFrame(right);
                xpos = wrap(xpos + (right ? 1 : -1));
            }
            break;
        }
        case VK_DOWN:
            if (ready && (g_superGlitch || cell(xpos, ypos + 1) == CELL_TOP)) fly('d');
            break;
        case VK_UP:
            if (ready && g_superGlitch && ypos > 0) fly('u');
            break;
        case 'X':
            if (ready && g_superGlitch && xpos > 0) fly('l');
            break;
        case 'C':
            if (ready && g_superGlitch && xpos < m_GRID_COLUMNS - 1) fly('r');
            break;
        case VK_SPACE:
            if (g_bInput && (!busy || falling)) ObjectManager.fire_gun();
            break;
        case 'B':
            if (ready && m_bHasSlider) Slide();
            break;
        case 'V':
            if (m_bHasSlider && g_bInput) m_bSliderL = !m_bSliderL;
            break;
        case 'Z':
            if (ready && m_bHasSlider) Platform();
            break;
        case 'G':
            toggleCheats();
            break;
        case 'U':
            g_Glitch = false;
            g_superGlitch = false;
            bckgndname = kEdition.backgroundPicture;
            break;
        default:
            break;
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// Helpers

int Level::wrap(int column) {
    column %= m_GRID_COLUMNS;
    return column < 0 ? column + m_GRID_COLUMNS : column;
}

int Level::cell(int column, int row) const {
    if (row < 0 || row >= m_GRID_ROWS) return CELL_EMPTY;
    return m_nGrid[wrap(column)][row];
}

bool Level::carries(int column, int row) const {
    const int code = cell(column, row);
    return code == CELL_SOLID || code == CELL_TOP;
}

bool Level::takePress(int slot) {
    Button* pressed = button(slot);
    if (pressed == nullptr || !pressed->m_bPressed || !pressed->m_bArmed) return false;
    pressed->m_bArmed = false;
    return true;
}

void Level::resetButton(int slot) {
    Button* up = button(slot);
    if (up == nullptr) return;
    up->m_bArmed = true;
    up->m_bPressed = false;
    up->changeFrame(0);
}

void Level::removeObject(int slot, ObjectType kind) {
    if (slot < 0 || slot >= ObjectManager.m_nMaxCount) return;
    const CObject* object = ObjectManager.m_pObjectList[slot];
    if (object != nullptr && object->m_nObjectType == kind) ObjectManager.kill(slot);
}

Player* Level::block() {
    const int slot = ObjectManager.m_nCurrent;
    if (slot < 0 || slot >= CObjectManager::m_MAX_PLAYERS) return nullptr;
    return ObjectManager.m_pPlayerList[slot];
}

Button* Level::button(int slot) {
    if (slot < 0 || slot >= CObjectManager::m_MAX_BUTTONS) return nullptr;
    return ObjectManager.m_pButtonList[slot];
}

SidePanel* Level::panel(int slot) {
    if (slot < 0 || slot >= CObjectManager::m_MAX_PANELS) return nullptr;
    return ObjectManager.m_pPanelList[slot];
}
