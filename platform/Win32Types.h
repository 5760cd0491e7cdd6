// platform/Win32Types.h — the basic integer, handle and result types of the game's Windows-shaped
// code.
#pragma once

#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using UINT = unsigned int;
using BOOL = int;
using HRESULT = std::int32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = DWORD;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// Handles are pointers to the platform's own records; the game only passes them around.
struct PlatformWindow;
struct PlatformInstance;
struct PlatformIcon;
struct PlatformCursor;
struct PlatformBrush;
struct PlatformMenu;
using HWND = PlatformWindow*;
using HINSTANCE = PlatformInstance*;
using HICON = PlatformIcon*;
using HCURSOR = PlatformCursor*;
using HBRUSH = PlatformBrush*;
using HMENU = PlatformMenu*;

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct POINT {
    LONG x;
    LONG y;
};

// Result codes: negative is failure.
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);

inline bool SUCCEEDED(HRESULT hr) {
    return hr >= 0;
}
inline bool FAILED(HRESULT hr) {
    return hr < 0;
}
