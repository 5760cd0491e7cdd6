// tests/test_sprite_catalogue.cpp — the catalogue: every frame cut where the sprite table places
// it, a missing sheet, the slider and platform frames following the level, and everything back
// after a loss.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "app/Globals.h"
#include "gfx/CClippedSprite.h"
#include "gfx/SpriteCatalogue.h"
#include "gfx/SpriteTable.h"
#include "level/Level.h"
#include "platform/Harness.h"
#include "platform/IDirectDrawSurface.h"
#include "tests/TestFiles.h"
#include "tests/TestScreen.h"
#include "tools/ScriptRunner.h"

namespace {

using testfiles::WorkFolder;
using testscreen::Peek;

// Every pixel of the test sheets tells where it lies: red and green the low bytes of x and y,
// blue their high bits. No pixel is the transparent colour.
DWORD Where(int x, int y) {
    return (static_cast<DWORD>(x & 0xFF) << 16) | (static_cast<DWORD>(y & 0xFF) << 8) |
           static_cast<DWORD>((x >> 8) | ((y >> 8) << 3));
}

void WriteCodedSheets() {
    auto sheet = testfiles::Bmp24(842, 442, 0);
    for (int y = 0; y < 442; ++y) {
        for (int x = 0; x < 842; ++x) testfiles::SetPixel24(sheet, x, y, Where(x, y));
    }
    testfiles::WriteFile("sprites2.bmp", sheet);
    auto front = testfiles::Bmp24(1368, 162, 0);
    for (int y = 0; y < 162; ++y) {
        for (int x = 0; x < 1368; ++x) testfiles::SetPixel24(front, x, y, Where(x, y));
    }
    testfiles::WriteFile("front2.bmp", front);
}

// Where frame `frame` of `kind` should have been cut, given the level's slider and platform.
SheetPoint Expected(int kind, int frame, bool sliderDrivesRight, bool platformOut) {
    if (kind == SLIDER && frame % SpriteTable::FRAMES_PER_FACE == 0) {
        return SpriteTable::sliderRest(frame / SpriteTable::FRAMES_PER_FACE, sliderDrivesRight);
    }
    if (kind == PLATFORM_PANEL && platformOut) return SpriteTable::platformOut(frame);
    return SpriteTable::row(kind).frame[frame];
}

// Checks the top-left and bottom-right pixel of every frame of every sprite.
void ExpectEveryFrameCut(bool sliderDrivesRight, bool platformOut, const char* when) {
    for (int kind = 0; kind < SpriteTable::SLOT_COUNT; ++kind) {
        CClippedSprite* sprite = g_pSprite[kind];
        ASSERT_NE(sprite, nullptr) << kind;
        const SpriteTable::Row& row = SpriteTable::row(kind);
        ASSERT_EQ(sprite->frame_count(), row.frameCount);
        ASSERT_EQ(sprite->width(), row.width);
        ASSERT_EQ(sprite->height(), row.height);
        for (int f = 0; f < row.frameCount; ++f) {
            SheetPoint at = Expected(kind, f, sliderDrivesRight, platformOut);
            IDirectDrawSurface* surface = sprite->m_ppFrameSurf[f];
            EXPECT_EQ(Peek(surface, 0, 0), Where(at.x, at.y))
                << when << ": kind " << kind << " frame " << f;
            EXPECT_EQ(Peek(surface, row.width - 1, row.height - 1),
                      Where(at.x + row.width - 1, at.y + row.height - 1))
                << when << ": kind " << kind << " frame " << f;
        }
    }
}

TEST(SpriteCatalogue, EveryFrameIsCutWhereTheTableSays) {
    WorkFolder folder(true);
    WriteCodedSheets();
    testscreen::TestScreen screen;
    ASSERT_TRUE(screen.ok());
    ASSERT_TRUE(LoadImages());
    ExpectEveryFrameCut(true, false, "at start");
}

TEST(SpriteCatalogue, AMissingSheetStopsTheStartWithTheSpritesMadeSoFar) {
    struct Case {
        const char* missing;
        int made;
    };
    const Case cases[] = {{"bckgnd2.bmp", 0}, {"sprites2.bmp", 0}, {"front2.bmp", 22}};
    for (const Case& c : cases) {
        WorkFolder folder(true);
        std::remove(c.missing);
        testscreen::TestScreen screen;
        ASSERT_TRUE(screen.ok());
        EXPECT_FALSE(LoadImages()) << c.missing;
        int made = 0;
        for (CClippedSprite* sprite : g_pSprite) made += sprite != nullptr ? 1 : 0;
        EXPECT_EQ(made, c.made) << c.missing;
        EXPECT_EQ(g_pSprite[FOREGROUND_LEFT], nullptr) << c.missing;
        // The screen's end releases exactly those; the sanitizer build sees any leak.
    }
}

TEST(SpriteCatalogue, SliderAndPlatformFramesFollowTheLevelAndEverythingReturnsAfterALoss) {
    WorkFolder folder(true);
    WriteCodedSheets();
    ScriptRunner runner;
    std::istringstream in("key Space\nwait 200\nkey N\nwait 100\n");
    std::string error;
    ASSERT_TRUE(runner.parse(in, error));
    runner.addAction([] {
        ExpectEveryFrameCut(true, false, "first play frames");
        LevelClass.m_bSliderL = false;
        LevelClass.m_bPlatformOut = true;
    });
    std::istringstream next("wait 20\n");
    ASSERT_TRUE(runner.parse(next, error));
    runner.addAction([] {
        ExpectEveryFrameCut(false, true, "the next play frame");
        Harness::ForceDisplayLoss();
    });
    std::istringstream after("wait 20\n");
    ASSERT_TRUE(runner.parse(after, error));
    runner.addAction([] { ExpectEveryFrameCut(false, true, "the frame after a loss"); });
    std::ostringstream out;
    EXPECT_EQ(runner.run(out), 0);
}

// The play screen a fixed script leads to, against the stored picture. Set
// VORMIL_UPDATE_REFERENCES=1 to store the current picture after a deliberate change of drawing.
TEST(SpriteCatalogue, ThePlayScreenMatchesItsReferencePicture) {
    const std::string reference = std::string(VORMIL_SOURCE_DIR) + "/tests/reference/play.bmp";
    const std::string shot = (std::filesystem::temp_directory_path() / "vormil-play.bmp").string();
    ASSERT_EQ(chdir(VORMIL_DATA_DIR), 0);
    ScriptRunner runner;
    std::istringstream in("key Space\nwait 200\nkey N\nwait 1500\nshot " + shot + "\n");
    std::string error;
    ASSERT_TRUE(runner.parse(in, error));
    std::ostringstream out;
    ASSERT_EQ(runner.run(out), 0);
    auto bytes = [](const std::string& path) {
        std::ifstream f(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    };
    const char* update = std::getenv("VORMIL_UPDATE_REFERENCES");
    if (update != nullptr && std::string(update) == "1") {
        std::filesystem::create_directories(std::filesystem::path(reference).parent_path());
        std::filesystem::copy_file(shot, reference,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    const std::string got = bytes(shot);
    ASSERT_FALSE(got.empty());
    EXPECT_TRUE(got == bytes(reference))
        << "the play screen differs from " << reference << "; see " << shot;
}

}  // namespace
