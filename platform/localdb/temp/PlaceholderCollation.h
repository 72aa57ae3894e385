// The text order of the local engine: by character code, except that the placeholder character
// "ÿ" (code 255, which marks total rows) sorts after every other character, as it did in the
// single-byte code page the reports were designed for. Installed as the connection's BINARY
// collation, so every comparison, ORDER BY and GROUP BY of the local queries follows it.
#pragma once

#include <string_view>

class TLocalDatabase;

//! Negative, zero or positive as a sorts before, with or after b.
int ComparePlaceholderLast(std::string_view a, std::string_view b);
void InstallPlaceholderCollation(TLocalDatabase& database);
