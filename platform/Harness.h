// platform/Harness.h — runs the real game headless on a virtual clock, with scripted keys and
// screen copies.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// While enabled, the platform's millisecond counter is virtual: it starts at 0, each flip adds one
// refresh (16 ms), Sleep(n) adds n, and a WaitMessage with nothing to do jumps to the next
// scheduled action. Video and audio use SDL's dummy drivers. Scheduled actions run between frames
// (when the game looks at its message queue), in time order, those of one moment together and a
// later moment's no earlier than the next look, so the same schedule gives the same run, bit for
// bit.
class Harness {
public:
    static constexpr std::uint32_t kRefreshMs = 16;
    // A run that is still going after this much virtual time is closed, so no script can hang.
    static constexpr std::uint32_t kLongestRunMs = 3600u * 1000u;

    // Switches to the virtual clock at 0 and clears everything a previous run left behind.
    static void Enable();
    // Ends the run: shuts SDL down and returns to the real clock.
    static void Finish();
    static bool Enabled();

    // The video driver the next run uses ("dummy" unless changed); a name SDL does not know
    // makes the display unavailable.
    static void SetVideoDriver(const std::string& name);
    // While set, every display mode is refused.
    static void RefuseDisplayModes(bool refuse);
    static bool DisplayModesRefused();
    // The next `count` restores of a lost surface fail, as when the display is taken again.
    static void FailRestores(int count);
    // Platform side: whether this restore is one made to fail.
    static bool TakeRestoreFailure();

    // Runs `action` between frames at the first look at the queue at or after `atMs`.
    static void Schedule(std::uint32_t atMs, std::function<void()> action);

    // Virtual time in ms.
    static std::uint32_t Now();
    // Moves the virtual clock on (the platform's waits call this).
    static void Advance(std::uint32_t ms);
    // Runs the actions that are due; the message queue calls this.
    static void RunDue();
    // Jumps to the next scheduled action and runs it; with none left, asks the window to close.
    static void WaitForNext();

    // Presses a key through the same event path as a real keyboard (virtual-key code).
    static void PressKey(unsigned virtualKey);
    // The system close command, as if the window's close button were pressed.
    static void RequestClose();
    // The program loses or regains the focus, as when the player switches away and back.
    static void SetFocus(bool focused);
    // Every surface of the display reports itself lost, as after a change of display mode.
    static void ForceDisplayLoss();
    // The full-screen window is minimised (its surfaces are lost and cannot be restored) or
    // given back.
    static void SetMinimized(bool minimized);

    // The screen as it was last shown: 640 x 480 pixels, 0x00RRGGBB, top row first.
    static bool CaptureScreen(std::vector<std::uint32_t>& pixels);
    // Writes the screen as it was last shown to a 24-bit BMP file.
    static bool SaveScreenBmp(const std::string& path);
    // The platform's cursor display counter (the pointer is hidden below 0); after Finish, the
    // counter the run ended with.
    static int CursorCount();
};
