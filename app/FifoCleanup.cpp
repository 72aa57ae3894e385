// Both passes scan first and delete afterwards, one delete per cut, in the run's transaction. Each
// failure shows the statement that failed and raises again.
#include "app/FifoCleanup.h"

#include "app/FifoCuts.h"
#include "app/LookupCycle.h"
#include "app/SqlLiteral.h"
#include "app/StatementDump.h"
#include "platform/settings/DateText.h"

namespace {

struct TFifoPass {
    const char* Select; //!< the scan's column list
    bool RiskAfterJoin; //!< pass 1 also filters the risk type right after the join
    const char* OrderBy;
    const char* KeyColumn; //!< the key date column as the scan names it
    const char* DeleteKey; //!< the delete's key-date piece, up to the opening quote
    const char* FileName;
};

const TFifoPass kByOpening{
    "SELECT   d.znsval znsval, o.id_konto id_konto, o.pogodba pogodba, o.dat_otvoritve dat_otvoritve ",
    true,
    " ORDER BY o.id_konto, o.pogodba, o.dat_otvoritve ",
    "dat_otvoritve",
    "   WHERE oblim.dat_otvoritve <= '",
    "fifo1.SQL"};

const TFifoPass kByMaturity{
    "SELECT  d.znsval znsval, o.id_konto id_konto, o.pogodba pogodba, o.dat_zapadlosti "
    "dat_zapadlosti,  dat_otvoritve dat_otvoritve",
    false,
    " ORDER BY o.id_konto, o.pogodba, o.dat_zapadlosti, o.dat_otvoritve ",
    "dat_zapadlosti",
    "   WHERE oblim.dat_zapadlosti <= '",
    "fifo2.SQL"};

std::string ScanStatement(const TFifoPass& pass, const std::string& day, const std::string& n) {
    std::string text = std::string(pass.Select) + "    FROM oblim o, oblimd1 d, sifkont s, matrika m " +
                       "   WHERE m.ctrl = s.ctrl " + "     AND o.id_seq_oblim=d.id_seq_oblim ";
    if (pass.RiskAfterJoin)
        text += "     AND o.ot_lik=" + n + "     AND d.ot_lik=" + n;
    return text + "     AND m.vknt IN ('6') " + "     AND m.vprc = '3' " + "     AND o.id_konto = s.oznaka " +
           "     AND o.dat_stanja='" + day + "' " + "     AND d.dat_stanja='" + day + "' " +
           "     AND o.OT_LIK=" + n + "     AND d.OT_LIK=" + n + pass.OrderBy;
}

std::vector<TFifoCut> ScanCuts(TRunContext& context, const TFifoPass& pass, const std::string& statement) {
    TOracleDataSet& scan = context.DM.Qoblim_fifo;
    return Reported(statement, [&] {
        scan.Close();
        scan.SetSQLText(statement);
        SaveStatementText(context.AppDir + pass.FileName, statement);
        scan.Open();
        TFifoCutList cuts;
        for (scan.First(); !scan.Eof(); scan.Next())
            cuts.Add(scan.FieldByName(pass.KeyColumn).AsString(), scan.FieldByName("id_konto").AsString(),
                     scan.FieldByName("pogodba").AsString(), scan.FieldByName("znsval").AsFloat());
        scan.Close();
        return cuts.Finish();
    });
}

void ExecuteCut(TRunContext& context, const std::string& statement) {
    TOracleDataSet& query = context.DM.Qoblim_fifo;
    Reported(statement, [&] {
        query.Close();
        query.SetSQLText(statement);
        query.ExecuteStatement();
        query.Close();
    });
}

void RunPass(TRunContext& context, const TFifoPass& pass, const std::string& day, const std::string& n) {
    for (const TFifoCut& cut : ScanCuts(context, pass, ScanStatement(pass, day, n))) {
        // A group whose sum never returned to zero between two dates has no date: nothing is closed.
        if (cut.Date.empty())
            continue;
        ExecuteCut(context, "DELETE FROM oblim " + std::string(pass.DeleteKey) + cut.Date + "' " +
                                "     AND oblim.id_konto='" + DoubleQuotes(cut.Konto) + "' " +
                                "     AND oblim.pogodba='" + DoubleQuotes(cut.Pogodba) + "' " +
                                "     AND oblim.dat_stanja='" + day + "' " + "     AND oblim.OT_LIK=" + n);
    }
}

} // namespace

void FIFOBrisanje1(TRunContext& context, int otLik) {
    RunPass(context, kByOpening, FormatShortDate(context.ReportDay), std::to_string(otLik));
}

void FIFOBrisanje2(TRunContext& context, int otLik) {
    const std::string day = FormatShortDate(context.ReportDay);
    const std::string n = std::to_string(otLik);
    RunPass(context, kByMaturity, day, n);
    ExecuteCut(context, std::string(" delete from oblimd1 ") + " where dat_stanja='" + day + "' " +
                            " and ot_lik=" + n + " and id_seq_oblim not in ( " +
                            " select id_seq_oblim  from oblim " + " where dat_stanja='" + day + "' " +
                            " and ot_lik=" + n + " ) ");
}
