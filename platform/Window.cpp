// platform/Window.cpp — window classes, the one window, the message loop's calls and the cursor.
#include "platform/Window.h"

#include <SDL.h>

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "platform/Display.h"
#include "platform/Harness.h"
#include "platform/KeyMap.h"
#include "platform/MessageQueue.h"

struct PlatformWindow {
    std::string title;
    WNDPROC proc = nullptr;
    bool shown = false;
    bool destroyed = false;
};

struct PlatformInstance {};

namespace {

PlatformInstance theInstance;
std::vector<WNDCLASSA> classes;
std::vector<std::string> classNames;
// Windows are kept (as records) until the run ends, so a stale handle never dangles.
std::vector<PlatformWindow*> windows;

bool EventsUp() {
    return SDL_WasInit(SDL_INIT_EVENTS) != 0 || SDL_InitSubSystem(SDL_INIT_EVENTS) == 0;
}

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd == nullptr || hwnd->destroyed || hwnd->proc == nullptr) return 0;
    return hwnd->proc(hwnd, message, wParam, lParam);
}

}  // namespace

MessageQueue& MessageQueue::Get() {
    static MessageQueue queue;
    return queue;
}

void MessageQueue::Post(const MSG& msg) {
    messages_.push_back(msg);
}

void MessageQueue::PostQuit(int exitCode) {
    quitPosted_ = true;
    exitCode_ = exitCode;
}

bool MessageQueue::Next(MSG* msg, bool remove) {
    if (!messages_.empty()) {
        if (msg != nullptr) *msg = messages_.front();
        if (remove) messages_.pop_front();
        return true;
    }
    if (quitPosted_) {
        if (msg != nullptr) {
            *msg = MSG{};
            msg->message = WM_QUIT;
            msg->wParam = static_cast<WPARAM>(exitCode_);
        }
        if (remove) quitPosted_ = false;
        return true;
    }
    return false;
}

void MessageQueue::Reset() {
    messages_.clear();
    quitPosted_ = false;
    exitCode_ = 0;
    window_ = nullptr;
}

void MessageQueue::Pump() {
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) Translate(&event);
}

void MessageQueue::Translate(const void* raw) {
    const SDL_Event& event = *static_cast<const SDL_Event*>(raw);
    HWND hwnd = window_;
    if (hwnd == nullptr || hwnd->destroyed) return;
    Display& display = Display::Get();
    MSG msg{};
    msg.hwnd = hwnd;
    msg.time = SDL_GetTicks();
    switch (event.type) {
        case SDL_QUIT:
            // The window's close button, the window manager's close, or an interrupt: the
            // system close command, which the default handling turns into destruction.
            msg.message = WM_CLOSE;
            Post(msg);
            break;
        case SDL_KEYDOWN: {
            const SDL_Keysym& key = event.key.keysym;
            bool alt = (key.mod & KMOD_ALT) != 0;
            if (alt &&
                (key.scancode == SDL_SCANCODE_RETURN || key.scancode == SDL_SCANCODE_KP_ENTER)) {
                // Alt+Enter belongs to the platform: full screen or a window.
                if (!event.key.repeat) display.ToggleFullscreen();
                break;
            }
            unsigned vk = VirtualKeyFromScancode(key.scancode);
            if (vk == 0) break;
            msg.message = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
            msg.wParam = vk;
            // Repeat count 1; bit 30 tells an auto-repeat from a fresh press.
            msg.lParam = 1 | (event.key.repeat ? (1L << 30) : 0) | (alt ? (1L << 29) : 0);
            Post(msg);
            break;
        }
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    msg.message = WM_ACTIVATEAPP;
                    msg.wParam = event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ? 1 : 0;
                    Post(msg);
                    break;
                case SDL_WINDOWEVENT_MINIMIZED:
                    display.SetMinimized(true);
                    break;
                case SDL_WINDOWEVENT_RESTORED:
                case SDL_WINDOWEVENT_MAXIMIZED:
                    display.SetMinimized(false);
                    display.Repaint();
                    break;
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    display.Repaint();
                    break;
                default:
                    break;
            }
            break;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            // The renderer lost what it held: the game's surfaces count as lost with it.
            display.LoseSurfaces();
            break;
        default:
            break;
    }
}

HINSTANCE GetModuleHandleA(const char* /*moduleName*/) {
    return &theInstance;
}

WORD RegisterClassA(const WNDCLASSA* windowClass) {
    if (windowClass == nullptr || windowClass->lpszClassName == nullptr) return 0;
    for (const std::string& name : classNames) {
        if (name == windowClass->lpszClassName) return 0;
    }
    classes.push_back(*windowClass);
    classNames.emplace_back(windowClass->lpszClassName);
    return static_cast<WORD>(classes.size());
}

