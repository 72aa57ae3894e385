// Tab-separated below a heading, as the runner prints the journal, so a log or a spreadsheet reads it.
#include "app/check/CheckReport.h"

#include "platform/settings/DateText.h"

#include <algorithm>

std::string OutcomeText(TCheckOutcome outcome) {
    switch (outcome) {
    case TCheckOutcome::Stops:
        return "ustavi prenos";
    case TCheckOutcome::ValuesAsZero:
        return "vrednost 0";
    case TCheckOutcome::LeavesEmpty:
        return "ostane prazno";
    }
    return {};
}

namespace {

std::string Joined(const std::vector<std::string>& positions) {
    std::string joined;
    for (const std::string& position : positions)
        joined += (joined.empty() ? "" : "; ") + position;
    return joined;
}

std::string Summary(const std::vector<TCheckFinding>& all, TDateTime reportDay) {
    const std::string head = "Preverjanje podatkov za " + FormatDayMonthYear(reportDay) + ": ";
    if (all.empty())
        return head + "brez ugotovitev.\n";
    const auto stoppers = std::count_if(all.begin(), all.end(), [](const TCheckFinding& finding) {
        return finding.Kind.Outcome == TCheckOutcome::Stops;
    });
    return head + "ugotovitev " + std::to_string(all.size()) + ", od tega ustavi prenos " +
           std::to_string(stoppers) + ".\n";
}

} // namespace

std::string CheckReportText(const TCheckFindings& findings, TDateTime reportDay) {
    const std::vector<TCheckFinding> all = findings.All();
    std::string text = Summary(all, reportDay);
    if (all.empty())
        return text;
    text += "VRSTA\tKLJUČ\tPOZICIJ\tPOSLEDICA\tPRVE POZICIJE\n";
    for (const TCheckFinding& finding : all)
        text += finding.Kind.Name + "\t" + finding.Key + "\t" + std::to_string(finding.Positions) + "\t" +
                OutcomeText(finding.Kind.Outcome) + ": " + finding.Kind.Effect + "\t" +
                Joined(finding.First) + "\n";
    return text;
}
