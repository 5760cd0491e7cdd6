// tests/test_sound_manager.cpp — CSoundManager on the mixer in pull mode at 22050 Hz:
// what is heard is checked sample by sample.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "app/Globals.h"
#include "sound/CSoundManager.h"
#include "test_sound_fixtures.h"

using namespace soundtest;

namespace {

class SoundManager_ : public PullMode {
protected:
    void TearDown() override {
        delete manager_;
        manager_ = nullptr;
        PullMode::TearDown();
    }

    CSoundManager* Make() {
        manager_ = new CSoundManager(nullptr);
        return manager_;
    }

    std::string WriteWav(const std::string& name, const std::vector<std::int16_t>& samples) {
        return dir_.Write(name, Wav(samples));
    }

    static bool Playing(IDirectSoundBuffer* b) {
        if (b == nullptr) return false;
        DWORD status = 0;
        EXPECT_EQ(b->GetStatus(&status), DS_OK);
        return (status & DSBSTATUS_PLAYING) != 0;
    }

    CSoundManager* manager_ = nullptr;
};

// The expected output of one sound (sample values) started at the given frames, for `frames`
// frames from frame 0.
std::vector<float> Expected(const std::vector<std::int16_t>& sound, const std::vector<int>& starts,
                            int frames) {
    std::vector<float> out(static_cast<size_t>(frames));
    for (int t = 0; t < frames; ++t) {
        int sum = 0;
        for (int s : starts) {
            if (t >= s && t - s < static_cast<int>(sound.size())) {
                sum += sound[static_cast<size_t>(t - s)];
            }
        }
        out[static_cast<size_t>(t)] = Mixed(sum);
    }
    return out;
}

void Append(std::vector<float>& all, const std::vector<float>& more) {
    all.insert(all.end(), more.begin(), more.end());
}

// Runs the current directory to `dir` for the life of the object.
class InDirectory {
public:
    explicit InDirectory(const std::filesystem::path& dir)
        : saved_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~InDirectory() { std::filesystem::current_path(saved_); }

private:
    std::filesystem::path saved_;
};

}  // namespace

TEST_F(SoundManager_, LoadsTheGamesFormatAndPlaysItExactly) {
    const auto laser = Sine(1000, 2205, 8000);  // PCM, 1 channel, 22050 Hz, 16 bits, 100 ms
    Make()->load(WriteWav("laser.wav", laser).c_str(), 8);
    ASSERT_TRUE(manager_->operational());
    ASSERT_EQ(manager_->sounds(), 1);
    EXPECT_EQ(manager_->copies(0), 8);
    for (int c = 0; c < 8; ++c) EXPECT_NE(manager_->buffer(0, c), nullptr);
    manager_->play(0, 0);
    EXPECT_EQ(Render(2300), Expected(laser, {0}, 2300));
    EXPECT_EQ(AudioMixer::PlayingVoices(), 0);
}

TEST_F(SoundManager_, NinthShotIsDroppedUntilACopyEnds) {
    const auto laser = Sine(700, 2205, 3000);
    Make()->load(WriteWav("laser.wav", laser).c_str(), 8);
    std::vector<float> heard;
    std::vector<int> starts;
    for (int shot = 0; shot < 8; ++shot) {  // eight shots, 100 frames apart
        starts.push_back(shot * 100);
        manager_->play(0, 0);
        EXPECT_TRUE(Playing(manager_->buffer(0, shot))) << "shot " << shot;
        Append(heard, Render(100));
    }
    EXPECT_EQ(AudioMixer::PlayingVoices(), 8);
    manager_->play(0, 0);  // the ninth, at frame 800: every copy is busy
    EXPECT_EQ(AudioMixer::PlayingVoices(), 8);
    Append(heard, Render(2205 - 800));  // up to the end of the first shot
    EXPECT_FALSE(Playing(manager_->buffer(0, 0)));
    EXPECT_EQ(AudioMixer::PlayingVoices(), 7);
    EXPECT_EQ(heard, Expected(laser, starts, 2205)) << "the ninth shot was heard";

    // Now the first copy is idle again and takes the next shot.
    manager_->play(0, 0);
    starts.push_back(2205);
    EXPECT_TRUE(Playing(manager_->buffer(0, 0)));
    EXPECT_EQ(AudioMixer::PlayingVoices(), 8);
    Append(heard, Render(200));  // frame 2405: copy 1 ended at 2305, copy 2 just now
    EXPECT_FALSE(Playing(manager_->buffer(0, 1)));
    EXPECT_FALSE(Playing(manager_->buffer(0, 2)));
    manager_->play(0, 0);  // the first idle copy is copy 1, not copy 2
    starts.push_back(2405);
    EXPECT_TRUE(Playing(manager_->buffer(0, 1)));
    EXPECT_FALSE(Playing(manager_->buffer(0, 2)));
    Append(heard, Render(5000));
    EXPECT_EQ(heard, Expected(laser, starts, static_cast<int>(heard.size())));
}

