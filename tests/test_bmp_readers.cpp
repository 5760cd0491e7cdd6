// tests/test_bmp_readers.cpp — both picture readers: loading, reloading, scrolled copies, and
// broken files.
#include <gtest/gtest.h>

#include <vector>

#include "editions/Edition.h"
#include "gfx/CBmpFileReader2.h"
#include "gfx/CBmpSpriteFileReader.h"
#include "platform/DDraw.h"
#include "platform/Harness.h"
#include "platform/IDirectDraw.h"
#include "platform/IDirectDrawSurface.h"
#include "platform/Window.h"
#include "tests/TestFiles.h"
#include "tests/TestScreen.h"

namespace {

using testfiles::Bmp24;
using testfiles::RawBmp;
using testfiles::WorkFolder;
using testfiles::WriteFile;
using Rows = std::vector<std::vector<std::uint8_t>>;

using testscreen::Fill;
using testscreen::Peek;

// A display of the given depth to copy pictures onto, in a fresh working folder.
class ReaderTest : public ::testing::Test {
protected:
    void Open(int depth) {
        Harness::Enable();
        hwnd_ = testscreen::MakeWindow();
        ASSERT_EQ(DirectDrawCreate(nullptr, &dd_, nullptr), DD_OK);
        ASSERT_EQ(dd_->SetCooperativeLevel(hwnd_, DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE), DD_OK);
        ASSERT_EQ(dd_->SetDisplayMode(640, 480, static_cast<DWORD>(depth)), DD_OK);
    }
    void TearDown() override {
        if (dd_ != nullptr) dd_->Release();
        if (hwnd_ != nullptr) DestroyWindow(hwnd_);
        Harness::Finish();
    }
    IDirectDrawSurface* Plain(int w, int h, DWORD fill) {
        IDirectDrawSurface* s = testscreen::MakePlain(dd_, w, h);
        EXPECT_NE(s, nullptr);
        if (s != nullptr) Fill(s, fill);
        return s;
    }

    WorkFolder folder_{false};
    HWND hwnd_ = nullptr;
    IDirectDraw* dd_ = nullptr;
};

TEST_F(ReaderTest, LoadingASecondFileGivesUpTheFirstAndAFailedLoadLeavesTheReaderEmpty) {
    Open(32);
    WriteFile("a.bmp", Bmp24(3, 2, 0x112233));
    WriteFile("b.bmp", Bmp24(5, 4, 0x445566));
    CBmpFileReader2 reader;
    ASSERT_EQ(reader.load("a.bmp"), 1);
    EXPECT_EQ(reader.m_nDibWidth, 3);
    ASSERT_EQ(reader.load("b.bmp"), 1);
    EXPECT_EQ(reader.m_nDibWidth, 5);
    EXPECT_EQ(reader.m_nDibHeight, 4);
    EXPECT_EQ(reader.load("missing.bmp"), 0);
    EXPECT_EQ(reader.m_hDib, nullptr);
    EXPECT_EQ(reader.m_nDibWidth, 5);  // the size of the last picture is kept
    // Copying from the empty reader paints nothing and does not fail hard.
    IDirectDrawSurface* s = Plain(8, 8, 0x00010101);
    EXPECT_EQ(reader.draw(s, 8, 8, 0, 0), 1);
    EXPECT_EQ(Peek(s, 0, 0), 0x00010101u);
}

TEST_F(ReaderTest, ACopyFromColumnXScrollsThePictureAndTheRestComesFromXMinus640) {
    Open(32);
    auto picture = Bmp24(640, 480, 0);
    for (int x = 0; x < 640; ++x) {
        for (int y : {0, 479}) testfiles::SetPixel24(picture, x, y, static_cast<std::uint32_t>(x));
    }
    WriteFile("sky.bmp", picture);
    CBmpFileReader2 reader;
    ASSERT_EQ(reader.load("sky.bmp"), 1);
    IDirectDrawSurface* s = Plain(640, 480, 0x00FFFFFF);
    reader.draw(s, 640, 480, 100, 0);
    EXPECT_EQ(Peek(s, 0, 0), 100u);
    EXPECT_EQ(Peek(s, 539, 479), 639u);
    EXPECT_EQ(Peek(s, 540, 0), 0x00FFFFFFu);  // past the picture's right edge nothing arrives
    reader.draw(s, 640, 480, 100 - 640, 0);
    EXPECT_EQ(Peek(s, 540, 0), 0u);
    EXPECT_EQ(Peek(s, 639, 479), 99u);
    EXPECT_EQ(Peek(s, 539, 0), 639u);  // the first copy's pixels stay
}

TEST_F(ReaderTest, RawRowsArePaddedToFourBytesExceptWhenAlreadyAMultiple) {
    Open(8);
    struct Case {
        const char* name;
        int width;
        std::size_t cutFromEnd;  // bytes missing at the end of the file
        bool loads;
    };
    const Case cases[] = {
        {"1 wide reads its pixel and 3 bytes of padding", 1, 0, true},
        {"1 wide without its padding is short", 1, 3, false},
        {"4 wide has no padding", 4, 0, true},
        {"4 wide missing a pixel byte is short", 4, 1, false},
    };
    for (const Case& c : cases) {
        Rows rows(2, std::vector<std::uint8_t>(static_cast<std::size_t>(c.width), 0));
        rows[0][0] = 0x42;  // top row
        rows[1][0] = 0x17;
        auto file = RawBmp(c.width, 2, kDisplayDepth, rows);
        file.resize(file.size() - c.cutFromEnd);
        WriteFile("raw.bmp", file);
        CBmpFileReader reader;
        EXPECT_EQ(reader.load("raw.bmp"), c.loads) << c.name;
        if (c.loads) {
            // Stored bottom row first.
            EXPECT_EQ(reader.m_pPixels[0], 0x17) << c.name;
            EXPECT_EQ(reader.m_pPixels[c.width], 0x42) << c.name;
        } else {
            EXPECT_EQ(reader.m_pPixels, nullptr) << c.name;
        }
    }
}

TEST_F(ReaderTest, AWrongBitCountIsRejectedBeforeThePaletteIsRead) {
    Open(8);
    Rows rows(1, std::vector<std::uint8_t>(4, 1));
    WriteFile("deep.bmp", RawBmp(4, 1, kDisplayDepth == 8 ? 24 : 8, rows));
    CBmpFileReader reader;
    reader.m_aPalette[5].rgbRed = 0x99;
    EXPECT_FALSE(reader.load("deep.bmp"));
    EXPECT_EQ(reader.m_aPalette[5].rgbRed, 0x99);
    EXPECT_EQ(reader.m_pPixels, nullptr);
}

TEST_F(ReaderTest, BrokenFilesFailToLoadWithoutReadingOrWritingOutOfBounds) {
    Open(8);
    Rows rows(3, std::vector<std::uint8_t>(3, 7));
    const auto good = RawBmp(3, 3, kDisplayDepth, rows);
    auto withSize = [&](std::int32_t width, std::int32_t height) {
        auto f = good;
        for (int i = 0; i < 4; ++i) {
            f[18 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(width) >> (8 * i));
            f[22 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(height) >> (8 * i));
        }
        return f;
    };
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"empty file", {}},
        {"cut inside the headers", std::vector<std::uint8_t>(good.begin(), good.begin() + 30)},
        {"cut inside the palette", std::vector<std::uint8_t>(good.begin(), good.begin() + 600)},
        {"cut inside the rows", std::vector<std::uint8_t>(good.begin(), good.end() - 5)},
        {"width zero", withSize(0, 3)},
        {"height zero", withSize(3, 0)},
        {"negative width", withSize(-3, 3)},
        {"negative height", withSize(3, -3)},
        {"sizes far beyond the file", withSize(0x7FFFFFFF, 0x7FFFFFFF)},
        {"one row more than the file holds", withSize(3, 4)},
    };
    for (const Case& c : cases) {
        WriteFile("broken.bmp", c.bytes);
        CBmpFileReader reader;
        EXPECT_FALSE(reader.load("broken.bmp")) << c.name;
        EXPECT_EQ(reader.m_pPixels, nullptr) << c.name;
    }
    CBmpFileReader missing;
    EXPECT_FALSE(missing.load("no-such-file.bmp"));
}

