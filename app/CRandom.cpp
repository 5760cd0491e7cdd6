// app/CRandom.cpp — random numbers.
#include "app/CRandom.h"

#include <cstdlib>

#include "platform/Clock.h"

CRandom::CRandom() : m_nCount(0) {
    sowseed();
}

void CRandom::sowseed() {
    std::srand(static_cast<unsigned>(timeGetTime()));
    m_nCount = 0;
}

int CRandom::number(int i, int j) {
    if (++m_nCount > 1000) sowseed();
    // Each draw is taken as 15 bits, whatever wider range the C library offers.
    long long r;
    if (j >= 32767) {
        long long high = std::rand() & 0x7FFF;
        long long low = std::rand() & 0x7FFF;
        r = (high << 15) | low;
    } else {
        r = std::rand() & 0x7FFF;
    }
    // Widened: j - i + 1 overflows an int for the widest ranges.
    long long range = static_cast<long long>(j) - i + 1;
    return static_cast<int>(r % range + i);
}
