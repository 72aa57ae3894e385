// SpremenivBazivknt6: three statements on Qoblim_fifo2 per settlement, each saved before it runs;
// the details' maturities are reset once after the last settlement, as each reset replaced the
// previous one whole and nothing in between reads them. The consumed rows'
// details are deleted before their OBLIM rows, while the subquery can still find them, so no
// detail is left without its position.
#include "app/SignCleanup.h"

#include "app/LookupCycle.h"
#include "app/StatementDump.h"
#include "platform/settings/DateText.h"
#include "platform/settings/FloatText.h"

#include <vector>

namespace {

std::string NumberText(double value) {
    return CommaToPoint(FloatToStr(value));
}

// The server takes at most 1,000 expressions in a list, so a long id list goes in several
// statements of at most that many ids each; together they delete the same rows.
constexpr std::size_t MaxListItems = 1000;

std::vector<std::string> IdChunks(const std::string& ids) {
    std::vector<std::string> chunks;
    std::size_t start = 0, items = 0;
    for (std::size_t i = 0; i <= ids.size(); ++i) {
        if (i < ids.size() && ids[i] != ',')
            continue;
        if (++items == MaxListItems || i == ids.size()) {
            chunks.push_back(ids.substr(start, i - start));
            start = i + 1;
            items = 0;
        }
    }
    return chunks;
}

void RunSaved(TRunContext& context, const std::string& errorPrefix, const std::string& fileName,
              const std::string& statement) {
    TOracleDataSet& query = context.DM.Qoblim_fifo2;
    Reported(errorPrefix + "\r" + statement, [&] {
        query.Close();
        query.SetSQLText(statement);
        SaveStatementText(context.AppDir + fileName, statement);
        query.ExecuteStatement();
        query.Close();
    });
}

} // namespace

void SpremenivBazivknt6(TRunContext& context, int otLik, const TSignSettlement& settlement) {
    const std::string day = FormatShortDate(context.ReportDay);
    const std::string n = std::to_string(otLik);
    const std::string dayAndRisk = "   AND d.dat_stanja='" + day + "' " + "   AND d.OT_LIK=" + n;
    for (const std::string& ids : IdChunks(settlement.Ids)) {
        RunSaved(context, "1.", "_brisioblimd1.sql",
                 std::string("DELETE FROM oblimd1 d ") + " WHERE d.id_seq_oblim in " +
                     "   ( SELECT o.id_seq_oblim FROM oblim o " + "       WHERE o.id in (" + ids + ")  " +
                     "       AND o.dat_stanja='" + day + "' " + "       AND o.OT_LIK=" + n + "   )" +
                     dayAndRisk);
        RunSaved(context, "1.", "_brisi.sql",
                 std::string("DELETE FROM oblim ") + " WHERE oblim.id in (" + ids + ")  " +
                     " AND oblim.dat_stanja='" + day + "' " + " AND oblim.OT_LIK=" + n);
    }
    RunSaved(context, "2.", "_spremenioblimd1.sql",
             std::string("UPDATE oblimd1 d ") + " SET d.znsval=" + NumberText(settlement.Val) +
                 " ,   d.znsdomval=" + NumberText(settlement.Dom) + " ,   d.stevilo_lotov=" +
                 NumberText(settlement.Dom) + " , d.dat_zapadlosti='" + FormatShortDate(settlement.Date) +
                 "' " + " WHERE d.id_seq_oblim in " + "   ( SELECT o.id_seq_oblim FROM oblim o " +
                 "       WHERE o.id =  " + std::to_string(settlement.Id) + "       AND o.dat_stanja='" + day +
                 "' " + "       AND o.OT_LIK=" + n + "   )" + dayAndRisk);
}

void NastaviZapadlostiOblimD1(TRunContext& context, int otLik) {
    const std::string day = FormatShortDate(context.ReportDay);
    const std::string n = std::to_string(otLik);
    RunSaved(context, "2.", "_setdat_zapadlosti_d1.sql",
             std::string("UPDATE oblimd1 d ") +
                 " SET d.dat_zapadlosti= " + "  (select max(o.dat_zapadlosti) " + "   from oblim o " +
                 "   where o.dat_stanja=   d.dat_stanja " + "   AND   o.ot_lik=       d.ot_lik " +
                 "   AND   o.id_seq_oblim= d.id_seq_oblim " + " ) " + "   WHERE d.dat_stanja='" + day + "' " +
                 "   AND d.ot_lik=" + n);
}
