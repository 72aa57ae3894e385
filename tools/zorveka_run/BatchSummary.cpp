// Seconds are given to a tenth, enough to tell a slow day from the others; a run that did not run has
// neither rows nor seconds, which is not the same as a run that stored none.
#include "BatchSummary.h"

#include "app/journal/RunJournal.h"
#include "platform/localdb/export/CsvWriter.h"
#include "platform/settings/DateText.h"
#include "platform/settings/TextUtils.h"

#include <cmath>
#include <cstdio>

namespace {

const std::vector<std::string> kHeadings = {"DAN", "TVEGANJE", "IZID", "VRSTIC", "SEKUND"};

double Tenths(double seconds) {
    return std::round(seconds * 10) / 10;
}

// Widths count characters, not bytes: "zaključen" is as wide as "zakljucen".
std::string Padded(const std::string& text, std::size_t width, bool right) {
    const std::size_t length = CharacterCount(text);
    const std::string blanks(length < width ? width - length : 0, ' ');
    return right ? blanks + text : text + blanks;
}

std::vector<std::string> Cells(const TBatchRun& run) {
    char seconds[32] = "";
    if (run.Ran)
        std::snprintf(seconds, sizeof seconds, "%.1f", Tenths(run.Seconds));
    return {FormatDayMonthYear(run.Day), std::to_string(run.RiskType), run.Outcome,
            run.Ran ? std::to_string(run.Rows) : "", seconds};
}

void PrintLine(const std::vector<std::string>& cells, std::ostream& out) {
    static const std::size_t widths[] = {10, 8, 11, 8, 8};
    for (std::size_t i = 0; i < cells.size(); ++i)
        out << (i ? "  " : "") << Padded(cells[i], widths[i], i >= 3);
    out << '\n';
}

} // namespace

bool CountsAsCompleted(const TBatchRun& run) {
    return run.Outcome == journal::kCompleted || run.Outcome == journal::kNoData ||
           run.Outcome == batch::kSkipped;
}

void PrintSummary(const std::vector<TBatchRun>& runs, std::ostream& out) {
    PrintLine(kHeadings, out);
    for (const TBatchRun& run : runs)
        PrintLine(Cells(run), out);
    out.flush();
}

void WriteSummaryCsv(const std::vector<TBatchRun>& runs, const std::string& fileName) {
    const TFieldType types[] = {TFieldType::ftDate, TFieldType::ftInteger, TFieldType::ftString,
                                TFieldType::ftInteger, TFieldType::ftFloat};
    std::vector<TExportField> fields;
    for (std::size_t i = 0; i < kHeadings.size(); ++i)
        fields.push_back({kHeadings[i], types[i]});
    TCsvWriter csv(fileName, fields);
    for (const TBatchRun& run : runs)
        csv.Append({TVariant::FromDateTime(run.Day), TVariant::FromInteger(run.RiskType),
                    TVariant::FromText(run.Outcome), run.Ran ? TVariant::FromInteger(run.Rows) : TVariant(),
                    run.Ran ? TVariant::FromFloat(Tenths(run.Seconds)) : TVariant()});
}
