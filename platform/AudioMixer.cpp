// platform/AudioMixer.cpp — the mixer behind our DirectSound: voices summed at 22050 Hz, one
// windowed-sinc resampler to the output rate, and SDL's audio callback (or Render) pulling it.
#include "platform/AudioMixer.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace AudioMixer {
namespace {

constexpr int kSourceRate = 22050;  // the rate of every buffer
// The resampling filter: 2 * kHalf taps at the source rate, kPhases fractional positions (with
// linear interpolation between neighbouring phases), Kaiser window with kBeta (about 80 dB of
// stop-band attenuation), cut-off at kCutoff of the lower of the two Nyquist frequencies.
constexpr int kHalf = 32;
constexpr int kTaps = 2 * kHalf;
constexpr int kPhases = 512;
constexpr double kBeta = 8.0;
constexpr double kCutoff = 0.9;
constexpr int kRing = 128;  // history of source samples; a power of two of at least kTaps
constexpr std::uint64_t kRingMask = kRing - 1;
static_assert(kRing >= kTaps && (kRing & (kRing - 1)) == 0, "ring must hold the filter");

struct State {
    std::mutex life;  // Acquire and Release
    int users = 0;    // live DirectSound objects
    int requestedPullRate = 0;
    bool restorable = true;

    std::mutex mix;  // everything below, the voices and their stores
    std::vector<Voice*> voices;
    bool pull = false;
    int outputRate = 0;
    SDL_AudioDeviceID device = 0;
    int channels = 0;
    int deviceFrames = 0;
    std::vector<float> scratch;  // the callback's mono block

    // The resampler. The output frame about to be made sits at source time n + num / outputRate;
    // `produced` source samples have been mixed so far, the latest kRing of them kept in ring.
    bool bypass = false;
    std::vector<float> table;  // (kPhases + 1) rows of kTaps coefficients
    float ring[kRing] = {};
    std::int64_t produced = 0;
    std::int64_t n = 0;
    std::uint32_t num = 0;

