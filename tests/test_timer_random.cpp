// tests/test_timer_random.cpp — the program clock's "has this much time passed" and the random
// numbers.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "app/CRandom.h"
#include "app/CTimer.h"
#include "platform/Harness.h"

namespace {

class ClockTest : public ::testing::Test {
protected:
    void SetUp() override { Harness::Enable(); }
    void TearDown() override { Harness::Finish(); }
};

TEST_F(ClockTest, ElapsedAnswersOncePerIntervalAndMovesStartToTheMomentAsked) {
    CTimer timer;
    timer.start();
    int start = 0;
    Harness::Advance(2499);
    EXPECT_FALSE(timer.elapsed(start, 2500));
    EXPECT_EQ(start, 0);
    Harness::Advance(7);  // noticed late, at 2506
    EXPECT_TRUE(timer.elapsed(start, 2500));
    EXPECT_EQ(start, 2506);
    Harness::Advance(2499);
    EXPECT_FALSE(timer.elapsed(start, 2500));
    Harness::Advance(1);
    EXPECT_TRUE(timer.elapsed(start, 2500));
    EXPECT_EQ(start, 5006);
}

TEST_F(ClockTest, ElapsedWithAStartInTheFutureWaitsForThatMomentPlusTheInterval) {
    CTimer timer;
    timer.start();
    int start = 1000;
    Harness::Advance(1099);
    EXPECT_FALSE(timer.elapsed(start, 100));
    Harness::Advance(1);
    EXPECT_TRUE(timer.elapsed(start, 100));
}

TEST_F(ClockTest, ElapsedWithIntervalZeroIsAlwaysTrue) {
    CTimer timer;
    timer.start();
    int start = 0;
    EXPECT_TRUE(timer.elapsed(start, 0));
    EXPECT_TRUE(timer.elapsed(start, 0));
}

TEST_F(ClockTest, TimeStaysRightAcrossTheWrapOfTheSystemCounter) {
    CTimer timer;
    // Started 10 ms before the 32-bit counter wraps.
    Harness::Advance(0xFFFFFFF6u);
    timer.start();
    Harness::Advance(25);
    EXPECT_EQ(timer.time(), 25);
}

TEST_F(ClockTest, TheThousandAndFirstDrawReseedsFromTheClockBeforeDrawing) {
    Harness::Advance(12345);
    CRandom random;  // seeded with 12345
    const int first = random.number(0, 32766);
    for (int i = 2; i <= 1000; ++i) random.number(0, 32766);
    EXPECT_EQ(random.m_nCount, 1000);
    // Still at 12345 ms: the reseed repeats the very first draw.
    EXPECT_EQ(random.number(0, 32766), first);
    EXPECT_EQ(random.m_nCount, 0);
}

TEST_F(ClockTest, AnUpperBoundOf32767OrMoreCombinesTwoDrawsInto30Bits) {
    struct Case {
        int i, j;
        bool twoDraws;
    };
    const Case cases[] = {{0, 1073741823, true}, {5, 32767, true}, {0, 32766, false}};
    for (const Case& c : cases) {
        CRandom random;
        std::srand(777);
        const long long a = std::rand() & 0x7FFF;
        const long long b = std::rand() & 0x7FFF;
        const long long range = static_cast<long long>(c.j) - c.i + 1;
        const long long expected = (c.twoDraws ? ((a << 15) | b) : a) % range + c.i;
        std::srand(777);
        EXPECT_EQ(random.number(c.i, c.j), expected) << "j = " << c.j;
    }
}

TEST_F(ClockTest, MinusOneToOneGivesEachValueAboutAThirdOfTheTime) {
    CRandom random;
    int seen[3] = {0, 0, 0};
    for (int n = 0; n < 3000; ++n) {
        int v = random.number(-1, 1);
        ASSERT_GE(v, -1);
        ASSERT_LE(v, 1);
        ++seen[v + 1];
    }
    for (int count : seen) {
        EXPECT_GT(count, 800);
        EXPECT_LT(count, 1200);
    }
}

}  // namespace
