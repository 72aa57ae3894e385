// The demo data's own pseudo-random source: a SplitMix64 sequence from a fixed seed, so the same
// arguments give the same rows on every machine and library version (std::rand and the standard
// distributions are not portable in their output).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TDemoRandom {
public:
    explicit TDemoRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next();
    // A whole number in [low, high], both included; low <= high.
    long long Between(long long low, long long high);
    // A number in [low, high).
    double Real(double low, double high);
    bool Chance(double probability);
    template <class T> const T& Pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(Between(0, static_cast<long long>(items.size()) - 1))];
    }

private:
    std::uint64_t state_;
};