HWND CreateWindowExA(DWORD /*exStyle*/, const char* className, const char* title, DWORD /*style*/,
                     int x, int y, int width, int height, HWND /*parent*/, HMENU /*menu*/,
                     HINSTANCE /*instance*/, void* /*param*/) {
    if (className == nullptr) return nullptr;
    const WNDCLASSA* found = nullptr;
    for (std::size_t i = 0; i < classes.size(); ++i) {
        if (classNames[i] == className) found = &classes[i];
    }
    if (found == nullptr) return nullptr;
    if (!EventsUp()) return nullptr;
    auto* hwnd = new (std::nothrow) PlatformWindow();
    if (hwnd == nullptr) return nullptr;
    hwnd->title = title != nullptr ? title : "";
    hwnd->proc = found->lpfnWndProc;
    windows.push_back(hwnd);
    // Without a display the window still exists; the display object then cannot be made.
    Display::Get().CreateWindow(hwnd->title.c_str(), x, y, width, height);
    MessageQueue::Get().SetWindow(hwnd);
    Send(hwnd, WM_CREATE, 0, 0);
    return hwnd;
}

BOOL ShowWindow(HWND hwnd, int /*cmdShow*/) {
    if (hwnd == nullptr || hwnd->destroyed) return FALSE;
    BOOL wasShown = hwnd->shown ? TRUE : FALSE;
    if (!hwnd->shown) {
        hwnd->shown = true;
        Display::Get().ShowWindow();
        // Showing the program's top-level window makes it the active application.
        Send(hwnd, WM_ACTIVATEAPP, 1, 0);
    }
    return wasShown;
}

BOOL UpdateWindow(HWND hwnd) {
    return hwnd != nullptr && !hwnd->destroyed ? TRUE : FALSE;
}

HWND SetFocus(HWND hwnd) {
    return hwnd;
}

BOOL DestroyWindow(HWND hwnd) {
    if (hwnd == nullptr || hwnd->destroyed) return FALSE;
    Send(hwnd, WM_DESTROY, 0, 0);
    hwnd->destroyed = true;
    Display::Get().DestroyWindow();
    return TRUE;
}

LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_SYSKEYDOWN:
            if (wParam == VK_F4 && (lParam & (1L << 29)) != 0) Send(hwnd, WM_CLOSE, 0, 0);
            return 0;
        default:
            return 0;
    }
}

void PostQuitMessage(int exitCode) {
    MessageQueue::Get().PostQuit(exitCode);
}

BOOL PeekMessageA(MSG* msg, HWND /*hwnd*/, UINT /*filterMin*/, UINT /*filterMax*/,
                  UINT removeFlags) {
    MessageQueue& queue = MessageQueue::Get();
    if (Harness::Enabled()) Harness::RunDue();
    queue.Pump();
    return queue.Next(msg, (removeFlags & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL GetMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    while (PeekMessageA(msg, hwnd, filterMin, filterMax, PM_REMOVE) == FALSE) WaitMessage();
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG* msg) {
    return msg != nullptr ? TRUE : FALSE;
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (msg == nullptr) return 0;
    return Send(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL WaitMessage() {
    MessageQueue& queue = MessageQueue::Get();
    if (Harness::Enabled()) {
        Harness::RunDue();
        queue.Pump();
        if (queue.Empty()) Harness::WaitForNext();
        queue.Pump();
        return TRUE;
    }
    queue.Pump();
    if (!queue.Empty()) return TRUE;
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0) return FALSE;
    SDL_Event event;
    if (SDL_WaitEvent(&event) == 1) queue.Translate(&event);
    queue.Pump();
    return TRUE;
}

int ShowCursor(BOOL show) {
    return Display::Get().ChangeCursorCount(show ? 1 : -1);
}

HICON LoadIconA(HINSTANCE /*instance*/, const char* /*name*/) {
    return nullptr;
}

HCURSOR LoadCursorA(HINSTANCE /*instance*/, const char* /*name*/) {
    return nullptr;
}

int GetSystemMetrics(int index) {
    int width = 0, height = 0;
    Display::Get().DesktopSize(width, height);
    if (index == SM_CXSCREEN) return width;
    if (index == SM_CYSCREEN) return height;
    return 0;
}

void ResetWindowing() {
    classes.clear();
    classNames.clear();
    for (PlatformWindow* w : windows) delete w;
    windows.clear();
    MessageQueue::Get().Reset();
}
