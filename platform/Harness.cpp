// platform/Harness.cpp — the virtual clock, scheduled actions and screen copies of headless runs.
#include "platform/Harness.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

#include "platform/Display.h"
#include "platform/KeyMap.h"
#include "platform/MessageQueue.h"

namespace {

struct HarnessState {
    bool enabled = false;
    std::uint32_t now = 0;
    std::string videoDriver = "dummy";
    bool refuseModes = false;
    int failingRestores = 0;
    bool closing = false;
    // Ordered by time, then by the order they were scheduled in.
    std::multimap<std::uint32_t, std::function<void()>> actions;
};

HarnessState& State() {
    static HarnessState state;
    return state;
}

void PushWindowEvent(SDL_WindowEventID id) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = static_cast<Uint8>(id);
    SDL_Window* window = Display::Get().Window();
    event.window.windowID = window != nullptr ? SDL_GetWindowID(window) : 0;
    SDL_PushEvent(&event);
}

}  // namespace

void Harness::Enable() {
    HarnessState& s = State();
    Display::Get().Reset();
    Display::Get().ResetCursor();
    ResetWindowing();
    SDL_Quit();
    s.enabled = true;
    s.now = 0;
    s.closing = false;
    s.actions.clear();
    SDL_setenv("SDL_VIDEODRIVER", s.videoDriver.c_str(), 1);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
}

void Harness::Finish() {
    HarnessState& s = State();
    Display::Get().Reset();
    ResetWindowing();
    SDL_Quit();
    s.enabled = false;
    s.actions.clear();
    s.videoDriver = "dummy";
    s.refuseModes = false;
    s.failingRestores = 0;
}

bool Harness::Enabled() {
    return State().enabled;
}

void Harness::SetVideoDriver(const std::string& name) {
    State().videoDriver = name;
}

void Harness::RefuseDisplayModes(bool refuse) {
    State().refuseModes = refuse;
}

bool Harness::DisplayModesRefused() {
    return State().refuseModes;
}

void Harness::FailRestores(int count) {
    State().failingRestores = count;
}

bool Harness::TakeRestoreFailure() {
    HarnessState& s = State();
    if (!s.enabled || s.failingRestores <= 0) return false;
    --s.failingRestores;
    return true;
}

void Harness::Schedule(std::uint32_t atMs, std::function<void()> action) {
    State().actions.emplace(atMs, std::move(action));
}

std::uint32_t Harness::Now() {
    return State().now;
}

void Harness::Advance(std::uint32_t ms) {
    HarnessState& s = State();
    s.now += ms;
    if (s.now >= kLongestRunMs && !s.closing) RequestClose();
}

void Harness::RunDue() {
    HarnessState& s = State();
    if (s.actions.empty() || s.actions.begin()->first > s.now) return;
    // Only the actions of one scheduled moment run together; a later one waits for the next
    // look, so a frame always runs between actions scheduled apart, even when a long frame
    // has carried the clock past both. An action may schedule more: take them from the front.
    const std::uint32_t moment = s.actions.begin()->first;
    while (!s.actions.empty() && s.actions.begin()->first == moment) {
        auto action = std::move(s.actions.begin()->second);
        s.actions.erase(s.actions.begin());
        action();
    }
}

void Harness::WaitForNext() {
    HarnessState& s = State();
    if (s.actions.empty()) {
        // Nothing will ever arrive: end the run the way a player would close the window.
        if (!s.closing) RequestClose();
        return;
    }
    s.now = std::max(s.now, s.actions.begin()->first);
    RunDue();
}

void Harness::PressKey(unsigned virtualKey) {
    SDL_Scancode scancode = ScancodeFromVirtualKey(virtualKey);
    if (scancode == SDL_SCANCODE_UNKNOWN) return;
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.scancode = scancode;
    event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
    SDL_Window* window = Display::Get().Window();
    event.key.windowID = window != nullptr ? SDL_GetWindowID(window) : 0;
    SDL_PushEvent(&event);
}

void Harness::RequestClose() {
    State().closing = true;
    SDL_Event event{};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
}

void Harness::SetFocus(bool focused) {
    PushWindowEvent(focused ? SDL_WINDOWEVENT_FOCUS_GAINED : SDL_WINDOWEVENT_FOCUS_LOST);
}

void Harness::ForceDisplayLoss() {
    Display::Get().LoseSurfaces();
}

void Harness::SetMinimized(bool minimized) {
    Display::Get().SetMinimized(minimized);
}

bool Harness::CaptureScreen(std::vector<std::uint32_t>& pixels) {
    SDL_Surface* shown = Display::Get().Shown();
    if (shown == nullptr) return false;
    pixels.assign(static_cast<std::size_t>(shown->w) * shown->h, 0);
    for (int y = 0; y < shown->h; ++y) {
        const Uint32* row = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(shown->pixels) + y * shown->pitch);
        for (int x = 0; x < shown->w; ++x) {
            pixels[static_cast<std::size_t>(y) * shown->w + x] = row[x] & 0x00FFFFFFu;
        }
    }
    return true;
}

bool Harness::SaveScreenBmp(const std::string& path) {
    SDL_Surface* shown = Display::Get().Shown();
    if (shown == nullptr) return false;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(shown, SDL_PIXELFORMAT_BGR24, 0);
    if (rgb == nullptr) return false;
    bool saved = SDL_SaveBMP(rgb, path.c_str()) == 0;
    SDL_FreeSurface(rgb);
    return saved;
}

int Harness::CursorCount() {
    return Display::Get().CursorCount();
}
