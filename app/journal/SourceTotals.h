// The extraction's totals per account and currency, summed from the source rows as the run reads
// them: no second reading of the bookings, and the keys are the result rows' own.
#pragma once

#include "platform/settings/DecimalSum.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>

struct TSourceTotal {
    std::int64_t Rows = 0;
    TDecimalSum Amount; //!< the sum of ZNESEK, NULLs left out
};

class TSourceTotals {
public:
    //! Adds one source row by its KONTO, VLTIDBNK and ZNESEK; null tells a NULL ZNESEK.
    void Add(std::string_view konto, std::string_view vltidbnk, double znesek, bool null);

    using TKey = std::pair<std::string, std::string>;
    const std::map<TKey, TSourceTotal>& ByAccountAndCurrency() const { return FTotals; }

private:
    std::map<TKey, TSourceTotal> FTotals;
};
