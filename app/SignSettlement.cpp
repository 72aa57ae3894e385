// A consumed row counts as zero in both amount and domestic amount and is never listed again: only
// the rows after the last consumed one are summed for the next positive row.
#include "app/SignSettlement.h"

std::vector<TSignSettlement> SettleGroup(const std::vector<TSignRow>& positive,
                                         const std::vector<TSignRow>& nonPositive) {
    std::vector<TSignSettlement> settlements;
    std::size_t firstOpen = 0;
    for (const TSignRow& p : positive) {
        double s = 0, d = 0;
        std::string ids;
        for (std::size_t q = firstOpen; q < nonPositive.size(); ++q) {
            s += nonPositive[q].Znsval;
            d += nonPositive[q].Znsdomval;
            ids += (ids.empty() ? "" : ",") + std::to_string(nonPositive[q].Id);
            if (p.Znsval + s >= 0)
                continue;
            settlements.push_back({ids, p.Id, p.Znsval + s, p.Znsdomval + d, nonPositive[q].DatZapadlosti});
            firstOpen = q + 1;
            break;
        }
    }
    return settlements;
}
