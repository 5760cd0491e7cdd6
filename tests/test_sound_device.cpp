// tests/test_sound_device.cpp — the device side of the mixer: no device (SDL's dummy driver)
// makes the sound manager a silent no-op, and a device that SDL opens (its "disk" driver, which
// writes what the audio callback renders to a file in real time) hears the sounds at the right
// pitch and soon after play().
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <thread>

#include "app/Globals.h"
#include "sound/CSoundManager.h"
#include "test_sound_fixtures.h"

using namespace soundtest;
using Clock = std::chrono::steady_clock;

TEST(SoundWithoutDevice, DummyDriverMeansNoDeviceAndEveryCallReturnsAtOnce) {
    AudioMixer::SetPullMode(0);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    IDirectSound* ds = nullptr;
    EXPECT_EQ(DirectSoundCreate(nullptr, &ds, nullptr), DSERR_NODRIVER);
    EXPECT_EQ(ds, nullptr);
    EXPECT_FALSE(AudioMixer::IsOpen());

    TempDir dir;
    const std::string path = dir.Write("laser.wav", Wav(Sine(1000, 2205, 8000)));
    CSoundManager manager(nullptr);
    EXPECT_FALSE(manager.operational());
    EXPECT_FALSE(AudioMixer::IsOpen());

    const auto start = Clock::now();
    for (int i = 0; i < 100; ++i) {
        manager.load(path.c_str(), 8);
        manager.play(0, 0);
        manager.play(0, 1);
        manager.play(-1, 0);
        manager.stop(0);
        manager.stop();
        BYTE* data = nullptr;
        EXPECT_EQ(manager.LoadSound(path.c_str(), &data), 0);
        EXPECT_EQ(data, nullptr);
        BYTE bytes[2] = {1, 0};
        EXPECT_EQ(manager.CreateBuffer(0, 2, 1), 0);
        EXPECT_EQ(manager.LoadBuffer(0, bytes, 2), 0);
        EXPECT_EQ(manager.CopyBuffer(0, 1), 0);
        manager.clear();
    }
    ::SoundManager = &manager;
    LoadSounds();
    ::SoundManager = nullptr;
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    EXPECT_EQ(manager.sounds(), 0);
    EXPECT_EQ(manager.copies(0), 0);
    EXPECT_LT(ms, 100.0) << "100 rounds of every call took " << ms << " ms";
}

TEST(SoundWithoutDevice, AnUnknownDriverIsNoDeviceEither) {
    AudioMixer::SetPullMode(0);
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    CSoundManager manager(nullptr);
    EXPECT_FALSE(manager.operational());
    EXPECT_FALSE(AudioMixer::IsOpen());
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

TEST(SoundOnDevice, PlaysThroughSdlsAudioCallbackSoonAfterPlay) {
    TempDir dir;
    const std::string out = (dir.path() / "out.raw").string();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
    AudioMixer::SetPullMode(0);

    auto* manager = new CSoundManager(nullptr);
    ASSERT_TRUE(manager->operational());
    const int rate = AudioMixer::OutputRate();
    const int period = AudioMixer::DeviceBufferFrames();
    ASSERT_GT(rate, 0);
    ASSERT_GT(period, 0);
    EXPECT_LE(1000.0 * period / rate, 25.0) << "the callback's period is too long";
    manager->load(dir.Write("tone.wav", Wav(Sine(1000, 4410, 16000))).c_str(), 8);  // 200 ms
    ASSERT_EQ(manager->sounds(), 1);

    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    std::error_code ec;
    const auto bytesBefore = std::filesystem::file_size(out, ec);
    ASSERT_FALSE(ec);
    manager->play(0, 0);
    const auto bytesAfter = std::filesystem::file_size(out, ec);  // in case this thread stalled
    ASSERT_FALSE(ec);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    delete manager;  // closes the device and the file
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_FALSE(AudioMixer::IsOpen());

    // The file holds 32-bit float stereo frames at the output rate.
    std::ifstream in(out, std::ios::binary);
    std::vector<float> samples;
    float pair[2];
    while (in.read(reinterpret_cast<char*>(pair), sizeof pair)) samples.push_back(pair[0]);
    const long framesAtPlay = static_cast<long>(bytesBefore / sizeof pair);
    const long stall = static_cast<long>((bytesAfter - bytesBefore) / sizeof pair);
    ASSERT_GT(static_cast<long>(samples.size()), framesAtPlay + rate / 5);
    long first = -1;
    for (size_t i = 0; i < samples.size(); ++i) {
        if (std::fabs(samples[i]) > 1e-3f) {
            first = static_cast<long>(i);
            break;
        }
    }
    ASSERT_GE(first, 0) << "nothing was heard";
    // Rendering runs at most a period ahead of what the file holds when play() is called (the
    // file's size may lag behind by the driver's stdio buffer, which only adds to the figure).
    const double latencyMs = 1000.0 * (first - framesAtPlay) / rate;
    const double stallMs = 1000.0 * stall / rate;
    std::cout << "[latency] device path (SDL disk driver, " << rate << " Hz, " << period
              << "-frame callback): play() -> first audible frame " << latencyMs
              << " ms after the frames written by then\n";
    EXPECT_GE(first, framesAtPlay - period);
    EXPECT_LT(latencyMs, 50.0 + stallMs);

    // 100 ms from the middle of the tone: 1000 Hz at half level.
    const size_t from = static_cast<size_t>(first + rate / 20);
    const size_t n = static_cast<size_t>(rate / 10);
    ASSERT_LE(from + n, samples.size());
    double c = 0.0;
    double s = 0.0;
    for (size_t i = 0; i < n; ++i) {
        const double w = 2.0 * 3.14159265358979323846 * 1000.0 * static_cast<double>(i) / rate;
        c += samples[from + i] * std::cos(w);
        s += samples[from + i] * std::sin(w);
    }
    const double amplitude = 2.0 * std::sqrt(c * c + s * s) / static_cast<double>(n);
    EXPECT_NEAR(amplitude, 16000.0 / 32768.0, 0.02);
}
