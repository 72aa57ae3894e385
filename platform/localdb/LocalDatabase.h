// A local SQLite database file (the private directory's store of temporary and local tables) and
// a prepared statement over it. Both release their handles on every path; errors raise
// EDatabaseError with SQLite's own text.
#pragma once

#include "platform/dataset/Variant.h"

#include <memory>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

//! An open connection; the file is created when missing. ":memory:" gives a private database.
class TLocalDatabase {
public:
    explicit TLocalDatabase(const std::string& fileName);
    const std::string& FileName() const { return FFileName; }
    //! Runs statements without result (no values spliced in: identifiers only, quoted).
    void Execute(const std::string& sql);
    //! The rowid of the last row inserted through this connection.
    long long LastInsertRowId() const;
    sqlite3* Handle() const { return FHandle.get(); }

private:
    std::string FFileName;
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> FHandle;
};

//! One prepared statement; values are bound, never spliced.
class TLocalStatement {
public:
    TLocalStatement(TLocalDatabase& db, const std::string& sql);
    //! Binds a value to parameter number (1-based).
    void Bind(int parameter, const TVariant& value);
    //! Steps once: true while a row is available.
    bool Step();
    //! Runs to the end (a statement without result).
    void Run();
    //! Ready to run again, parameters unbound.
    void Reset();
    //! The columns of the result and the name of one (0-based).
    int ColumnCount() const;
    std::string ColumnName(int column) const;
    //! The value of a column of the current row in the kind SQLite stored.
    TVariant Column(int column) const;
    long long ColumnInt64(int column) const;
    std::string ColumnText(int column) const;

private:
    TLocalDatabase& FDb;
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> FStmt;
};

//! One transaction on a local database: rolled back when the scope ends without Commit, so a
//! broken bulk write leaves none of its rows.
class TLocalTransaction {
public:
    explicit TLocalTransaction(TLocalDatabase& db);
    ~TLocalTransaction();
    TLocalTransaction(const TLocalTransaction&) = delete;
    TLocalTransaction& operator=(const TLocalTransaction&) = delete;
    void Commit();
    void Rollback();

private:
    TLocalDatabase& FDb;
    bool FDone = false;
};

//! An identifier in double quotes with inner quotes doubled, so no name can end the quoting.
std::string QuoteIdentifier(const std::string& name);
