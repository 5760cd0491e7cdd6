// platform/Clock.cpp — the millisecond counter: the system's steady clock, or the harness's virtual
// one.
#include "platform/Clock.h"

#include <chrono>
#include <thread>

#include "platform/Harness.h"

DWORD timeGetTime() {
    if (Harness::Enabled()) return Harness::Now();
    auto sinceBoot = std::chrono::steady_clock::now().time_since_epoch();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceBoot).count();
    return static_cast<DWORD>(static_cast<unsigned long long>(ms));
}

void Sleep(DWORD milliseconds) {
    if (Harness::Enabled()) {
        Harness::Advance(milliseconds);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
