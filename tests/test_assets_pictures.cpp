// tests/test_assets_pictures.cpp — generated pictures: sizes, transparency, cells, seams.
// The block and its panels are checked as the game will draw them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/SpriteTable.h"

namespace {

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

const Rgb KEY{254, 0, 254};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // top row first
    const Rgb& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool clear(int x, int y) const { return at(x, y) == KEY; }
};

std::vector<std::uint8_t> ReadBytes(const std::string& name) {
    std::ifstream file(std::string(VORMIL_DATA_DIR) + "/" + name, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

std::uint32_t Le(const std::vector<std::uint8_t>& d, size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | d[at + i];
    return v;
}

// An uncompressed 24-bit BMP with a 40-byte header and rows stored bottom-up; empty on any
// other layout, with the reason reported as a test failure.
Picture LoadBmp(const std::string& name) {
    Picture pic;
    std::vector<std::uint8_t> d = ReadBytes(name);
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M') {
        ADD_FAILURE() << name << ": not a BMP file";
        return pic;
    }
    std::uint32_t offset = Le(d, 10, 4);
    int width = static_cast<std::int32_t>(Le(d, 18, 4)),
        height = static_cast<std::int32_t>(Le(d, 22, 4));
    EXPECT_EQ(Le(d, 14, 4), 40u) << name;
    EXPECT_EQ(Le(d, 26, 2), 1u) << name;
    EXPECT_EQ(Le(d, 28, 2), 24u) << name;
    EXPECT_EQ(Le(d, 30, 4), 0u) << name;
    size_t rowBytes = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    if (width <= 0 || height <= 0 || d.size() != offset + rowBytes * height ||
        Le(d, 2, 4) != d.size()) {
        ADD_FAILURE() << name << ": size fields do not match the file";
        return pic;
    }
    pic.width = width;
    pic.height = height;
    pic.pixels.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        size_t row = offset + rowBytes * (height - 1 - y);
        for (int x = 0; x < width; ++x)
            pic.pixels[static_cast<size_t>(y) * width + x] = {d[row + 3 * x + 2],
                                                              d[row + 3 * x + 1], d[row + 3 * x]};
    }
    return pic;
}

const Picture& Sheet() {
    static const Picture sheet = LoadBmp(SpriteTable::fileName(SPRITES_SHEET));
    return sheet;
}

const Picture& Front() {
    static const Picture front = LoadBmp(SpriteTable::fileName(FRONT_SHEET));
    return front;
}

// A w x h window of the sprite sheet.
struct Cut {
    SheetPoint at;
    int w, h;
    bool clear(int i, int j) const { return Sheet().clear(at.x + i, at.y + j); }
    const Rgb& color(int i, int j) const { return Sheet().at(at.x + i, at.y + j); }
    int opaqueCount() const {
        int n = 0;
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) n += !clear(i, j);
        return n;
    }
    // Opaque bounding box [x0, x1] x [y0, y1]; x0 > x1 when the cut is empty.
    void bounds(int& x0, int& y0, int& x1, int& y1) const {
        x0 = w, y0 = h, x1 = -1, y1 = -1;
        for (int j = 0; j < h; ++j) {
            for (int i = 0; i < w; ++i) {
                if (clear(i, j)) continue;
                x0 = std::min(x0, i), x1 = std::max(x1, i), y0 = std::min(y0, j),
                y1 = std::max(y1, j);
            }
        }
    }
};

Cut Frame(ObjectType kind, int frame) {
    const SpriteTable::Row& row = SpriteTable::row(kind);
    return Cut{row.frame[frame], row.width, row.height};
}

Cut PanelCut(SheetPoint at) {
    return Cut{at, SpriteTable::row(GUN).width, SpriteTable::row(GUN).height};
}

// Every cut the game can make from the sprite sheet.
std::vector<std::pair<std::string, Cut>> AllCuts() {
    std::vector<std::pair<std::string, Cut>> cuts;
    for (int slot = 0; slot < SpriteTable::SLOT_COUNT; ++slot) {
        const SpriteTable::Row& row = SpriteTable::row(slot);
        if (row.sheet != SPRITES_SHEET) continue;
        for (int k = 0; k < row.frameCount; ++k)
            cuts.push_back({"slot " + std::to_string(slot) + " frame " + std::to_string(k),
                            Frame(row.kind, k)});
    }
    for (int face = 0; face < SpriteTable::FACE_COUNT; ++face)
        for (bool right : {true, false})
            cuts.push_back({"slider rest " + std::to_string(face),
                            PanelCut(SpriteTable::sliderRest(face, right))});
    for (int k = 0; k < SpriteTable::MAX_FRAMES; ++k)
        cuts.push_back(
            {"platform out " + std::to_string(k), PanelCut(SpriteTable::platformOut(k))});
    return cuts;
}

