// app/WinMain.cpp — start-up, the message loop, the window procedure and the shutdown.
#include "app/WinMain.h"

#include <new>

#include "app/CTimer.h"
#include "app/FrameCycle.h"
#include "app/Globals.h"
#include "editions/Edition.h"
#include "gfx/CClippedSprite.h"
#include "gfx/DisplaySetup.h"
#include "gfx/SpriteCatalogue.h"
#include "platform/IDirectDraw.h"
#include "platform/IDirectDrawSurface.h"
#include "sound/CSoundManager.h"

namespace {

// The window is destroyed: everything the display and the sound hold is given back.
void Shutdown() {
    if (lpDirectDrawObject != nullptr) {
        if (lpSecondary != nullptr) lpSecondary->Release();
        if (lpPrimary != nullptr) lpPrimary->Release();
        if (lpBackground != nullptr) lpBackground->Release();
        for (CClippedSprite*& sprite : g_pSprite) {
            if (sprite != nullptr) {
                sprite->Release();
                delete sprite;
                sprite = nullptr;
            }
        }
        lpDirectDrawObject->Release();
        lpDirectDrawObject = nullptr;
        lpPrimary = lpSecondary = lpBackground = nullptr;
    }
    if (SoundManager != nullptr) {
        delete SoundManager;
        SoundManager = nullptr;
    }
    ShowCursor(TRUE);
    PostQuitMessage(0);
}

}  // namespace

HWND CreateDefaultWindow(const char* name, HINSTANCE hInstance) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = hInstance;
    windowClass.hIcon = LoadIconA(hInstance, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = nullptr;
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
    return CreateWindowExA(WS_EX_TOPMOST, name, name, WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                           GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, hInstance, nullptr);
}

LRESULT WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATEAPP:
            ActiveApp = wParam != 0;
            return 0;
        case WM_CREATE:
            return 0;
        case WM_KEYDOWN:
            if (keyboard_handler(static_cast<unsigned>(wParam))) DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            Shutdown();
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

int WinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, char* /*lpCmdLine*/, int nCmdShow) {
    HWND hwnd = CreateDefaultWindow(kEdition.windowTitle, hInstance);
    if (hwnd == nullptr) return 0;
    ShowWindow(hwnd, nCmdShow);
    UpdateWindow(hwnd);
    SetFocus(hwnd);
    ShowCursor(FALSE);
    for (CClippedSprite*& sprite : g_pSprite) sprite = nullptr;
    if (!InitDirectDraw(hwnd) || !LoadImages()) {
        DestroyWindow(hwnd);
        return 0;
    }
    Timer.start();
    change_phase(INTRO_PHASE, 1);
    // Without memory for the sound manager the game runs silently: SoundManager stays null
    // and every sound request looks at it first.
    SoundManager = new (std::nothrow) CSoundManager(hwnd);
    LoadSounds();

    MSG msg;
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!GetMessageA(&msg, nullptr, 0, 0)) return static_cast<int>(msg.wParam);
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else if (ActiveApp) {
            ProcessFrame();
        } else {
            WaitMessage();
        }
    }
}
