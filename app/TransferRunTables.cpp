// The result tables at the start of a run. The day and the risk type are spliced: the day is a text
// the run formats itself and the risk type a number, so nothing from outside reaches the statements.
#include "app/LookupCycle.h"
#include "app/TransferRunSteps.h"

namespace {

struct TResultTable {
    const char* Name;
    TOracleDataSet TDataModule::*DataSet;
};

// The order of the deletions and of the opening.
const TResultTable kResultTables[] = {
    {"OBLIM", &TDataModule::Qoblim}, {"OBLIMD1", &TDataModule::QOblimD1}, {"OBLIAM", &TDataModule::Qobliam}};

void ExecuteOn(TOracleDataSet& dataSet, const std::string& statement) {
    dataSet.Close();
    dataSet.SetSQLText(statement);
    dataSet.ExecuteStatement();
}

// OBLIAM is opened over the day's rows of every risk type; only appending needs it open.
std::string AppendStatement(const TResultTable& table, const TRowOutput& output) {
    const std::string name = table.Name;
    const std::string select = "SELECT " + name + ".*, " + name + ".ROWID FROM " + name + " ";
    if (name == "OBLIAM")
        return select + " WHERE DAT_STANJA='" + output.OblimRow.DAT_STANJA + "' ";
    return select + DayAndRiskCondition(output.OblimRow.DAT_STANJA, output.RiskType);
}

} // namespace

std::string DayAndRiskCondition(const std::string& datStanja, int riskType) {
    return " WHERE DAT_STANJA='" + datStanja + "' " + " AND OT_LIK=" + std::to_string(riskType);
}

void BrisanjeStarihRezultatov(TRunContext& context, const TRowOutput& output) {
    for (const TResultTable& table : kResultTables) {
        const std::string name = table.Name;
        const std::string statement =
            "DELETE FROM " + name + DayAndRiskCondition(output.OblimRow.DAT_STANJA, output.RiskType);
        Reported("Napaka pri brisanju v tabeli " + name + " \r" + statement,
                 [&] { ExecuteOn(context.DM.*table.DataSet, statement); });
    }
}

void OdpriRezultateZaDodajanje(TRunContext& context, const TRowOutput& output) {
    for (const TResultTable& table : kResultTables) {
        const std::string statement = AppendStatement(table, output);
        Reported(std::string("Napaka v tabeli ") + table.Name,
                 [&] { RunLookup(context.DM.*table.DataSet, statement); });
    }
}
