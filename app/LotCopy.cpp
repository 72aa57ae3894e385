// One UPDATE in the run's transaction; a position without detail row gets NULL, as the subquery finds
// nothing.
#include "app/LotCopy.h"

#include "app/LookupCycle.h"
#include "platform/settings/DateText.h"

void RedundancnoFilanjeStevilaLotov(TRunContext& context, int otLik) {
    TOracleDataSet& query = context.DM.Qoblim_fifo2;
    const std::string statement =
        std::string("UPDATE oblim d ") + " SET d.stevilo_lotov= " + "  (select max(o.stevilo_lotov) " +
        "   from oblimd1 o " + "   where o.dat_stanja=   d.dat_stanja " +
        "   AND   o.ot_lik=       d.ot_lik " + "   AND   o.id_seq_oblim= d.id_seq_oblim " + " ) " +
        "   WHERE d.dat_stanja='" + FormatShortDate(context.ReportDay) + "' " +
        "   AND d.ot_lik=" + std::to_string(otLik);
    Reported("2.\r" + statement, [&] {
        query.Close();
        query.SetSQLText(statement);
        query.ExecuteStatement();
        query.Close();
    });
}
