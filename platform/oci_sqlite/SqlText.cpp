// ASCII case folding, as Oracle folds unquoted names. Characters outside ASCII are kept as written,
// since no Oracle identifier folds them.
#include "platform/oci_sqlite/SqlText.h"

#include <cctype>

namespace ocisqlite {

std::string UpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

} // namespace ocisqlite
