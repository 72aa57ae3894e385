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

void PackValue(std::string& packed, const Value& value) {
    if (std::holds_alternative<std::monostate>(value)) {
        packed.push_back(kNull);
    } else if (const auto* integer = std::get_if<int64_t>(&value)) {
        packed.push_back(kInteger);
        Append<int64_t>(packed, *integer);
    } else if (const auto* real = std::get_if<double>(&value)) {
        packed.push_back(kReal);
        Append<double>(packed, *real);
    } else {
        const std::string& text = std::get<std::string>(value);
        packed.push_back(kText);
        Append<uint32_t>(packed, static_cast<uint32_t>(text.size()));
        packed += text;
    }
}

} // namespace

std::string PackCurrentRow(sqlite3_stmt* stmt) {
    std::string packed;
    for (int i = 0, count = sqlite3_column_count(stmt); i < count; ++i)
        PackValue(packed, ColumnValue(stmt, i));
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
