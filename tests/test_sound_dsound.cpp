// tests/test_sound_dsound.cpp — the DirectSound stand-ins and the mixer in pull mode at 22050 Hz,
// where the output is the exact sum of the playing buffers.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/DSound.h"
#include "test_sound_fixtures.h"

using namespace soundtest;

namespace {

WAVEFORMATEX FixedFormat() {
    WAVEFORMATEX f{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = 1;
    f.nSamplesPerSec = 22050;
    f.wBitsPerSample = 16;
    f.nBlockAlign = 2;
    f.nAvgBytesPerSec = 44100;
    return f;
}

class DSound : public PullMode {
protected:
    void SetUp() override {
        PullMode::SetUp();
        ASSERT_EQ(DirectSoundCreate(nullptr, &ds_, nullptr), DS_OK);
        ASSERT_NE(ds_, nullptr);
        ASSERT_EQ(ds_->SetCooperativeLevel(nullptr, DSSCL_NORMAL), DS_OK);
    }
    void TearDown() override {
        if (ds_ != nullptr) {
            EXPECT_EQ(ds_->Release(), 0u);
        }
        ds_ = nullptr;
        PullMode::TearDown();
    }

    // A static buffer holding the samples.
    IDirectSoundBuffer* Make(const std::vector<std::int16_t>& samples) {
        WAVEFORMATEX format = FixedFormat();
        DSBUFFERDESC desc{};
        desc.dwSize = sizeof desc;
        desc.dwFlags = DSBCAPS_STATIC;
        desc.dwBufferBytes = static_cast<DWORD>(samples.size() * 2);
        desc.lpwfxFormat = &format;
        IDirectSoundBuffer* b = nullptr;
        EXPECT_EQ(ds_->CreateSoundBuffer(&desc, &b, nullptr), DS_OK);
        if (b == nullptr) return nullptr;
        Fill(b, samples);
        return b;
    }

    static void Fill(IDirectSoundBuffer* b, const std::vector<std::int16_t>& samples) {
        void* p1 = nullptr;
        void* p2 = nullptr;
        DWORD n1 = 0;
        DWORD n2 = 0;
        const DWORD bytes = static_cast<DWORD>(samples.size() * 2);
        ASSERT_EQ(b->Lock(0, bytes, &p1, &n1, &p2, &n2, 0), DS_OK);
        ASSERT_EQ(n1, bytes);
        ASSERT_EQ(p2, nullptr);
        std::memcpy(p1, samples.data(), bytes);
        ASSERT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);
    }

    static bool Playing(IDirectSoundBuffer* b) {
        DWORD status = 0xFFFF;
        EXPECT_EQ(b->GetStatus(&status), DS_OK);
        return (status & DSBSTATUS_PLAYING) != 0;
    }

    IDirectSound* ds_ = nullptr;
};

std::vector<float> MixedAll(const std::vector<int>& sums) {
    std::vector<float> out;
    for (int s : sums) out.push_back(Mixed(s));
    return out;
}

}  // namespace

TEST_F(DSound, ResultCodesAndFlagsHaveDirectSoundValues) {
    EXPECT_EQ(static_cast<std::uint32_t>(DSERR_BUFFERLOST), 0x88780096u);
    EXPECT_EQ(DS_OK, 0);
    EXPECT_TRUE(FAILED(DSERR_BUFFERLOST));
    EXPECT_EQ(DSSCL_NORMAL, 1u);
    EXPECT_EQ(DSBCAPS_STATIC, 2u);
    EXPECT_EQ(DSBPLAY_LOOPING, 1u);
    EXPECT_EQ(DSBSTATUS_PLAYING, 1u);
}

