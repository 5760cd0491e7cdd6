// platform/IDirectDrawClipper.cpp — the window clipper: blits are cut to the screen.
#include "platform/IDirectDrawClipper.h"

#include "platform/Display.h"
#include "platform/IDirectDraw.h"

DWORD IDirectDrawClipper::AddRef() {
    return ++refs_;
}

DWORD IDirectDrawClipper::Release() {
    if (--refs_ > 0) return refs_;
    if (owner_ != nullptr) owner_->Forget(this);
    delete this;
    return 0;
}

HRESULT IDirectDrawClipper::SetHWnd(DWORD /*flags*/, HWND hwnd) {
    if (hwnd == nullptr) return DDERR_INVALIDPARAMS;
    window_ = hwnd;
    return DD_OK;
}

bool IDirectDrawClipper::ClipRect(RECT& rect) const {
    if (window_ == nullptr) return false;
    // The window covers the whole display mode, so its client area is the screen.
    rect = RECT{0, 0, Display::Get().Width(), Display::Get().Height()};
    return true;
}
