// The state is a few NAME=value lines a person can read; the start is written to the second and the
// journal's start times are compared with it half a second early, so that a run started within the
// batch's first second is not lost to the rounding of a DATE.
#include "BatchResume.h"

#include "BatchArguments.h"

#include "app/LookupCycle.h"
#include "app/journal/JournalQuery.h"
#include "app/journal/KilledRuns.h"
#include "app/journal/RunJournal.h"
#include "platform/settings/DateText.h"
#include "platform/settings/Exceptions.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>

namespace {

constexpr double kSecond = 1.0 / 86400;

std::string StartText(TDateTime start) {
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    DecodeTime(start, hour, minute, second, millisecond);
    char time[16];
    std::snprintf(time, sizeof time, " %02d:%02d:%02d", hour, minute, second);
    return FormatDayMonthYear(start) + time;
}

TDateTime ParseStart(const std::string& text) {
    std::smatch parts;
    static const std::regex form(R"((\d\d\.\d\d\.\d{4}) (\d\d):(\d\d):(\d\d))");
    if (!std::regex_match(text, parts, form))
        throw Exception("ZACETEK ni čas DD.MM.YYYY HH:MM:SS: " + text);
    return ParseDay("ZACETEK", parts[1]) +
           EncodeTime(std::stoi(parts[2]), std::stoi(parts[3]), std::stoi(parts[4]), 0);
}

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ",") + item;
    return text;
}

} // namespace

std::string BatchStateFile(const std::string& summaryFile) {
    return summaryFile + ".stanje";
}

TBatchState StartingBatch(const std::vector<TDateTime>& days, const std::vector<int>& riskTypes) {
    return {ParseStart(StartText(Now())), days, riskTypes};
}

void WriteBatchState(const std::string& fileName, const TBatchState& state) {
    std::vector<std::string> days, risks;
    for (TDateTime day : state.Days)
        days.push_back(FormatDayMonthYear(day));
    for (int risk : state.RiskTypes)
        risks.push_back(std::to_string(risk));
    std::ofstream file(fileName, std::ios::trunc);
    file << "ZACETEK=" << StartText(state.Start) << "\nDNEVI=" << Joined(days)
         << "\nTVEGANJA=" << Joined(risks) << "\n";
    file.close();
    if (!file)
        throw Exception("Stanja paketa " + fileName + " ni mogoče zapisati");
}

TBatchState ReadBatchState(const std::string& fileName) {
    std::ifstream file(fileName);
    std::map<std::string, std::string> values;
    for (std::string line; std::getline(file, line);)
        if (const std::size_t equals = line.find('='); equals != std::string::npos)
            values[line.substr(0, equals)] = line.substr(equals + 1);
    if (!values.count("ZACETEK") || !values.count("DNEVI") || !values.count("TVEGANJA"))
        throw Exception(fileName + " ni stanje paketa (ZACETEK, DNEVI, TVEGANJA)");
    return {ParseStart(values["ZACETEK"]), ParseDayList(values["DNEVI"]), ParseRiskList(values["TVEGANJA"])};
}

bool CompletedSince(TOracleSession& session, TDateTime since, TDateTime day, int riskType) {
    TJournalQuery query(session);
    return query.Count("SELECT COUNT(*) FROM OBLI_DNEVNIK WHERE DAT_STANJA = :DAN AND OT_LIK = :OT_LIK "
                       "AND ZACETEK >= :OD AND IZID IN (:ZAKLJUCEN, :NI_PODATKOV) "
                       "AND (STATUS IS NULL OR STATUS NOT IN (:NAPAKA, :ODPRTO))",
                       {{"DAN", DayValue(day)},
                        {"OT_LIK", TVariant::FromInteger(riskType)},
                        {"OD", TVariant::FromDateTime(since - kSecond / 2)},
                        {"ZAKLJUCEN", TVariant::FromText(journal::kCompleted)},
                        {"NI_PODATKOV", TVariant::FromText(journal::kNoData)},
                        // the status a closing procedure that raised leaves
                        {"NAPAKA", TVariant::FromText("napaka")},
                        {"ODPRTO", TVariant::FromText(kClosingOutstanding)}}) > 0;
}