double Luma(const Rgb& c) {
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

double ColorDistance(const Rgb& a, const Rgb& b) {
    return (std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b)) / 3.0;
}

// Mean colour difference between two columns, over the rows where both are opaque.
double ColumnDifference(const Picture& p, int a, int b) {
    double sum = 0;
    int n = 0;
    for (int y = 0; y < p.height; ++y) {
        if (p.clear(a, y) || p.clear(b, y)) continue;
        sum += ColorDistance(p.at(a, y), p.at(b, y));
        ++n;
    }
    return n == 0 ? 0 : sum / n;
}

// The mean of ColumnDifference over all neighbouring columns inside the picture.
double TypicalColumnDifference(const Picture& p) {
    double sum = 0;
    for (int x = 0; x + 1 < p.width; ++x) sum += ColumnDifference(p, x, x + 1);
    return sum / (p.width - 1);
}

int TransparencyMismatches(const Picture& p, int a, int b) {
    int n = 0;
    for (int y = 0; y < p.height; ++y) n += p.clear(a, y) != p.clear(b, y);
    return n;
}

}  // namespace

// ---- Files -------------------------------------------------------------------------------------

TEST(GeneratedPictures, HaveTheirSizes) {
    int sheetWidth = 0, sheetHeight = 0;
    for (const auto& cut : AllCuts()) {
        sheetWidth = std::max(sheetWidth, cut.second.at.x + cut.second.w);
        sheetHeight = std::max(sheetHeight, cut.second.at.y + cut.second.h);
    }
    const SpriteTable::Row& right = SpriteTable::row(FOREGROUND_RIGHT);
    struct Size {
        const char* name;
        int width, height;
    };
    const Size sizes[] = {
        {"title2.bmp", 640, 480},
        {"menu2.bmp", 640, 480},
        {"bckgnd2.bmp", 640, 480},
        {"backgroundcool.bmp", 640, 480},
        {"front2.bmp", right.frame[0].x + right.width, right.height},
        {"sprites2.bmp", sheetWidth, sheetHeight},
    };
    for (const Size& s : sizes) {
        Picture p = LoadBmp(s.name);
        EXPECT_EQ(p.width, s.width) << s.name;
        EXPECT_EQ(p.height, s.height) << s.name;
    }
}

TEST(GeneratedPictures, OnlyTransparentPixelsCarryTheKeyColourAndNothingComesClose) {
    struct Use {
        const char* name;
        bool keyed;  // drawn with the transparent colour as a colour key
    };
    const Use uses[] = {{"sprites2.bmp", true}, {"front2.bmp", true},
                        {"title2.bmp", false},  {"menu2.bmp", false},
                        {"bckgnd2.bmp", false}, {"backgroundcool.bmp", false}};
    for (const Use& use : uses) {
        Picture p = LoadBmp(use.name);
        int keys = 0, nearKey = 0;
        for (const Rgb& c : p.pixels) {
            if (c == KEY) ++keys;
            // A blend of the key into a sprite's edge would show as a pink fringe.
            else if (ColorDistance(c, KEY) < 40)
                ++nearKey;
        }
        EXPECT_EQ(nearKey, 0) << use.name;
        if (use.keyed) {
            EXPECT_GT(keys, 0) << use.name;
        } else {
            EXPECT_EQ(keys, 0) << use.name << " is shown whole and must be opaque";
        }
    }
}

TEST(GeneratedPictures, DaySkyAndFreeMovementSkyAreClearlyDifferent) {
    Picture day = LoadBmp("bckgnd2.bmp"), night = LoadBmp("backgroundcool.bmp");
    ASSERT_EQ(day.pixels.size(), night.pixels.size());
    double dayLuma = 0, nightLuma = 0;
    for (size_t i = 0; i < day.pixels.size(); ++i) {
        dayLuma += Luma(day.pixels[i]);
        nightLuma += Luma(night.pixels[i]);
    }
    EXPECT_GT((dayLuma - nightLuma) / day.pixels.size(), 60);
}

// ---- The sprite sheet --------------------------------------------------------------------------

TEST(SpriteSheet, EveryCutHoldsAPicture) {
    for (const auto& [what, cut] : AllCuts())
        EXPECT_GE(cut.opaqueCount(), cut.w * cut.h / 10) << what;
}

