// The repayment plans come after the clean-up, so that positions it deleted get none and the lot
// counts are the ones it left. Qoblim is reopened without ROWID: from here on it is only read, forward,
// keeping only the rows a block of plans may still need.
// The plans' rows go out in blocks; a failing row moves Qoblim back to its position, so the
// failure names it. obliam.SQL holds the last block's INSERT with its values.
#include "app/DataSetReading.h"
#include "app/LookupCycle.h"
#include "app/RepaymentPlan.h"
#include "app/TransferRunSteps.h"

namespace {

void ZapisNacrtaPozicije(TRunContext& context, TRowOutput& output, TInsertBlock& block,
                         const std::string& progress) {
    TOracleDataSet& oblim = context.DM.Qoblim;
    const std::int64_t idSeqOblim = oblim.FieldByName("ID_SEQ_OBLIM").AsLargeInt();
    const int sfvp = oblim.FieldByName("SFVP").AsInteger();
    output.OblimRow.STEVILO_LOTOV = oblim.FieldByName("STEVILO_LOTOV").AsFloat();
    ShowProgress(context, progress);
    if (oblim.FieldByName("AMORTIZACIJSKI").AsString() == "1" && output.OblimRow.STEVILO_LOTOV != 0)
        ZapisVrsticObliam(context.DM, output, idSeqOblim, sfvp, output.OblimRow.STEVILO_LOTOV, block,
                          oblim.RecNo());
}

} // namespace

void ZapisAmortizacijskihNacrtov(TRunContext& context, TRowOutput& output) {
    TOracleDataSet& oblim = context.DM.Qoblim;
    // Fetched as reached, counted by the server: the positions are many and are read once, forward.
    const TReadingScope forward(oblim, false, true);
    Reported("Napaka v tabeli OBLIM", [&] {
        RunLookup(oblim,
                  "SELECT * FROM OBLIM " + DayAndRiskCondition(output.OblimRow.DAT_STANJA, output.RiskType));
        TInsertBlock block = ObliamBlock(context.DM, context.AppDir + "obliam.SQL",
                                         [&](int recNo, const auto&, const auto&) { oblim.SetRecNo(recNo); });
        const std::string ofCount = " / " + std::to_string(oblim.RecordCount()) + "  obliam ";
        int j = 1;
        for (oblim.First(); !oblim.Eof(); oblim.Next(), ++j) {
            ZapisNacrtaPozicije(context, output, block, std::to_string(j) + ofCount);
            if (j % InsertBlockRows == 0)
                oblim.DiscardBefore(block.OldestPendingTag() < 0 ? oblim.RecNo() : block.OldestPendingTag());
        }
        block.Flush();
        // Only the last rows are left; closed, it shows none rather than a part.
        oblim.Close();
    });
}
