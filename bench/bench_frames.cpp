// bench/bench_frames.cpp — what one play frame costs: the background read from its file, the slider
// and platform re-cuts, and the whole composed and flipped frame, on the dummy video driver.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>

#include "app/FrameCycle.h"
#include "app/Globals.h"
#include "gfx/CBmpFileReader2.h"
#include "gfx/SpriteCatalogue.h"
#include "level/Level.h"
#include "objects/CObjectManager.h"
#include "platform/Harness.h"
#include "tests/TestScreen.h"

namespace {

// The game's display and sprites, loaded from the generated data.
class Loaded {
public:
    Loaded() {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ok_ = chdir(VORMIL_DATA_DIR) == 0 && screen_.ok() && LoadImages();
    }
    bool ok() const { return ok_; }

private:
    testscreen::TestScreen screen_;
    bool ok_ = false;
};

void BackgroundFromItsFile(benchmark::State& state) {
    Loaded game;
    if (!game.ok()) state.SkipWithError("the game's data could not be loaded");
    for (auto _ : state) {
        CBmpFileReader2 picture;
        picture.load(bckgndname);
        picture.draw(lpSecondary, 640, 480, 0, 0);
    }
}
BENCHMARK(BackgroundFromItsFile)->Unit(benchmark::kMicrosecond);

void SliderAndPlatformRecuts(benchmark::State& state) {
    Loaded game;
    if (!game.ok()) state.SkipWithError("the game's data could not be loaded");
    for (auto _ : state) {
        LoadSlider();
        LoadPlatform();
    }
}
BENCHMARK(SliderAndPlatformRecuts)->Unit(benchmark::kMicrosecond);

// Main level 4, the level with the most objects, composed and flipped.
void ComposedAndFlippedPlayFrame(benchmark::State& state) {
    Loaded game;
    if (!game.ok()) state.SkipWithError("the game's data could not be loaded");
    ObjectManager.reset();
    LevelClass.makeLevel(4);
    for (auto _ : state) {
        ComposeFrame();
        PageFlip();
    }
}
BENCHMARK(ComposedAndFlippedPlayFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
