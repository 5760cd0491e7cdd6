// sound/CSoundManager.cpp — the sound manager: WAV files into sound buffers, copies that overlap,
// play and stop.
#include "sound/CSoundManager.h"

#include <climits>
#include <cstring>
#include <new>

#include "app/Globals.h"
#include "platform/Mmio.h"

namespace {

// Whether a copy is playing; a missing copy, or one whose status cannot be had, counts as
// playing (not available).
bool IsBusy(IDirectSoundBuffer* copy) {
    if (copy == nullptr) return true;
    DWORD status = 0;
    if (FAILED(copy->GetStatus(&status))) return true;
    return (status & DSBSTATUS_PLAYING) != 0;
}

}  // namespace

CSoundManager::CSoundManager(HWND hwnd) : m_nSounds(0), m_pDS(nullptr), m_bOperational(FALSE) {
    for (int i = 0; i < MAX_SOUNDS; ++i) {
        m_ppBuffers[i] = nullptr;
        m_nCopies[i] = 0;
        m_nAllocated[i] = 0;
    }
    m_bOperational = SUCCEEDED(DirectSoundCreate(nullptr, &m_pDS, nullptr));
    if (m_bOperational) {
        m_bOperational = SUCCEEDED(m_pDS->SetCooperativeLevel(hwnd, DSSCL_NORMAL));
    }
}

CSoundManager::~CSoundManager() {
    if (m_bOperational) clear();
    // A manager that is off still gives back a DirectSound object it made (when only the
    // cooperative level failed), so the audio device is closed.
    if (m_pDS != nullptr) {
        m_pDS->Release();
        m_pDS = nullptr;
    }
}

void CSoundManager::clear() {
    if (!m_bOperational) return;
    stop();
    // Every slot, not only those in use: a buffer made by a direct CreateBuffer call on a slot
    // that load never counted is given back too.
    for (int i = 0; i < MAX_SOUNDS; ++i) {
        if (m_ppBuffers[i] != nullptr) {
            for (int j = 0; j < m_nAllocated[i]; ++j) {
                if (m_ppBuffers[i][j] != nullptr) {
                    m_ppBuffers[i][j]->Release();
                    m_ppBuffers[i][j] = nullptr;
                }
            }
            delete[] m_ppBuffers[i];
            m_ppBuffers[i] = nullptr;
        }
        m_nCopies[i] = 0;
        m_nAllocated[i] = 0;
    }
    m_nSounds = 0;
}

void CSoundManager::load(const char* filename, int copies) {
    if (!m_bOperational || m_nSounds >= MAX_SOUNDS) return;
    const int i = m_nSounds;
    BYTE* data = nullptr;
    const int length = LoadSound(filename, &data);
    CreateBuffer(i, length, copies);
    LoadBuffer(i, data, length);
    CopyBuffer(i, copies);
    delete[] data;
    ++m_nSounds;
}

int CSoundManager::LoadSound(const char* filename, BYTE** sound) {
    if (!m_bOperational || sound == nullptr) return 0;
    delete[] * sound;
    *sound = nullptr;

    HMMIO file = mmioOpenA(filename, nullptr, MMIO_ALLOCBUF | MMIO_READ);
    if (file == nullptr) return 0;

    MMCKINFO parent;
    std::memset(&parent, 0, sizeof parent);
    parent.fccType = mmioFOURCC('W', 'A', 'V', 'E');
    MMCKINFO child;
    std::memset(&child, 0, sizeof child);
    WAVEFORMATEX wfx;
    std::memset(&wfx, 0, sizeof wfx);

    // The format is the first chunk inside the RIFF chunk, whatever its name. Its record is read
    // whole (18 bytes); a chunk shorter than the 16 bytes of a PCM record is refused.
    if (mmioDescend(file, &parent, nullptr, MMIO_FINDRIFF) != MMSYSERR_NOERROR ||
        mmioDescend(file, &child, &parent, 0) != MMSYSERR_NOERROR || child.cksize < 16 ||
        mmioRead(file, reinterpret_cast<char*>(&wfx), sizeof wfx) !=
            static_cast<LONG>(sizeof wfx) ||
        wfx.wFormatTag != WAVE_FORMAT_PCM || mmioAscend(file, &child, 0) != MMSYSERR_NOERROR) {
        mmioClose(file, 0);
        return 0;
    }
    child.ckid = mmioFOURCC('d', 'a', 't', 'a');
    if (mmioDescend(file, &child, &parent, MMIO_FINDCHUNK) != MMSYSERR_NOERROR ||
        child.cksize == 0 || child.cksize > static_cast<DWORD>(INT_MAX)) {
        mmioClose(file, 0);
        return 0;
    }
    // The descend has checked that the whole chunk lies inside the file.
    const int length = static_cast<int>(child.cksize);
    BYTE* data = new (std::nothrow) BYTE[child.cksize];
    if (data == nullptr ||
        mmioRead(file, reinterpret_cast<char*>(data), length) != static_cast<LONG>(length)) {
        delete[] data;
        mmioClose(file, 0);
        return 0;
    }
    mmioClose(file, 0);
    *sound = data;
    return length;
}

