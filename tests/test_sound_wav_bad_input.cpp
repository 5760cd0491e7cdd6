// tests/test_sound_wav_bad_input.cpp — WAV files whose sizes lie: LoadSound answers 0, hands
// back no array and reads nothing out of bounds (the sanitizer build watches), and load still
// uses up the slot so that the next sound keeps its index.
#include <gtest/gtest.h>

#include "sound/CSoundManager.h"
#include "test_sound_fixtures.h"

using namespace soundtest;

namespace {

class BadWav : public PullMode {
protected:
    void SetUp() override {
        PullMode::SetUp();
        manager_ = new CSoundManager(nullptr);
        ASSERT_TRUE(manager_->operational());
    }
    void TearDown() override {
        delete manager_;
        PullMode::TearDown();
    }

    // LoadSound refuses the file; load uses up slot 0 without a buffer; a good file loaded next
    // gets slot 1 and plays.
    void ExpectRefused(const Bytes& file) {
        const std::string path = dir_.Write("bad.wav", file);
        BYTE* data = new BYTE[4];  // LoadSound frees what it is given
        EXPECT_EQ(manager_->LoadSound(path.c_str(), &data), 0);
        EXPECT_EQ(data, nullptr);
        manager_->load(path.c_str(), 8);
        EXPECT_EQ(manager_->sounds(), 1);
        EXPECT_EQ(manager_->buffer(0, 0), nullptr);
        manager_->play(0, 0);
        EXPECT_EQ(AudioMixer::PlayingVoices(), 0);
        manager_->load(dir_.Write("good.wav", Wav({1234, 4321})).c_str(), 8);
        ASSERT_EQ(manager_->sounds(), 2);
        manager_->play(1, 0);
        EXPECT_EQ(Render(3), std::vector<float>({Mixed(1234), Mixed(4321), 0.0f}));
    }

    static Bytes Format() { return FormatData(1, 1, 22050, 16); }

    CSoundManager* manager_ = nullptr;
};

}  // namespace

TEST_F(BadWav, DataChunkLargerThanTheFile) {
    // The data chunk states 1,000,000 bytes; 100 are there. The RIFF size is the true one.
    ExpectRefused(Riff({{"fmt ", Format()}, {"data", Bytes(100, 0x11), 1000000}}));
}

TEST_F(BadWav, DataChunkLargerThanTheFileWithARiffSizeThatLiesToo) {
    ExpectRefused(
        Riff({{"fmt ", Format()}, {"data", Bytes(100, 0x11), 0xFFFFFFF0u}}, "WAVE", 0xFFFFFFF8u));
}

TEST_F(BadWav, ChunkSizeRunningPastTheRiffChunk) {
    // A LIST chunk between "fmt " and "data" states more than is left of the RIFF chunk; the
    // file goes on long enough, so only the RIFF chunk's end can stop it.
    Bytes file = Riff({{"fmt ", Format()}, {"LIST", Bytes(8, 0x22), 300}, {"data", Bytes(4, 1)}});
    file.resize(file.size() + 400, 0x33);
    ExpectRefused(file);
}

TEST_F(BadWav, FormatChunkRunningPastTheRiffChunk) {
    Bytes file = Riff({{"fmt ", Format(), 5000}, {"data", Bytes(4, 1)}});
    file.resize(file.size() + 6000, 0x44);
    ExpectRefused(file);
}

TEST_F(BadWav, FormatChunkShorterThanSixteenBytes) {
    Bytes shortFormat = Format();
    shortFormat.resize(14);  // tag 1, but no bits-per-sample field
    ExpectRefused(Riff({{"fmt ", shortFormat}, {"data", Bytes(40, 1)}}));
}

TEST_F(BadWav, EmptyFile) {
    ExpectRefused(Bytes{});
}

TEST_F(BadWav, FileCutInsideTheFormatRecord) {
    Bytes file = Wav({1, 2, 3});
    file.resize(30);  // RIFF and fmt sizes now run past the end
    ExpectRefused(file);
}

TEST_F(BadWav, NotAWaveFile) {
    ExpectRefused(Riff({{"fmt ", Format()}, {"data", Bytes(4, 1)}}, "AVI "));
    Bytes text(64, 'x');
    delete manager_;
    manager_ = new CSoundManager(nullptr);
    ExpectRefused(text);
}

TEST_F(BadWav, NoDataChunkOrAnEmptyOne) {
    ExpectRefused(Riff({{"fmt ", Format()}}));
    delete manager_;
    manager_ = new CSoundManager(nullptr);
    ExpectRefused(Riff({{"fmt ", Format()}, {"data", Bytes{}}}));
}

TEST_F(BadWav, OddSizedDataIsReadWhole) {
    // Not a lie: 3 bytes of data (padded in the file) are read as they are; the last half
    // sample is never played.
    const std::string path =
        dir_.Write("odd.wav", Riff({{"fmt ", Format()}, {"data", Bytes{0x10, 0x00, 0x20}}}));
    BYTE* data = nullptr;
    EXPECT_EQ(manager_->LoadSound(path.c_str(), &data), 3);
    delete[] data;
    manager_->load(path.c_str(), 1);
    manager_->play(0, 0);
    EXPECT_EQ(Render(2), std::vector<float>({Mixed(0x10), 0.0f}));
}
