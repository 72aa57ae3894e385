// The heart of the run: one valued position per source row. The sequence number restarts with every
// run, so it links a day's OBLIM and OBLIMD1 rows of one risk type and nothing more. The rows go
// out in blocks tagged with Q1's record number; a refused row moves Q1 back to its source row, so
// the failure names that position. Q1 keeps only the source rows a block may still need.
#include "app/RowWriters.h"
#include "app/TransferRunSteps.h"
#include "app/Valuation.h"

void ZapisPozicij(TRunContext& context, TRowOutput& output, int rowCount, TSourceTotals& sourceTotals) {
    TOracleDataSet& q1 = context.DM.Q1;
    const std::string ofCount = " / " + std::to_string(rowCount) + "  oblim ";
    TPositionRows rows(context.DM, [&](int recNo) { q1.SetRecNo(recNo); });
    std::int64_t seq = 0;
    q1.First();
    for (int i = 1; !q1.Eof(); ++i, q1.Next()) {
        ShowProgress(context, std::to_string(i) + ofCount);
        const TField& znesek = q1.FieldByName("ZNESEK");
        sourceTotals.Add(q1.FieldByName("KONTO").AsString(), q1.FieldByName("VLTIDBNK").AsString(),
                         znesek.IsNull() ? 0.0 : znesek.AsFloat(), znesek.IsNull());
        const std::string kindLetter = KindLetterFromVknt(q1.FieldByName("VKNT").AsString());
        output.OblimRow.OPKRTBNK = q1.FieldByName("OPKRTBNK").AsString();
        PolniPodatke(context, output, kindLetter);
        ++seq;
        ZapisVrsticeOblim(context.DM, output, seq, rows, q1.RecNo());
        ZapisVrsticeOblimD1(context.DM, output, seq, rows, q1.RecNo());
        if (i % InsertBlockRows == 0)
            q1.DiscardBefore(rows.OldestPendingTag() < 0 ? q1.RecNo() : rows.OldestPendingTag());
    }
    rows.Flush();
    // Read to its end, Q1 gives its rows' room back to the steps that follow.
    q1.Close();
}
