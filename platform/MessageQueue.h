// platform/MessageQueue.h — the program's message queue, fed from SDL's events (platform only).
#pragma once

#include <deque>

#include "platform/Window.h"

class MessageQueue {
public:
    static MessageQueue& Get();

    // Turns the SDL events that have arrived into messages for the window.
    void Pump();
    void Post(const MSG& msg);
    void PostQuit(int exitCode);
    // Takes (or only looks at) the next message; WM_QUIT comes when nothing else waits.
    bool Next(MSG* msg, bool remove);
    bool Empty() const { return messages_.empty() && !quitPosted_; }

    void SetWindow(HWND hwnd) { window_ = hwnd; }
    HWND Window() const { return window_; }
    // Forgets every message and the window (between harness runs).
    void Reset();
    // Turns one SDL event into the message it stands for, if any.
    void Translate(const void* event);

private:
    MessageQueue() = default;

    std::deque<MSG> messages_;
    bool quitPosted_ = false;
    int exitCode_ = 0;
    HWND window_ = nullptr;
};

// Forgets the window classes and windows of a finished harness run, and the queue with them.
void ResetWindowing();
