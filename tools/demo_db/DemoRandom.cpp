// SplitMix64 (Steele, Lea, Flood): one addition and three mixing steps per number; its whole output
// is fixed by the seed, which is what a reproducible demo database needs.
#include "tools/demo_db/DemoRandom.h"

#include <cassert>

std::uint64_t TDemoRandom::Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

long long TDemoRandom::Between(long long low, long long high) {
    assert(low <= high);
    const auto span = static_cast<std::uint64_t>(high - low) + 1;
    return low + static_cast<long long>(Next() % span);
}

double TDemoRandom::Real(double low, double high) {
    const double unit = static_cast<double>(Next() >> 11) / static_cast<double>(1ULL << 53);
    return low + (high - low) * unit;
}

bool TDemoRandom::Chance(double probability) {
    return Real(0.0, 1.0) < probability;
}
