// The bond with lots is security 1, the one without a holding security 2, the share security 3, so
// the sequence numbers of a run follow them in the extraction's order.
#include "RunFixture.h"

namespace runtest {

void RunTest::SetUp() {
    ValuationTest::SetUp();
    Security(1, {{"ZPDVP", "'15.03.2030'"}});
    Coupon(1, 1, "01.01.2024", "31.12.2024", {{"SFOBD", "'365'"}, {"OBRPRC", "4"}, {"GLVOBR", "0.5"}});
    Coupon(1, 2, "01.01.2025", "31.12.2025", {{"SFOBD", "'365'"}, {"OBRPRC", "4"}, {"GLVOBR", "0.5"}});
    Insert("VPHST", {{"SFVP", "1"},
                     {"DAN", "'15.03.2024'"},
                     {"IDVP", "100"},
                     {"IDPOG", "10"},
                     {"SFSVP", "'L'"},
                     {"LOT", "7"},
                     {"GLVTCJNKP", "98.5"}});
    // A closed day: the holdings, not the deals, give the lots.
    Insert("ZDNHST", {{"DAN", "'15.03.2024'"}, {"SFDJV", "'L'"}, {"VRDOK", "'D'"}});
    Book({});
    Security(2);
    Coupon(2, 1, "01.01.2024", "31.12.2024", {{"SFOBD", "'365'"}, {"OBRPRC", "3"}});
    Book({.vp = 2, .idvp = "101"});
    Security(3, {{"SFGLVENT", "'K'"}, {"SFFIN", "'DEL'"}});
    Book({.vp = 3, .idvp = "102", .credit = "50"});
}

std::vector<std::string> RunTest::Column(const std::string& sql) {
    TOracleQuery query("Check");
    query.SetSession(&DM->OracleSession1);
    query.SetSQLText(sql);
    std::vector<std::string> values;
    for (query.Execute(); !query.Eof(); query.Next())
        values.push_back(query.ColumnIsNull(0) ? "NULL" : query.ColumnAsString(0));
    return values;
}

int RunTest::Count(const std::string& table, int riskType) {
    return std::stoi(Column("SELECT COUNT(*) FROM " + table + " WHERE DAT_STANJA='" + kDay +
                            "' AND OT_LIK=" + std::to_string(riskType))
                         .front());
}

std::vector<std::string> RunTest::ProgressCalls() const {
    std::vector<std::string> calls;
    for (const std::string& call : Labels.Calls)
        if (call.rfind("step ", 0) != 0)
            calls.push_back(call);
    return calls;
}

} // namespace runtest