TEST_F(DSound, CreateRefusesOtherFormatsAndBadDescriptions) {
    WAVEFORMATEX format = FixedFormat();
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DSBCAPS_STATIC;
    desc.dwBufferBytes = 100;
    desc.lpwfxFormat = &format;
    IDirectSoundBuffer* b = reinterpret_cast<IDirectSoundBuffer*>(1);

    format.nSamplesPerSec = 44100;
    format.nAvgBytesPerSec = 88200;
    EXPECT_EQ(ds_->CreateSoundBuffer(&desc, &b, nullptr), DSERR_INVALIDPARAM);
    EXPECT_EQ(b, nullptr);
    format = FixedFormat();
    format.nChannels = 2;
    EXPECT_EQ(ds_->CreateSoundBuffer(&desc, &b, nullptr), DSERR_INVALIDPARAM);
    format = FixedFormat();
    desc.dwBufferBytes = 0;
    EXPECT_EQ(ds_->CreateSoundBuffer(&desc, &b, nullptr), DSERR_INVALIDPARAM);
    desc.dwBufferBytes = 100;
    desc.dwSize = 36 + 4;
    EXPECT_EQ(ds_->CreateSoundBuffer(&desc, &b, nullptr), DSERR_INVALIDPARAM);
    desc.dwSize = sizeof desc;
    desc.dwFlags = 0x8;  // not a flag we have
    EXPECT_EQ(ds_->CreateSoundBuffer(&desc, &b, nullptr), DSERR_INVALIDPARAM);
    desc.dwFlags = DSBCAPS_STATIC;
    desc.lpwfxFormat = nullptr;
    EXPECT_EQ(ds_->CreateSoundBuffer(&desc, &b, nullptr), DSERR_INVALIDPARAM);
    EXPECT_EQ(ds_->CreateSoundBuffer(nullptr, &b, nullptr), DSERR_INVALIDPARAM);
    EXPECT_EQ(ds_->SetCooperativeLevel(nullptr, 2), DSERR_INVALIDPARAM);
    desc.lpwfxFormat = &format;
    ASSERT_EQ(ds_->CreateSoundBuffer(&desc, &b, nullptr), DS_OK);
    EXPECT_EQ(b->Release(), 0u);
}

TEST_F(DSound, PlaysOnceThenStopsAndRewinds) {
    IDirectSoundBuffer* b = Make({1000, 2000, 3000});
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(Playing(b));
    EXPECT_EQ(Render(2), MixedAll({0, 0}));
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_TRUE(Playing(b));
    EXPECT_EQ(Render(2), MixedAll({1000, 2000}));
    EXPECT_TRUE(Playing(b));
    EXPECT_EQ(Render(3), MixedAll({3000, 0, 0}));
    EXPECT_FALSE(Playing(b));
    // Played again without setting the position: from the start.
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Render(4), MixedAll({1000, 2000, 3000, 0}));
    EXPECT_EQ(b->Play(1, 0, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->Play(0, 1, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->Play(0, 0, 0x2), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->Release(), 0u);
}

TEST_F(DSound, LoopsUntilStoppedAndStopKeepsThePosition) {
    IDirectSoundBuffer* b = Make({1, 2, 3});
    ASSERT_EQ(b->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    EXPECT_EQ(Render(8), MixedAll({1, 2, 3, 1, 2, 3, 1, 2}));
    EXPECT_TRUE(Playing(b));
    ASSERT_EQ(b->Stop(), DS_OK);
    EXPECT_FALSE(Playing(b));
    EXPECT_EQ(Render(2), MixedAll({0, 0}));
    // Play resumes where Stop left it; SetCurrentPosition rewinds.
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Render(2), MixedAll({3, 0}));
    ASSERT_EQ(b->SetCurrentPosition(2), DS_OK);  // byte 2: the second sample
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Render(3), MixedAll({2, 3, 0}));
    EXPECT_EQ(b->SetCurrentPosition(6), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->Release(), 0u);
}

TEST_F(DSound, DuplicatesShareTheFirstBuffersMemoryAndPlayOnTheirOwn) {
    IDirectSoundBuffer* first = Make({10, 20, 30, 40});
    IDirectSoundBuffer* copy = nullptr;
    ASSERT_EQ(ds_->DuplicateSoundBuffer(first, &copy), DS_OK);
    ASSERT_NE(copy, nullptr);
    EXPECT_FALSE(Playing(copy));
    // New samples written through the first buffer are heard through the duplicate.
    Fill(first, {5, 6, 7, 8});
    ASSERT_EQ(copy->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Render(2), MixedAll({5, 6}));
    ASSERT_EQ(first->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Render(4), MixedAll({7 + 5, 8 + 6, 7, 8}));
    EXPECT_EQ(AudioMixer::PlayingVoices(), 0);
    // The duplicate outlives the buffer it was made from.
    EXPECT_EQ(first->Release(), 0u);
    ASSERT_EQ(copy->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Render(1), MixedAll({5}));
    EXPECT_EQ(copy->Release(), 0u);
    EXPECT_EQ(ds_->DuplicateSoundBuffer(nullptr, &copy), DSERR_INVALIDPARAM);
    EXPECT_EQ(copy, nullptr);
}

