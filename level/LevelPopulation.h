// level/LevelPopulation.h — the objects every level is built with, in the order they are made, and
// the object manager links their slots go to.
#pragma once

#include "objects/ObjectType.h"

struct LevelPopulation {
    // Where the slot of a newly made object goes among the object manager's links.
    enum class Link {
        None,
        Current,  // the block
        Gun,
        Slider,
        PlatformP,  // the platform panel
        Enemy,
        Button1,
        Button2,
        Button3,
        TelaWall,
        TelaWall2,
        // A level without a slider points the slider link at a side-panel slot next to the
        // gun's, so that it names no panel but possibly the gun.
        SliderAway,
    };

    // One line of a level's list: `count` objects of one kind in a row, 38 pixels (one cell)
    // apart along x, or, with `count` 0, only a link given the plain slot number `slot`.
    struct Placement {
        ObjectType kind;
        int x;  // world anchor of the first object: the middle of its sprite's bottom row
        int y;
        int count;
        int xspeed;
        char side;  // the face of the block a panel starts on; 'r' for every other kind
        Link link;  // the link each made object's slot is given
        int slot;   // the slot given to `link` when the line makes no object
    };

    // A level's list, in creation order.
    struct List {
        const Placement* first;
        const Placement* last;  // one past the end
        const Placement* begin() const { return first; }
        const Placement* end() const { return last; }
    };

    // The objects every level starts with: the two halves of the foreground strip.
    static List everyLevel();
    // The objects of level `level` of set `set`, made after everyLevel(); empty for a level
    // that does not exist.
    static List of(int set, int level);
};
