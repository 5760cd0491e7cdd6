// assets/SeededRandom.h — reproducible random numbers, so every build paints the same bytes.
#pragma once

#include <cstdint>

class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed);

    // Uniform in [0, 1).
    double unit();
    // Uniform in [low, high).
    double range(double low, double high) { return low + (high - low) * unit(); }
    // Uniform integer in [low, high].
    int integer(int low, int high);
    // A value in [0, 1) fixed by its arguments alone, for patterns asked in any order.
    static double hash(int a, int b, std::uint64_t seed);

private:
    std::uint64_t m_state;
};
