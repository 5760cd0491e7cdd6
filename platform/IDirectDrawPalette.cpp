// platform/IDirectDrawPalette.cpp — palette entries; the screen's palette also colours the 8-bit
// surfaces.
#include "platform/IDirectDrawPalette.h"

#include <algorithm>

#include "platform/Display.h"
#include "platform/IDirectDraw.h"

DWORD IDirectDrawPalette::AddRef() {
    return ++refs_;
}

DWORD IDirectDrawPalette::Release() {
    if (--refs_ > 0) return refs_;
    if (owner_ != nullptr) owner_->Forget(this);
    delete this;
    return 0;
}

HRESULT IDirectDrawPalette::SetEntries(DWORD /*flags*/, DWORD start, DWORD count,
                                       const PALETTEENTRY* entries) {
    if (entries == nullptr || start >= 256 || count > 256 - start) return DDERR_INVALIDPARAMS;
    std::copy(entries, entries + count, entries_ + start);
    if (Display::Get().ScreenPalette() == this) Display::Get().SetScreenPalette(this);
    return DD_OK;
}

HRESULT IDirectDrawPalette::GetEntries(DWORD /*flags*/, DWORD start, DWORD count,
                                       PALETTEENTRY* entries) const {
    if (entries == nullptr || start >= 256 || count > 256 - start) return DDERR_INVALIDPARAMS;
    std::copy(entries_ + start, entries_ + start + count, entries);
    return DD_OK;
}
