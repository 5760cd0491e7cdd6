// platform/Clock.h — the millisecond counter and the sleep the game's timing is built on.
#pragma once

#include "platform/Win32Types.h"

// Milliseconds since the platform started counting; wraps at 32 bits.
DWORD timeGetTime();
// Waits the given number of milliseconds.
void Sleep(DWORD milliseconds);
