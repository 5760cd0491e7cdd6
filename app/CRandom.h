// app/CRandom.h — random numbers from the C library's generator, reseeded every 1001 draws.
#pragma once

class CRandom {
public:
    CRandom();
    // Seeds the generator from the millisecond counter and starts counting draws again.
    void sowseed();
    // An integer from i to j, both included (i must not be greater than j). For j of 32767 or
    // more two draws are combined into a 30-bit value.
    int number(int i, int j);

    int m_nCount;  // draws since the last seeding
};
