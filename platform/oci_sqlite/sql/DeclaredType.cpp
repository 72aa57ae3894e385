// Oracle column types as SQLite declared types. The text keeps the Oracle type so that the file
// itself records it, and SQLite still derives a fitting affinity (TEXT for VARCHAR2 and CHAR,
// NUMERIC for NUMBER and DATE, INTEGER for INTEGER).
#include "platform/oci_sqlite/sql/Translator.h"

#include <cctype>
#include <cstdlib>

namespace orasql {

std::string DeclaredType(const ColumnInfo& c) {
    if (c.oracleType == "VARCHAR2" || c.oracleType == "CHAR")
        return c.oracleType + "(" + std::to_string(c.length) + ")";
    if (c.oracleType == "NUMBER" && c.precision > 0) {
        if (c.hasScale && c.scale != 0)
            return "NUMBER(" + std::to_string(c.precision) + "," + std::to_string(c.scale) + ")";
        return "NUMBER(" + std::to_string(c.precision) + ")";
    }
    return c.oracleType;
}

ColumnInfo ParseDeclaredType(std::string_view declared) {
    ColumnInfo c;
    std::string upper;
    for (char ch : declared)
        if (!std::isspace(static_cast<unsigned char>(ch)))
            upper += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    const size_t paren = upper.find('(');
    c.oracleType = upper.substr(0, paren);
    std::vector<int> numbers;
    if (paren != std::string::npos) {
        const char* p = upper.c_str() + paren + 1;
        while (*p && *p != ')') {
            char* end = nullptr;
            numbers.push_back(static_cast<int>(std::strtol(p, &end, 10)));
            p = *end == ',' ? end + 1 : end;
            if (end == p && *p != ')')
                break;
        }
    }
    if (c.oracleType == "VARCHAR2" || c.oracleType == "CHAR") {
        c.length = numbers.empty() ? 1 : numbers[0];
    } else if (c.oracleType == "INTEGER") {
        c.precision = 38;
        c.hasScale = true;
    } else if (c.oracleType == "NUMBER" && !numbers.empty()) {
        c.precision = numbers[0];
        c.hasScale = true;
        c.scale = numbers.size() > 1 ? numbers[1] : 0;
    }
    return c;
}

} // namespace orasql
