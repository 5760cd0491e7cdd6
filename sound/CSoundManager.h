// sound/CSoundManager.h — the sound effects: WAV files read through the mmio
// functions into static DirectSound buffers, each with a fixed number of copies so that a sound
// can overlap itself; a sound plays on its first copy that is not already playing.
#pragma once

#include "platform/DSound.h"

class CSoundManager {
public:
    static constexpr int MAX_SOUNDS = 64;

    // Creates the DirectSound object on the default device and sets the normal cooperative level
    // with the window; if either fails the manager is off and every operation does nothing.
    explicit CSoundManager(HWND hwnd);
    // When operational, clear() and then releases the DirectSound object.
    ~CSoundManager();
    CSoundManager(const CSoundManager&) = delete;
    CSoundManager& operator=(const CSoundManager&) = delete;

    // Stops and releases every sound; the manager is then empty.
    void clear();
    // Reads a WAV file into the next slot with `copies` copies. The slot is used up even when
    // the file cannot be read, so later indices do not shift. Ignored after 64 loads.
    void load(const char* filename, int copies);
    // Plays sound `index` on its first copy that is not playing (looping when `looping` is
    // nonzero); dropped when every copy is busy or the index is not a slot in use.
    void play(int index, int looping);
    // Stops every copy of sound `index` and rewinds it; stop() does so for every slot in use.
    void stop(int index);
    void stop();

    // The steps of load (nonzero = success). LoadSound frees *sound, reads the file's sample
    // data into a new array handed back through *sound (the caller frees it with delete[]) and
    // answers its length in bytes, 0 on failure (with *sound null).
    int LoadSound(const char* filename, BYTE** sound);
    int CreateBuffer(int index, int length, int copies);
    int LoadBuffer(int index, BYTE* buffer, int length);
    int CopyBuffer(int index, int copies);

    // For tests and tools: the state the fields hold.
    int sounds() const { return m_nSounds; }
    bool operational() const { return m_bOperational != 0; }
    int copies(int index) const;
    IDirectSoundBuffer* buffer(int index, int copy) const;  // null where there is none

private:
    int m_nSounds;                                 // slots in use; the next load's index
    IDirectSound* m_pDS;                           // owned
    IDirectSoundBuffer** m_ppBuffers[MAX_SOUNDS];  // per slot, owned array of owned copies
    int m_nCopies[MAX_SOUNDS];                     // per slot, the copy count
    BOOL m_bOperational;
    // Per slot, the length of the m_ppBuffers array (not in the Part: it keeps a CopyBuffer
    // asked for more copies than CreateBuffer made room for inside the array).
    int m_nAllocated[MAX_SOUNDS];
};

// Fills slots 0 to 3 of the global SoundManager: "laser.wav" (8 copies), "button.wav" (8),
// "levelcomplete.wav" (4), "gameover.wav" (4). Does nothing when SoundManager is null.
void LoadSounds();
