// tests/test_viewpoint.cpp — the view on the wrapping world, its easing after the block, and the
// drift of the clouds.
#include <gtest/gtest.h>

#include <vector>

#include "app/CTimer.h"
#include "app/Globals.h"
#include "gfx/CViewPoint.h"
#include "platform/Harness.h"
#include "tests/TestScreen.h"

namespace {

TEST(Viewpoint, ScreenFoldsTheShorterWayButNotAtExactlyHalfTheWorld) {
    struct Case {
        int view, x, column;
    };
    const Case cases[] = {{0, 0, 320},     {0, 684, 1004},  {0, 685, -363}, {0, 1367, 319},
                          {1300, 10, 398}, {10, 1300, 242}, {684, 0, -364}};
    for (const Case& c : cases) {
        CViewPoint view;
        view.m_nViewX = c.view;
        EXPECT_EQ(view.screen(c.x), c.column) << "view " << c.view << ", x " << c.x;
    }
}

TEST(Viewpoint, NormalizeWrapsIntoTheRing) {
    const int cases[][2] = {{-1, 1367}, {0, 0},        {1367, 1367},     {1368, 0},
                            {1369, 1},  {-1369, 1367}, {2 * 1368 + 5, 5}};
    CViewPoint view;
    for (const auto& c : cases) {
        int x = c[0];
        view.normalize(x);
        EXPECT_EQ(x, c[1]) << c[0];
    }
}

// The views and cloud offsets after each of `steps` calls toward `target`.
std::vector<std::pair<int, int>> Follow(int view, int target, int steps) {
    CViewPoint v;
    v.m_nViewX = view;
    std::vector<std::pair<int, int>> path;
    for (int i = 0; i < steps; ++i) {
        v.set_position(target);
        path.emplace_back(v.m_nViewX, v.m_nCloudX);
    }
    return path;
}

TEST(Viewpoint, TheViewEasesFourThenTwoPixelsAndTakesTheShorterWayAroundTheSeam) {
    struct Case {
        const char* what;
        int view, target, steps;
        std::vector<std::pair<int, int>> path;
    };
    const Case cases[] = {
        {"toward 100: 4 a step while more than 60 away, then 2",
         0,
         100,
         12,
         {{4, 2},
          {8, 4},
          {12, 6},
          {16, 8},
          {20, 10},
          {24, 12},
          {28, 14},
          {32, 16},
          {36, 18},
          {40, 20},
          {42, 21},
          {44, 22}}},
        {"toward 1300: left across the seam, wrapped at the next call",
         0,
         1300,
         3,
         {{-4, -2}, {1360, -4}, {1358, -5}}},
        {"a target exactly half the world away is approached across the seam",
         0,
         684,
         1,
         {{-4, -2}}},
        {"an odd distance of 1 is never reached: 102, 100, 102",
         100,
         101,
         3,
         {{102, 1}, {100, 0}, {102, 1}}},
        {"already there: nothing moves", 500, 500, 1, {{500, 0}}},
    };
    for (const Case& c : cases) EXPECT_EQ(Follow(c.view, c.target, c.steps), c.path) << c.what;
}

class Drift : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(screen_.ok());
        Timer.start();
    }
    // One background draw at `speed`, `ms` after the view's last drift step.
    void DrawAfter(CViewPoint& view, int speed, std::uint32_t ms) {
        Harness::Advance(ms);
        view.draw_background(lpBackground, lpSecondary, speed, "no-such-picture.bmp");
    }
    testscreen::TestScreen screen_;
};

TEST_F(Drift, SpeedFiveAdvancesOnePixelPerTenMsAndKeepsShortTimesAddingUp) {
    CViewPoint view;
    view.m_nCloudTime = Timer.time();
    DrawAfter(view, 5, 9);
    EXPECT_EQ(view.m_nCloudX, 0);
    EXPECT_EQ(view.m_nCloudTime, 0);  // the 9 ms are kept for the next step
    DrawAfter(view, 5, 1);
    EXPECT_EQ(view.m_nCloudX, 1);
    EXPECT_EQ(view.m_nCloudTime, 10);
    DrawAfter(view, 0, 500);  // speed 0 only moves the time on
    EXPECT_EQ(view.m_nCloudX, 1);
    EXPECT_EQ(view.m_nCloudTime, 510);
}

TEST_F(Drift, TheOffsetWrapsPast640ToZeroAndBelowZeroTo639) {
    struct Case {
        int from, speed, ms, to;
    };
    const Case cases[] = {
        {639, 3, 50, 0}, {640, 1, 50, 0}, {638, 1, 50, 639}, {-2, 1, 50, 639}, {100, 8, 1000, 260}};
    for (const Case& c : cases) {
        CViewPoint view;
        view.m_nCloudX = c.from;
        view.m_nCloudTime = Timer.time();
        DrawAfter(view, c.speed, static_cast<std::uint32_t>(c.ms));
        EXPECT_EQ(view.m_nCloudX, c.to) << "from " << c.from;
    }
}

}  // namespace