int CSoundManager::CreateBuffer(int index, int length, int copies) {
    if (!m_bOperational || length <= 0) return 0;
    if (index < 0 || index >= MAX_SOUNDS || copies <= 0 || m_ppBuffers[index] != nullptr) return 0;

    WAVEFORMATEX format;
    std::memset(&format, 0, sizeof format);
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = 22050;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;

    // The Part's size of 36 is this record's size on 32-bit Windows.
    DSBUFFERDESC desc;
    std::memset(&desc, 0, sizeof desc);
    desc.dwSize = sizeof(DSBUFFERDESC);
    desc.dwFlags = DSBCAPS_STATIC;
    desc.dwBufferBytes = static_cast<DWORD>(length);
    desc.lpwfxFormat = &format;

    m_ppBuffers[index] = new (std::nothrow) IDirectSoundBuffer*[copies];
    if (m_ppBuffers[index] == nullptr) return 0;
    m_nAllocated[index] = copies;
    for (int j = 0; j < copies; ++j) m_ppBuffers[index][j] = nullptr;
    return SUCCEEDED(m_pDS->CreateSoundBuffer(&desc, &m_ppBuffers[index][0], nullptr));
}

int CSoundManager::LoadBuffer(int index, BYTE* buffer, int length) {
    if (!m_bOperational || length <= 0) return 0;
    if (index < 0 || index >= MAX_SOUNDS || buffer == nullptr || m_ppBuffers[index] == nullptr ||
        m_ppBuffers[index][0] == nullptr) {
        return 0;
    }
    IDirectSoundBuffer* copy = m_ppBuffers[index][0];
    void* p1 = nullptr;
    void* p2 = nullptr;
    DWORD n1 = 0;
    DWORD n2 = 0;
    HRESULT hr = copy->Lock(0, static_cast<DWORD>(length), &p1, &n1, &p2, &n2, 0);
    if (hr == DSERR_BUFFERLOST) {
        copy->Restore();
        hr = copy->Lock(0, static_cast<DWORD>(length), &p1, &n1, &p2, &n2, 0);
    }
    if (FAILED(hr)) return 0;
    const DWORD total = static_cast<DWORD>(length);
    if (n1 > total) n1 = total;  // never copy more than the caller gave
    std::memcpy(p1, buffer, n1);
    if (p2 != nullptr) {
        if (n2 > total - n1) n2 = total - n1;
        std::memcpy(p2, buffer + n1, n2);
    }
    return SUCCEEDED(copy->Unlock(p1, n1, p2, n2));
}

int CSoundManager::CopyBuffer(int index, int copies) {
    if (!m_bOperational) return 0;
    if (index < 0 || index >= MAX_SOUNDS) return 0;
    // The copy count never exceeds the room CreateBuffer made (none when it made none).
    m_nCopies[index] =
        copies < 0 ? 0 : (copies > m_nAllocated[index] ? m_nAllocated[index] : copies);
    if (m_ppBuffers[index] == nullptr || m_ppBuffers[index][0] == nullptr) return 0;
    bool ok = true;
    for (int j = 1; j < m_nCopies[index] && ok; ++j) {
        ok = SUCCEEDED(m_pDS->DuplicateSoundBuffer(m_ppBuffers[index][0], &m_ppBuffers[index][j]));
    }
    return ok;
}

void CSoundManager::play(int index, int looping) {
    if (!m_bOperational || index < 0 || index >= m_nSounds) return;
    IDirectSoundBuffer** copies = m_ppBuffers[index];
    const int count = m_nCopies[index];
    if (copies == nullptr || count <= 0) return;
    int current = 0;
    bool busy = IsBusy(copies[0]);
    while (busy && current + 1 < count) {
        ++current;
        busy = IsBusy(copies[current]);
    }
    if (!busy) copies[current]->Play(0, 0, looping ? DSBPLAY_LOOPING : 0);
}

void CSoundManager::stop(int index) {
    if (!m_bOperational || index < 0 || index >= m_nSounds) return;
    IDirectSoundBuffer** copies = m_ppBuffers[index];
    if (copies == nullptr) return;
    for (int j = 0; j < m_nCopies[index]; ++j) {
        if (copies[j] == nullptr) continue;
        copies[j]->Stop();
        copies[j]->SetCurrentPosition(0);
    }
}

void CSoundManager::stop() {
    for (int i = 0; i < m_nSounds; ++i) stop(i);
}

int CSoundManager::copies(int index) const {
    return index >= 0 && index < MAX_SOUNDS ? m_nCopies[index] : 0;
}

IDirectSoundBuffer* CSoundManager::buffer(int index, int copy) const {
    if (index < 0 || index >= MAX_SOUNDS || m_ppBuffers[index] == nullptr) return nullptr;
    if (copy < 0 || copy >= m_nAllocated[index]) return nullptr;
    return m_ppBuffers[index][copy];
}

void LoadSounds() {
    if (SoundManager == nullptr) return;
    SoundManager->load("laser.wav", 8);
    SoundManager->load("button.wav", 8);
    SoundManager->load("levelcomplete.wav", 4);
    SoundManager->load("gameover.wav", 4);
}