TEST_F(SoundManager_, IndicesOutsideTheSlotsInUseAreIgnored) {
    Make();
    for (int i = 0; i < 4; ++i) manager_->load(WriteWav("s.wav", {1000, 1000}).c_str(), 1);
    ASSERT_EQ(manager_->sounds(), 4);
    for (int index : {4, -1, 5, 63, 64, INT_MAX, INT_MIN}) {
        manager_->play(index, 0);
        manager_->play(index, 1);
        manager_->stop(index);
    }
    EXPECT_EQ(AudioMixer::PlayingVoices(), 0);
    EXPECT_EQ(Render(3), std::vector<float>(3, 0.0f));
    manager_->play(3, 0);
    EXPECT_EQ(AudioMixer::PlayingVoices(), 1);
}

TEST_F(SoundManager_, ALoopingSoundLoopsUntilStopped) {
    const std::vector<std::int16_t> tone = {100, 200, 300, 400, 500};
    Make()->load(WriteWav("loop.wav", tone).c_str(), 4);
    manager_->play(0, 1);
    const auto heard = Render(23);
    for (int t = 0; t < 23; ++t) EXPECT_EQ(heard[static_cast<size_t>(t)], Mixed(tone[t % 5]));
    EXPECT_TRUE(Playing(manager_->buffer(0, 0)));
    // A second request plays on the next copy, not looping.
    manager_->play(0, 0);
    EXPECT_TRUE(Playing(manager_->buffer(0, 1)));
    Render(10);
    EXPECT_FALSE(Playing(manager_->buffer(0, 1)));
    EXPECT_TRUE(Playing(manager_->buffer(0, 0)));
    manager_->stop(0);
    EXPECT_EQ(AudioMixer::PlayingVoices(), 0);
    EXPECT_EQ(Render(10), std::vector<float>(10, 0.0f));
}

TEST_F(SoundManager_, StopRewinds) {
    std::vector<std::int16_t> ramp;
    for (int i = 1; i <= 100; ++i) ramp.push_back(static_cast<std::int16_t>(i * 10));
    Make()->load(WriteWav("ramp.wav", ramp).c_str(), 2);
    manager_->play(0, 0);
    EXPECT_EQ(Render(40), Expected(ramp, {0}, 40));
    manager_->stop(0);
    EXPECT_FALSE(Playing(manager_->buffer(0, 0)));
    EXPECT_EQ(Render(5), std::vector<float>(5, 0.0f));
    manager_->play(0, 0);  // from the start again, on copy 0
    EXPECT_TRUE(Playing(manager_->buffer(0, 0)));
    EXPECT_EQ(Render(120), Expected(ramp, {0}, 120));

    // stop() stops every slot.
    manager_->load(WriteWav("other.wav", ramp).c_str(), 1);
    manager_->play(0, 1);
    manager_->play(1, 1);
    manager_->play(0, 0);
    EXPECT_EQ(AudioMixer::PlayingVoices(), 3);
    manager_->stop();
    EXPECT_EQ(AudioMixer::PlayingVoices(), 0);
}

TEST_F(SoundManager_, StereoAt44100IsAcceptedAndPlayedAs22050Mono) {
    std::vector<std::int16_t> interleaved;
    for (int i = 0; i < 50; ++i) {
        interleaved.push_back(static_cast<std::int16_t>(i * 100));   // left
        interleaved.push_back(static_cast<std::int16_t>(-i * 100));  // right
    }
    const std::string path = dir_.Write("stereo.wav", Wav(interleaved, 2, 44100));
    Make();
    BYTE* data = nullptr;
    EXPECT_EQ(manager_->LoadSound(path.c_str(), &data), 200);
    delete[] data;
    manager_->load(path.c_str(), 1);
    manager_->play(0, 0);
    // Every 16-bit value of the file is one sample at 22050 Hz: left and right take turns.
    EXPECT_EQ(Render(110), Expected(interleaved, {0}, 110));
}

