// Rows are printed as the layer gives them, dates with their time of day, so that the listing reads
// the same in a log as in the window's grid.
#include "JournalCommands.h"

#include "app/journal/JournalAmounts.h"
#include "app/journal/JournalStatements.h"
#include "app/journal/KilledRuns.h"
#include "app/journal/ReconciliationReport.h"
#include "oracle/OracleData.h"
#include "oracle/OracleTypes.h"
#include "platform/localdb/export/DataSetExport.h"
#include "platform/settings/DateText.h"

namespace {

std::string Cell(const TOracleQuery& query, int index) {
    if (query.ColumnIsNull(index))
        return {};
    if (query.ColumnType(index) == otType::otDate)
        return FormatDateTime(query.ColumnAsDate(index));
    return query.ColumnAsString(index);
}

void PrintRows(TRunContext& context, const TJournalStatement& statement, std::ostream& out) {
    TJournalQuery query(context.DM.OracleSession1);
    query.Run(statement.Sql, statement.Values);
    for (int i = 0; i < query.Query.ColumnCount(); ++i)
        out << (i ? "\t" : "") << query.Query.ColumnName(i);
    out << "\n";
    for (; !query.Query.Eof(); query.Query.Next()) {
        for (int i = 0; i < query.Query.ColumnCount(); ++i)
            out << (i ? "\t" : "") << Cell(query.Query, i);
        out << "\n";
    }
    out.flush();
}

} // namespace

void PrintJournal(TRunContext& context, int days, std::ostream& out) {
    MarkKilledRuns(context.DM.OracleSession1);
    PrintRows(context, JournalListing(Now() - days), out);
}

void ExportJournal(TRunContext& context, int days, const std::string& fileName) {
    MarkKilledRuns(context.DM.OracleSession1);
    TOracleDataSet journal("QDnevnik");
    journal.SetSession(&context.DM.OracleSession1);
    OpenJournalDataSet(journal, JournalListing(Now() - days));
    ShowAmounts(journal);
    ExportDataSetToFile(journal, fileName, ExportFormatOfFile(fileName));
}

void PrintComparison(TRunContext& context, TDateTime before, TDateTime after, int riskType,
                     std::ostream& out) {
    PrintRows(context, DayComparison(before, after, riskType), out);
    out << "\n";
    PrintRows(context, AccountComparison(before, after, riskType), out);
}

void WriteRunReport(TRunContext& context, const std::string& fileName) {
    if (context.JournalId == 0)
        throw Exception("Poročila " + fileName + " ni: baza nima dnevnika prenosov (OBLI_DNEVNIK).");
    WriteReconciliationReport(fileName, ReadReconciliation(context.DM.OracleSession1, context.JournalId));
}
