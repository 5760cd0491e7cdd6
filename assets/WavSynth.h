// assets/WavSynth.h — the four sound effects, synthesised as 22050 Hz mono 16-bit PCM.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class WavSynth {
public:
    static constexpr int RATE = 22050;
    using Samples = std::vector<std::int16_t>;

    // A shot: a falling zap, 0.3 s.
    static Samples laser();
    // A wall button pressed: a short double click.
    static Samples click();
    // A level complete: a rising arpeggio that rings out.
    static Samples levelComplete();
    // A game over: a falling phrase whose last note droops.
    static Samples gameOver();
    // Writes a RIFF WAVE file (a 16-byte format chunk, then the data); false on failure.
    static bool save(const std::string& path, const Samples& samples);

private:
    // Fades both ends so nothing clicks, then scales the peak to 3 dB below full scale.
    static Samples finish(std::vector<double> signal, double fadeInSeconds, double fadeOutSeconds);
};
