// objects/ObjectType.h — the kinds of game object; a kind's value is also its sprite's slot.
#pragma once

enum ObjectType {
    WALL = 0,
    BUTTON_WALL = 1,
    TOP_WALL = 2,
    TELA_WALL = 3,
    PLATFORM_H = 4,
    PLATFORM_V = 5,
    BLOCK = 6,
    FOREGROUND_LEFT = 7,
    FOREGROUND_RIGHT = 8,
    GAME_OVER_BANNER = 9,
    END_MARKER = 10,
    LEVEL_COMPLETE_BANNER = 11,
    BULLET = 12,
    ENEMY_BULLET = 13,
    GUN = 14,
    SLIDER = 15,
    PLATFORM_PANEL = 16,
    LEFT_BUTTON = 17,
    RIGHT_BUTTON = 18,
    TOP_BUTTON = 19,
    BOTTOM_BUTTON = 20,
    HOLE_WALL_V = 21,
    HOLE_WALL_H = 22,
    ENEMY = 23
};
