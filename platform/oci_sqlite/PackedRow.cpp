#include "platform/oci_sqlite/PackedRow.h"

#include <cstring>
#include <sqlite3.h>

namespace ocisqlite {

namespace {

enum Tag : char { kNull, kInteger, kReal, kText };

template <typename T> void Append(std::string& packed, T value) {
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    packed.append(bytes, sizeof value);
}

template <typename T> T Take(const std::string& packed, size_t& at) {
    T value;
    std::memcpy(&value, packed.data() + at, sizeof value);
    at += sizeof value;
    return value;
}

} // namespace

std::string PackCurrentRow(sqlite3_stmt* stmt) {
    std::string packed;
    const int count = sqlite3_column_count(stmt);
    for (int i = 0; i < count; ++i) {
        switch (sqlite3_column_type(stmt, i)) {
        case SQLITE_NULL:
            packed.push_back(kNull);
            break;
        case SQLITE_INTEGER:
            packed.push_back(kInteger);
            Append<int64_t>(packed, sqlite3_column_int64(stmt, i));
            break;
        case SQLITE_FLOAT:
            packed.push_back(kReal);
            Append<double>(packed, sqlite3_column_double(stmt, i));
            break;
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
            const auto length = static_cast<uint32_t>(sqlite3_column_bytes(stmt, i));
            packed.push_back(kText);
            Append<uint32_t>(packed, length);
            packed.append(text, length);
        }
        }
    }
    return packed;
}

void UnpackRow(const std::string& packed, Row& row) {
    row.clear();
    for (size_t at = 0; at < packed.size();) {
        switch (packed[at++]) {
        case kNull:
            row.emplace_back(std::monostate{});
            break;
        case kInteger:
            row.emplace_back(Take<int64_t>(packed, at));
            break;
        case kReal:
            row.emplace_back(Take<double>(packed, at));
            break;
        default: {
            const auto length = Take<uint32_t>(packed, at);
            row.emplace_back(packed.substr(at, length));
            at += length;
        }
        }
    }
}

} // namespace ocisqlite