TEST(SpriteSheet, EverythingOutsideTheCellsIsTransparent) {
    const Picture& sheet = Sheet();
    ASSERT_GT(sheet.width, 0);
    std::vector<bool> inCell(sheet.pixels.size(), false);
    for (const auto& cut : AllCuts())
        for (int j = 0; j < cut.second.h; ++j)
            for (int i = 0; i < cut.second.w; ++i)
                inCell[static_cast<size_t>(cut.second.at.y + j) * sheet.width + cut.second.at.x +
                       i] = true;
    int stray = 0;
    for (size_t i = 0; i < sheet.pixels.size(); ++i)
        stray += !inCell[i] && !(sheet.pixels[i] == KEY);
    EXPECT_EQ(stray, 0);
}

TEST(SpriteSheet, BlockRestsCentredOnItsBottomRowAndTurnsWithinItsFrame) {
    int x0, y0, x1, y1;
    Cut rest = Frame(BLOCK, 0);
    rest.bounds(x0, y0, x1, y1);
    EXPECT_NEAR(x1 - x0 + 1, 38, 2);
    EXPECT_NEAR(y1 - y0 + 1, 38, 2);
    EXPECT_LE(std::abs(x0 - (rest.w - 1 - x1)), 1) << "centred";
    int restWidth = x1 - x0 + 1;
    for (int k = 0; k < SpriteTable::row(BLOCK).frameCount; ++k) {
        Cut frame = Frame(BLOCK, k);
        frame.bounds(x0, y0, x1, y1);
        EXPECT_EQ(y1, frame.h - 1) << "frame " << k << " stands on the bottom row";
        EXPECT_GE(y0, 0);
        EXPECT_LE(std::abs(x0 - (frame.w - 1 - x1)), 1) << "frame " << k << " centred";
        // Turned frames are wider than the block at rest: they show it tipped over a corner.
        if (k != 0) {
            EXPECT_GT(x1 - x0 + 1, restWidth + 4) << "frame " << k;
        }
    }
}

TEST(SpriteSheet, PanelsRestingOnAFaceTouchItAndStandOut) {
    // The block at rest, in coordinates from its anchor (the middle of its bottom row).
    int bx0, by0, bx1, by1;
    Cut block = Frame(BLOCK, 0);
    block.bounds(bx0, by0, bx1, by1);
    const int anchorX = block.w / 2, anchorY = block.h - 1;
    // Per face: how far a point lies outward, and where the block's own face is.
    struct Face {
        int dx, dy, limit;
    };
    const Face faces[SpriteTable::FACE_COUNT] = {{1, 0, bx1 - anchorX},
                                                 {0, 1, by1 - anchorY},
                                                 {-1, 0, anchorX - bx0},
                                                 {0, -1, anchorY - by0}};
    struct Panel {
        const char* what;
        std::function<SheetPoint(int)> at;  // the cut of the face's resting frame
    };
    const Panel panels[] = {
        {"gun", [](int f) { return SpriteTable::row(GUN).frame[4 * f]; }},
        {"slider driving right", [](int f) { return SpriteTable::sliderRest(f, true); }},
        {"slider driving left", [](int f) { return SpriteTable::sliderRest(f, false); }},
        {"platform panel", [](int f) { return SpriteTable::row(PLATFORM_PANEL).frame[4 * f]; }},
        {"platform panel with a platform out",
         [](int f) { return SpriteTable::platformOut(4 * f); }},
    };
    for (const Panel& panel : panels) {
        for (int f = 0; f < SpriteTable::FACE_COUNT; ++f) {
            Cut cut = PanelCut(panel.at(f));
            SheetPoint off = SpriteTable::panelOffset(4 * f);
            int touching = 0, farOut = 0;
            for (int j = 0; j < cut.h; ++j) {
                for (int i = 0; i < cut.w; ++i) {
                    if (cut.clear(i, j)) continue;
                    int x = off.x - cut.w / 2 + i, y = off.y - (cut.h - 1) + j;
                    int out = x * faces[f].dx + y * faces[f].dy - faces[f].limit;
                    touching += out == 1;
                    farOut += out >= 6;
                }
            }
            EXPECT_GT(touching, 0) << panel.what << " on face " << f << " floats off the block";
            EXPECT_GT(farOut, 0) << panel.what << " on face " << f << " hides behind the block";
        }
    }
}

