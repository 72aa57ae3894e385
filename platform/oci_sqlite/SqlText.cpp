// ASCII case folding; names outside ASCII are kept as written.
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
