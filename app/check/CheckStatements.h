// The statements of the data-quality check: the day's positions, grouped as the extraction groups
// them but without its descriptive columns, and the one statement that joins them with the reference
// data and gives, for each position with a gap, the key of every gap it has. Every value is bound.
#pragma once

#include <string>
#include <vector>

//! A result column the run fills with a source value uncut, and the source expression.
struct TCheckedColumn {
    const char* Table;
    const char* Column;
    const char* Source;
    const char* When = nullptr; //!< the condition under which the run stores the source, if any
};

//! The texts the valuation copies uncut into a result column.
const std::vector<TCheckedColumn>& CheckedLabels();
//! The numbers the valuation stores from a source value, in the column's NUMBER(p,s).
const std::vector<TCheckedColumn>& CheckedNumbers();

//! The result column of a label or number the gap statement tests: "L_" or "N_" and the column.
std::string LabelColumn(const TCheckedColumn& column);
std::string NumberColumn(const TCheckedColumn& column);

//! The positions with a gap, among the day's positions (one per position of the extraction): their keys
//! (KKONTO, KONTO, SFVP, KRT, IDPOG, POSEL) and one column per kind of gap, NULL where the position lacks
//! nothing of that kind, else the gap's key. A label column holds the text when it may exceed its column's
//! bytes (W_<column>); a number column is "1" when the value needs more digits than its column has (S_ and
//! L_<column>). Binds those, the days YEAR_START, FIRST_DAY and DAN, and MAX_PERIODS. Only the columns given
//! are tested.
std::string GapStatement(const std::vector<TCheckedColumn>& labels,
                         const std::vector<TCheckedColumn>& numbers);
