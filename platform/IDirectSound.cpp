// platform/IDirectSound.cpp — DirectSoundCreate and the DirectSound object.
#include "platform/IDirectSound.h"

#include <memory>
#include <new>
#include <utility>

#include "platform/AudioMixer.h"

HRESULT DirectSoundCreate(const void* lpGuid, IDirectSound** ppDS, void* pUnkOuter) {
    if (ppDS == nullptr) return DSERR_INVALIDPARAM;
    *ppDS = nullptr;
    if (lpGuid != nullptr || pUnkOuter != nullptr) return DSERR_INVALIDPARAM;
    if (!AudioMixer::Acquire()) return DSERR_NODRIVER;
    IDirectSound* ds = new (std::nothrow) IDirectSound;
    if (ds == nullptr) {
        AudioMixer::Release();
        return DSERR_OUTOFMEMORY;
    }
    *ppDS = ds;
    return DS_OK;
}

IDirectSound::~IDirectSound() {
    AudioMixer::Release();
}

DWORD IDirectSound::AddRef() {
    return ++m_nRefs;
}

DWORD IDirectSound::Release() {
    const DWORD refs = --m_nRefs;
    if (refs == 0) delete this;
    return refs;
}

HRESULT IDirectSound::SetCooperativeLevel(HWND, DWORD dwLevel) {
    if (dwLevel != DSSCL_NORMAL) return DSERR_INVALIDPARAM;
    m_dwLevel = dwLevel;
    return DS_OK;
}

HRESULT IDirectSound::CreateSoundBuffer(const DSBUFFERDESC* pcDSBufferDesc,
                                        IDirectSoundBuffer** ppDSBuffer, void* pUnkOuter) {
    if (ppDSBuffer == nullptr) return DSERR_INVALIDPARAM;
    *ppDSBuffer = nullptr;
    if (pcDSBufferDesc == nullptr || pUnkOuter != nullptr) return DSERR_INVALIDPARAM;
    const DSBUFFERDESC& desc = *pcDSBufferDesc;
    if (desc.dwSize != sizeof(DSBUFFERDESC) || (desc.dwFlags & ~DSBCAPS_STATIC) != 0 ||
        desc.dwBufferBytes == 0 || desc.dwBufferBytes > DSOUND_MAX_BUFFER_BYTES ||
        desc.lpwfxFormat == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    const WAVEFORMATEX& wfx = *desc.lpwfxFormat;
    if (wfx.wFormatTag != WAVE_FORMAT_PCM || wfx.nChannels != DSOUND_BUFFER_CHANNELS ||
        wfx.nSamplesPerSec != DSOUND_BUFFER_RATE || wfx.wBitsPerSample != DSOUND_BUFFER_BITS ||
        wfx.nBlockAlign != DSOUND_BUFFER_CHANNELS * DSOUND_BUFFER_BITS / 8 ||
        wfx.nAvgBytesPerSec != wfx.nSamplesPerSec * wfx.nBlockAlign) {
        return DSERR_INVALIDPARAM;
    }
    auto store =
        std::shared_ptr<AudioMixer::SampleStore>(new (std::nothrow) AudioMixer::SampleStore);
    if (!store) return DSERR_OUTOFMEMORY;
    try {
        store->bytes.assign(desc.dwBufferBytes, 0);
    } catch (const std::bad_alloc&) {
        return DSERR_OUTOFMEMORY;
    }
    AudioMixer::Voice* voice = AudioMixer::CreateVoice(std::move(store));
    if (voice == nullptr) return DSERR_OUTOFMEMORY;
    IDirectSoundBuffer* buffer = new (std::nothrow) IDirectSoundBuffer(this, voice);
    if (buffer == nullptr) {
        AudioMixer::DestroyVoice(voice);
        return DSERR_OUTOFMEMORY;
    }
    *ppDSBuffer = buffer;
    return DS_OK;
}

HRESULT IDirectSound::DuplicateSoundBuffer(IDirectSoundBuffer* pDSBufferOriginal,
                                           IDirectSoundBuffer** ppDSBufferDuplicate) {
    if (ppDSBufferDuplicate == nullptr) return DSERR_INVALIDPARAM;
    *ppDSBufferDuplicate = nullptr;
    if (pDSBufferOriginal == nullptr) return DSERR_INVALIDPARAM;
    std::shared_ptr<AudioMixer::SampleStore> store;
    {
        std::lock_guard<std::mutex> guard(AudioMixer::Mutex());
        store = pDSBufferOriginal->m_pVoice->store;
    }
    AudioMixer::Voice* voice = AudioMixer::CreateVoice(std::move(store));
    if (voice == nullptr) return DSERR_OUTOFMEMORY;
    IDirectSoundBuffer* buffer = new (std::nothrow) IDirectSoundBuffer(this, voice);
    if (buffer == nullptr) {
        AudioMixer::DestroyVoice(voice);
        return DSERR_OUTOFMEMORY;
    }
    *ppDSBufferDuplicate = buffer;
    return DS_OK;
}
