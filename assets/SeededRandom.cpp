// assets/SeededRandom.cpp — splitmix64 for seeds and hashes, xorshift64* for streams.
#include "assets/SeededRandom.h"

namespace {

std::uint64_t splitmix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

double toUnit(std::uint64_t x) {
    return static_cast<double>(x >> 11) * (1.0 / 9007199254740992.0);
}

}  // namespace

SeededRandom::SeededRandom(std::uint64_t seed) : m_state(splitmix(seed) | 1) {}

double SeededRandom::unit() {
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    return toUnit(m_state * 0x2545F4914F6CDD1Dull);
}

int SeededRandom::integer(int low, int high) {
    int n = static_cast<int>(unit() * (high - low + 1));
    return low + (n > high - low ? high - low : n);
}

double SeededRandom::hash(int a, int b, std::uint64_t seed) {
    std::uint64_t x = splitmix(
        seed ^ splitmix(static_cast<std::uint64_t>(static_cast<std::uint32_t>(a)) |
                        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(b)) << 32)));
    return toUnit(x);
}
