// Small text helpers shared by the engine: Oracle folds unquoted names to upper case.
#pragma once

#include <string>
#include <string_view>

namespace ocisqlite {

std::string UpperCase(std::string_view text);

} // namespace ocisqlite
