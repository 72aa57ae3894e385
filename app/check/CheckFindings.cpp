// Findings are gathered by kind name and key, so one gap met by many positions is one finding.
#include "app/check/CheckFindings.h"

#include <algorithm>

void TCheckFindings::Add(const TCheckKind& kind, const std::string& key, const std::string& position) {
    TCheckFinding& finding = FFindings[{kind.Name, key}];
    if (finding.Positions == 0) {
        finding.Kind = kind;
        finding.Key = key;
    }
    ++finding.Positions;
    if (finding.First.size() < FirstPositions)
        finding.First.push_back(position);
}

std::vector<TCheckFinding> TCheckFindings::All() const {
    std::vector<TCheckFinding> all;
    for (const auto& [key, finding] : FFindings)
        all.push_back(finding);
    std::stable_sort(all.begin(), all.end(), [](const TCheckFinding& a, const TCheckFinding& b) {
        return a.Kind.Outcome < b.Kind.Outcome;
    });
    return all;
}

bool TCheckFindings::Stops() const {
    return std::any_of(FFindings.begin(), FFindings.end(),
                       [](const auto& entry) { return entry.second.Kind.Outcome == TCheckOutcome::Stops; });
}
