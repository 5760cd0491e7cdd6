// platform/AudioMixer.h — mixes every playing DirectSound buffer into one stream at the output
// rate. In device mode the stream feeds SDL's default audio device from its callback; in pull mode
// (for tests and tools) there is no device and the caller renders the stream on demand.
//
// All buffers hold 22050 Hz mono 16-bit PCM, so the voices are summed at 22050 Hz and the sum is
// resampled once, with a Kaiser-windowed sinc filter, to the output rate. At an output rate of
// 22050 Hz the filter is bypassed and the output is the exact sum of the voices.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace AudioMixer {

// --- For tests and tools ------------------------------------------------------------------------

// Pull mode: when the mixer is next opened (by the first DirectSoundCreate), it opens no device
// and runs at outputRate frames per second, rendered only by Render. 0 goes back to device mode.
// Takes effect at the next open; the mixer is open while any DirectSound object lives.
void SetPullMode(int outputRate);

// Renders the next `frames` mono frames of the stream into `out` (values in -1..1). Pull mode
// only: returns the frames rendered, 0 when the mixer is not open in pull mode.
int Render(float* out, int frames);

// Whether the mixer is open (some DirectSound object lives), and its output rate (0 if closed).
bool IsOpen();
int OutputRate();
// The device's buffer in frames (0 in pull mode or when closed): the callback's period.
int DeviceBufferFrames();
// How many buffers are playing right now.
int PlayingVoices();

// Loses every buffer's memory, as another program taking the sound device would on Windows:
// playing buffers stop, Lock and Play answer DSERR_BUFFERLOST until Restore. While
// SetRestorable(false) is in force, Restore fails too.
void LoseAllBuffers();
void SetRestorable(bool restorable);

// --- For the DirectSound stand-ins ---------------------------------------------------------------

// The sample memory of one static buffer, shared by the buffer and its duplicates.
struct SampleStore {
    std::vector<std::uint8_t> bytes;  // 16-bit little-endian mono samples; never resized
    int locks = 0;                    // open Lock calls; the mixer skips a locked store
    bool lost = false;                // lost until Restore
};

// One buffer's playing state. Every field is guarded by Mutex().
struct Voice {
    std::shared_ptr<SampleStore> store;
    bool playing = false;
    bool looping = false;
    std::uint32_t position = 0;  // next sample frame to play
};

// Opens the mixer for one more DirectSound object: the first one opens the device (or pull
// mode). False when no audio device can be opened.
bool Acquire();
// The last DirectSound object gone: closes the device and quits SDL's audio subsystem.
void Release();

// Guards every Voice and SampleStore against the audio callback.
std::mutex& Mutex();
// Registers a voice with the mixer / removes it (the caller must not hold Mutex()).
Voice* CreateVoice(std::shared_ptr<SampleStore> store);
void DestroyVoice(Voice* voice);
// Whether Restore may succeed (see SetRestorable); call with Mutex() held.
bool RestorableLocked();

}  // namespace AudioMixer
