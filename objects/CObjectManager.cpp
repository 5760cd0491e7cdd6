// objects/CObjectManager.cpp — the object lists, the play frame, shot collisions and the guns.
#include "objects/CObjectManager.h"

#include <cmath>
#include <cstdlib>
#include <new>

#include "app/CTimer.h"
#include "app/Globals.h"
#include "editions/Edition.h"
#include "gfx/CViewPoint.h"
#include "objects/Button.h"
#include "objects/CObject.h"
#include "objects/Player.h"
#include "objects/SidePanel.h"

namespace {

// A link takes the index only while it names an occupied part of its list: below the list's
// count, so the -1 of a failed create is ignored and the link keeps its value.
void SetLink(int& link, int index, int count) {
    if (index >= 0 && index < count) link = index;
}

constexpr int kWorld = kEdition.worldWidth;
constexpr int kHalfWorld = kWorld / 2;

constexpr int kRange = 340;        // pixels a shot flies before it is removed
constexpr int kGunCoolDown = 500;  // ms between two shots of the gun, and of the enemies
constexpr int kEnemyReach = 10;    // an enemy fires while it is closer than this to the block
constexpr int kHitsBlock = 17;     // centre distances below which a shot reaches the block,
constexpr int kHitsButton = 8;     // a button,
constexpr int kHitsWall = 23;      // and a wall tile

// A shot's direction is its frame.
constexpr int kRight = 0;
constexpr int kDown = 1;
constexpr int kLeft = 2;
constexpr int kUp = 3;

constexpr int kShotSpeedX = 3;  // the shots' speeds: 187.5 pixels a second either way
constexpr int kShotSpeedY = 6;

// Destroys a plain object. The object list holds only objects made as plain CObjects (create
// makes the block, panels and buttons in lists of their own classes), so deleting through
// CObject destroys exactly what was made; the compiler cannot see that rule.
void Destroy(CObject* object) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdelete-non-virtual-dtor"
    delete object;
#pragma GCC diagnostic pop
}

// Whether a wall of kind `wall` stops a shot travelling in direction `frame`.
bool Stops(ObjectType wall, int frame) {
    switch (wall) {
        case WALL:
        case TELA_WALL:
            return true;
        case TOP_WALL:  // a one-way floor is solid only from above
            return frame == kDown;
        case PLATFORM_V:
            return frame == kRight || frame == kLeft;
        case PLATFORM_H:
            return frame == kDown || frame == kUp;
        default:  // holes, button walls, the marker, the enemy, the foreground, banners, shots
            return false;
    }
}

bool IsShot(const CObject* object) {
    return object->m_nObjectType == BULLET || object->m_nObjectType == ENEMY_BULLET;
}

bool IsBanner(const CObject* object) {
    return object->m_nObjectType == GAME_OVER_BANNER ||
           object->m_nObjectType == LEVEL_COMPLETE_BANNER;
}

// Puts a new object into the lowest empty slot of `list`, keeping `count`; -1 when the list is
// full or there is no memory for the object.
template <typename T, typename Make>
int Store(T** list, int capacity, int& count, Make make) {
    if (count >= capacity) return -1;
    for (int i = 0; i < capacity; ++i) {
        if (list[i] != nullptr) continue;
        list[i] = make();
        if (list[i] == nullptr) return -1;
        ++count;
        return i;
    }
    return -1;
}

}  // namespace

CObjectManager::CObjectManager(int max)
    : m_nObjectCount(0),
      m_nButtonCount(0),
      m_nPanelCount(0),
      m_nMaxCount(max > 0 ? max : 0),
      m_nLastGunTime(0),
      m_nLastEnemyGunTime(0),
      m_pObjectList(new CObject*[m_nMaxCount > 0 ? m_nMaxCount : 1]()),
      m_pPlayerList{},
      m_pButtonList{},
      m_pPanelList{},
      m_bPlayerHit(false),
      m_nCurrent(0),
      m_nGun(0),
      m_nSlider(3),
      m_nPlatformP(0),
      m_nPlatform(0),
      m_nEnemy(0),
      m_nButton1(0),
      m_nButton2(0),
      m_nButton3(0),
      m_nLastBullet(0),
      m_nTelaWall(0),
      m_nTelaWall2(0),
      m_nCloseWall(0) {}

CObjectManager::~CObjectManager() {
    destroyAll();
    delete[] m_pObjectList;
}

void CObjectManager::destroyAll() {
    for (int i = 0; i < m_nMaxCount; ++i) {
        Destroy(m_pObjectList[i]);
        m_pObjectList[i] = nullptr;
    }
    for (Player*& player : m_pPlayerList) {
        delete player;
        player = nullptr;
    }
    for (Button*& button : m_pButtonList) {
        delete button;
        button = nullptr;
    }
    for (SidePanel*& panel : m_pPanelList) {
        delete panel;
        panel = nullptr;
    }
    m_nObjectCount = 0;
    m_nButtonCount = 0;
    m_nPanelCount = 0;
}

