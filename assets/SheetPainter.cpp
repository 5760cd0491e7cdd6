// assets/SheetPainter.cpp — painted frames laid where the sprite table puts them.
#include "assets/SheetPainter.h"

#include <algorithm>
#include <cmath>

#include "assets/Light.h"
#include "assets/Shape.h"
#include "assets/TilePainter.h"
#include "gfx/SpriteTable.h"

namespace {

using Fill = Canvas::Fill;

const int SAMPLES = 4;  // per pixel and axis
const double SIXTEENTH = M_PI / 8;

const Color GAME_OVER_RED(184, 40, 36);
const Color COMPLETE_GREEN(44, 150, 70);
const Color TEXT_WHITE(255, 252, 240);
const Color TEXT_SHADOW(30, 20, 20);

Canvas painted(int w, int h, const Canvas::Shader& shader) {
    Canvas cell(w, h);
    cell.cutout(0, 0, w, h, SAMPLES, shader);
    return cell;
}

Canvas::Shader offset(const Canvas::Shader& shader, Vec2 by) {
    return [shader, by](Vec2 p) { return shader(p - by); };
}

}  // namespace

Canvas SheetPainter::blockFrame(int frame) {
    // The block stands on the frame's bottom row, centred on the anchor column.
    const SpriteTable::Row& row = SpriteTable::row(BLOCK);
    double turn = frame * SIXTEENTH;
    Vec2 centre(row.width / 2, row.height - BlockPainter::extent(turn) / 2);
    return painted(row.width, row.height, BlockPainter::block(turn, centre, 1));
}

Canvas SheetPainter::panelFrame(BlockPainter::PanelLook look, int frame) {
    // The panel turns with the block: a panel at frame k rides a block in roll frame k mod 4,
    // which stands on its lowest point, so its centre rises while it is tipped. Drawn at the
    // frame's offset, the panel's anchor is that far from the block's.
    const SpriteTable::Row& row = SpriteTable::row(GUN);
    const int w = row.width, h = row.height;
    double turn = (frame % 4) * SIXTEENTH;
    SheetPoint off = SpriteTable::panelOffset(frame);
    Vec2 centre(w / 2 - off.x, h - off.y - BlockPainter::extent(turn) / 2);
    Canvas::Shader shader = BlockPainter::panel(look, frame * SIXTEENTH, centre, 1);

    // Where the panel falls outside its frame in the middle of a roll, it is moved in by the
    // overhang: a pixel or two off the face for 60 ms rather than a panel cut short.
    const int margin = 16;
    Canvas probe(w + 2 * margin, h + 2 * margin);
    probe.cutout(0, 0, probe.width(), probe.height(), 2, offset(shader, Vec2(margin, margin)));
    int x0 = probe.width(), y0 = probe.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < probe.height(); ++y) {
        for (int x = 0; x < probe.width(); ++x) {
            if (probe.isTransparent(x, y)) continue;
            x0 = std::min(x0, x - margin);
            y0 = std::min(y0, y - margin);
            x1 = std::max(x1, x - margin);
            y1 = std::max(y1, y - margin);
        }
    }
    Vec2 shift(x0 < 0 ? -x0 : (x1 > w - 1 ? w - 1 - x1 : 0),
               y0 < 0 ? -y0 : (y1 > h - 1 ? h - 1 - y1 : 0));
    return painted(w, h, offset(shader, shift));
}

Canvas SheetPainter::banner(int width, int height, const std::string& words, Color color) {
    Vec2 half(width / 2.0, height / 2.0);
    Canvas plaque = painted(width, height, [half, color](Vec2 p) -> Fill {
        auto field = [half](Vec2 v) { return Shape::roundBox(v - half, half, 7); };
        double d = field(p);
        if (d > 0) return Fill{};
        // Lighter at the top, like the rest of the world lit from above.
        Color face = color.lit(0.18 - 0.36 * p.y / (2 * half.y));
        return Fill{Light::raised(face, -d, Shape::normal(field, p), 1.2, 2.2), 1};
    });
    // One line if it fits at a readable size, otherwise two.
    std::string lines[2] = {words, ""};
    int size = 18;
    while (size > 13 && m_text.measure(words, size, true) > width - 14) --size;
    if (m_text.measure(words, size, true) > width - 14) {
        size_t space = words.find(' ');
        lines[0] = words.substr(0, space);
        lines[1] = space == std::string::npos ? "" : words.substr(space + 1);
        size = 15;
    }
    int count = lines[1].empty() ? 1 : 2;
    int lineGap = count == 2 ? size + 1 : 0;
    for (int i = 0; i < count; ++i) {
        TextPainter::Mask mask = m_text.render(lines[i], size, true);
        int ix0, iy0, ix1, iy1;
        mask.ink(ix0, iy0, ix1, iy1);
        int x = (width - (ix1 + ix0)) / 2;
        int y = (height - (iy1 + iy0)) / 2 + (i * 2 - (count - 1)) * lineGap / 2;
        TextPainter::Mask outline = TextPainter::grown(mask, 1.2);
        int grow = (outline.width - mask.width) / 2;
        TextPainter::draw(
            plaque, outline, x - grow + 1, y - grow + 1, [](Vec2) { return TEXT_SHADOW; }, 0.55);
        TextPainter::draw(plaque, outline, x - grow, y - grow,
                          [color](Vec2) { return color * 0.3; });
        TextPainter::draw(plaque, mask, x, y, [](Vec2) { return TEXT_WHITE; });
    }
    return plaque;
}

