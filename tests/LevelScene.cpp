// tests/LevelScene.cpp — building and playing a level for the level tests.
#include "tests/LevelScene.h"

#include "app/Globals.h"
#include "level/Level.h"
#include "objects/Button.h"
#include "objects/CObject.h"
#include "objects/CObjectManager.h"
#include "objects/Player.h"
#include "objects/SidePanel.h"
#include "platform/IDirectDrawSurface.h"

namespace leveltest {

void LevelScene::Build(int set, int level, int at) {
    Advance(at);
    ObjectManager.reset();
    LevelClass.m_nLevelSet = set;
    LevelClass.makeLevel(level);
    g_bDone = true;
    g_bInput = true;
}

void LevelScene::Arena(int column, int row) {
    Advance(1000);
    ObjectManager.reset();
    LevelClass.reset();
    LevelClass.m_nLevelSet = 0;
    LevelClass.m_nLevel = 0;
    xpos = column;
    ypos = row;
    ObjectManager.create(FOREGROUND_LEFT, 0, 479, 0, 0, 'r');
    ObjectManager.create(BLOCK, kArenaX0 + kCell * column, kArenaY0 + kCell * row, 0, 0, 'r');
    g_bDone = true;
    g_bInput = true;
}

int LevelScene::AddPanel(ObjectType kind, char side) {
    const Player* block = Block();
    const int slot = ObjectManager.create(kind, block->getX(), block->getY(), 0, 0, side);
    switch (kind) {
        case GUN:
            ObjectManager.set_gun(slot);
            break;
        case SLIDER:
            ObjectManager.set_slider(slot);
            break;
        default:
            ObjectManager.set_platformP(slot);
            break;
    }
    return slot;
}

int LevelScene::Frame() {
    LevelClass.levelControl(LevelClass.m_nLevel);
    ObjectManager.animate(lpSecondary);
    const int answer = LevelClass.levelDone();
    Advance(kFrameMs);
    return answer;
}

int LevelScene::Play(int ms) {
    int answer = 0;
    for (int spent = 0; spent < ms; spent += kFrameMs) {
        const int done = Frame();
        if (answer == 0) answer = done;
    }
    return answer;
}

bool LevelScene::Settle(int limitMs) {
    for (int spent = 0; spent < limitMs; spent += kFrameMs) {
        Frame();
        const Player* block = Block();
        if (g_bDone && !LevelClass.m_bFalling && !LevelClass.m_bSliding && block != nullptr &&
            !block->m_bMoving && !block->m_bStepPending && !LevelClass.shouldFall()) {
            return true;
        }
    }
    return false;
}

void LevelScene::Press(int slot) {
    Button* button = ButtonIn(slot);
    ASSERT_NE(button, nullptr) << "no button in slot " << slot;
    button->changeFrame(1);
    button->m_bPressed = true;
}

Player* LevelScene::Block() {
    return ObjectManager.m_pPlayerList[0];
}

Button* LevelScene::ButtonIn(int slot) {
    if (slot < 0 || slot >= CObjectManager::m_MAX_BUTTONS) return nullptr;
    return ObjectManager.m_pButtonList[slot];
}

SidePanel* LevelScene::PanelIn(int slot) {
    if (slot < 0 || slot >= CObjectManager::m_MAX_PANELS) return nullptr;
    return ObjectManager.m_pPanelList[slot];
}

int LevelScene::KindIn(int slot) {
    const CObject* object = ObjectManager.m_pObjectList[slot];
    return object == nullptr ? -1 : object->m_nObjectType;
}

int LevelScene::Count(int kind) {
    int count = 0;
    for (int slot = 0; slot < ObjectManager.m_nMaxCount; ++slot) count += KindIn(slot) == kind;
    return count;
}

int LevelScene::CountAt(int kind, int x, int y) {
    ObjectManager.normalize(x);
    int count = 0;
    for (int slot = 0; slot < ObjectManager.m_nMaxCount; ++slot) {
        const CObject* object = ObjectManager.m_pObjectList[slot];
        count += object != nullptr && object->m_nObjectType == kind && object->m_nX == x &&
                 object->m_nY == y;
    }
    return count;
}

int CellCode(char letter) {
    switch (letter) {
        case '#':
            return CELL_SOLID;
        case '=':
            return CELL_TOP;
        case 'E':
            return CELL_EXIT;
        default:
            return CELL_EMPTY;
    }
}

std::string GridRow(int row, int first, int last) {
    static const char kLetters[] = ".#=E";
    std::string picture;
    for (int column = first; column <= last; ++column) {
        const int code = LevelClass.m_nGrid[column][row];
        picture += code >= 0 && code <= 3 ? kLetters[code] : '?';
    }
    return picture;
}

}  // namespace leveltest
