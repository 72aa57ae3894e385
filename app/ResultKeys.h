// The account and currency code of a result row as the valuation takes them from the source row:
// trimmed of blanks and control characters and cut, by whole characters, to the bytes of their
// result columns. The journal keys the source totals the same way, so that both always balance.
#pragma once

#include <string>
#include <string_view>

//! ID_KONTO of a source row's KONTO.
std::string ResultAccount(std::string_view konto);
//! ID_VAL of a source row's VLTIDBNK.
std::string ResultCurrency(std::string_view vltidbnk);
