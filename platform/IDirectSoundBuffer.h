// platform/IDirectSoundBuffer.h — one static sound buffer (or a duplicate sharing another's
// memory): a plain class with the methods the game calls. Its sample memory is 22050 Hz mono
// 16-bit PCM; AudioMixer plays it.
#pragma once

#include "platform/DSound.h"

namespace AudioMixer {
struct Voice;
}

class IDirectSoundBuffer {
public:
    // Reference counting: Release stops the buffer and deletes it when the count reaches zero.
    DWORD AddRef();
    DWORD Release();

    // DSBSTATUS_PLAYING while the buffer plays (a one-shot buffer stops by itself at its end,
    // and its position goes back to 0).
    HRESULT GetStatus(DWORD* pdwStatus);

    // Starts playing from the current position (reserved and priority 0; flags 0 or
    // DSBPLAY_LOOPING). On a buffer that is already playing it only changes the looping flag.
    // DSERR_BUFFERLOST while the memory is lost.
    HRESULT Play(DWORD dwReserved1, DWORD dwPriority, DWORD dwFlags);

    // Stops; the position stays where it is.
    HRESULT Stop();

    // Moves the play position to byte dwNewPosition (rounded down to a whole sample), which must
    // lie inside the buffer.
    HRESULT SetCurrentPosition(DWORD dwNewPosition);

    // Gives write access to dwBytes bytes (1 to the buffer size) from byte dwOffset (inside the
    // buffer); dwFlags must be 0. A region that runs past the end of the buffer continues at its
    // start as a second region (dropped when ppvAudioPtr2 is null); with no second region,
    // *ppvAudioPtr2 is null and *pdwAudioBytes2 0. DSERR_BUFFERLOST while the memory is lost.
    // The buffer is not heard while locked.
    HRESULT Lock(DWORD dwOffset, DWORD dwBytes, void** ppvAudioPtr1, DWORD* pdwAudioBytes1,
                 void** ppvAudioPtr2, DWORD* pdwAudioBytes2, DWORD dwFlags);
    // Ends a Lock, given the pointers it answered.
    HRESULT Unlock(void* pvAudioPtr1, DWORD dwAudioBytes1, void* pvAudioPtr2, DWORD dwAudioBytes2);

    // Gives lost memory back (its contents are as they were); DS_OK on memory that was not lost.
    HRESULT Restore();

    IDirectSoundBuffer(const IDirectSoundBuffer&) = delete;
    IDirectSoundBuffer& operator=(const IDirectSoundBuffer&) = delete;

private:
    friend class IDirectSound;
    IDirectSoundBuffer(IDirectSound* owner, AudioMixer::Voice* voice);
    ~IDirectSoundBuffer();

    IDirectSound* m_pOwner;       // holds a reference
    AudioMixer::Voice* m_pVoice;  // owned; registered with the mixer
    DWORD m_nRefs = 1;
};
