// The days a comparison needs, counted before it runs.
#include "app/qt/ComparisonDays.h"

#include "app/LookupCycle.h"
#include "app/journal/JournalQuery.h"
#include "platform/settings/DateText.h"

namespace {

constexpr int ListedDays = 10;

TJournalValues DayAndRisk(TDateTime day, int riskType) {
    return {{"DAN", DayValue(day)}, {"OT_LIK", TVariant::FromInteger(riskType)}};
}

bool HasResults(TJournalQuery& query, const std::string& table, TDateTime day, int riskType) {
    return query.Count("SELECT COUNT(*) FROM " + table + " WHERE DAT_STANJA = :DAN AND OT_LIK = :OT_LIK",
                       DayAndRisk(day, riskType)) > 0;
}

// The latest days with results of the risk type, newest first.
std::string DaysWithResults(TJournalQuery& query, const std::string& table, int riskType) {
    query.Run("SELECT DAT_STANJA FROM " + table +
                  " WHERE OT_LIK = :OT_LIK GROUP BY DAT_STANJA ORDER BY DAT_STANJA DESC",
              {{"OT_LIK", TVariant::FromInteger(riskType)}});
    std::string days;
    for (int n = 0; n < ListedDays && !query.Query.Eof(); ++n, query.Query.Next())
        days += (days.empty() ? "" : ", ") + FormatDayMonthYear(query.Query.ColumnAsDate(0));
    return days.empty() ? "nobenega" : days;
}

} // namespace

std::string MissingComparisonDay(TOracleSession& session, TDateTime before, TDateTime after, int riskType,
                                 bool archive) {
    TJournalQuery query(session);
    const std::string earlierTable = archive ? "OBLIM_ARHIV" : "OBLIM";
    const std::string risk = " vrste tveganja " + std::to_string(riskType);
    if (!HasResults(query, earlierTable, before, riskType))
        return (archive ? "V arhivu ni rezultatov dne " : "Ni rezultatov dne ") + FormatDayMonthYear(before) +
               risk + ", zato primerjave ni. Dnevi z rezultati" + (archive ? " v arhivu: " : ": ") +
               DaysWithResults(query, earlierTable, riskType) + ".";
    if (!HasResults(query, "OBLIM", after, riskType))
        return "Ni rezultatov dne " + FormatDayMonthYear(after) + risk +
               ", zato primerjave ni. Dnevi z rezultati: " + DaysWithResults(query, "OBLIM", riskType) + ".";
    return {};
}
