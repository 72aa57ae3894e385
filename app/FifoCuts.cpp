// The scan's steps in their order: the cut test still sees the previous row's date and sum before a
// change of group resets them, so a finished group that sums to zero is cut at its last date.
#include "app/FifoCuts.h"

#include <cmath>

namespace {

// Below this the sum is rounding noise of cent amounts, not an open position.
constexpr long double kZeroBand = 0.0001L;

} // namespace

void TFifoCutList::Add(const std::string& date, const std::string& konto, const std::string& pogodba,
                       double znsval) {
    const bool otherGroup = konto != FKonto || pogodba != FPogodba;
    if ((date != FDate || otherGroup) && !FDate.empty() && FSum == 0)
        RecordCut();
    FDate = date;
    if (otherGroup) {
        FSum = 0;
        FDate.clear();
    }
    FSum += znsval;
    if (std::fabs(FSum) < kZeroBand)
        FSum = 0;
    FKonto = konto;
    FPogodba = pogodba;
}

void TFifoCutList::RecordCut() {
    const auto [entry, added] = FIndex.try_emplace({FKonto, FPogodba}, FCuts.size());
    if (added)
        FCuts.push_back({FDate, FKonto, FPogodba});
    else
        FCuts[entry->second].Date = FDate;
}

std::vector<TFifoCut> TFifoCutList::Finish() {
    if (FSum == 0)
        FCuts.push_back({FDate, FKonto, FPogodba});
    return std::move(FCuts);
}