    // The limiter (see LimitLocked).
    int lookahead = 0;         // frames of delay
    std::vector<float> delay;  // the delay line
    int delayPos = 0;
    int holdFrames = 0;
    float release = 0.0f;    // recovery per frame
    float gain = 1.0f;       // applied to the sample leaving the delay line
    float floorGain = 1.0f;  // the gain the ramp is heading for
    float step = 0.0f;       // the ramp's step per frame
    int hold = 0;            // frames before the gain may rise again
};

State& S() {
    static State state;
    return state;
}

// Modified Bessel function of the first kind, order 0 (its power series).
double BesselI0(double x) {
    double sum = 1.0;
    double term = 1.0;
    const double q = x * x / 4.0;
    for (int k = 1; k < 64; ++k) {
        term *= q / (static_cast<double>(k) * k);
        sum += term;
        if (term < sum * 1e-17) break;
    }
    return sum;
}

void SetUpLimiterLocked(State& s, int outputRate);

// Resets the resampler and the limiter for a new output rate. Call with the mix mutex held.
void SetUpResamplerLocked(State& s, int outputRate) {
    s.outputRate = outputRate;
    s.bypass = outputRate == kSourceRate;
    std::fill(std::begin(s.ring), std::end(s.ring), 0.0f);
    s.produced = 0;
    s.n = 0;
    s.num = 0;
    SetUpLimiterLocked(s, outputRate);
    s.table.assign(static_cast<size_t>(kPhases + 1) * kTaps, 0.0f);
    const double fc = kCutoff * std::min(1.0, static_cast<double>(outputRate) / kSourceRate);
    const double i0Beta = BesselI0(kBeta);
    const double pi = 3.14159265358979323846;
    for (int p = 0; p <= kPhases; ++p) {
        const double frac = static_cast<double>(p) / kPhases;
        double row[kTaps];
        double sum = 0.0;
        for (int j = 0; j < kTaps; ++j) {
            // Tap j weighs source sample n - kHalf + 1 + j for an output at n + frac.
            const double x = j - (kHalf - 1) - frac;
            const double t = x / kHalf;
            const double window =
                t * t < 1.0 ? BesselI0(kBeta * std::sqrt(1.0 - t * t)) / i0Beta : 0.0;
            const double arg = pi * fc * x;
            const double sinc = std::fabs(arg) < 1e-12 ? 1.0 : std::sin(arg) / arg;
            row[j] = fc * sinc * window;
            sum += row[j];
        }
        for (int j = 0; j < kTaps; ++j) {
            s.table[static_cast<size_t>(p) * kTaps + j] = static_cast<float>(row[j] / sum);
        }
    }
}

// The next source sample: the sum of every playing voice, advanced by one frame.
float MixSourceSampleLocked(State& s) {
    float sum = 0.0f;
    for (Voice* v : s.voices) {
        if (!v->playing) continue;
        const SampleStore& store = *v->store;
        if (store.locks > 0 || store.lost) continue;
        const std::uint32_t frames = static_cast<std::uint32_t>(store.bytes.size() / 2);
        if (v->position >= frames) {  // an empty buffer, or nothing left
            v->position = 0;
            if (!v->looping || frames == 0) {
                v->playing = false;
                continue;
            }
        }
        const std::uint8_t* p = &store.bytes[static_cast<size_t>(v->position) * 2];
        const auto sample =
            static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
        sum += static_cast<float>(sample);
        if (++v->position >= frames) {
            v->position = 0;  // a finished one-shot starts from the beginning next time
            if (!v->looping) v->playing = false;
        }
    }
    return sum * (1.0f / 32768.0f);
}

float Clamp(float x) {
    return x > 1.0f ? 1.0f : (x < -1.0f ? -1.0f : x);
}

// The output limiter. A mixed sample louder than kCeiling (eight laser shots at once) is
// seen kLookahead ahead of its output, while the output is delayed by that much; the gain ramps
// down in time to bring it exactly to kCeiling, is held while loud samples keep coming and for
// kHold after, and then returns to 1 with kRelease. Nothing is clipped and nothing that stays
// below kCeiling is changed while the gain is 1. At 22050 Hz (the exact test mode) there is no
// lookahead and the gain drops at once.
constexpr float kCeiling = 0.98f;
constexpr double kLookahead = 0.001;  // seconds
constexpr double kHold = 0.010;
constexpr double kRelease = 0.100;

void SetUpLimiterLocked(State& s, int outputRate) {
    s.lookahead = outputRate == kSourceRate ? 0 : static_cast<int>(kLookahead * outputRate + 0.5);
    s.delay.assign(static_cast<size_t>(s.lookahead), 0.0f);
    s.delayPos = 0;
    s.holdFrames = static_cast<int>(kHold * outputRate);
    s.release = static_cast<float>(1.0 - std::exp(-1.0 / (kRelease * outputRate)));
    s.gain = 1.0f;
    s.floorGain = 1.0f;
    s.step = 0.0f;
    s.hold = 0;
}

float LimitLocked(State& s, float x) {
    const float magnitude = std::fabs(x);
    if (magnitude > kCeiling) {
        const float need = kCeiling / magnitude;
        if (need < s.floorGain) {
            // Reach `need` by the time x leaves the delay line, lookahead + 1 steps from now.
            s.floorGain = need;
            s.step = std::max(s.step, (s.gain - need) / static_cast<float>(s.lookahead + 1));
        }
        s.hold = s.lookahead + s.holdFrames;
    }
    if (s.gain > s.floorGain) {
        s.gain = std::max(s.floorGain, s.gain - s.step);
    } else if (s.hold > 0) {
        --s.hold;
        s.step = 0.0f;
    } else if (s.gain < 1.0f) {
        s.gain += (1.0f - s.gain) * s.release;
        if (s.gain > 0.9999f) s.gain = 1.0f;  // within a thousandth of a dB: back to unity
        s.floorGain = s.gain;
        s.step = 0.0f;
    }
    float delayed = x;
    if (s.lookahead > 0) {
        delayed = s.delay[static_cast<size_t>(s.delayPos)];
        s.delay[static_cast<size_t>(s.delayPos)] = x;
        if (++s.delayPos == s.lookahead) s.delayPos = 0;
    }
    return Clamp(delayed * s.gain);
}

void RenderLocked(State& s, float* out, int frames) {
    for (int i = 0; i < frames; ++i) {
        if (s.bypass) {
            out[i] = LimitLocked(s, MixSourceSampleLocked(s));
            continue;
        }
        while (s.produced <= s.n + kHalf) {
            s.ring[static_cast<std::uint64_t>(s.produced) & kRingMask] = MixSourceSampleLocked(s);
            ++s.produced;
        }
        const double phase = static_cast<double>(s.num) * kPhases / s.outputRate;
        const int p = std::min(static_cast<int>(phase), kPhases - 1);
        const float a = static_cast<float>(phase - p);
        const float* r0 = &s.table[static_cast<size_t>(p) * kTaps];
        const float* r1 = r0 + kTaps;
        const std::uint64_t base = static_cast<std::uint64_t>(s.n - kHalf + 1);
        float acc = 0.0f;
        for (int j = 0; j < kTaps; ++j) {
            acc += s.ring[(base + j) & kRingMask] * (r0[j] + a * (r1[j] - r0[j]));
        }
        out[i] = LimitLocked(s, acc);
        s.num += kSourceRate;
        while (s.num >= static_cast<std::uint32_t>(s.outputRate)) {
            s.num -= s.outputRate;
            ++s.n;
        }
    }
}

void SDLCALL Callback(void*, Uint8* stream, int len) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.mix);
    float* out = reinterpret_cast<float*>(stream);
    int frames = len / static_cast<int>(sizeof(float) * s.channels);
    while (frames > 0) {
        const int block = std::min(frames, static_cast<int>(s.scratch.size()));
        RenderLocked(s, s.scratch.data(), block);
        for (int i = 0; i < block; ++i) {
            for (int c = 0; c < s.channels; ++c) *out++ = s.scratch[i];
        }
        frames -= block;
    }
}