Canvas SheetPainter::sprites() {
    int width = 0, height = 0;
    for (int slot = 0; slot < SpriteTable::SLOT_COUNT; ++slot) {
        const SpriteTable::Row& row = SpriteTable::row(slot);
        if (row.sheet != SPRITES_SHEET) continue;
        for (int k = 0; k < row.frameCount; ++k) {
            width = std::max(width, row.frame[k].x + row.width);
            height = std::max(height, row.frame[k].y + row.height);
        }
    }
    for (int face = 0; face < SpriteTable::FACE_COUNT; ++face) {
        for (bool right : {true, false}) {
            SheetPoint at = SpriteTable::sliderRest(face, right);
            height = std::max(height, at.y + 30);
        }
    }
    Canvas sheet(width, height);

    for (int slot = 0; slot < SpriteTable::SLOT_COUNT; ++slot) {
        const SpriteTable::Row& row = SpriteTable::row(slot);
        if (row.sheet != SPRITES_SHEET) continue;
        for (int k = 0; k < row.frameCount; ++k) {
            Canvas cell(row.width, row.height);
            switch (row.kind) {
                case WALL:
                case BUTTON_WALL:
                    cell = painted(38, 38, TilePainter::wall(TilePainter::NO_HOLE));
                    break;
                case HOLE_WALL_V:
                    cell = painted(38, 38, TilePainter::wall(TilePainter::VERTICAL_SHAFT));
                    break;
                case HOLE_WALL_H:
                    cell = painted(38, 38, TilePainter::wall(TilePainter::HORIZONTAL_TUNNEL));
                    break;
                case TOP_WALL:
                    cell = painted(38, 38, TilePainter::ledge());
                    break;
                case TELA_WALL:
                    cell = painted(38, 38, TilePainter::energyWall());
                    break;
                case PLATFORM_H:
                case PLATFORM_V:
                    cell = painted(38, 38, TilePainter::platform(row.kind == PLATFORM_H));
                    break;
                case BLOCK:
                    cell = blockFrame(k);
                    break;
                case GAME_OVER_BANNER:
                    cell = banner(row.width, row.height, "GAME OVER", GAME_OVER_RED);
                    break;
                case LEVEL_COMPLETE_BANNER:
                    cell = banner(row.width, row.height, "LEVEL COMPLETE", COMPLETE_GREEN);
                    break;
                case END_MARKER:
                    cell = painted(row.width, row.height, TilePainter::exitPad());
                    break;
                case BULLET:
                case ENEMY_BULLET:
                    cell = painted(row.width, row.height, TilePainter::shot(k));
                    break;
                case GUN:
                    cell = panelFrame(BlockPainter::GUN_LOOK, k);
                    break;
                case ENEMY:
                    // The drone is the gun pointing down.
                    cell = panelFrame(BlockPainter::GUN_LOOK, 4);
                    break;
                case SLIDER:
                    cell = panelFrame(BlockPainter::SLIDER_LOOK, k);
                    break;
                case PLATFORM_PANEL:
                    cell = panelFrame(BlockPainter::PLATFORM_FOLDED_LOOK, k);
                    break;
                case LEFT_BUTTON:
                    cell = painted(row.width, row.height,
                                   TilePainter::button(TilePainter::ON_LEFT_FACE, k == 1));
                    break;
                case RIGHT_BUTTON:
                    cell = painted(row.width, row.height,
                                   TilePainter::button(TilePainter::ON_RIGHT_FACE, k == 1));
                    break;
                case TOP_BUTTON:
                    cell = painted(row.width, row.height,
                                   TilePainter::button(TilePainter::ON_TOP_FACE, k == 1));
                    break;
                case BOTTOM_BUTTON:
                    cell = painted(row.width, row.height,
                                   TilePainter::button(TilePainter::ON_BOTTOM_FACE, k == 1));
                    break;
                case FOREGROUND_LEFT:
                case FOREGROUND_RIGHT:
                    break;
            }
            sheet.draw(cell, row.frame[k].x, row.frame[k].y);
        }
    }
    for (int face = 0; face < SpriteTable::FACE_COUNT; ++face) {
        int frame = face * SpriteTable::FRAMES_PER_FACE;
        SheetPoint right = SpriteTable::sliderRest(face, true);
        SheetPoint left = SpriteTable::sliderRest(face, false);
        sheet.draw(panelFrame(BlockPainter::SLIDER_DRIVES_RIGHT_LOOK, frame), right.x, right.y);
        sheet.draw(panelFrame(BlockPainter::SLIDER_DRIVES_LEFT_LOOK, frame), left.x, left.y);
    }
    for (int k = 0; k < SpriteTable::MAX_FRAMES; ++k) {
        SheetPoint out = SpriteTable::platformOut(k);
        sheet.draw(panelFrame(BlockPainter::PLATFORM_OUT_LOOK, k), out.x, out.y);
    }
    return sheet;
}
