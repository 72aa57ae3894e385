// A fingerprint of a day's stored results of one risk type: every field of every row of OBLIM,
// OBLIMD1 and OBLIAM except the database's own OBLIM.ID and the entry date DAT_VPISA. Rows are
// sorted by their text, so neither the order of reading nor the identity values matter.
#pragma once

#include "oracle/Oracle.h"

#include <string>
#include <vector>

namespace runtest {

//! Every field of every stored row of the day and risk type, the identity and entry date included,
//! one text per row prefixed by its table, sorted within each table.
std::vector<std::string> StoredRows(TOracleSession& session, const std::string& day, int riskType);

//! "<table> <risk type> <rows> <digest>" for each of the three tables, one per line.
std::string ResultDigests(TOracleSession& session, const std::string& day, int riskType);

} // namespace runtest