bool OpenDevice(State& s) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    const char* driver = SDL_GetCurrentAudioDriver();
    if (driver == nullptr || std::strcmp(driver, "dummy") == 0) {  // no device to hear
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    // Run at the device's own rate where SDL can tell it, so nothing resamples after us.
    int rate = 48000;
    char* name = nullptr;
    SDL_AudioSpec preferred;
    SDL_zero(preferred);
    if (SDL_GetDefaultAudioInfo(&name, &preferred, 0) == 0 && preferred.freq >= 8000 &&
        preferred.freq <= 192000) {
        rate = preferred.freq;
    }
    SDL_free(name);
    SDL_AudioSpec want;
    SDL_zero(want);
    want.freq = rate;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = 256;  // a power of two of at least 10 ms: the callback's period
    while (want.samples < rate / 100) want.samples = static_cast<Uint16>(want.samples * 2);
    want.callback = Callback;
    SDL_AudioSpec have;
    SDL_zero(have);
    const SDL_AudioDeviceID device =
        SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (device == 0 || have.freq <= 0 || have.channels == 0) {
        if (device != 0) SDL_CloseAudioDevice(device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    {
        std::lock_guard<std::mutex> guard(s.mix);
        SetUpResamplerLocked(s, have.freq);
        s.device = device;
        s.channels = have.channels;
        s.deviceFrames = have.samples;
        s.scratch.assign(have.samples > 0 ? have.samples : 512, 0.0f);
        s.pull = false;
    }
    SDL_PauseAudioDevice(device, 0);
    return true;
}

}  // namespace

void SetPullMode(int outputRate) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.life);
    s.requestedPullRate = outputRate > 0 ? outputRate : 0;
}

int Render(float* out, int frames) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.mix);
    if (!s.pull || out == nullptr || frames <= 0) return 0;
    RenderLocked(s, out, frames);
    return frames;
}

bool IsOpen() {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.mix);
    return s.outputRate != 0;
}

int OutputRate() {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.mix);
    return s.outputRate;
}

int DeviceBufferFrames() {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.mix);
    return s.deviceFrames;
}

int PlayingVoices() {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.mix);
    return static_cast<int>(
        std::count_if(s.voices.begin(), s.voices.end(), [](const Voice* v) { return v->playing; }));
}

void LoseAllBuffers() {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.mix);
    for (Voice* v : s.voices) {
        v->store->lost = true;
        v->playing = false;
    }
}

void SetRestorable(bool restorable) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.mix);
    s.restorable = restorable;
}

bool RestorableLocked() {
    return S().restorable;
}

bool Acquire() {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.life);
    if (s.users > 0) {
        ++s.users;
        return true;
    }
    if (s.requestedPullRate > 0) {
        std::lock_guard<std::mutex> mixGuard(s.mix);
        SetUpResamplerLocked(s, s.requestedPullRate);
        s.pull = true;
        s.deviceFrames = 0;
    } else if (!OpenDevice(s)) {
        return false;
    }
    s.users = 1;
    return true;
}

void Release() {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.life);
    if (s.users == 0 || --s.users > 0) return;
    const SDL_AudioDeviceID device = s.device;  // written only under s.life
    if (device != 0) {
        SDL_CloseAudioDevice(device);  // waits for a callback under way; none follows
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    std::lock_guard<std::mutex> mixGuard(s.mix);
    s.device = 0;
    s.pull = false;
    s.outputRate = 0;
    s.deviceFrames = 0;
}

std::mutex& Mutex() {
    return S().mix;
}

Voice* CreateVoice(std::shared_ptr<SampleStore> store) {
    State& s = S();
    auto* voice = new (std::nothrow) Voice;
    if (voice == nullptr) return nullptr;
    voice->store = std::move(store);
    std::lock_guard<std::mutex> guard(s.mix);
    s.voices.push_back(voice);
    return voice;
}

void DestroyVoice(Voice* voice) {
    if (voice == nullptr) return;
    State& s = S();
    {
        std::lock_guard<std::mutex> guard(s.mix);
        s.voices.erase(std::remove(s.voices.begin(), s.voices.end(), voice), s.voices.end());
    }
    delete voice;
}

}  // namespace AudioMixer