TEST_F(SoundManager_, FirstChunkIsTakenAsTheFormatWhateverItsName) {
    Make();
    const Bytes samples = SampleBytes({1, 2, 3});
    // The first chunk reads 2 in its first two bytes: refused, although "fmt " follows.
    Bytes two = FormatData(1, 1, 22050, 16);
    two[0] = 2;
    const std::string refused =
        dir_.Write("junk.wav",
                   Riff({{"junk", two}, {"fmt ", FormatData(1, 1, 22050, 16)}, {"data", samples}}));
    BYTE* data = nullptr;
    EXPECT_EQ(manager_->LoadSound(refused.c_str(), &data), 0);
    EXPECT_EQ(data, nullptr);

    // The first chunk reads 1: accepted, whatever it is called.
    Bytes one(20, 0xEE);
    one[0] = 1;
    one[1] = 0;
    const std::string accepted = dir_.Write("abcd.wav", Riff({{"abcd", one}, {"data", samples}}));
    EXPECT_EQ(manager_->LoadSound(accepted.c_str(), &data), 6);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data[0], 1);
    EXPECT_EQ(data[4], 3);
    delete[] data;

    // A format tag other than 1 (here 3, floating point) is refused.
    data = nullptr;
    const std::string floating =
        dir_.Write("float.wav", Riff({{"fmt ", FormatData(3, 1, 22050, 32)}, {"data", samples}}));
    EXPECT_EQ(manager_->LoadSound(floating.c_str(), &data), 0);
}

TEST_F(SoundManager_, ListChunkBetweenFormatAndDataIsSkipped) {
    Bytes list;
    PutId(list, "INFO");
    PutId(list, "INAM");
    Put32(list, 5);
    for (char c : std::string("laser")) list.push_back(static_cast<std::uint8_t>(c));
    list.push_back(0);
    const std::vector<std::int16_t> tone = {-5, 5, -5, 5};
    const std::string path = dir_.Write(
        "list.wav",
        Riff({{"fmt ", FormatData(1, 1, 22050, 16)}, {"LIST", list}, {"data", SampleBytes(tone)}}));
    Make()->load(path.c_str(), 1);
    manager_->play(0, 0);
    EXPECT_EQ(Render(6), Expected(tone, {0}, 6));
}

TEST_F(SoundManager_, AnUnreadableFileUsesUpItsSlot) {
    Make();
    manager_->load((dir_.path() / "missing.wav").c_str(), 8);
    manager_->load(WriteWav("b.wav", {4000}).c_str(), 8);
    ASSERT_EQ(manager_->sounds(), 2);
    EXPECT_EQ(manager_->buffer(0, 0), nullptr);
    manager_->play(0, 0);
    manager_->play(0, 1);
    manager_->stop(0);
    EXPECT_EQ(AudioMixer::PlayingVoices(), 0);
    manager_->play(1, 0);
    EXPECT_EQ(Render(2), std::vector<float>({Mixed(4000), 0.0f}));
}

TEST_F(SoundManager_, LoadsBeyondSixtyFourAreIgnored) {
    Make();
    const std::string path = WriteWav("tiny.wav", {1});
    for (int i = 0; i < 70; ++i) manager_->load(path.c_str(), 1);
    EXPECT_EQ(manager_->sounds(), 64);
    manager_->play(63, 0);
    EXPECT_EQ(Render(1), std::vector<float>({Mixed(1)}));
}

TEST_F(SoundManager_, ClearReleasesEverythingAndTheManagerCanFillAgain) {
    Make();
    manager_->load(WriteWav("a.wav", {1, 1, 1}).c_str(), 4);
    manager_->load(WriteWav("b.wav", {2, 2, 2}).c_str(), 2);
    manager_->play(0, 1);
    manager_->play(1, 0);
    manager_->clear();
    EXPECT_EQ(manager_->sounds(), 0);
    EXPECT_EQ(manager_->buffer(0, 0), nullptr);
    EXPECT_EQ(AudioMixer::PlayingVoices(), 0);
    EXPECT_EQ(Render(2), std::vector<float>(2, 0.0f));
    manager_->play(0, 0);
    EXPECT_EQ(AudioMixer::PlayingVoices(), 0);
    manager_->load(WriteWav("c.wav", {3}).c_str(), 1);
    manager_->play(0, 0);
    EXPECT_EQ(Render(1), std::vector<float>({Mixed(3)}));
}

