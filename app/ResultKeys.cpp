#include "app/ResultKeys.h"

#include "platform/settings/TextUtils.h"

namespace {
// The widths of OBLIMD1's ID_KONTO and ID_VAL, in bytes.
constexpr std::size_t kAccountBytes = 8;
constexpr std::size_t kCurrencyBytes = 3;
} // namespace

std::string ResultAccount(std::string_view konto) {
    return FirstBytes(TrimBlanksAndControls(konto), kAccountBytes);
}

std::string ResultCurrency(std::string_view vltidbnk) {
    return FirstBytes(TrimBlanksAndControls(vltidbnk), kCurrencyBytes);
}
