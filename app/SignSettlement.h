// The settlement of one account and contract in the sign-based clean-up: each positive row, in order,
// consumes the non-positive rows that follow the last consumed one until they outweigh it. Pure
// logic; the clean-up reads the rows and rewrites the database with each settlement.
#pragma once

#include "platform/settings/DateTime.h"

#include <cstdint>
#include <string>
#include <vector>

struct TSignRow {
    std::int64_t Id = 0; //!< OBLIM.ID; the identity passes 2^31 in time
    double Znsval = 0;
    double Znsdomval = 0;
    TDateTime DatZapadlosti = 0;
};

//! What SpremenivBazivknt6 is called with for one positive row outweighed by non-positive rows.
struct TSignSettlement {
    std::string Ids;     //!< the consumed rows' OBLIM ids, joined by ","
    std::int64_t Id = 0; //!< the positive row
    double Val = 0;      //!< its remaining (negative) amount
    double Dom = 0;      //!< its remaining domestic amount
    TDateTime Date = 0;  //!< maturity of the row that tipped the balance
};

//! The settlements of one group in the order they are to be written.
std::vector<TSignSettlement> SettleGroup(const std::vector<TSignRow>& positive,
                                         const std::vector<TSignRow>& nonPositive);
