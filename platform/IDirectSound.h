// platform/IDirectSound.h — our DirectSound object: a plain class with the methods the game calls.
// It keeps SDL's audio device open (through AudioMixer) while it or any of its buffers lives.
#pragma once

#include "platform/DSound.h"

class IDirectSound {
public:
    // Reference counting: Release deletes the object when the count reaches zero. Every buffer
    // holds a reference to the object that made it.
    DWORD AddRef();
    DWORD Release();

    // Only DSSCL_NORMAL is known; the window is not used.
    HRESULT SetCooperativeLevel(HWND hwnd, DWORD dwLevel);

    // A static buffer (dwFlags 0 or DSBCAPS_STATIC) of dwBufferBytes bytes (1 to
    // DSOUND_MAX_BUFFER_BYTES) in the one format there is: PCM, 1 channel, 22050 Hz, 16 bits,
    // block alignment 2, 44100 bytes per second. dwSize must be sizeof(DSBUFFERDESC) and
    // pUnkOuter null. The memory starts zeroed; the buffer stopped at position 0.
    HRESULT CreateSoundBuffer(const DSBUFFERDESC* pcDSBufferDesc, IDirectSoundBuffer** ppDSBuffer,
                              void* pUnkOuter);

    // A new buffer sharing the original's sample memory, with its own position and play state
    // (stopped at position 0).
    HRESULT DuplicateSoundBuffer(IDirectSoundBuffer* pDSBufferOriginal,
                                 IDirectSoundBuffer** ppDSBufferDuplicate);

    IDirectSound(const IDirectSound&) = delete;
    IDirectSound& operator=(const IDirectSound&) = delete;

private:
    friend HRESULT DirectSoundCreate(const void*, IDirectSound**, void*);
    IDirectSound() = default;
    ~IDirectSound();

    DWORD m_nRefs = 1;
    DWORD m_dwLevel = 0;  // cooperative level, 0 until set
};
