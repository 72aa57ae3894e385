// Base-64 digits in Oracle's order (A-Z a-z 0-9 + /), most significant first, and the SQL functions
// that let statements compare a ROWID text with a table's rowid.
#include "platform/oci_sqlite/RowidCodec.h"

#include "platform/oci_sqlite/sql/Translator.h"

#include <sqlite3.h>

namespace ocisqlite {

namespace {
constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int kRowBits = 18; // three digits

void AppendDigits(std::string& out, int64_t value, int width) {
    for (int i = width - 1; i >= 0; --i)
        out += kDigits[(value >> (6 * i)) & 63];
}

std::optional<int64_t> ReadDigits(const std::string& text, size_t from, int width) {
    int64_t value = 0;
    for (int i = 0; i < width; ++i) {
        const char c = text[from + i];
        int digit;
        if (c >= 'A' && c <= 'Z')
            digit = c - 'A';
        else if (c >= 'a' && c <= 'z')
            digit = c - 'a' + 26;
        else if (c >= '0' && c <= '9')
            digit = c - '0' + 52;
        else if (c == '+')
            digit = 62;
        else if (c == '/')
            digit = 63;
        else
            return std::nullopt;
        value = (value << 6) | digit;
    }
    return value;
}

} // namespace

int64_t TableObjectNumber(sqlite3* db, const std::string& table) {
    sqlite3_stmt* stmt = nullptr;
    int64_t number = 0;
    if (sqlite3_prepare_v2(
            db, "SELECT rootpage FROM sqlite_schema WHERE type = 'table' AND name = ?1 COLLATE NOCASE", -1,
            &stmt, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(stmt, 1, table.c_str(), -1, SQLITE_STATIC);
        if (sqlite3_step(stmt) == SQLITE_ROW)
            number = sqlite3_column_int64(stmt, 0);
    }
    sqlite3_finalize(stmt);
    return number;
}

namespace {

void DecodeFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const unsigned char* text = sqlite3_value_text(argv[0]);
    const auto address = text ? DecodeRowid(reinterpret_cast<const char*>(text)) : std::nullopt;
    if (address)
        sqlite3_result_int64(ctx, address->rowid);
    else
        sqlite3_result_null(ctx);
}

void EncodeFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    // The table argument is a constant of the statement: look its number up once per statement.
    auto* cached = static_cast<int64_t*>(sqlite3_get_auxdata(ctx, 0));
    if (!cached) {
        const char* table = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
        cached = new int64_t(table ? TableObjectNumber(sqlite3_context_db_handle(ctx), table) : 0);
        sqlite3_set_auxdata(ctx, 0, cached, [](void* p) { delete static_cast<int64_t*>(p); });
        cached = static_cast<int64_t*>(sqlite3_get_auxdata(ctx, 0));
    }
    const RowAddress address{cached ? *cached : 0, sqlite3_value_int64(argv[1])};
    const std::string text = EncodeRowid(address);
    sqlite3_result_text(ctx, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}
} // namespace

std::string EncodeRowid(const RowAddress& address) {
    std::string out;
    out.reserve(18);
    AppendDigits(out, address.objectNumber, 6);
    AppendDigits(out, 1, 3);
    AppendDigits(out, address.rowid >> kRowBits, 6);
    AppendDigits(out, address.rowid & ((int64_t{1} << kRowBits) - 1), 3);
    return out;
}

std::optional<RowAddress> DecodeRowid(const std::string& text) {
    if (text.size() != 18)
        return std::nullopt;
    const auto object = ReadDigits(text, 0, 6);
    const auto block = ReadDigits(text, 9, 6);
    const auto row = ReadDigits(text, 15, 3);
    if (!object || !ReadDigits(text, 6, 3) || !block || !row)
        return std::nullopt;
    return RowAddress{*object, (*block << kRowBits) | *row};
}

void RegisterRowidFunctions(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, orasql::kRowidDecodeFunction, 1, flags, nullptr, DecodeFunction, nullptr,
                            nullptr);
    sqlite3_create_function(db, orasql::kRowidEncodeFunction, 2, flags, nullptr, EncodeFunction, nullptr,
                            nullptr);
}

} // namespace ocisqlite