TEST_F(SoundManager_, DeletingTheManagerStopsItsSoundsAndClosesTheMixer) {
    Make()->load(WriteWav("a.wav", std::vector<std::int16_t>(1000, 100)).c_str(), 8);
    manager_->play(0, 1);
    manager_->play(0, 0);
    delete manager_;
    manager_ = nullptr;
    EXPECT_FALSE(AudioMixer::IsOpen());
}

TEST_F(SoundManager_, StepsRefuseWhatTheyCannotDo) {
    Make();
    EXPECT_EQ(manager_->CreateBuffer(0, 0, 4), 0);
    EXPECT_EQ(manager_->CreateBuffer(0, -2, 4), 0);
    EXPECT_EQ(manager_->CreateBuffer(-1, 10, 4), 0);
    EXPECT_EQ(manager_->CreateBuffer(64, 10, 4), 0);
    BYTE bytes[4] = {1, 0, 2, 0};
    EXPECT_EQ(manager_->LoadBuffer(0, bytes, 4), 0);  // no buffer there
    EXPECT_EQ(manager_->CopyBuffer(0, 4), 0);
    EXPECT_EQ(manager_->copies(0), 0);
    EXPECT_EQ(manager_->LoadSound("x.wav", nullptr), 0);

    ASSERT_EQ(manager_->CreateBuffer(0, 4, 3), 1);
    EXPECT_EQ(manager_->LoadBuffer(0, bytes, 6), 0);  // more than the buffer holds
    EXPECT_EQ(manager_->LoadBuffer(0, bytes, 4), 1);
    EXPECT_EQ(manager_->CopyBuffer(0, 3), 1);
    EXPECT_EQ(manager_->copies(0), 3);
    EXPECT_NE(manager_->buffer(0, 2), nullptr);
    // The slot was not counted by load: the destructor gives its buffers back all the same.
}

TEST_F(SoundManager_, ALostBufferIsRestoredOnceAtLoadTime) {
    Make();
    BYTE bytes[4] = {0x10, 0, 0x20, 0};
    ASSERT_EQ(manager_->CreateBuffer(0, 4, 1), 1);
    AudioMixer::LoseAllBuffers();
    EXPECT_EQ(manager_->LoadBuffer(0, bytes, 4), 1);

    ASSERT_EQ(manager_->CreateBuffer(1, 4, 1), 1);
    AudioMixer::LoseAllBuffers();
    AudioMixer::SetRestorable(false);
    EXPECT_EQ(manager_->LoadBuffer(1, bytes, 4), 0);
    AudioMixer::SetRestorable(true);
}

TEST_F(SoundManager_, LoadSoundsFillsTheFourSlotsFromTheWorkingDirectory) {
    dir_.Write("laser.wav", Wav(Sine(1500, 2000, 5000)));
    // No "button.wav": its slot is used up all the same.
    dir_.Write("levelcomplete.wav", Wav(Sine(500, 4000, 5000)));
    dir_.Write("gameover.wav", Wav(Sine(200, 6000, 5000)));
    InDirectory here(dir_.path());
    ::SoundManager = Make();
    LoadSounds();
    ::SoundManager = nullptr;
    ASSERT_EQ(manager_->sounds(), 4);
    EXPECT_EQ(manager_->copies(0), 8);
    EXPECT_EQ(manager_->copies(1), 0);
    EXPECT_EQ(manager_->buffer(1, 0), nullptr);
    EXPECT_EQ(manager_->copies(2), 4);
    EXPECT_EQ(manager_->copies(3), 4);
    manager_->play(1, 0);
    EXPECT_EQ(AudioMixer::PlayingVoices(), 0);
    manager_->play(3, 0);
    EXPECT_EQ(Render(100), Expected(Sine(200, 6000, 5000), {0}, 100));
}

TEST(SoundManagerNull, LoadSoundsWithoutAManagerDoesNothing) {
    ASSERT_EQ(::SoundManager, nullptr);
    LoadSounds();
    EXPECT_EQ(::SoundManager, nullptr);
}
