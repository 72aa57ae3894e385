// Comparison of UTF-8 texts by code point with "ÿ" (U+00FF) moved behind all others.
#include "platform/localdb/temp/PlaceholderCollation.h"

#include "platform/dataset/DatabaseError.h"
#include "platform/localdb/LocalDatabase.h"

#include <sqlite3.h>

namespace {

constexpr char32_t Placeholder = 0xFF;
constexpr char32_t AfterEverything = 0x110000;

// The next code point of a UTF-8 text; a broken sequence reads byte by byte.
char32_t NextCodePoint(std::string_view text, size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t code = extra ? lead & (0x3F >> extra) : lead;
    for (int i = 0; i < extra && at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
         ++i)
        code = (code << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    return code == Placeholder ? AfterEverything : code;
}

int Collate(void*, int lengthA, const void* a, int lengthB, const void* b) {
    return ComparePlaceholderLast(
        std::string_view(static_cast<const char*>(a), static_cast<size_t>(lengthA)),
        std::string_view(static_cast<const char*>(b), static_cast<size_t>(lengthB)));
}

} // namespace

int ComparePlaceholderLast(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t x = NextCodePoint(a, i), y = NextCodePoint(b, j);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return (i < a.size()) - (j < b.size());
}

void InstallPlaceholderCollation(TLocalDatabase& database) {
    if (sqlite3_create_collation(database.Handle(), "BINARY", SQLITE_UTF8, nullptr, &Collate) != SQLITE_OK)
        throw EDatabaseError(sqlite3_errmsg(database.Handle()));
}
