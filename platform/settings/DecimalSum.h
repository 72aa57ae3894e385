// Sums and averages of amounts without binary residue: each double is taken at its shortest
// decimal text (what the user sees), the sum is kept as a scaled integer, and the result is rounded
// to a double once at the end. 0.1 + 0.2 gives the double nearest 0.3, so it shows as "0,3".
#pragma once

#include <cstdint>

class TDecimalSum {
public:
    //! Decimals kept per value; finer digits are rounded off.
    static constexpr int MaxScale = 9;

    void Add(double value);
    //! Values added so far.
    std::int64_t Count() const { return FCount; }
    //! The exact sum as the nearest double (0 when nothing was added).
    double Value() const;
    //! The exact sum divided by the count (0 when nothing was added).
    double Average() const;

private:
    __int128 FUnits = 0; // the sum in units of 10^-FScale
    int FScale = 0;
    bool FInexact = false;        // a value too large for the scaled sum: binary sum from then on
    long double FBinarySum = 0.0; // kept beside it for that case
    std::int64_t FCount = 0;
};
