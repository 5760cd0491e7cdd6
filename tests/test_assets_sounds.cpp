// tests/test_assets_sounds.cpp — synthesised sounds: WAV layout, length, level, fades, pitch.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const int RATE = 22050;

struct Sound {
    std::vector<std::uint8_t> bytes;
    std::vector<int> samples;
};

std::uint32_t Le(const std::vector<std::uint8_t>& d, size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | d[at + i];
    return v;
}

std::string Tag(const std::vector<std::uint8_t>& d, size_t at) {
    return std::string(reinterpret_cast<const char*>(d.data() + at), 4);
}

Sound Load(const std::string& name) {
    Sound s;
    std::ifstream file(std::string(VORMIL_DATA_DIR) + "/" + name, std::ios::binary);
    s.bytes.assign(std::istreambuf_iterator<char>(file), {});
    if (s.bytes.size() < 44) return s;
    for (size_t i = 44; i + 1 < s.bytes.size(); i += 2)
        s.samples.push_back(static_cast<std::int16_t>(Le(s.bytes, i, 2)));
    return s;
}

// Zero crossings a second over samples [from, to): twice the pitch of a plain tone.
double CrossingRate(const std::vector<int>& s, size_t from, size_t to) {
    int n = 0;
    for (size_t i = from + 1; i < to; ++i) n += (s[i - 1] < 0) != (s[i] < 0);
    return n * double(RATE) / (to - from);
}

double Energy(const std::vector<int>& s, size_t from, size_t to) {
    double e = 0;
    for (size_t i = from; i < to; ++i) e += double(s[i]) * s[i];
    return e;
}

// How a sound develops: a melody rising or falling, or a click dying away at once.
enum Shape { DIES_AWAY, RISES, FALLS };

struct Expected {
    const char* name;
    double maxSeconds;
    Shape shape;
};

const Expected kSounds[] = {
    {"laser.wav", 0.4, FALLS},
    {"button.wav", 0.15, DIES_AWAY},
    {"levelcomplete.wav", 1.5, RISES},
    {"gameover.wav", 1.5, FALLS},
};

class SynthesisedSound : public ::testing::TestWithParam<Expected> {};

}  // namespace

TEST_P(SynthesisedSound, IsMono22050Hz16BitPcmInACanonicalFile) {
    Sound s = Load(GetParam().name);
    ASSERT_GE(s.bytes.size(), 44u);
    const std::vector<std::uint8_t>& d = s.bytes;
    EXPECT_EQ(Tag(d, 0), "RIFF");
    EXPECT_EQ(Le(d, 4, 4), d.size() - 8);
    EXPECT_EQ(Tag(d, 8), "WAVE");
    EXPECT_EQ(Tag(d, 12), "fmt ");
    EXPECT_EQ(Le(d, 16, 4), 16u);
    EXPECT_EQ(Le(d, 20, 2), 1u) << "PCM";
    EXPECT_EQ(Le(d, 22, 2), 1u) << "channels";
    EXPECT_EQ(Le(d, 24, 4), 22050u);
    EXPECT_EQ(Le(d, 28, 4), 44100u);
    EXPECT_EQ(Le(d, 32, 2), 2u);
    EXPECT_EQ(Le(d, 34, 2), 16u);
    EXPECT_EQ(Tag(d, 36), "data");
    EXPECT_EQ(Le(d, 40, 4), d.size() - 44);
    EXPECT_EQ(d.size() % 2, 0u);
}

TEST_P(SynthesisedSound, IsShortEnough) {
    Sound s = Load(GetParam().name);
    double seconds = double(s.samples.size()) / RATE;
    EXPECT_GT(seconds, 0.03);
    EXPECT_LT(seconds, GetParam().maxSeconds);
}

TEST_P(SynthesisedSound, PeaksNearMinusThreeDecibelsAndFadesAtBothEnds) {
    Sound s = Load(GetParam().name);
    ASSERT_FALSE(s.samples.empty());
    int peak = 0;
    for (int v : s.samples) peak = std::max(peak, std::abs(v));
    double dbfs = 20 * std::log10(peak / 32768.0);
    EXPECT_NEAR(dbfs, -3.0, 0.5);
    // A sound that starts or stops away from zero clicks.
    EXPECT_LE(std::abs(s.samples.front()), 328);
    EXPECT_LE(std::abs(s.samples.back()), 328);
}

TEST_P(SynthesisedSound, DevelopsTheWayItShould) {
    Sound s = Load(GetParam().name);
    ASSERT_GT(s.samples.size(), 900u);
    const size_t n = s.samples.size(), third = n / 3;
    switch (GetParam().shape) {
        case DIES_AWAY:
            EXPECT_LT(Energy(s.samples, n / 2, n), 0.1 * Energy(s.samples, 0, n / 2));
            break;
        case RISES:
            EXPECT_GT(CrossingRate(s.samples, 2 * third, n),
                      1.3 * CrossingRate(s.samples, 0, third));
            break;
        case FALLS:
            EXPECT_LT(1.3 * CrossingRate(s.samples, 2 * third, n),
                      CrossingRate(s.samples, 0, third));
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(AllFour, SynthesisedSound, ::testing::ValuesIn(kSounds),
                         [](const ::testing::TestParamInfo<Expected>& info) {
                             std::string name = info.param.name;
                             return name.substr(0, name.find('.'));
                         });
