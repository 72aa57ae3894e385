// One logged-on user on one database file: its own SQLite connection, transaction, cursors,
// prepared-statement cache and translation cache, and its session settings (NLS_DATE_FORMAT). Other
// sessions, even on the same file, see only what this one has committed.
#pragma once

#include "platform/oci_sqlite/Connection.h"
#include "platform/oci_sqlite/Cursor.h"
#include "platform/oci_sqlite/LastChangedRow.h"
#include "platform/oci_sqlite/ObjectPrivileges.h"
#include "platform/oci_sqlite/SchemaCatalog.h"
#include "platform/oci_sqlite/Sequences.h"
#include "platform/oci_sqlite/StatementCache.h"
#include "platform/oci_sqlite/Transaction.h"
#include "platform/oci_sqlite/UserCatalog.h"

#include <memory>
#include <string>
#include <unordered_map>

namespace ocisqlite {

class Session {
public:
    // ORA-12154 for a missing file, ORA-01017 for a wrong pair, ORA-28001 when expired; a user in
    // grace logs on and finds the days left in result.graceDays.
    static std::shared_ptr<Session> Logon(const std::string& path, const std::string& user,
                                          const std::string& password, LogonResult& result);
    ~Session();

    // The translation of an Oracle text in this session's context, cached by text; generation, when
    // given, receives the generation it belongs to.
    std::shared_ptr<const orasql::Translation> Translate(const std::string& oracleSql,
                                                         uint64_t* generation = nullptr);
    // Changes whenever cached translations were dropped; a statement may keep its translation while
    // the generation it was made in holds.
    uint64_t TranslationGeneration();
    ErrorContext ErrorContextFor(orasql::StatementType type) const;

    sqlite3* db() const { return db_.get(); }
    const std::string& user() const { return user_; }
    const std::string& nlsDateFormat() const { return nlsDateFormat_; }
    void SetNlsDateFormat(const std::string& format);
    StatementCache& statements() { return statements_; }
    Transaction& transaction() { return transaction_; }
    SchemaCatalog& catalog() { return catalog_; }
    UserCatalog& users() { return users_; }
    ObjectPrivileges& privileges() { return privileges_; }
    LastChangedRow& lastChangedRow() { return lastChangedRow_; }
    const std::shared_ptr<OpenCursors>& cursors() const { return cursors_; }

    // Ends the session: what was not committed is rolled back.
    void End();

private:
    Session(Connection db, std::string user);
    int64_t SchemaVersion();
    void DropStaleTranslations();
    void RefreshPrivileges();

    Connection db_; // declared first: everything below uses it and goes first
    std::string user_;
    std::string nlsDateFormat_ = "DD.MM.YYYY";
    std::shared_ptr<OpenCursors> cursors_;
    StatementCache statements_;
    Sequences sequences_;
    LastChangedRow lastChangedRow_;
    TableLocks tableLocks_;
    Transaction transaction_;
    SchemaCatalog catalog_;
    UserCatalog users_;
    ObjectPrivileges privileges_;
    std::unordered_map<std::string, std::shared_ptr<const orasql::Translation>> translations_;
    int64_t translatedSchemaVersion_ = -1;
    unsigned dataVersion_ = 0;
    int64_t privilegesDataVersion_ = -1;
    uint64_t generation_ = 0;
    bool ended_ = false;
};

} // namespace ocisqlite
