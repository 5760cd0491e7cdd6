// assets/ScreenPainter.cpp — title and menu pictures composed from the world's own pieces.
#include "assets/ScreenPainter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/BlockPainter.h"
#include "assets/LandscapePainter.h"
#include "assets/Light.h"
#include "assets/Shape.h"
#include "assets/TilePainter.h"

namespace {

using Fill = Canvas::Fill;

const Color TITLE_LIGHT(255, 244, 206);
const Color TITLE_DEEP(246, 146, 36);
const Color TITLE_EDGE(64, 30, 12);
const Color SHADOW(16, 20, 40);
const Color PANEL(18, 28, 58);
const Color PANEL_EDGE(140, 170, 220);
const Color HEADING(255, 214, 120);
const Color TEXT(236, 240, 250);
const Color CAP(226, 230, 238);
const Color CAP_LABEL(34, 38, 52);

const int SAMPLES = 4;
const int CAP_HEIGHT = 28;
const int CAP_TEXT = 15;
const int ROW_TEXT = 16;

// Splits "a|b|c" into its parts.
std::vector<std::string> parts(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    while (true) {
        size_t bar = text.find('|', start);
        out.push_back(text.substr(start, bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return out;
}

}  // namespace

Canvas ScreenPainter::landscape(int groundFrom) {
    Canvas picture = LandscapePainter::daySky();
    Canvas strip = LandscapePainter::foreground();
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < WIDTH; ++x) {
            int from = (x + groundFrom) % strip.width();  // the strip wraps like the world
            if (!strip.isTransparent(from, y))
                picture.set(x, HEIGHT - strip.height() + y, strip.at(from, y));
        }
    }
    return picture;
}

void ScreenPainter::headline(Canvas& canvas, const std::string& text, int pixels, int centreX,
                             int top) {
    TextPainter::Mask mask = m_text.render(text, pixels, true);
    int x0, y0, x1, y1;
    mask.ink(x0, y0, x1, y1);
    int x = centreX - (x0 + x1) / 2, y = top - y0;
    double grow = std::max(2.0, pixels / 16.0);
    TextPainter::Mask edge = TextPainter::grown(mask, grow);
    int g = (edge.width - mask.width) / 2;
    int drop = std::max(2, pixels / 14);
    TextPainter::draw(
        canvas, edge, x - g + drop, y - g + drop, [](Vec2) { return SHADOW; }, 0.45);
    TextPainter::draw(canvas, edge, x - g, y - g, [](Vec2) { return TITLE_EDGE; });
    double inkTop = y0, inkHeight = std::max(1, y1 - y0);
    TextPainter::draw(canvas, mask, x, y, [inkTop, inkHeight](Vec2 p) {
        double t = std::clamp((p.y - inkTop) / inkHeight, 0.0, 1.0);
        return TITLE_LIGHT.mix(TITLE_DEEP, Shape::smoothstep(0.25, 0.95, t));
    });
}

int ScreenPainter::keyCap(Canvas& canvas, const std::string& label, int x, int y) {
    TextPainter::Mask mask = m_text.render(label, CAP_TEXT, true);
    int ix0, iy0, ix1, iy1;
    mask.ink(ix0, iy0, ix1, iy1);
    int width = std::max(CAP_HEIGHT, ix1 - ix0 + 16);
    Vec2 half(width / 2.0, CAP_HEIGHT / 2.0);
    canvas.paint(x, y, width, CAP_HEIGHT, SAMPLES, [half](Vec2 p) -> Fill {
        auto field = [half](Vec2 v) { return Shape::roundBox(v - half, half, 5); };
        double d = field(p);
        if (d > 0) return Fill{};
        return Fill{Light::raised(CAP, -d, Shape::normal(field, p), 1.0, 2.5), 1};
    });
    // The label sits a pixel above the cap's middle, on the cap's flat top.
    TextPainter::draw(canvas, mask, x + (width - ix0 - ix1) / 2,
                      y + (CAP_HEIGHT - 2 - iy0 - iy1) / 2, [](Vec2) { return CAP_LABEL; });
    return width;
}

void ScreenPainter::keyRow(Canvas& canvas, const std::string& keys, const std::string& meaning,
                           int x, int y) {
    int cx = x;
    for (const std::string& key : parts(keys)) cx += keyCap(canvas, key, cx, y) + 5;
    TextPainter::Mask mask = m_text.render(meaning, ROW_TEXT, false);
    // Lower-case words sit on the cap's middle by their x-height.
    int xx0, xy0, xx1, xy1;
    m_text.render("x", ROW_TEXT, false).ink(xx0, xy0, xx1, xy1);
    int top = y + CAP_HEIGHT / 2 - (xy0 + xy1) / 2;
    TextPainter::draw(canvas, mask, std::max(cx + 6, x + 86), top, [](Vec2) { return TEXT; });
}

void ScreenPainter::panel(Canvas& canvas, int x, int y, int w, int h, const std::string& heading) {
    Vec2 half(w / 2.0, h / 2.0);
    canvas.paint(x, y, w, h, SAMPLES, [half](Vec2 p) -> Fill {
        double d = Shape::roundBox(p - half, half, 10);
        if (d > 0) return Fill{};
        if (-d < 1.6) return Fill{PANEL_EDGE, 0.9};
        return Fill{PANEL, 0.86};
    });
    TextPainter::Mask mask = m_text.render(heading, 18, true);
    TextPainter::draw(canvas, mask, x + 18, y + 8, [](Vec2) { return HEADING; });
}

Canvas ScreenPainter::title() {
    Canvas picture = landscape(300);
    // A floating ledge of stone with the exit on it, the block carrying all three panels, its gun
    // firing, and a drone above.
    const double scale = 2;
    const int tile = 76, ledgeTop = 326, ledgeLeft = 168;
    for (int i = 0; i < 4; ++i)
        picture.cutout(ledgeLeft + i * tile, ledgeTop, tile, tile, SAMPLES,
                       TilePainter::wall(TilePainter::NO_HOLE, scale));
    picture.cutout(ledgeLeft + 3 * tile + 10, ledgeTop - 8, 56, 14, SAMPLES,
                   [scale](Vec2 p) { return TilePainter::exitPad()(p / scale); });

    Vec2 block(ledgeLeft + tile * 1.5, ledgeTop - BlockPainter::HALF_SIDE * scale);
    const int x0 = 150, y0 = 180, w = 260, h = 150;
    Vec2 local = block - Vec2(x0, y0);
    picture.cutout(x0, y0, w, h, SAMPLES, BlockPainter::block(0, local, scale));
    picture.cutout(x0, y0, w, h, SAMPLES,
                   BlockPainter::panel(BlockPainter::GUN_LOOK, 0, local, scale));
    picture.cutout(x0, y0, w, h, SAMPLES,
                   BlockPainter::panel(BlockPainter::SLIDER_DRIVES_RIGHT_LOOK, M_PI, local, scale));
    picture.cutout(
        x0, y0, w, h, SAMPLES,
        BlockPainter::panel(BlockPainter::PLATFORM_FOLDED_LOOK, 1.5 * M_PI, local, scale));
    Vec2 shot(static_cast<int>(block.x) + 84, static_cast<int>(block.y) - 10);
    picture.cutout(static_cast<int>(shot.x), static_cast<int>(shot.y), 20, 20, SAMPLES,
                   [scale](Vec2 p) { return TilePainter::shot(0)(p / scale); });

    Vec2 drone(540, 196);
    picture.cutout(480, 150, 120, 100, SAMPLES,
                   BlockPainter::panel(BlockPainter::GUN_LOOK, M_PI / 2,
                                       drone - Vec2(480, 150) - Vec2(0, 21.6 * scale), scale));
    picture.cutout(530, 238, 20, 20, SAMPLES,
                   [scale](Vec2 p) { return TilePainter::shot(1)(p / scale); });

    int size = 56;
    while (size > 24 && m_text.measure("Project V.O.R.M.I.L.", size, true) > 590) --size;
    headline(picture, "Project V.O.R.M.I.L.", size, WIDTH / 2, 56);

    TextPainter::Mask hint = m_text.render("Press any key", 16, true);
    TextPainter::Mask hintEdge = TextPainter::grown(hint, 1.5);
    int hx = (WIDTH - hint.width) / 2, hy = 444;
    int g = (hintEdge.width - hint.width) / 2;
    TextPainter::draw(
        picture, hintEdge, hx - g, hy - g, [](Vec2) { return SHADOW; }, 0.8);
    TextPainter::draw(picture, hint, hx, hy, [](Vec2) { return TEXT; });
    return picture;
}

Canvas ScreenPainter::menu() {
    Canvas picture = landscape(820);
    headline(picture, "Project V.O.R.M.I.L.", 34, WIDTH / 2, 18);

    const int left = 20, width = WIDTH - 40, column = left + width / 2 + 4, inset = left + 18;
    const int rowStep = 40;
    int top = 70;
    panel(picture, left, top, width, 44 + 3 * rowStep, "Menu");
    int row = top + 42;
    keyRow(picture, "N", "New game", inset, row);
    keyRow(picture, "U", "First level set, cheats off", column, row);
    row += rowStep;
    keyRow(picture, "C", "Continue", inset, row);
    keyRow(picture, "L", "Second level set", column, row);
    row += rowStep;
    keyRow(picture, "Esc|Q", "Quit", inset, row);
    keyRow(picture, "G", "Cheat mode", column, row);

    top += 44 + 3 * rowStep + 14;
    panel(picture, left, top, width, 44 + 4 * rowStep, "In play");
    row = top + 42;
    keyRow(picture, "\xE2\x86\x90|\xE2\x86\x92", "Roll", inset, row);
    keyRow(picture, "B", "Slide", column, row);
    row += rowStep;
    keyRow(picture, "Space", "Fire", inset, row);
    keyRow(picture, "V", "Reverse the slider", column, row);
    row += rowStep;
    keyRow(picture, "Esc", "Back to the menu", inset, row);
    keyRow(picture, "Z", "Platform", column, row);
    row += rowStep;
    keyRow(picture, "\xE2\x86\x93", "Drop through a one-way floor", inset, row);
    return picture;
}