void CObjectManager::reset() {
    destroyAll();
    m_nCurrent = 0;
    m_nLastGunTime = 0;
    m_nGun = 0;
    m_nButton1 = 0;
    m_nButton2 = 0;
    m_nButton3 = 0;
    m_nLastBullet = 0;
    m_nTelaWall = 0;
}

void CObjectManager::normalize(int& x) {
    x %= kWorld;
    if (x < 0) x += kWorld;
}

int CObjectManager::create(ObjectType object, int x, int y, int xspeed, int yspeed, char side) {
    normalize(x);
    switch (object) {
        case BLOCK: {
            // One block per level; a second one replaces the first rather than losing it.
            Player* player = new (std::nothrow) Player(x, y);
            if (player == nullptr) return -1;
            delete m_pPlayerList[0];
            m_pPlayerList[0] = player;
            return 0;
        }
        case GUN:
        case SLIDER:
        case PLATFORM_PANEL:
            return Store(m_pPanelList, m_MAX_PANELS, m_nPanelCount,
                         [&] { return new (std::nothrow) SidePanel(object, x, y, side); });
        case LEFT_BUTTON:
        case RIGHT_BUTTON:
        case TOP_BUTTON:
        case BOTTOM_BUTTON:
            return Store(m_pButtonList, m_MAX_BUTTONS, m_nButtonCount,
                         [&] { return new (std::nothrow) Button(object, x, y); });
        default:
            return Store(m_pObjectList, m_nMaxCount, m_nObjectCount,
                         [&] { return new (std::nothrow) CObject(object, x, y, xspeed, yspeed); });
    }
}

void CObjectManager::kill(int index) {
    if (index < 0 || index >= m_nMaxCount || m_pObjectList[index] == nullptr) return;
    Destroy(m_pObjectList[index]);
    m_pObjectList[index] = nullptr;
    --m_nObjectCount;
}

Player* CObjectManager::block() const {
    if (m_nCurrent < 0 || m_nCurrent >= m_MAX_PLAYERS) return nullptr;
    return m_pPlayerList[m_nCurrent];
}

CObject* CObjectManager::slot(int index, char type) const {
    switch (type) {
        case 'p':
            return index >= 0 && index < m_MAX_PLAYERS ? m_pPlayerList[index] : nullptr;
        case 'b':
            return index >= 0 && index < m_MAX_BUTTONS ? m_pButtonList[index] : nullptr;
        case 's':
            return index >= 0 && index < m_MAX_PANELS ? m_pPanelList[index] : nullptr;
        default:
            return index >= 0 && index < m_nMaxCount ? m_pObjectList[index] : nullptr;
    }
}

void CObjectManager::animate(IDirectDrawSurface* surface) {
    for (int i = 0; i < m_nMaxCount; ++i) {
        CObject* object = m_pObjectList[i];
        if (object == nullptr) continue;
        object->move();
        if (object->m_bRangeLimited && object->m_nDistance > kRange) kill(i);
    }

    Player* player = block();
    if (player != nullptr) Viewpoint.set_position(player->m_nX);

    collision_detection();

    // Layers, bottom to top; within a layer, slot order.
    for (int i = 0; i < m_nMaxCount; ++i) {
        CObject* object = m_pObjectList[i];
        if (object != nullptr && object->m_nObjectType != TOP_WALL && !IsBanner(object)) {
            object->draw(surface);
        }
    }
    if (player != nullptr) player->draw(surface);
    for (SidePanel* panel : m_pPanelList) {
        if (panel != nullptr) panel->draw(surface);
    }
    // One-way floors lie in front of the block and its panels.
    for (int i = 0; i < m_nMaxCount; ++i) {
        CObject* object = m_pObjectList[i];
        if (object != nullptr && object->m_nObjectType == TOP_WALL) object->draw(surface);
    }
    for (Button* button : m_pButtonList) {
        if (button != nullptr) button->draw(surface);
    }
    for (int i = 0; i < m_nMaxCount; ++i) {
        CObject* object = m_pObjectList[i];
        if (object != nullptr && IsBanner(object)) object->draw(surface);
    }

    if (player == nullptr) return;
    for (int i = 0; i < m_nMaxCount; ++i) {
        CObject* object = m_pObjectList[i];
        // Compared as they stand, without wrapping round the world.
        if (object != nullptr && object->m_nObjectType == ENEMY &&
            object->m_nX > player->m_nX - kEnemyReach &&
            object->m_nX < player->m_nX + kEnemyReach) {
            fire_enemy_gun(i);
        }
    }
}

void CObjectManager::collision_detection() {
    for (int i = 0; i < m_nMaxCount; ++i) {
        // The test destroys at most the shot it is given, so the walk goes on undisturbed.
        if (m_pObjectList[i] != nullptr && IsShot(m_pObjectList[i])) collision_detection(i);
    }
}

