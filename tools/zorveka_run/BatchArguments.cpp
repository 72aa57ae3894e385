// A range is read as whole days, so that a month's batch is every calendar day of it; a scheduler that
// wants working days only lists them.
#include "BatchArguments.h"

#include <algorithm>
#include <sstream>

namespace {

std::vector<std::string> Items(const std::string& option, const std::string& text) {
    std::vector<std::string> items;
    std::stringstream list(text);
    for (std::string item; std::getline(list, item, ',');)
        items.push_back(item);
    if (items.empty() || text.back() == ',' ||
        std::find(items.begin(), items.end(), std::string()) != items.end())
        throw EUsageError(option + " ima prazen element: " + text);
    return items;
}

// Two equal items are a typo the batch would otherwise hide by running the day once.
template <typename T> void RequireEachOnce(const char* option, std::vector<T>& values) {
    std::sort(values.begin(), values.end());
    if (std::adjacent_find(values.begin(), values.end()) != values.end())
        throw EUsageError(std::string(option) + " navaja isto vrednost dvakrat");
}

void AppendDays(const std::string& item, std::vector<TDateTime>& days) {
    const std::size_t dots = item.find("..");
    if (dots == std::string::npos) {
        days.push_back(ParseDay("--days", item));
        return;
    }
    const TDateTime first = ParseDay("--days", item.substr(0, dots));
    const TDateTime last = ParseDay("--days", item.substr(dots + 2));
    if (last < first)
        throw EUsageError("--days: obdobje se konča pred začetkom: " + item);
    for (TDateTime day = first; day <= last; day += 1)
        days.push_back(day);
}

} // namespace

std::vector<TDateTime> ParseDayList(const std::string& text) {
    std::vector<TDateTime> days;
    for (const std::string& item : Items("--days", text))
        AppendDays(item, days);
    RequireEachOnce("--days", days);
    return days;
}

std::vector<int> ParseRiskList(const std::string& text) {
    std::vector<int> risks;
    for (const std::string& item : Items("--risk", text))
        risks.push_back(ParseRiskType(item));
    RequireEachOnce("--risk", risks);
    return risks;
}

bool IsDayBatch(const TRunArguments& arguments) {
    return !arguments.Days.empty() || arguments.RiskTypes.size() > 1 || arguments.StopOnError ||
           arguments.Resume || !arguments.Summary.empty();
}

void CheckBatchArguments(TRunArguments& arguments, const std::set<std::string>& given,
                         const std::string& days) {
    if (given.count("--day") && given.count("--days"))
        throw EUsageError("--day in --days se izključujeta");
    if (given.count("--days")) {
        arguments.Days = ParseDayList(days);
        arguments.Day = arguments.Days.front();
    }
    arguments.RiskType = arguments.RiskTypes.front();
    if (!IsDayBatch(arguments))
        return;
    if (arguments.Resume && arguments.Summary.empty())
        throw EUsageError("--resume zahteva --summary, ob katerem paket hrani svoje stanje");
    if (arguments.Stats || !arguments.Report.empty() || !arguments.Export.empty() || arguments.Compare)
        throw EUsageError("--stats, --report, --export in --compare sodijo k enemu prenosu, ne k paketu");
}
