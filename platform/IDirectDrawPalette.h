// platform/IDirectDrawPalette.h — the 256 colours of the 8-bit display.
#pragma once

#include "platform/DDraw.h"

class IDirectDrawPalette {
public:
    DWORD AddRef();
    DWORD Release();
    // Sets `count` entries from `start`; colours show on the screen from the next flip.
    HRESULT SetEntries(DWORD flags, DWORD start, DWORD count, const PALETTEENTRY* entries);
    HRESULT GetEntries(DWORD flags, DWORD start, DWORD count, PALETTEENTRY* entries) const;

    // Platform side: the colours, for presenting and for colour conversion.
    const PALETTEENTRY* Entries() const { return entries_; }

private:
    friend class IDirectDraw;
    explicit IDirectDrawPalette(IDirectDraw* owner) : owner_(owner) {}
    ~IDirectDrawPalette() = default;

    IDirectDraw* owner_;
    DWORD refs_ = 1;
    PALETTEENTRY entries_[256] = {};
};
