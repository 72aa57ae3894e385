// The column types a bank's schema may declare and the engine lacks: national columns (NCHAR,
// NVARCHAR2) and lengths in characters ("VARCHAR2(10 CHAR)"). A CREATE TABLE text has them rewritten
// to types the engine stores, and the double remembers each such column by name, so that describing
// and fetching it answer as Oracle does.
#pragma once

#include <optional>
#include <string>

namespace clientdouble {

struct TColumnKind {
    bool National = false; //!< NCHAR or NVARCHAR2: held in Unicode, whatever the database's set
    bool Fixed = false;    //!< NCHAR: blank-padded to its length
    bool CharUsed = false; //!< the length counts characters
    int Length = 0;        //!< as declared
};

//! A CREATE TABLE text with the types rewritten (other texts as they are); remembers the columns.
std::string RewriteColumnTypes(const std::string& text);
//! What was remembered of a column of that name (any case).
std::optional<TColumnKind> ColumnKindOf(const std::string& name);

} // namespace clientdouble
