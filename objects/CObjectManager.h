// objects/CObjectManager.h — owns every game object of a level; moves, collides and draws them.
#pragma once

#include "objects/ObjectType.h"

class IDirectDrawSurface;
class CObject;
class Player;
class Button;
class SidePanel;

// Objects live in four fixed lists, each holding one class: plain objects, the block, buttons
// and side panels. A new object takes the lowest empty slot of its list and keeps it until it is
// destroyed, so the level code refers to objects by slot index (the links below), never by
// pointer. A link is a plain index: it keeps naming its slot after the object there is gone.
class CObjectManager {
public:
    static constexpr int m_MAX_PLAYERS = 1;
    static constexpr int m_MAX_BUTTONS = 6;
    static constexpr int m_MAX_PANELS = 4;

    // Empty lists, the object list with room for `max` objects.
    explicit CObjectManager(int max);
    // Destroys every object.
    ~CObjectManager();
    CObjectManager(const CObjectManager&) = delete;
    CObjectManager& operator=(const CObjectManager&) = delete;

    // Makes an object of kind `object` at (x, y), x wrapped onto the world, in its kind's list:
    // the block (always slot 0), a side panel on face `side`, a button, or a plain object with
    // the given speeds. Answers its slot, or -1 when its list is full.
    int create(ObjectType object, int x, int y, int xspeed, int yspeed, char side);
    // Destroys the object in slot `index` of the object list; an empty slot or an index outside
    // the list changes nothing.
    void kill(int index);
    // One play frame: moves the plain objects and retires shots past their range, lets the view
    // follow the block, collides the shots, draws everything in its layer and lets the enemies
    // over the block shoot.
    void animate(IDirectDrawSurface* surface);
    // Collides every shot of the object list.
    void collision_detection();
    // Collides the shot in slot `index` with the block, then the buttons, then the walls; only
    // the shot is ever destroyed.
    void collision_detection(int index);
    // Distance between two points, the shorter way round the world, truncated.
    int distance(int x1, int y1, int x2, int y2);
    // Distance between the centres of two plain objects; -1 unless both slots hold one.
    int distance(int first, int second);
    // Distance between the centres of plain object `first` and object `second` of the list
    // `type` names: 'p' the block, 'b' buttons, 's' side panels, anything else plain objects;
    // -1 unless both slots hold an object.
    int distance(int first, int second, char type);
    // The player's shot from the gun's face, at most one per 500 ms. The cool-down restarts
    // whenever 500 ms have passed, even if no shot can be made.
    void fire_gun();
    // A shot straight down from the enemy in slot `index`, at most one per 500 ms for all
    // enemies together.
    void fire_enemy_gun(int index);
    // Destroys every object for a new level and clears the block, gun, button, last-shot and
    // first switchable-wall links; the other links keep their values.
    void reset();
    // Wraps a world x onto the ring 0..1367.
    void normalize(int& x);

    // The link setters take a slot below their list's count; anything else, such as the -1 of a
    // full list, is ignored and the link keeps its value.
    void set_current(int index);
    void set_gun(int index);
    void set_slider(int index);
    void set_platformP(int index);
    void set_platform(int index);
    void set_enemy(int index);
    void set_button1(int index);
    void set_button2(int index);
    void set_button3(int index);
    void set_telaWall(int index);
    void set_telaWall2(int index);
    void set_closeWall(int index);

    int m_nObjectCount;       // occupied slots of the object list
    int m_nButtonCount;       // occupied slots of the button list
    int m_nPanelCount;        // occupied slots of the side-panel list
    int m_nMaxCount;          // capacity of the object list
    int m_nLastGunTime;       // time of the player's last shot
    int m_nLastEnemyGunTime;  // time of the last enemy shot, shared by all enemies
    CObject** m_pObjectList;  // every kind that is not the block, a panel or a button
    Player* m_pPlayerList[m_MAX_PLAYERS];
    Button* m_pButtonList[m_MAX_BUTTONS];
    SidePanel* m_pPanelList[m_MAX_PANELS];
    bool m_bPlayerHit;  // an enemy shot has reached the block; the level reads and clears it
    int m_nCurrent;     // player slot of the block
    int m_nGun;         // side-panel slot of the gun
    int m_nSlider;      // side-panel slot of the slider
    int m_nPlatformP;   // side-panel slot of the platform panel
    int m_nPlatform;    // object slot of the platform tile that is out
    int m_nEnemy;       // object slot of the enemy
    int m_nButton1;     // button slots of the level's scripted buttons
    int m_nButton2;
    int m_nButton3;
    int m_nLastBullet;  // object slot of the last shot made, -1 when none could be made
    int m_nTelaWall;    // object slot of the first switchable wall
    int m_nTelaWall2;   // object slot of the second switchable wall
    int m_nCloseWall;   // object slot of the periodically closing wall

private:
    // The block, or null when the player slot is empty.
    Player* block() const;
    // The object in the slot of the list `type` names (as for distance), or null.
    CObject* slot(int index, char type) const;
    // Distance between the centres of two objects.
    int centreDistance(const CObject& a, const CObject& b);
    // Destroys every object of the four lists and empties their slots and counts.
    void destroyAll();
};
