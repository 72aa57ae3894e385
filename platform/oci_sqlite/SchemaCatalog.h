// The translator's view of a database file: tables with their declared Oracle column types (SQLite
// keeps "VARCHAR2(30)" or "NUMBER(9,2)" as a column's declared type) and the engine's sequences and
// procedures, kept in catalog tables of the same file.
#pragma once

#include "platform/oci_sqlite/sql/Translator.h"

#include <cstdint>

struct sqlite3;

namespace ocisqlite {

class SchemaCatalog : public orasql::Catalog {
public:
    explicit SchemaCatalog(sqlite3* db) : db_(db) {}

    std::optional<orasql::TableInfo> FindTable(const std::string& upperName) const override;
    bool SequenceExists(const std::string& upperName) const override;

    void CreateSequence(const std::string& name, int64_t start, int64_t increment);
    void DropSequence(const std::string& name);
    void StoreProcedure(const std::string& name, const std::string& source);
    void DropProcedure(const std::string& name); // ORA-04043 when there is none
    std::optional<std::string> ProcedureSource(const std::string& upperName) const;

private:
    sqlite3* db_;
};

} // namespace ocisqlite
