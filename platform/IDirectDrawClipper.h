// platform/IDirectDrawClipper.h — cuts blits onto a surface to the window's rectangle.
#pragma once

#include "platform/DDraw.h"

class IDirectDrawClipper {
public:
    DWORD AddRef();
    DWORD Release();
    // The clip list follows the window: the whole screen of the display mode.
    HRESULT SetHWnd(DWORD flags, HWND hwnd);

    // Platform side: the rectangle blits are cut to; false while no window is set.
    bool ClipRect(RECT& rect) const;

private:
    friend class IDirectDraw;
    explicit IDirectDrawClipper(IDirectDraw* owner) : owner_(owner) {}
    ~IDirectDrawClipper() = default;

    IDirectDraw* owner_;
    DWORD refs_ = 1;
    HWND window_ = nullptr;
};
