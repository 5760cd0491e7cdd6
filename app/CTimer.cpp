// app/CTimer.cpp — the program clock.
#include "app/CTimer.h"

#include <cstdint>

#include "platform/Clock.h"

CTimer::CTimer() : m_nStartTime(0) {}

void CTimer::start() {
    m_nStartTime = static_cast<int>(timeGetTime());
}

int CTimer::time() {
    // The difference is taken in unsigned 32-bit arithmetic so it stays right across the
    // wrap-around of the system counter.
    std::uint32_t now = timeGetTime();
    return static_cast<int>(now - static_cast<std::uint32_t>(m_nStartTime));
}

bool CTimer::elapsed(int& start, int interval) {
    int now = time();
    // Widened so a start near the top of the range cannot overflow the sum.
    if (static_cast<long long>(now) < static_cast<long long>(start) + interval) return false;
    start = now;
    return true;
}
