// The local query texts of the grouping form: the sort query (every row in group order plus one
// total row) and the group query (one SELECT per subtotal level, joined by UNION). Total rows
// carry placeholders in their group columns, chosen so that they sort after the real values.
#pragma once

#include "platform/dataset/FieldType.h"

#include <string>
#include <vector>

//! Aggregate kinds of a summary field: 0 none, 1 SUM, 2 AVG, 3 MIN, 4 MAX.
const char* AggregateName(int kind);

struct TGroupColumn {
    std::string Name;
    TFieldType DataType;
    int Size = 0;
    bool Subtotal = true;
};

struct TSumColumn {
    std::string Name;
    int Kind = 1;
};

//! A field name as it stands in a query text: as it is when it is a plain identifier, else quoted,
//! so that no name can end or extend the statement.
std::string SqlName(const std::string& name);
//! The placeholder item of a group column ("CAST(-32000 AS INTEGER) AS QTY"); empty for types
//! without placeholder.
std::string GroupPlaceholder(const TGroupColumn& column);
//! "SUM(X) AS X".
std::string AggregateItem(const TSumColumn& column);

std::vector<std::string> SortQueryText(const std::vector<TGroupColumn>& groups,
                                       const std::vector<TSumColumn>& sums, const std::string& table);
std::vector<std::string> GroupQueryText(const std::vector<TGroupColumn>& groups,
                                        const std::vector<TSumColumn>& sums, const std::string& table);

//! The text of the string placeholder character ("ÿ", code 255) repeated count times.
std::string PlaceholderText(int count);
