// The per-position reads of a run, read set-wise: one statement per run gives the values of every
// key, held sorted in memory. A key the statement gave no row keeps the value its per-key statement
// gives for no rows (a sum or maximum of nothing is NULL, read as 0 or "").
#pragma once

#include "app/LookupCache.h"
#include "app/LookupCycle.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <utility>
#include <vector>

//! Values by key, filled once by a set-wise read and then only looked up.
template <typename TKey, typename TValue> class TKeyedValues {
public:
    void Add(TKey key, TValue value) { FRows.emplace_back(std::move(key), std::move(value)); }

    //! Orders the rows for Find; called once after the last Add.
    void Seal() {
        FRows.shrink_to_fit();
        std::sort(FRows.begin(), FRows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    }

    //! The key's value, or absent when the read had no row for it.
    const TValue& Find(const TKey& key, const TValue& absent) const {
        const auto found = std::lower_bound(FRows.begin(), FRows.end(), key,
                                            [](const auto& row, const TKey& k) { return row.first < k; });
        return found != FRows.end() && found->first == key ? found->second : absent;
    }

    //! The value of the greatest key not above key, or absent when every key is above it.
    const TValue& AtOrBefore(const TKey& key, const TValue& absent) const {
        const auto after = std::upper_bound(FRows.begin(), FRows.end(), key,
                                            [](const TKey& k, const auto& row) { return k < row.first; });
        return after == FRows.begin() ? absent : std::prev(after)->second;
    }

private:
    std::vector<std::pair<TKey, TValue>> FRows;
};

//! Runs text on the dataset reading forward only and calls eachRow with the dataset on every row;
//! the dataset is closed afterwards, so only what eachRow keeps stays in memory.
void ReadEveryRow(TOracleDataSet& dataSet, const std::string& text, TLookupVariables variables,
                  const std::function<void(TOracleDataSet&)>& eachRow);

//! Whether any of the columns is NULL in the current row: such a group matches no bound key.
bool AnyNull(const TOracleDataSet& dataSet, std::initializer_list<const char*> columns);

//! The run's table TTable: at its first use in the run every row of text is handed to
//! addRow(table, dataSet) and the table sealed; a failed read shows message.
template <typename TTable, typename TAddRow>
const TTable& RunTable(TLookupCache& lookups, TOracleDataSet& dataSet, const std::string& message,
                       const std::string& text, TLookupVariables variables, TAddRow&& addRow) {
    return lookups.Table<TTable>([&](TTable& table) {
        Reported(message, [&] {
            ReadEveryRow(dataSet, text, variables, [&](TOracleDataSet& row) { addRow(table, row); });
        });
        table.Seal();
    });
}
