// assets/WavSynth.cpp — additive tones, sweeps and envelopes.
#include "assets/WavSynth.h"

#include <algorithm>
#include <cmath>
#include <fstream>

#include "assets/SeededRandom.h"

namespace {

const double TAU = 2 * M_PI;
const double PEAK = 0.7079;  // -3 dBFS

// Odd harmonics of `phase` (in turns) up to the limit: a soft square without aliasing.
double softSquare(double phase, double frequency, int maxHarmonic) {
    double s = 0;
    for (int k = 1; k <= maxHarmonic && k * frequency < 9000; k += 2)
        s += std::sin(TAU * k * phase) / k;
    return s;
}

double attack(double t, double seconds) {
    return t < seconds ? t / seconds : 1.0;
}

double semitones(double base, double steps) {
    return base * std::pow(2.0, steps / 12.0);
}

void put(std::vector<char>& out, const char* text) {
    out.insert(out.end(), text, text + 4);
}

void put(std::vector<char>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

}  // namespace

WavSynth::Samples WavSynth::finish(std::vector<double> signal, double fadeInSeconds,
                                   double fadeOutSeconds) {
    const size_t n = signal.size();
    const size_t in = static_cast<size_t>(fadeInSeconds * RATE);
    const size_t out = static_cast<size_t>(fadeOutSeconds * RATE);
    for (size_t i = 0; i < n; ++i) {
        double g = 1;
        if (i < in) g *= 0.5 - 0.5 * std::cos(M_PI * i / in);
        if (n - 1 - i < out) g *= 0.5 - 0.5 * std::cos(M_PI * (n - 1 - i) / out);
        signal[i] *= g;
    }
    double peak = 1e-9;  // silence stays silence
    for (double v : signal) peak = std::max(peak, std::fabs(v));
    Samples samples(n);
    for (size_t i = 0; i < n; ++i)
        samples[i] = static_cast<std::int16_t>(std::lround(signal[i] / peak * PEAK * 32767));
    return samples;
}

WavSynth::Samples WavSynth::laser() {
    const double length = 0.3;
    std::vector<double> s(static_cast<size_t>(length * RATE));
    SeededRandom noise(3);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / RATE;
        // An exponential sweep from a bright 1600 Hz down to 170 Hz, with a fast wobble.
        double f =
            1600 * std::pow(170.0 / 1600.0, t / length) * (1 + 0.04 * std::sin(TAU * 42 * t));
        phase += f / RATE;
        double tone = softSquare(phase, f, 9);
        double hiss = (noise.unit() * 2 - 1) * std::exp(-t / 0.012);
        s[i] = (0.8 * tone + 0.35 * hiss) * std::exp(-t / 0.1) * attack(t, 0.002);
    }
    return finish(s, 0.002, 0.02);
}

WavSynth::Samples WavSynth::click() {
    const double length = 0.09;
    std::vector<double> s(static_cast<size_t>(length * RATE));
    SeededRandom noise(7);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / RATE;
        double press = 0.8 * std::sin(TAU * 2300 * t) * std::exp(-t / 0.007) +
                       0.5 * std::sin(TAU * 1050 * t) * std::exp(-t / 0.016) +
                       0.3 * (noise.unit() * 2 - 1) * std::exp(-t / 0.0015);
        // The latch catching a moment after the press.
        double u = t - 0.028;
        double latch = u < 0 ? 0 : 0.45 * std::sin(TAU * 3100 * u) * std::exp(-u / 0.005);
        s[i] = press + latch;
    }
    return finish(s, 0.0008, 0.012);
}

WavSynth::Samples WavSynth::levelComplete() {
    const double length = 1.35;
    std::vector<double> s(static_cast<size_t>(length * RATE), 0.0);
    const double C5 = 523.25;
    // Up the major chord, then the top note and its third ring out together.
    struct Note {
        double start, steps, decay, level;
    };
    const Note notes[] = {{0.00, 0, 0.16, 0.8},  {0.11, 4, 0.16, 0.8},   {0.22, 7, 0.16, 0.8},
                          {0.33, 12, 0.20, 0.8}, {0.48, 12, 0.45, 0.75}, {0.48, 16, 0.45, 0.6}};
    for (const Note& note : notes) {
        double f = semitones(C5, note.steps);
        for (size_t i = static_cast<size_t>(note.start * RATE); i < s.size(); ++i) {
            double t = static_cast<double>(i) / RATE - note.start;
            double bell = std::sin(TAU * f * t) +
                          0.35 * std::sin(TAU * 2 * f * t) * std::exp(-t / 0.08) +
                          0.15 * std::sin(TAU * 3 * f * t) * std::exp(-t / 0.05);
            s[i] += note.level * bell * std::exp(-t / note.decay) * attack(t, 0.004);
        }
    }
    return finish(s, 0.002, 0.08);
}

WavSynth::Samples WavSynth::gameOver() {
    const double length = 1.42;
    std::vector<double> s(static_cast<size_t>(length * RATE), 0.0);
    // Down a minor chord to the G below.
    const double G4 = 392.0;
    const double starts[] = {0.0, 0.28, 0.56, 0.84};
    const double steps[] = {0, -4, -7, -12};
    for (int n = 0; n < 4; ++n) {
        bool last = n == 3;
        double end = last ? length : starts[n] + 0.26;
        double base = semitones(G4, steps[n]);
        double phase = 0;
        for (size_t i = static_cast<size_t>(starts[n] * RATE);
             i < static_cast<size_t>(end * RATE) && i < s.size(); ++i) {
            double t = static_cast<double>(i) / RATE - starts[n];
            double f = base;
            // The last note sags and wavers.
            if (last)
                f *= (1 - 0.05 * std::min(1.0, t / 0.5)) * (1 + 0.012 * std::sin(TAU * 6 * t));
            phase += f / RATE;
            double env = attack(t, 0.01) * (last ? std::exp(-t / 0.4) : std::exp(-t / 0.35));
            double release = std::min(1.0, (end - starts[n] - t) / 0.03);
            s[i] += softSquare(phase, f, 7) * env * release;
        }
    }
    return finish(s, 0.003, 0.1);
}

bool WavSynth::save(const std::string& path, const Samples& samples) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<char> out;
    put(out, "RIFF");
    put(out, 36 + dataBytes, 4);
    put(out, "WAVE");
    put(out, "fmt ");
    put(out, 16, 4);
    put(out, 1, 2);  // PCM
    put(out, 1, 2);  // mono
    put(out, RATE, 4);
    put(out, RATE * 2, 4);
    put(out, 2, 2);
    put(out, 16, 2);
    put(out, "data");
    put(out, dataBytes, 4);
    for (std::int16_t v : samples) put(out, static_cast<std::uint16_t>(v), 2);
    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}
