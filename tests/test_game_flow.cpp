// tests/test_game_flow.cpp — whole runs of the game on the virtual clock: phases, keys, closing,
// failed starts, switching away and back, and lost surfaces.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/Globals.h"
#include "gfx/DisplaySetup.h"
#include "level/Level.h"
#include "platform/DDraw.h"
#include "platform/Harness.h"
#include "platform/IDirectDrawSurface.h"
#include "tests/TestFiles.h"
#include "tools/ScriptRunner.h"

namespace {

using testfiles::WorkFolder;

struct RunResult {
    int exitCode;
    std::string out;
};

RunResult Play(ScriptRunner& runner) {
    std::ostringstream out;
    int code = runner.run(out);
    return {code, out.str()};
}

RunResult Play(const std::string& script) {
    ScriptRunner runner;
    std::istringstream in(script);
    std::string error;
    EXPECT_TRUE(runner.parse(in, error)) << error;
    return Play(runner);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Phase(const std::string& stateLine) {
    return stateLine.substr(0, stateLine.find(' '));
}

TEST(GameFlow, TheTitleGivesWayToTheMenuBy6100Ms) {
    WorkFolder folder(true);
    auto lines = Lines(Play("state\nwait 5850\nstate\nwait 250\nstate\n").out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Phase(lines[0]), "phase=0");
    EXPECT_EQ(Phase(lines[1]), "phase=0");
    EXPECT_EQ(Phase(lines[2]), "phase=1");
}

TEST(GameFlow, EveryKeyOnTheTitleLeadsToTheMenuAndNoneEndsTheProgram) {
    for (const char* key : {"Escape", "Space", "Q", "Left", "N"}) {
        WorkFolder folder(true);
        std::string script = std::string("wait 300\nkey ") + key + "\nwait 250\nstate\n";
        RunResult run = Play(script);
        auto lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 1u) << key;
        EXPECT_EQ(Phase(lines[0]), "phase=1") << key;
        EXPECT_EQ(run.exitCode, 0);
    }
}

TEST(GameFlow, TitleAndMenuKeysChooseTheSetAndTheLevel) {
    struct Case {
        const char* keys;  // title key first, then menu keys
        const char* expected;
    };
    const Case cases[] = {
        {"key L\nwait 200\n", "phase=1 level=1 set=1"},
        {"key L\nwait 200\nkey U\nwait 200\n", "phase=1 level=1 set=0"},
        {"key Space\nwait 200\nkey L\nwait 200\n", "phase=1 level=1 set=1"},
        {"key Space\nwait 200\nkey X\nwait 200\n", "phase=1 level=1 set=0"},
        {"key Space\nwait 200\nkey N\nwait 200\n", "phase=2 level=1 set=0"},
        {"key Space\nwait 200\nkey C\nwait 200\n", "phase=2 level=1 set=0"},
        {"key Space\nwait 200\nkey N\nwait 200\nkey Escape\nwait 100\n", "phase=1 level=1 set=0"},
    };
    for (const Case& c : cases) {
        WorkFolder folder(true);
        auto lines = Lines(Play(std::string("wait 100\n") + c.keys + "state\n").out);
        ASSERT_EQ(lines.size(), 1u) << c.keys;
        EXPECT_EQ(lines[0].substr(0, std::string(c.expected).size()), c.expected) << c.keys;
    }
}

// Runs `script`, then `check` at the script's end, before the run is closed.
void PlayAndCheck(const std::string& script, const std::function<void()>& check) {
    ScriptRunner runner;
    std::istringstream in(script);
    std::string error;
    ASSERT_TRUE(runner.parse(in, error)) << error;
    runner.addAction(check);
    Play(runner);
}

TEST(GameFlow, CheatKeysOnTheTitleInTheMenuAndInPlay) {
    WorkFolder folder(true);
    bool titleCheat = false;
    PlayAndCheck("wait 100\nkey G\nwait 200\n",
                 [&] { titleCheat = g_Glitch && !g_superGlitch && GamePhase == MENU_PHASE; });
    EXPECT_TRUE(titleCheat);

    bool freeMovement = false;
    std::string background;
    PlayAndCheck("key Space\nwait 200\nkey G\nwait 200\nkey G\nwait 200\nkey N\nwait 100\n", [&] {
        freeMovement = g_superGlitch && !g_Glitch && GamePhase == PLAYING_PHASE;
        background = bckgndname;
    });
    EXPECT_TRUE(freeMovement);
    EXPECT_EQ(background, "backgroundcool.bmp");

    bool cleared = false;
    PlayAndCheck(
        "key Space\nwait 200\nkey G\nwait 200\nkey G\nwait 200\nkey N\nwait 100\n"
        "key U\nwait 100\n",
        [&] {
            cleared = !g_Glitch && !g_superGlitch && std::string(bckgndname) == "bckgnd2.bmp" &&
                      GamePhase == PLAYING_PHASE;
        });
    EXPECT_TRUE(cleared);
}

TEST(GameFlow, EscapeAndQInTheMenuEndTheProgramWithExitCodeZero) {
    for (const char* key : {"Escape", "Q"}) {
        WorkFolder folder(true);
        // The state line after the key is never printed: the program has ended.
        RunResult run =
            Play(std::string("key Space\nwait 200\nkey ") + key + "\nwait 500\nstate\n");
        EXPECT_EQ(run.exitCode, 0) << key;
        EXPECT_TRUE(run.out.empty()) << key << ": " << run.out;
    }
}

TEST(GameFlow, TheSystemCloseCommandInEachPhaseEndsWithZeroAndShowsThePointer) {
    const char* toPhase[] = {"", "key Space\nwait 200\n", "key Space\nwait 200\nkey N\nwait 200\n"};
    for (int phase = 0; phase < 3; ++phase) {
        WorkFolder folder(true);
        ScriptRunner runner;
        std::istringstream in(std::string("wait 100\n") + toPhase[phase]);
        std::string error;
        ASSERT_TRUE(runner.parse(in, error));
        int phaseSeen = -1;
        runner.addAction([&] {
            phaseSeen = GamePhase;
            Harness::RequestClose();
        });
        std::istringstream after("wait 500\nstate\n");
        ASSERT_TRUE(runner.parse(after, error));
        std::ostringstream out;
        int code = runner.run(out);
        EXPECT_EQ(phaseSeen, phase);
        EXPECT_EQ(code, 0);
        EXPECT_EQ(Harness::CursorCount(), 0);
        EXPECT_TRUE(out.str().empty()) << "the game ran on after the close: " << out.str();
    }
}

TEST(GameFlow, AMissingPictureEndsTheStartBeforeTheLoopAndShowsThePointerAgain) {
    for (const char* missing : {"bckgnd2.bmp", "sprites2.bmp", "front2.bmp"}) {
        WorkFolder folder(true);
        std::remove(missing);
        ScriptRunner runner;
        bool loopRan = false;
        runner.addAction([&] { loopRan = true; });
        std::ostringstream out;
        int code = runner.run(out);
        // The counter of the run that just ended: hidden at start, shown again at the end.
        int cursorAfter = Harness::CursorCount();
        EXPECT_EQ(code, 0) << missing;
        EXPECT_FALSE(loopRan) << missing;
        EXPECT_EQ(cursorAfter, 0) << missing;
    }
}

TEST(GameFlow, WithoutADisplayTheProgramEndsWithZero) {
    WorkFolder folder(true);
    Harness::SetVideoDriver("no-such-driver");
    ScriptRunner runner;
    bool loopRan = false;
    runner.addAction([&] { loopRan = true; });
    std::ostringstream out;
    EXPECT_EQ(runner.run(out), 0);
    EXPECT_FALSE(loopRan);
}

TEST(GameFlow, AnInactiveProgramRunsNoFramesAndAnOverdueTitleGivesWayOnReturn) {
    WorkFolder folder(true);
    ScriptRunner runner;
    std::string error;
    std::istringstream away("wait 1000\n");
    ASSERT_TRUE(runner.parse(away, error));
    runner.addAction([] { Harness::SetFocus(false); });
    std::istringstream later("wait 9000\n");
    ASSERT_TRUE(runner.parse(later, error));
    int phaseWhileAway = -1;
    bool activeWhileAway = true;
    runner.addAction([&] {
        phaseWhileAway = GamePhase;
        activeWhileAway = ActiveApp;
        Harness::SetFocus(true);
    });
    std::istringstream back("wait 150\nstate\n");
    ASSERT_TRUE(runner.parse(back, error));
    RunResult run = Play(runner);
    EXPECT_FALSE(activeWhileAway);
    EXPECT_EQ(phaseWhileAway, INTRO_PHASE);  // 10000 ms in, but no frame ran to notice
    auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(Phase(lines[0]), "phase=1");
}

TEST(GameFlow, LostSurfacesAreRestoredByTheNextFrameAndTheMenuIsShownAgain) {
    WorkFolder folder(true);
    ScriptRunner runner;
    std::string error;
    std::istringstream toMenu("key Space\nwait 300\n");
    ASSERT_TRUE(runner.parse(toMenu, error));
    runner.addAction([] { Harness::ForceDisplayLoss(); });
    std::istringstream next("wait 150\n");
    ASSERT_TRUE(runner.parse(next, error));
    HRESULT lostAfter = DDERR_SURFACELOST;
    DWORD primaryPixel = 0;
    runner.addAction([&] {
        lostAfter = lpPrimary->IsLost();
        primaryPixel = color(0xFFFFFFFF, lpPrimary);
    });
    Play(runner);
    EXPECT_EQ(lostAfter, DD_OK);
    // The loss wiped the surfaces; only a redraw puts the menu back on the visible one.
    EXPECT_EQ(primaryPixel, testfiles::kMenuColour);
}

TEST(GameFlow, PlayShowsTheDriftingBackgroundAndTheSameScriptGivesTheSameRun) {
    WorkFolder folder(true);
    auto sky = testfiles::Bmp24(640, 480, 0);
    for (int x = 0; x < 640; ++x) {
        for (int y = 0; y < 480; ++y)
            testfiles::SetPixel24(sky, x, y, static_cast<std::uint32_t>(x));
    }
    testfiles::WriteFile("bckgnd2.bmp", sky);
    auto run = [] {
        ScriptRunner runner;
        std::istringstream in("key Space\nwait 200\nkey N\nwait 1000\n");
        std::string error;
        EXPECT_TRUE(runner.parse(in, error));
        std::vector<std::uint32_t> first, second;
        runner.addAction([&] { Harness::CaptureScreen(first); });
        std::istringstream more("wait 1000\n");
        EXPECT_TRUE(runner.parse(more, error));
        runner.addAction([&] { Harness::CaptureScreen(second); });
        Play(runner);
        return std::make_pair(first, second);
    };
    auto a = run();
    auto b = run();
    ASSERT_EQ(a.first.size(), 640u * 480u);
    // The clouds drift left: screen column 0 shows a later picture column a second on.
    EXPECT_NE(a.first[0], a.second[0]);
    EXPECT_EQ(a.first, b.first);
    EXPECT_EQ(a.second, b.second);
}

TEST(ScriptRunner, ACommentMayFollowAnyCommand) {
    ScriptRunner runner;
    std::istringstream in("state # where the game starts\nwait 100 # a while\nkey N #\n");
    std::string error;
    EXPECT_TRUE(runner.parse(in, error)) << error;
    EXPECT_EQ(runner.time(), 100u);
}

TEST(ScriptRunner, RejectsLinesItDoesNotUnderstand) {
    const char* bad[] = {"jump 5\n", "wait\n", "wait -3\n",   "wait 12x\n", "key Home\n",
                         "key\n",    "shot\n", "state now\n", "key A B\n"};
    for (const char* line : bad) {
        ScriptRunner runner;
        std::istringstream in(std::string("# a comment\n\n") + line);
        std::string error;
        EXPECT_FALSE(runner.parse(in, error)) << line;
        EXPECT_EQ(error.rfind("line 3:", 0), 0u) << error;
    }
}

}  // namespace