TEST_F(DSound, LockGivesTwoRegionsWhenItRunsPastTheEnd) {
    IDirectSoundBuffer* b = Make({0, 0, 0, 0, 0});  // 10 bytes
    void* p1 = nullptr;
    void* p2 = nullptr;
    DWORD n1 = 0;
    DWORD n2 = 0;
    ASSERT_EQ(b->Lock(6, 8, &p1, &n1, &p2, &n2, 0), DS_OK);
    EXPECT_EQ(n1, 4u);
    EXPECT_EQ(n2, 4u);
    ASSERT_NE(p2, nullptr);
    EXPECT_EQ(static_cast<char*>(p1) - static_cast<char*>(p2), 6);
    const std::int16_t tail[2] = {300, 400};
    const std::int16_t head[2] = {100, 200};
    std::memcpy(p1, tail, 4);
    std::memcpy(p2, head, 4);
    // A locked buffer is not heard.
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Render(1), MixedAll({0}));
    ASSERT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);
    EXPECT_EQ(Render(5), MixedAll({100, 200, 0, 300, 400}));

    // Without a second pointer the lock stops at the end of the buffer.
    ASSERT_EQ(b->Lock(8, 4, &p1, &n1, nullptr, nullptr, 0), DS_OK);
    EXPECT_EQ(n1, 2u);
    ASSERT_EQ(b->Unlock(p1, n1, nullptr, 0), DS_OK);

    EXPECT_EQ(b->Lock(10, 2, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->Lock(0, 11, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->Lock(0, 0, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->Lock(0, 2, &p1, &n1, &p2, &n2, 0x1), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->Unlock(p1, 2, nullptr, 0), DSERR_INVALIDPARAM);  // not locked
    std::int16_t elsewhere[4];
    ASSERT_EQ(b->Lock(0, 2, &p1, &n1, &p2, &n2, 0), DS_OK);
    EXPECT_EQ(b->Unlock(elsewhere, 2, nullptr, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->Unlock(p1, 2, nullptr, 0), DS_OK);
    EXPECT_EQ(b->Release(), 0u);
}

TEST_F(DSound, LostMemoryIsRestored) {
    IDirectSoundBuffer* b = Make({7, 7});
    ASSERT_EQ(b->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    AudioMixer::LoseAllBuffers();
    EXPECT_FALSE(Playing(b));
    void* p1 = nullptr;
    DWORD n1 = 0;
    EXPECT_EQ(b->Lock(0, 2, &p1, &n1, nullptr, nullptr, 0), DSERR_BUFFERLOST);
    EXPECT_EQ(b->Play(0, 0, 0), DSERR_BUFFERLOST);
    AudioMixer::SetRestorable(false);
    EXPECT_EQ(b->Restore(), DSERR_BUFFERLOST);
    AudioMixer::SetRestorable(true);
    EXPECT_EQ(b->Restore(), DS_OK);
    EXPECT_EQ(b->Restore(), DS_OK);
    EXPECT_EQ(b->Lock(0, 2, &p1, &n1, nullptr, nullptr, 0), DS_OK);
    EXPECT_EQ(b->Unlock(p1, n1, nullptr, 0), DS_OK);
    EXPECT_EQ(b->Release(), 0u);
}

TEST_F(DSound, ReferencesKeepTheDeviceOpenUntilTheLastRelease) {
    IDirectSoundBuffer* b = Make({1});
    EXPECT_EQ(b->AddRef(), 2u);
    EXPECT_EQ(b->Release(), 1u);
    // The DirectSound object lives on while its buffer does.
    EXPECT_EQ(ds_->Release(), 1u);
    ds_ = nullptr;
    EXPECT_TRUE(AudioMixer::IsOpen());
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Render(1), MixedAll({1}));
    EXPECT_EQ(b->Release(), 0u);
    EXPECT_FALSE(AudioMixer::IsOpen());
}

TEST_F(DSound, CreateRefusesAGuidOrAnOuterObject) {
    IDirectSound* other = nullptr;
    int guid = 0;
    EXPECT_EQ(DirectSoundCreate(&guid, &other, nullptr), DSERR_INVALIDPARAM);
    EXPECT_EQ(DirectSoundCreate(nullptr, &other, &guid), DSERR_INVALIDPARAM);
    EXPECT_EQ(DirectSoundCreate(nullptr, nullptr, nullptr), DSERR_INVALIDPARAM);
    // A second object shares the open mixer.
    ASSERT_EQ(DirectSoundCreate(nullptr, &other, nullptr), DS_OK);
    EXPECT_EQ(other->Release(), 0u);
    EXPECT_TRUE(AudioMixer::IsOpen());
}