void CObjectManager::collision_detection(int index) {
    CObject* shot = slot(index, 'o');
    if (shot == nullptr) return;

    Player* player = block();
    if (player != nullptr && shot->m_nObjectType == ENEMY_BULLET &&
        centreDistance(*shot, *player) < kHitsBlock) {
        kill(index);
        m_bPlayerHit = true;
        return;
    }

    for (Button* button : m_pButtonList) {
        if (button == nullptr || centreDistance(*shot, *button) >= kHitsButton) continue;
        const bool pressed = button->m_bPressed;
        kill(index);
        if (!pressed) {
            button->changeFrame(1);
            button->m_bPressed = true;
        }
        return;
    }

    for (int i = 0; i < m_nMaxCount; ++i) {
        const CObject* wall = m_pObjectList[i];
        if (wall == nullptr || centreDistance(*shot, *wall) >= kHitsWall) continue;
        if (Stops(wall->m_nObjectType, shot->m_nFrame)) {
            kill(index);
            return;
        }
    }
}

int CObjectManager::distance(int x1, int y1, int x2, int y2) {
    // Widened so that no pair of coordinates can overflow.
    long long dx = std::llabs(static_cast<long long>(x1) - x2);
    if (dx > kHalfWorld) dx -= kWorld;  // the way round the other side of the world
    const long long dy = std::llabs(static_cast<long long>(y1) - y2);
    const double dxd = static_cast<double>(dx);
    const double dyd = static_cast<double>(dy);
    return static_cast<int>(std::sqrt(dxd * dxd + dyd * dyd));
}

int CObjectManager::centreDistance(const CObject& a, const CObject& b) {
    return distance(a.m_nX, a.m_nY - a.m_nHeight / 2, b.m_nX, b.m_nY - b.m_nHeight / 2);
}

int CObjectManager::distance(int first, int second) {
    return distance(first, second, 'o');
}

int CObjectManager::distance(int first, int second, char type) {
    const CObject* a = slot(first, 'o');
    const CObject* b = slot(second, type);
    if (a == nullptr || b == nullptr) return -1;
    return centreDistance(*a, *b);
}

void CObjectManager::fire_gun() {
    // The cool-down restarts here even when no shot can be made below.
    if (!Timer.elapsed(m_nLastGunTime, kGunCoolDown)) return;
    const Player* player = block();
    const CObject* gunSlot = slot(m_nGun, 's');
    if (player == nullptr || gunSlot == nullptr) return;
    const int bx = player->m_nX;
    const int by = player->m_nY;
    struct Shot {
        int x, y, xspeed, yspeed, frame;
    } shot;
    switch (m_pPanelList[m_nGun]->getSide()) {
        case 'l':
            shot = {bx - 20, by - 14, -kShotSpeedX, 0, kLeft};
            break;
        case 'b':
            shot = {bx, by + 7, 0, kShotSpeedY, kDown};
            break;
        case 'r':
            shot = {bx + 20, by - 14, kShotSpeedX, 0, kRight};
            break;
        case 't':
            shot = {bx, by - player->m_nHeight + 15, 0, -kShotSpeedY, kUp};
            break;
        default:  // a gun on no face has nowhere to shoot from
            return;
    }
    m_nLastBullet = create(BULLET, shot.x, shot.y, shot.xspeed, shot.yspeed, 'r');
    if (m_nLastBullet >= 0) m_pObjectList[m_nLastBullet]->changeFrame(shot.frame);
}

void CObjectManager::fire_enemy_gun(int index) {
    if (!Timer.elapsed(m_nLastEnemyGunTime, kGunCoolDown)) return;
    const CObject* enemy = slot(index, 'o');
    if (enemy == nullptr) return;
    m_nLastBullet = create(ENEMY_BULLET, enemy->m_nX, enemy->m_nY + 7, 0, kShotSpeedY, 'r');
    if (m_nLastBullet >= 0) m_pObjectList[m_nLastBullet]->changeFrame(kDown);
}

void CObjectManager::set_current(int index) {
    // The block's list has one slot: an index beyond it would name no list entry at all.
    if (index >= 0 && index < m_nObjectCount && index < m_MAX_PLAYERS) m_nCurrent = index;
}

void CObjectManager::set_gun(int index) {
    SetLink(m_nGun, index, m_nPanelCount);
}

void CObjectManager::set_slider(int index) {
    SetLink(m_nSlider, index, m_nPanelCount);
}

void CObjectManager::set_platformP(int index) {
    SetLink(m_nPlatformP, index, m_nPanelCount);
}

void CObjectManager::set_platform(int index) {
    SetLink(m_nPlatform, index, m_nObjectCount);
}

void CObjectManager::set_enemy(int index) {
    SetLink(m_nEnemy, index, m_nObjectCount);
}

void CObjectManager::set_button1(int index) {
    SetLink(m_nButton1, index, m_nButtonCount);
}

void CObjectManager::set_button2(int index) {
    SetLink(m_nButton2, index, m_nButtonCount);
}

void CObjectManager::set_button3(int index) {
    SetLink(m_nButton3, index, m_nButtonCount);
}

void CObjectManager::set_telaWall(int index) {
    SetLink(m_nTelaWall, index, m_nObjectCount);
}

void CObjectManager::set_telaWall2(int index) {
    SetLink(m_nTelaWall2, index, m_nObjectCount);
}

void CObjectManager::set_closeWall(int index) {
    SetLink(m_nCloseWall, index, m_nObjectCount);
}
