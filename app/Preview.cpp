// The preview and the plan detail. Both show the failing statement before the error goes on to the
// default display; the preview names the day in the short date format the grid shows it in.
#include "app/Preview.h"

#include "app/LookupCycle.h"
#include "platform/settings/DateText.h"

namespace {

std::string PreviewStatement(TDateTime reportDay, int riskType) {
    return std::string("SELECT OBLIM.*, OBLIMD1.* FROM OBLIM, OBLIMD1 ") + " WHERE OBLIM.DAT_STANJA='" +
           FormatShortDate(reportDay) + "' " + " AND OBLIM.ID_SEQ_OBLIM=OBLIMD1.ID_SEQ_OBLIM " +
           " AND OBLIM.OT_LIK=" + std::to_string(riskType) + " AND OBLIM.DAT_STANJA=OBLIMD1.DAT_STANJA " +
           " AND OBLIM.OT_LIK=OBLIMD1.OT_LIK " + " ORDER BY OBLIM.ID_SEQ_OBLIM";
}

const std::string kPlanStatement = std::string("SELECT * FROM OBLIAM ") + " WHERE DAT_STANJA = :DAT_STANJA " +
                                   " AND OT_LIK= :OT_LIK " + " AND ID_SEQ_OBLIM = :ID_SEQ_OBLIM ";

} // namespace

void Predogled(TRunContext& context, int riskType) {
    TOracleDataSet& q1 = context.DM.Q1;
    context.Labels->SetGridSource(context.DM.DataSource1);
    Ui().ProcessMessages();
    const std::string statement = PreviewStatement(context.ReportDay, riskType);
    Reported(statement, [&] {
        RunLookup(q1, statement);
        context.Labels->SetStevilo(std::to_string(q1.RecordCount()));
        q1.First();
    });
}

int IzbranaPozicija(TDataModule& dm) {
    const TField* field = dm.Q1.Active() ? dm.Q1.FindField("ID_SEQ_OBLIM") : nullptr;
    if (!field)
        return 0;
    try {
        return field->AsInteger();
    } catch (const std::exception&) {
        return 0;
    }
}

bool BeriObliam(TRunContext& context, int riskType, int idSeqOblim) {
    TOracleDataSet& plan = context.DM.Qobliam1;
    return Reported(kPlanStatement, [&] {
        RunLookup(plan, kPlanStatement,
                  {{"OT_LIK", TVariant::FromText(std::to_string(riskType))},
                   {"DAT_STANJA", DayValue(context.ReportDay)},
                   {"ID_SEQ_OBLIM", TVariant::FromInteger(idSeqOblim)}});
        return plan.RecordCount() > 0;
    });
}