TEST(SpriteSheet, SliderRestsShowTheTrackTurningBothWays) {
    for (int f = 0; f < SpriteTable::FACE_COUNT; ++f) {
        Cut right = PanelCut(SpriteTable::sliderRest(f, true));
        Cut left = PanelCut(SpriteTable::sliderRest(f, false));
        // The two directions are one picture mirrored along the face.
        bool alongY = f % 2 == 0;
        int differ = 0, outlineMismatch = 0;
        for (int j = 0; j < right.h; ++j) {
            for (int i = 0; i < right.w; ++i) {
                int mi = alongY ? i : right.w - 1 - i, mj = alongY ? right.h - 1 - j : j;
                differ += !(right.color(i, j) == left.color(i, j));
                outlineMismatch += right.clear(i, j) != left.clear(mi, mj);
            }
        }
        EXPECT_GT(differ, 10) << "face " << f;
        EXPECT_LE(outlineMismatch, 4) << "face " << f;
    }
}

TEST(SpriteSheet, PlatformPanelShowsWhetherAPlatformIsOut) {
    for (int k = 0; k < SpriteTable::MAX_FRAMES; ++k) {
        Cut folded = Frame(PLATFORM_PANEL, k), out = PanelCut(SpriteTable::platformOut(k));
        int differ = 0;
        for (int j = 0; j < folded.h; ++j)
            for (int i = 0; i < folded.w; ++i) differ += !(folded.color(i, j) == out.color(i, j));
        EXPECT_GT(differ, 20) << "frame " << k;
    }
}

TEST(SpriteSheet, PressedButtonsAreFlatterAndLit) {
    for (ObjectType kind : {LEFT_BUTTON, RIGHT_BUTTON, TOP_BUTTON, BOTTOM_BUTTON}) {
        Cut up = Frame(kind, 0), pressed = Frame(kind, 1);
        EXPECT_LT(pressed.opaqueCount(), up.opaqueCount()) << kind;
        auto meanLuma = [](const Cut& c) {
            double sum = 0;
            int n = 0;
            for (int j = 0; j < c.h; ++j)
                for (int i = 0; i < c.w; ++i)
                    if (!c.clear(i, j)) sum += Luma(c.color(i, j)), ++n;
            return n ? sum / n : 0.0;
        };
        EXPECT_GT(meanLuma(pressed), meanLuma(up) + 20) << kind;
    }
}

TEST(SpriteSheet, ShotFramesFlyRightDownLeftUp) {
    // Each frame is the one before turned a quarter clockwise.
    for (int k = 1; k < SpriteTable::row(BULLET).frameCount; ++k) {
        Cut before = Frame(BULLET, k - 1), after = Frame(BULLET, k);
        int mismatch = 0;
        for (int y = 0; y < before.h; ++y)
            for (int x = 0; x < before.w; ++x)
                mismatch += before.clear(x, y) != after.clear(before.w - 1 - y, x);
        EXPECT_LE(mismatch, 3) << "frame " << k;
    }
    // Frame 0 flies right: its head, the widest part, is on the right.
    Cut right = Frame(BULLET, 0);
    auto columnInk = [&right](int x) {
        int n = 0;
        for (int y = 0; y < right.h; ++y) n += !right.clear(x, y);
        return n;
    };
    EXPECT_GT(columnInk(right.w - 3), columnInk(2));
}

// ---- Wrapping pictures -------------------------------------------------------------------------

TEST(ForegroundStrip, GroundAlongTheBottomOpenSkyAtTheTop) {
    const Picture& front = Front();
    ASSERT_GT(front.width, 0);
    for (int x = 0; x < front.width; ++x) {
        EXPECT_FALSE(front.clear(x, front.height - 1)) << "column " << x;
        EXPECT_TRUE(front.clear(x, 0)) << "column " << x;
    }
}

TEST(ForegroundStrip, HalvesAndEndsJoinWithoutASeam) {
    const Picture& front = Front();
    ASSERT_GT(front.width, 0);
    const int half = SpriteTable::row(FOREGROUND_LEFT).width;
    double typical = TypicalColumnDifference(front);
    struct Seam {
        const char* what;
        int left, right;
    };
    for (Seam seam : {Seam{"halves", half - 1, half}, Seam{"ends", front.width - 1, 0}}) {
        EXPECT_LE(ColumnDifference(front, seam.left, seam.right), 3 * typical + 2) << seam.what;
        // The skyline may step a blade of grass, not a hill.
        EXPECT_LE(TransparencyMismatches(front, seam.left, seam.right), 6) << seam.what;
    }
}

TEST(Backgrounds, WrapWithoutASeam) {
    for (const char* name : {"bckgnd2.bmp", "backgroundcool.bmp"}) {
        Picture p = LoadBmp(name);
        ASSERT_GT(p.width, 0) << name;
        EXPECT_LE(ColumnDifference(p, p.width - 1, 0), 3 * TypicalColumnDifference(p) + 1) << name;
    }
}