TEST_F(ReaderTest, APictureLargerThanTheSurfaceIsCutToIt) {
    Open(8);
    Rows rows(8, std::vector<std::uint8_t>(8, 0));
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) rows[y][x] = static_cast<std::uint8_t>(y * 8 + x);
    }
    WriteFile("big.bmp", RawBmp(8, 8, kDisplayDepth, rows));
    CBmpFileReader reader;
    ASSERT_TRUE(reader.load("big.bmp"));
    IDirectDrawSurface* s = Plain(4, 4, 200);
    ASSERT_TRUE(reader.draw(s));
    EXPECT_EQ(Peek(s, 0, 0), 0u);
    EXPECT_EQ(Peek(s, 3, 3), 27u);  // row 3, column 3 of the picture
}

TEST_F(ReaderTest, ASpriteRectangleOutsideThePictureCopiesOnlyThePartOnIt) {
    Open(8);
    Rows rows(8, std::vector<std::uint8_t>(8, 0));
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) rows[y][x] = static_cast<std::uint8_t>(y * 8 + x);
    }
    WriteFile("sheet.bmp", RawBmp(8, 8, kDisplayDepth, rows));
    CBmpSpriteFileReader reader;
    ASSERT_TRUE(reader.load("sheet.bmp"));
    IDirectDrawSurface* s = Plain(4, 4, 200);
    ASSERT_TRUE(reader.draw(s, 4, 4, 2, 1));  // inside: picture (2..5, 1..4)
    EXPECT_EQ(Peek(s, 0, 0), 10u);
    EXPECT_EQ(Peek(s, 3, 3), 37u);
    s = Plain(4, 4, 200);
    ASSERT_TRUE(reader.draw(s, 4, 4, 6, 6));  // only picture (6..7, 6..7) exists
    EXPECT_EQ(Peek(s, 0, 0), 54u);
    EXPECT_EQ(Peek(s, 1, 1), 63u);
    EXPECT_EQ(Peek(s, 2, 0), 200u);
    EXPECT_EQ(Peek(s, 0, 2), 200u);
    s = Plain(4, 4, 200);
    ASSERT_TRUE(reader.draw(s, 4, 4, -2, -3));  // left of and above the picture
    EXPECT_EQ(Peek(s, 2, 3), 0u);
    EXPECT_EQ(Peek(s, 1, 3), 200u);
    EXPECT_EQ(Peek(s, 2, 2), 200u);
    s = Plain(4, 4, 200);
    ASSERT_TRUE(reader.draw(s, 20, 20, 0, 0));  // larger than the surface
    EXPECT_EQ(Peek(s, 3, 3), 27u);
}

}  // namespace
