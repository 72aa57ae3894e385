// The call goes through Qp, whose output variables the data module declares as texts.
#include "app/ClosingProcedure.h"

#include "app/LockConflicts.h"
#include "app/LookupCycle.h"
#include "platform/settings/DateText.h"

namespace {

std::string VariableText(const TOracleQuery& query, const std::string& name) {
    const TVariant value = query.VariableValue(name);
    return value.IsNull() ? std::string() : value.Text();
}

} // namespace

void PrepissProceduro(TRunContext& context, int otLik) {
    const std::string statement =
        std::string(" begin ") + "OBLI_COPY( " + " '" + FormatDayMonthYear(context.ReportDay) + "', " + " " +
        std::to_string(otLik) + ", " + " :status, " + " :StatusText " + " ) " + " ; end; ";
    TOracleQuery& qp = context.DM.Qp;
    Reported("Napaka pri klicu procedure: \r" + statement, [&] {
        // After the run's commit: the next run may hold the archive's locks for a while.
        WaitingOnLocks(context, "drug prenos", [&] {
            qp.CloseStatement();
            qp.SetSQLText(statement);
            qp.Execute();
        });
        Ui().ShowMessage("Status: " + VariableText(qp, "status") + "\r" +
                         "StatusText: " + VariableText(qp, "StatusText"));
    });
}
