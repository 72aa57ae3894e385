// A client's bind variables and how their buffers become SQLite values: by name, each name bound
// once however often the statement uses it; NULL through the indicator; OCI external types STR, CHR,
// AFC, AVC, LNG (text; an empty text is NULL, as in Oracle), INT, FLT, the 7-byte DAT, and Oracle's
// internal forms VNU (OCINumber), ODT (OCIDate) and RDD (a ROWID descriptor).
#pragma once

#include "platform/oci_sqlite/ClientBuffer.h"
#include "platform/oci_sqlite/Value.h"

#include <map>
#include <string>
#include <vector>

struct sqlite3_stmt;

namespace ocisqlite {

using BindSlot = ClientBuffer;

class BindSet {
public:
    // Name without the colon, upper case.
    BindSlot& Set(const std::string& upperName, const BindSlot& slot);
    const BindSlot* Find(const std::string& upperName) const;
    bool Empty() const { return slots_.empty(); }

private:
    std::map<std::string, BindSlot> slots_;
};

// The bind of each parameter (their upper-case names in order), by parameter index less one; the
// returning bind is an output and has none (it binds NULL). Any other parameter without a bind gives
// ORA-01008.
std::vector<const BindSlot*> ParameterSlots(const std::vector<std::string>& parameters, const BindSet& binds,
                                            const std::string& returningBind);

// Binds every parameter of stmt from iteration `iteration` of the client's arrays.
void BindParameters(sqlite3_stmt* stmt, const std::vector<const BindSlot*>& slots, ub4 iteration);
void BindParameters(sqlite3_stmt* stmt, const std::vector<std::string>& parameters, const BindSet& binds,
                    ub4 iteration, const std::string& returningBind);

// Binds one engine value to a SQLite parameter.
void BindValue(sqlite3_stmt* stmt, int index, const Value& value);

// The value element `iteration` of a bind holds; text binds of an empty text are NULL.
Value ReadBindValue(const BindSlot& slot, ub4 iteration);

// Checks the statement's bind names before anything runs.
void RequireBound(const BindSet& binds, const std::vector<std::string>& names,
                  const std::string& returningBind);

} // namespace ocisqlite
