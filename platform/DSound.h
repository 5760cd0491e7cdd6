// platform/DSound.h — our stand-in for the part of DirectSound the game uses: result codes, flags,
// the wave format and buffer description records, and DirectSoundCreate. The interfaces themselves
// are plain classes in IDirectSound.h and IDirectSoundBuffer.h (included at the end), mixed into
// one SDL audio stream by AudioMixer.
#pragma once

#include "platform/Win32Types.h"

// Result codes. DirectSound's "invalid parameter", "out of memory" and "generic" failures are
// the system's own codes.
constexpr HRESULT DS_OK = S_OK;
constexpr HRESULT DSERR_GENERIC = E_FAIL;
constexpr HRESULT DSERR_INVALIDPARAM = E_INVALIDARG;
constexpr HRESULT DSERR_OUTOFMEMORY = E_OUTOFMEMORY;
constexpr HRESULT DSERR_NODRIVER = static_cast<HRESULT>(0x88780078u);    // no audio device
constexpr HRESULT DSERR_BUFFERLOST = static_cast<HRESULT>(0x88780096u);  // memory must be restored

// IDirectSound::SetCooperativeLevel: the only level there is.
constexpr DWORD DSSCL_NORMAL = 0x1;
// DSBUFFERDESC::dwFlags: a buffer filled once and played many times.
constexpr DWORD DSBCAPS_STATIC = 0x2;
// IDirectSoundBuffer::Play flags.
constexpr DWORD DSBPLAY_LOOPING = 0x1;
// IDirectSoundBuffer::GetStatus bits.
constexpr DWORD DSBSTATUS_PLAYING = 0x1;

// WAVEFORMATEX::wFormatTag of integer PCM.
constexpr WORD WAVE_FORMAT_PCM = 1;

// The format of a sound buffer, and the record at the start of a WAV file's format chunk: 18
// bytes, packed, as on Windows.
#pragma pack(push, 1)
struct WAVEFORMATEX {
    WORD wFormatTag;
    WORD nChannels;
    DWORD nSamplesPerSec;
    DWORD nAvgBytesPerSec;
    WORD nBlockAlign;
    WORD wBitsPerSample;
    WORD cbSize;  // extra format bytes that follow; 0 for PCM
};
#pragma pack(pop)
static_assert(sizeof(WAVEFORMATEX) == 18, "WAVEFORMATEX is the 18-byte record of the WAV file");

// What IDirectSound::CreateSoundBuffer is asked for. dwSize must be sizeof(DSBUFFERDESC) (36 on
// 32-bit Windows, where the record ends with a 3D-algorithm GUID no caller of ours sets).
struct DSBUFFERDESC {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwBufferBytes;
    DWORD dwReserved;
    WAVEFORMATEX* lpwfxFormat;
};

// The one sample format our buffers hold: PCM, 1 channel, 22050 Hz, 16 bits.
constexpr DWORD DSOUND_BUFFER_RATE = 22050;
constexpr WORD DSOUND_BUFFER_CHANNELS = 1;
constexpr WORD DSOUND_BUFFER_BITS = 16;
// Largest buffer CreateSoundBuffer accepts (DirectSound's DSBSIZE_MAX).
constexpr DWORD DSOUND_MAX_BUFFER_BYTES = 0x0FFFFFFF;

class IDirectSound;
class IDirectSoundBuffer;

// Creates a DirectSound object on the default audio device (lpGuid must be null, as must
// pUnkOuter). The first live object initialises SDL's audio subsystem and opens the device;
// DSERR_NODRIVER when no audio device can be opened (SDL's "dummy" driver counts as none).
HRESULT DirectSoundCreate(const void* lpGuid, IDirectSound** ppDS, void* pUnkOuter);

#include "platform/IDirectSound.h"
#include "platform/IDirectSoundBuffer.h"
