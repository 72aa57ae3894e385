// FNV-1a over the sorted row texts: fixed across builds and machines, unlike std::hash.
#include "ResultDigest.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <vector>

namespace runtest {

namespace {

std::vector<std::string> RowTexts(TOracleSession& session, const std::string& table, const std::string& day,
                                  int riskType, bool everyColumn) {
    TOracleQuery query("Digest");
    query.SetSession(&session);
    query.SetSQLText("SELECT * FROM " + table + " WHERE DAT_STANJA='" + day +
                     "' AND OT_LIK=" + std::to_string(riskType));
    std::vector<std::string> rows;
    for (query.Execute(); !query.Eof(); query.Next()) {
        std::string text;
        for (int column = 0; column < query.ColumnCount(); ++column) {
            const std::string name = query.ColumnName(column);
            if (!everyColumn && (name == "ID" || name == "DAT_VPISA"))
                continue;
            text += name + "=" + (query.ColumnIsNull(column) ? "NULL" : query.ColumnAsString(column)) + "\t";
        }
        rows.push_back(text);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::uint64_t Fnv1a(const std::vector<std::string>& rows) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const std::string& row : rows)
        for (unsigned char c : row + "\n") {
            hash ^= c;
            hash *= 1099511628211ull;
        }
    return hash;
}

} // namespace

std::vector<std::string> StoredRows(TOracleSession& session, const std::string& day, int riskType) {
    std::vector<std::string> rows;
    for (const char* table : {"OBLIM", "OBLIMD1", "OBLIAM"})
        for (const std::string& row : RowTexts(session, table, day, riskType, true))
            rows.push_back(std::string(table) + "\t" + row);
    return rows;
}

std::string ResultDigests(TOracleSession& session, const std::string& day, int riskType) {
    std::string lines;
    for (const char* table : {"OBLIM", "OBLIMD1", "OBLIAM"}) {
        const std::vector<std::string> rows = RowTexts(session, table, day, riskType, false);
        char line[96];
        std::snprintf(line, sizeof line, "%s %d %zu %016" PRIx64 "\n", table, riskType, rows.size(),
                      Fnv1a(rows));
        lines += line;
    }
    return lines;
}

} // namespace runtest
