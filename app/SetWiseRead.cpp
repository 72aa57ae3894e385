// The forward-only reading keeps one fetch block in memory whatever the size of the day, and the
// dataset goes back to the buffered reading its per-key statements expect.
#include "app/SetWiseRead.h"

namespace {

class TForwardOnly {
public:
    explicit TForwardOnly(TOracleDataSet& dataSet) : FDataSet(dataSet), FWas(dataSet.Unidirectional()) {
        FDataSet.Close();
        FDataSet.SetUnidirectional(true);
    }
    ~TForwardOnly() {
        FDataSet.Close();
        FDataSet.SetUnidirectional(FWas);
    }
    TForwardOnly(const TForwardOnly&) = delete;
    TForwardOnly& operator=(const TForwardOnly&) = delete;

private:
    TOracleDataSet& FDataSet;
    bool FWas;
};

} // namespace

void ReadEveryRow(TOracleDataSet& dataSet, const std::string& text, TLookupVariables variables,
                  const std::function<void(TOracleDataSet&)>& eachRow) {
    const TForwardOnly forwardOnly(dataSet);
    RunLookup(dataSet, text, variables);
    for (; !dataSet.Eof(); dataSet.Next())
        eachRow(dataSet);
}

bool AnyNull(const TOracleDataSet& dataSet, std::initializer_list<const char*> columns) {
    return std::any_of(columns.begin(), columns.end(),
                       [&](const char* column) { return dataSet.FieldByName(column).IsNull(); });
}
