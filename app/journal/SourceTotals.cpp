#include "app/journal/SourceTotals.h"

#include "app/ResultKeys.h"

void TSourceTotals::Add(std::string_view konto, std::string_view vltidbnk, double znesek, bool null) {
    TSourceTotal& total = FTotals[{ResultAccount(konto), ResultCurrency(vltidbnk)}];
    ++total.Rows;
    if (!null)
        total.Amount.Add(znesek);
}
