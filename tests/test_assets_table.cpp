// tests/test_assets_table.cpp — the sprite table: slots in order, cells apart, shared cells.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gfx/SpriteTable.h"

namespace {

struct Cell {
    SpriteSheet sheet;
    int x, y, w, h;
    std::string what;
};

// Every rectangle a cut can take, alternative cuts included.
std::vector<Cell> AllCells() {
    std::vector<Cell> cells;
    for (int slot = 0; slot < SpriteTable::SLOT_COUNT; ++slot) {
        const SpriteTable::Row& row = SpriteTable::row(slot);
        for (int k = 0; k < row.frameCount; ++k)
            cells.push_back({row.sheet, row.frame[k].x, row.frame[k].y, row.width, row.height,
                             "slot " + std::to_string(slot) + " frame " + std::to_string(k)});
    }
    const SpriteTable::Row& slider = SpriteTable::row(SLIDER);
    for (int face = 0; face < SpriteTable::FACE_COUNT; ++face) {
        for (bool right : {true, false}) {
            SheetPoint p = SpriteTable::sliderRest(face, right);
            cells.push_back({slider.sheet, p.x, p.y, slider.width, slider.height,
                             std::string("slider rest ") + (right ? "right " : "left ") +
                                 std::to_string(face)});
        }
    }
    const SpriteTable::Row& panel = SpriteTable::row(PLATFORM_PANEL);
    for (int k = 0; k < SpriteTable::MAX_FRAMES; ++k) {
        SheetPoint p = SpriteTable::platformOut(k);
        cells.push_back({panel.sheet, p.x, p.y, panel.width, panel.height,
                         "platform out " + std::to_string(k)});
    }
    return cells;
}

bool SameRect(const Cell& a, const Cell& b) {
    return a.sheet == b.sheet && a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

// Pixels between two rectangles along the axis where they are apart; negative if they overlap.
int Gap(const Cell& a, const Cell& b) {
    int gx = std::max(b.x - (a.x + a.w), a.x - (b.x + b.w));
    int gy = std::max(b.y - (a.y + a.h), a.y - (b.y + b.h));
    return std::max(gx, gy);
}

}  // namespace

TEST(SpriteTable, RowsAreInSlotOrderWithUsableSizes) {
    for (int slot = 0; slot < SpriteTable::SLOT_COUNT; ++slot) {
        const SpriteTable::Row& row = SpriteTable::row(slot);
        EXPECT_EQ(row.kind, slot);
        EXPECT_GE(row.frameCount, 1) << slot;
        EXPECT_LE(row.frameCount, SpriteTable::MAX_FRAMES) << slot;
        EXPECT_GT(row.width, 0) << slot;
        EXPECT_GT(row.height, 0) << slot;
        for (int k = 0; k < row.frameCount; ++k) {
            EXPECT_GE(row.frame[k].x, 0) << slot;
            EXPECT_GE(row.frame[k].y, 0) << slot;
        }
    }
}

TEST(SpriteTable, DistinctCellsOfTheSpriteSheetStayTwoPixelsApart) {
    // A cut that took a pixel too many would otherwise pick up its neighbour.
    std::vector<Cell> cells = AllCells();
    for (size_t i = 0; i < cells.size(); ++i) {
        for (size_t j = i + 1; j < cells.size(); ++j) {
            const Cell &a = cells[i], &b = cells[j];
            if (a.sheet != SPRITES_SHEET || b.sheet != SPRITES_SHEET || SameRect(a, b)) continue;
            EXPECT_GE(Gap(a, b), 2) << a.what << " and " << b.what;
        }
    }
}

TEST(SpriteTable, SharedPicturesAreCutFromOneCell) {
    struct Shared {
        ObjectType kind, like;
        int frame, likeFrame;
    };
    const Shared shared[] = {
        {BUTTON_WALL, WALL, 0, 0},    {ENEMY_BULLET, BULLET, 0, 0}, {ENEMY_BULLET, BULLET, 1, 1},
        {ENEMY_BULLET, BULLET, 2, 2}, {ENEMY_BULLET, BULLET, 3, 3}, {ENEMY, GUN, 0, 4},
    };
    for (const Shared& s : shared) {
        SheetPoint a = SpriteTable::row(s.kind).frame[s.frame];
        SheetPoint b = SpriteTable::row(s.like).frame[s.likeFrame];
        EXPECT_EQ(a.x, b.x) << s.kind;
        EXPECT_EQ(a.y, b.y) << s.kind;
        EXPECT_EQ(SpriteTable::row(s.kind).width, SpriteTable::row(s.like).width) << s.kind;
    }
}

TEST(SpriteTable, FramesOfARowFollowOneAnotherAlongTheSheet) {
    for (ObjectType kind : {BLOCK, BULLET, GUN, SLIDER, PLATFORM_PANEL}) {
        const SpriteTable::Row& row = SpriteTable::row(kind);
        for (int k = 1; k < row.frameCount; ++k) {
            EXPECT_EQ(row.frame[k].x, row.frame[k - 1].x + row.width + 2) << kind << " frame " << k;
            EXPECT_EQ(row.frame[k].y, row.frame[0].y) << kind << " frame " << k;
        }
    }
    for (int k = 1; k < SpriteTable::MAX_FRAMES; ++k) {
        EXPECT_EQ(SpriteTable::platformOut(k).x, SpriteTable::row(PLATFORM_PANEL).frame[k].x) << k;
        EXPECT_EQ(SpriteTable::platformOut(k).y, SpriteTable::platformOut(0).y) << k;
    }
}

TEST(SpriteTable, ForegroundHalvesLieSideBySideOnTheirOwnSheet) {
    const SpriteTable::Row& left = SpriteTable::row(FOREGROUND_LEFT);
    const SpriteTable::Row& right = SpriteTable::row(FOREGROUND_RIGHT);
    EXPECT_EQ(left.sheet, FRONT_SHEET);
    EXPECT_EQ(right.sheet, FRONT_SHEET);
    EXPECT_EQ(left.frame[0].x + left.width, right.frame[0].x);
    EXPECT_EQ(left.frame[0].y, right.frame[0].y);
    EXPECT_EQ(left.height, right.height);
    for (int slot = 0; slot < SpriteTable::SLOT_COUNT; ++slot) {
        if (slot != FOREGROUND_LEFT && slot != FOREGROUND_RIGHT) {
            EXPECT_EQ(SpriteTable::row(slot).sheet, SPRITES_SHEET) << slot;
        }
    }
    EXPECT_STREQ(SpriteTable::fileName(FRONT_SHEET), "front2.bmp");
    EXPECT_STREQ(SpriteTable::fileName(SPRITES_SHEET), "sprites2.bmp");
}

TEST(SpriteTable, PanelOffsetsOfOppositeFacesMirror) {
    // Right and left faces sit at the same height; bottom and top on the block's middle column.
    SheetPoint right = SpriteTable::panelOffset(0), bottom = SpriteTable::panelOffset(4);
    SheetPoint left = SpriteTable::panelOffset(8), top = SpriteTable::panelOffset(12);
    EXPECT_EQ(right.x, -left.x);
    EXPECT_EQ(right.y, left.y);
    EXPECT_GT(right.x, 0);
    EXPECT_EQ(bottom.x, 0);
    EXPECT_EQ(top.x, 0);
    EXPECT_GT(bottom.y, top.y);
}
