// tests/test_sound_fixtures.h — WAV files made in code, a temporary folder to write them to,
// and a test fixture that runs the audio mixer in pull mode (no device; the test renders).
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/AudioMixer.h"

namespace soundtest {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v & 0xFF));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void Put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
}

inline void PutId(Bytes& b, const char* id) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(id[i]));
}

// One chunk: identifier, data, and the size its header states (the data's size unless given).
struct Chunk {
    std::string id;
    Bytes data;
    std::int64_t statedSize = -1;
};

// The 16 bytes of a format chunk.
inline Bytes FormatData(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                        std::uint16_t bits) {
    Bytes b;
    const std::uint16_t align = static_cast<std::uint16_t>(channels * bits / 8);
    Put16(b, tag);
    Put16(b, channels);
    Put32(b, rate);
    Put32(b, rate * align);
    Put16(b, align);
    Put16(b, bits);
    return b;
}

inline Bytes SampleBytes(const std::vector<std::int16_t>& samples) {
    Bytes b;
    for (std::int16_t s : samples) Put16(b, static_cast<std::uint16_t>(s));
    return b;
}

// A RIFF file of the given form type holding the chunks in order (odd chunks padded); the
// RIFF size is the true one unless statedRiffSize is given.
inline Bytes Riff(const std::vector<Chunk>& chunks, const char* form = "WAVE",
                  std::int64_t statedRiffSize = -1) {
    Bytes body;
    PutId(body, form);
    for (const Chunk& c : chunks) {
        PutId(body, c.id.c_str());
        Put32(body, static_cast<std::uint32_t>(c.statedSize >= 0 ? c.statedSize : c.data.size()));
        body.insert(body.end(), c.data.begin(), c.data.end());
        if (c.data.size() % 2 == 1) body.push_back(0);
    }
    Bytes file;
    PutId(file, "RIFF");
    Put32(file, static_cast<std::uint32_t>(statedRiffSize >= 0 ? statedRiffSize : body.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

// A plain WAV file: "fmt " then "data".
inline Bytes Wav(const std::vector<std::int16_t>& samples, std::uint16_t channels = 1,
                 std::uint32_t rate = 22050) {
    return Riff({{"fmt ", FormatData(1, channels, rate, 16)}, {"data", SampleBytes(samples)}});
}

// `frames` samples of a sine of `hz` at 22050 Hz with peak `amplitude`.
inline std::vector<std::int16_t> Sine(double hz, int frames, double amplitude,
                                      double rate = 22050.0) {
    std::vector<std::int16_t> s(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        s[static_cast<size_t>(i)] = static_cast<std::int16_t>(
            std::lround(amplitude * std::sin(2.0 * 3.14159265358979323846 * hz * i / rate)));
    }
    return s;
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vormil-sound-XXXXXX").string();
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        const char* made = mkdtemp(buf.data());
        if (made != nullptr) path_ = made;
    }
    ~TempDir() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes the bytes to name in the folder and answers the file's full path.
    std::string Write(const std::string& name, const Bytes& bytes) const {
        const std::filesystem::path p = path_ / name;
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return p.string();
    }

private:
    std::filesystem::path path_;
};

// The mixer in pull mode at the given rate for the duration of each test; the default rate
// 22050 Hz bypasses the resampler, so the output is the exact sum of the voices / 32768.
class PullMode : public ::testing::Test {
protected:
    explicit PullMode(int rate = 22050) : rate_(rate) {}
    void SetUp() override {
        AudioMixer::SetPullMode(rate_);
        AudioMixer::SetRestorable(true);
    }
    void TearDown() override {
        AudioMixer::SetPullMode(0);
        AudioMixer::SetRestorable(true);
        EXPECT_FALSE(AudioMixer::IsOpen()) << "a DirectSound object or buffer was left alive";
    }

    static std::vector<float> Render(int frames) {
        std::vector<float> out(static_cast<size_t>(frames), 0.0f);
        EXPECT_EQ(AudioMixer::Render(out.data(), frames), frames);
        return out;
    }

    int rate_;
    TempDir dir_;
};

// The mixer's output for a sum of 16-bit samples.
inline float Mixed(int sum) {
    return static_cast<float>(sum) / 32768.0f;
}

}  // namespace soundtest
