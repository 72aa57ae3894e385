// What a result table refused: when a row cannot be posted, the error is raised again naming the
// position, the column and the value, so that the one bad value of a day is found without a search.
#pragma once

#include "oracle/OracleData.h"

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

//! Where a result row comes from: the run's sequence number, the account and the contract.
struct TPositionRef {
    std::int64_t Seq = 0;
    std::string Account;
    std::string Contract;
};

//! Raises when a text among a row's values holds a NUL, which the column would store cut there;
//! RaiseRejected then names the column.
void RefuseNul(const std::vector<TVariant>& values);

//! The first column of the dataset's current (unposted) row whose value the column cannot hold (a
//! text too long for its bytes or holding a NUL, a number past its digits), as "COLUMN = value";
//! empty when none is found.
std::string RejectedColumnValue(TOracleDataSet& dataSet);

//! Raises the failure of posting the dataset's row again, with the same code where it has one, its
//! message on one line after the position, the table's column and the value.
[[noreturn]] void RaiseRejected(const std::exception& error, TOracleDataSet& dataSet,
                                const std::string& table, const TPositionRef& position);
