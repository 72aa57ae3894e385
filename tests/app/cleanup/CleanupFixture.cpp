// Rows go in with plain INSERTs through the layer, as the writers would have left them.
#include "CleanupFixture.h"

#include "platform/settings/DateTime.h"

namespace cleanuptest {

namespace {

std::string Quoted(const std::string& text) {
    std::string result = "'";
    for (const char c : text)
        result += c == '\'' ? std::string("''") : std::string(1, c);
    return result + "'";
}

std::string DateOrNull(const std::string& text) {
    return text.empty() ? "NULL" : Quoted(text);
}

} // namespace

void CleanupTest::SetUp() {
    AppTest::SetUp();
    Context->ReportDay = EncodeDate(2026, 3, 31);
    Account(1, "A", '6');
}

void CleanupTest::Account(int ctrl, const std::string& konto, char vknt) {
    Run({"INSERT INTO MATRIKA (CTRL, VPRC, VKNT) VALUES (" + std::to_string(ctrl) + ", '3', '" + vknt + "')",
         "INSERT INTO SIFKONT (CTRL, OZNAKA) VALUES (" + std::to_string(ctrl) + ", " + Quoted(konto) + ")"});
}

void CleanupTest::Store(const TPosition& p) {
    const std::string id = std::to_string(p.Id);
    const std::string keys = Quoted(Day) + ", " + std::to_string(p.OtLik);
    Run({"INSERT INTO OBLIM (ID, ID_SEQ_OBLIM, DAT_STANJA, OT_LIK, ID_KONTO, POGODBA, DAT_OTVORITVE, "
         "DAT_ZAPADLOSTI, STEVILO_LOTOV) VALUES (" +
             id + ", " + id + ", " + keys + ", " + Quoted(p.Konto) + ", " + Quoted(p.Pogodba) + ", " +
             DateOrNull(p.Opening) + ", " + DateOrNull(p.Maturity) + ", 7)",
         "INSERT INTO OBLIMD1 (ID_SEQ_OBLIM, DAT_STANJA, OT_LIK, ID_KONTO, DAT_ZAPADLOSTI, ZNSVAL, "
         "ZNSDOMVAL, "
         "STEVILO_LOTOV) VALUES (" +
             id + ", " + keys + ", " + Quoted(p.Konto) + ", " + DateOrNull(p.Maturity) + ", " +
             std::to_string(p.Znsval) + ", " + std::to_string(p.Znsdomval) + ", " +
             std::to_string(p.Znsdomval) + ")"});
}

namespace {

std::vector<int> Integers(TOracleSession& session, const std::string& text) {
    TOracleQuery query("Read");
    query.SetSession(&session);
    query.SetSQLText(text);
    query.Execute();
    std::vector<int> values;
    for (; !query.Eof(); query.Next())
        values.push_back(query.ColumnAsInteger(0));
    return values;
}

} // namespace

std::vector<int> CleanupTest::OblimIds(int otLik) {
    return Integers(DM->OracleSession1, "SELECT ID FROM OBLIM WHERE DAT_STANJA = '" + Day +
                                            "' AND OT_LIK = " + std::to_string(otLik) + " ORDER BY ID");
}

std::vector<int> CleanupTest::DetailIds(int otLik) {
    return Integers(DM->OracleSession1, "SELECT ID_SEQ_OBLIM FROM OBLIMD1 WHERE DAT_STANJA = '" + Day +
                                            "' AND OT_LIK = " + std::to_string(otLik) +
                                            " ORDER BY ID_SEQ_OBLIM");
}

std::optional<double> CleanupTest::Number(const std::string& text) {
    TOracleQuery query("Read");
    query.SetSession(&DM->OracleSession1);
    query.SetSQLText(text);
    query.Execute();
    if (query.Eof() || query.ColumnIsNull(0))
        return std::nullopt;
    return query.ColumnAsFloat(0);
}

} // namespace cleanuptest
