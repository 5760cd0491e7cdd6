// app/CTimer.h — the program clock: milliseconds since start-up, and "has this much time passed?".
#pragma once

class CTimer {
public:
    CTimer();
    // Takes the current system millisecond count as time 0.
    virtual void start();
    // Milliseconds since the last start, with 32-bit wrap-around.
    virtual int time();
    // True once `interval` ms have passed since `start`; then moves `start` to now.
    bool elapsed(int& start, int interval);

    int m_nStartTime;  // system millisecond count at the last start
};
