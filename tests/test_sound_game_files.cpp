// tests/test_sound_game_files.cpp — the game's own four WAV files (synthesised at build time
// into VORMIL_DATA_DIR) load through LoadSounds in the fixed format and are heard.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "app/Globals.h"
#include "platform/Mmio.h"
#include "sound/CSoundManager.h"
#include "test_sound_fixtures.h"

using namespace soundtest;

namespace {

class GameSounds : public PullMode {
protected:
    GameSounds() : PullMode(48000) {}
};

const char* const kFiles[4] = {"laser.wav", "button.wav", "levelcomplete.wav", "gameover.wav"};

}  // namespace

TEST_F(GameSounds, EachFileHoldsTheFixedFormat) {
    for (const char* name : kFiles) {
        const std::string path = (std::filesystem::path(VORMIL_DATA_DIR) / name).string();
        HMMIO h = mmioOpenA(path.c_str(), nullptr, MMIO_ALLOCBUF | MMIO_READ);
        ASSERT_NE(h, nullptr) << path;
        MMCKINFO riff{};
        riff.fccType = mmioFOURCC('W', 'A', 'V', 'E');
        ASSERT_EQ(mmioDescend(h, &riff, nullptr, MMIO_FINDRIFF), MMSYSERR_NOERROR) << name;
        MMCKINFO fmt{};
        ASSERT_EQ(mmioDescend(h, &fmt, &riff, 0), MMSYSERR_NOERROR) << name;
        EXPECT_EQ(fmt.ckid, mmioFOURCC('f', 'm', 't', ' ')) << name;
        WAVEFORMATEX wfx{};
        ASSERT_EQ(mmioRead(h, reinterpret_cast<char*>(&wfx), sizeof wfx), 18) << name;
        EXPECT_EQ(wfx.wFormatTag, 1) << name;
        EXPECT_EQ(wfx.nChannels, 1) << name;
        EXPECT_EQ(wfx.nSamplesPerSec, 22050u) << name;
        EXPECT_EQ(wfx.wBitsPerSample, 16) << name;
        mmioClose(h, 0);
    }
}

TEST_F(GameSounds, LoadSoundsFillsTheFourSlotsAndEachIsHeard) {
    std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(VORMIL_DATA_DIR);
    auto* manager = new CSoundManager(nullptr);
    ::SoundManager = manager;
    LoadSounds();
    ::SoundManager = nullptr;
    std::filesystem::current_path(saved);

    ASSERT_EQ(manager->sounds(), 4);
    const int copies[4] = {8, 8, 4, 4};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(manager->copies(i), copies[i]) << kFiles[i];
        for (int c = 0; c < copies[i]; ++c) EXPECT_NE(manager->buffer(i, c), nullptr) << i;
    }
    for (int i = 0; i < 4; ++i) {
        manager->play(i, 0);
        float peak = 0.0f;
        int frames = 0;
        while (AudioMixer::PlayingVoices() > 0 && frames < 48000 * 10) {
            for (float y : Render(480)) peak = std::max(peak, std::fabs(y));
            frames += 480;
        }
        EXPECT_GT(peak, 0.05f) << kFiles[i] << " was not heard";
        EXPECT_LT(frames, 48000 * 10) << kFiles[i] << " never ended";
    }
    // Eight overlapping laser shots.
    for (int shot = 0; shot < 9; ++shot) {
        manager->play(0, 0);
        Render(480);
    }
    EXPECT_EQ(AudioMixer::PlayingVoices(), 8);
    delete manager;
}
