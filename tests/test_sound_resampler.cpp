// tests/test_sound_resampler.cpp — the mixer at device rates (48000 and 44100 Hz): tones come out
// at the right pitch with no images or aliases above -70 dB, and the time from play() to the
// first sample leaving the mixer is measured.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

#include "sound/CSoundManager.h"
#include "test_sound_fixtures.h"

using namespace soundtest;

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Fit {
    double amplitude;  // of the best-fitting sine at the tone's frequency
    double snrDb;      // its power against everything else
};

// Least-squares fit of a sine of `hz` to y (which must hold whole periods of it).
Fit FitSine(const std::vector<float>& y, double hz, double rate) {
    const size_t n = y.size();
    double c = 0.0;
    double s = 0.0;
    for (size_t i = 0; i < n; ++i) {
        c += y[i] * std::cos(2.0 * kPi * hz * i / rate);
        s += y[i] * std::sin(2.0 * kPi * hz * i / rate);
    }
    c *= 2.0 / n;
    s *= 2.0 / n;
    double signal = 0.0;
    double rest = 0.0;
    for (size_t i = 0; i < n; ++i) {
        const double fit =
            c * std::cos(2.0 * kPi * hz * i / rate) + s * std::sin(2.0 * kPi * hz * i / rate);
        signal += fit * fit;
        rest += (y[i] - fit) * (y[i] - fit);
    }
    return {std::sqrt(c * c + s * s), 10.0 * std::log10(signal / std::max(rest, 1e-30))};
}

template <int Rate>
class AtRate : public PullMode {
protected:
    AtRate() : PullMode(Rate) {}

    // Loops a one-second tone of `hz` (whole periods, so the loop is seamless) and answers
    // one second of output after the start has settled.
    std::vector<float> LoopedTone(double hz, double amplitude) {
        CSoundManager manager(nullptr);
        manager.load(dir_.Write("tone.wav", Wav(Sine(hz, 22050, amplitude))).c_str(), 1);
        EXPECT_EQ(manager.sounds(), 1);
        manager.play(0, 1);
        Render(Rate / 10);
        return Render(Rate);
    }
};

using At48000 = AtRate<48000>;
using At44100 = AtRate<44100>;

}  // namespace

TEST_F(At48000, OutputRateIsTheDevicesNotTheBuffers) {
    CSoundManager manager(nullptr);
    EXPECT_EQ(AudioMixer::OutputRate(), 48000);
}

TEST_F(At48000, ToneKeepsItsPitchAndLevelWithoutImages) {
    for (double hz : {1000.0, 5000.0, 8000.0}) {
        const Fit fit = FitSine(LoopedTone(hz, 16384), hz, 48000);
        EXPECT_NEAR(fit.amplitude, 0.5, 0.5 * 0.06) << hz << " Hz";  // within half a dB
        std::cout << "[snr] " << hz << " Hz at 48000: " << fit.snrDb << " dB, amplitude "
                  << fit.amplitude << "\n";
        EXPECT_GT(fit.snrDb, 70.0) << hz << " Hz";  // images at 22050 +- hz are gone
    }
}

TEST_F(At44100, ToneKeepsItsPitchAndLevelWithoutImages) {
    for (double hz : {1000.0, 7000.0}) {
        const Fit fit = FitSine(LoopedTone(hz, 16384), hz, 44100);
        EXPECT_NEAR(fit.amplitude, 0.5, 0.5 * 0.06) << hz << " Hz";
        EXPECT_GT(fit.snrDb, 70.0) << hz << " Hz";
    }
}

TEST_F(At48000, ToneAboveThePassBandIsCutNotMirrored) {
    // 10.5 kHz lies in the filter's transition band; what survives must be the tone itself, not
    // a mirror image at 22050 - 10500 = 11550 Hz.
    const auto y = LoopedTone(10500, 16384);
    const Fit image = FitSine(y, 11550, 48000);
    EXPECT_LT(image.amplitude, 0.5 * 1e-3);  // below -60 dB of the source level
}

TEST_F(At48000, EightOverlappingShotsDuckInsteadOfClipping) {
    const auto laser = Sine(440, 6615, 23000);  // about 0.7 of full scale, like the game's
    CSoundManager manager(nullptr);
    manager.load(dir_.Write("laser.wav", Wav(laser)).c_str(), 8);
    manager.load(dir_.Write("quiet.wav", Wav(Sine(1000, 22050, 3000))).c_str(), 1);
    for (int shot = 0; shot < 8; ++shot) {  // 5.6 times full scale where they meet
        manager.play(0, 0);
        Render(48 * 5);
    }
    const auto loud = Render(48000 / 4);
    float peak = 0.0f;
    int flat = 0;  // equal neighbours at the top: the mark of clipping
    for (size_t i = 0; i < loud.size(); ++i) {
        peak = std::max(peak, std::fabs(loud[i]));
        if (i > 0 && std::fabs(loud[i]) > 0.9f && loud[i] == loud[i - 1]) ++flat;
    }
    EXPECT_LE(peak, 0.98f + 1e-6f);
    EXPECT_GT(peak, 0.9f);
    EXPECT_EQ(flat, 0);
    // Once the shots have ended, the gain comes back to 1: a quiet tone keeps its level.
    Render(48000 * 3 / 2);
    manager.play(1, 1);
    Render(48000 / 10);
    const Fit fit = FitSine(Render(48000 / 10), 1000, 48000);
    EXPECT_NEAR(fit.amplitude, 3000.0 / 32768.0, 1e-4);
    EXPECT_GT(fit.snrDb, 70.0);
}

TEST_F(At48000, LatencyFromPlayToTheFirstSampleLeavingTheMixer) {
    CSoundManager manager(nullptr);
    manager.load(dir_.Write("click.wav", Wav(std::vector<std::int16_t>(2000, 16384))).c_str(), 1);
    Render(4800);  // the mixer has been running for a while
    manager.play(0, 0);
    const auto y = Render(480);
    int firstNonZero = -1;
    int firstHalf = -1;  // the step is centred here: the filter's delay
    for (int i = 0; i < static_cast<int>(y.size()); ++i) {
        if (firstNonZero < 0 && y[static_cast<size_t>(i)] != 0.0f) firstNonZero = i;
        if (firstHalf < 0 && y[static_cast<size_t>(i)] >= 0.25f) firstHalf = i;
    }
    ASSERT_GE(firstNonZero, 0);
    ASSERT_GE(firstHalf, 0);
    const double msNonZero = 1000.0 * (firstNonZero + 1) / 48000.0;
    const double msHalf = 1000.0 * (firstHalf + 1) / 48000.0;
    std::cout << "[latency] play() -> first non-zero sample out of the mixer: "
              << (firstNonZero + 1) << " frames = " << msNonZero << " ms at 48000 Hz; "
              << "half level after " << (firstHalf + 1) << " frames = " << msHalf << " ms\n";
    RecordProperty("first_nonzero_frames", firstNonZero + 1);
    RecordProperty("half_level_frames", firstHalf + 1);
    EXPECT_LT(msNonZero, 2.0);  // the limiter's 1 ms lookahead and the filter's first tap
    EXPECT_LT(msHalf, 3.0);     // and half the filter's length
}
