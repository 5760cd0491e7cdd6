// platform/IDirectSoundBuffer.cpp — a sound buffer: its state lives in an AudioMixer voice, read
// by the audio callback, so every method works under the mixer's mutex.
#include "platform/IDirectSoundBuffer.h"

#include <algorithm>
#include <mutex>

#include "platform/AudioMixer.h"

namespace {

using Guard = std::lock_guard<std::mutex>;

// Whether p points into the store's memory with n bytes to spare.
bool InStore(const AudioMixer::SampleStore& store, const void* p, DWORD n) {
    const auto* begin = store.bytes.data();
    const auto* q = static_cast<const std::uint8_t*>(p);
    if (q < begin || q >= begin + store.bytes.size()) return false;
    return n <= static_cast<size_t>(begin + store.bytes.size() - q);
}

}  // namespace

IDirectSoundBuffer::IDirectSoundBuffer(IDirectSound* owner, AudioMixer::Voice* voice)
    : m_pOwner(owner), m_pVoice(voice) {
    m_pOwner->AddRef();
}

IDirectSoundBuffer::~IDirectSoundBuffer() {
    AudioMixer::DestroyVoice(m_pVoice);
    m_pOwner->Release();
}

DWORD IDirectSoundBuffer::AddRef() {
    return ++m_nRefs;
}

DWORD IDirectSoundBuffer::Release() {
    const DWORD refs = --m_nRefs;
    if (refs == 0) delete this;
    return refs;
}

HRESULT IDirectSoundBuffer::GetStatus(DWORD* pdwStatus) {
    if (pdwStatus == nullptr) return DSERR_INVALIDPARAM;
    Guard guard(AudioMixer::Mutex());
    *pdwStatus = m_pVoice->playing ? DSBSTATUS_PLAYING : 0;
    return DS_OK;
}

HRESULT IDirectSoundBuffer::Play(DWORD dwReserved1, DWORD dwPriority, DWORD dwFlags) {
    if (dwReserved1 != 0 || dwPriority != 0 || (dwFlags & ~DSBPLAY_LOOPING) != 0) {
        return DSERR_INVALIDPARAM;
    }
    Guard guard(AudioMixer::Mutex());
    if (m_pVoice->store->lost) return DSERR_BUFFERLOST;
    m_pVoice->looping = (dwFlags & DSBPLAY_LOOPING) != 0;
    m_pVoice->playing = true;
    return DS_OK;
}

HRESULT IDirectSoundBuffer::Stop() {
    Guard guard(AudioMixer::Mutex());
    m_pVoice->playing = false;
    return DS_OK;
}

HRESULT IDirectSoundBuffer::SetCurrentPosition(DWORD dwNewPosition) {
    Guard guard(AudioMixer::Mutex());
    if (dwNewPosition >= m_pVoice->store->bytes.size()) return DSERR_INVALIDPARAM;
    m_pVoice->position = dwNewPosition / 2;
    return DS_OK;
}

HRESULT IDirectSoundBuffer::Lock(DWORD dwOffset, DWORD dwBytes, void** ppvAudioPtr1,
                                 DWORD* pdwAudioBytes1, void** ppvAudioPtr2, DWORD* pdwAudioBytes2,
                                 DWORD dwFlags) {
    if (ppvAudioPtr1 == nullptr || pdwAudioBytes1 == nullptr) return DSERR_INVALIDPARAM;
    if (ppvAudioPtr2 != nullptr && pdwAudioBytes2 == nullptr) return DSERR_INVALIDPARAM;
    Guard guard(AudioMixer::Mutex());
    AudioMixer::SampleStore& store = *m_pVoice->store;
    const size_t size = store.bytes.size();
    if (dwFlags != 0 || dwOffset >= size || dwBytes == 0 || dwBytes > size) {
        return DSERR_INVALIDPARAM;
    }
    if (store.lost) return DSERR_BUFFERLOST;
    const DWORD first = static_cast<DWORD>(std::min<size_t>(dwBytes, size - dwOffset));
    const DWORD second = dwBytes - first;
    *ppvAudioPtr1 = store.bytes.data() + dwOffset;
    *pdwAudioBytes1 = first;
    if (ppvAudioPtr2 != nullptr) {
        *ppvAudioPtr2 = second > 0 ? store.bytes.data() : nullptr;
        *pdwAudioBytes2 = second;
    }
    ++store.locks;
    return DS_OK;
}

HRESULT IDirectSoundBuffer::Unlock(void* pvAudioPtr1, DWORD dwAudioBytes1, void* pvAudioPtr2,
                                   DWORD dwAudioBytes2) {
    Guard guard(AudioMixer::Mutex());
    AudioMixer::SampleStore& store = *m_pVoice->store;
    if (store.locks == 0 || !InStore(store, pvAudioPtr1, dwAudioBytes1)) {
        return DSERR_INVALIDPARAM;
    }
    if (pvAudioPtr2 != nullptr &&
        (pvAudioPtr2 != store.bytes.data() || !InStore(store, pvAudioPtr2, dwAudioBytes2))) {
        return DSERR_INVALIDPARAM;
    }
    --store.locks;
    return DS_OK;
}

HRESULT IDirectSoundBuffer::Restore() {
    Guard guard(AudioMixer::Mutex());
    AudioMixer::SampleStore& store = *m_pVoice->store;
    if (!store.lost) return DS_OK;
    if (!AudioMixer::RestorableLocked()) return DSERR_BUFFERLOST;
    store.lost = false;
    return DS_OK;
}
