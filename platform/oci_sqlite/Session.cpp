// Logon, the translation cache and the end of a session. The cache is checked against the schema
// cheaply on every use, since another session may have changed the schema meanwhile.
#include "platform/oci_sqlite/Session.h"

#include "platform/oci_sqlite/SqlText.h"

#include <atomic>
#include <sqlite3.h>

namespace ocisqlite {

namespace {
constexpr size_t kMaxTranslations = 4096; // texts with spliced values would otherwise pile up

// Unique across sessions, so a statement never mistakes another session's translations for its own.
uint64_t NextGeneration() {
    static std::atomic<uint64_t> counter{0};
    return ++counter;
}
} // namespace

Session::Session(Connection db, std::string user)
    : db_(std::move(db)), user_(std::move(user)), cursors_(std::make_shared<OpenCursors>()),
      statements_(db_.get()), sequences_(db_.get()), lastChangedRow_(db_.get()),
      tableLocks_(sqlite3_db_filename(db_.get(), "main")),
      transaction_(db_.get(), cursors_, tableLocks_, [this] { sequences_.AfterRollback(); }),
      catalog_(db_.get()), users_(db_.get()), privileges_(db_.get(), user_, users_.Administrator()) {
    sequences_.RegisterFunctions();
}

Session::~Session() {
    End();
}

std::shared_ptr<Session> Session::Logon(const std::string& path, const std::string& user,
                                        const std::string& password, LogonResult& result) {
    Connection db = OpenDatabase(path);
    result = UserCatalog(db.get()).CheckLogon(user, password);
    return std::shared_ptr<Session>(new Session(std::move(db), UpperCase(user)));
}

int64_t Session::SchemaVersion() {
    StatementLease lease = statements_.Borrow("PRAGMA schema_version");
    return sqlite3_step(lease.get()) == SQLITE_ROW ? sqlite3_column_int64(lease.get(), 0) : 0;
}

// A translation reads the schema, so any schema change (by any session) voids them all. The file's
// data version costs no I/O and changes with every commit; only then is the schema version read.
// A null database name is SQLite's main database without a search by name.
void Session::DropStaleTranslations() {
    unsigned dataVersion = 0;
    sqlite3_file_control(db_.get(), nullptr, SQLITE_FCNTL_DATA_VERSION, &dataVersion);
    if (dataVersion == dataVersion_ && translatedSchemaVersion_ >= 0 &&
        translations_.size() < kMaxTranslations)
        return;
    dataVersion_ = dataVersion;
    const int64_t version = SchemaVersion();
    if (version != translatedSchemaVersion_ || translations_.size() >= kMaxTranslations) {
        translations_.clear();
        translatedSchemaVersion_ = version;
        generation_ = NextGeneration();
    }
}

// Another session may have granted or revoked since. The file's data version above tells only at the
// next read, after a statement prepared before the change would already have run, so this asks
// SQLite; the administrator, whom no grant concerns, is spared the question.
void Session::RefreshPrivileges() {
    if (privileges_.AdministratorSession())
        return;
    StatementLease lease = statements_.Borrow("PRAGMA data_version");
    const int64_t version =
        sqlite3_step(lease.get()) == SQLITE_ROW ? sqlite3_column_int64(lease.get(), 0) : 0;
    if (version != privilegesDataVersion_)
        privileges_.Reload();
    privilegesDataVersion_ = version;
}

uint64_t Session::TranslationGeneration() {
    RefreshPrivileges();
    DropStaleTranslations();
    return generation_;
}

std::shared_ptr<const orasql::Translation> Session::Translate(const std::string& oracleSql,
                                                              uint64_t* generation) {
    RefreshPrivileges();
    DropStaleTranslations();
    if (generation)
        *generation = generation_;
    auto& cached = translations_[oracleSql];
    if (!cached) {
        const orasql::Context context{&catalog_, user_, nlsDateFormat_};
        try {
            cached = std::make_shared<const orasql::Translation>(orasql::Translate(oracleSql, context));
        } catch (...) {
            translations_.erase(oracleSql);
            throw;
        }
    }
    return cached;
}

void Session::SetNlsDateFormat(const std::string& format) {
    nlsDateFormat_ = format;
    translations_.clear(); // the context of every translation changed
    generation_ = NextGeneration();
}

ErrorContext Session::ErrorContextFor(orasql::StatementType type) const {
    return ErrorContext{user_, type == orasql::StatementType::Update, type == orasql::StatementType::Delete};
}

void Session::End() {
    if (ended_)
        return;
    ended_ = true;
    try {
        transaction_.Rollback();
    } catch (...) {
        // The connection closes next; SQLite rolls back whatever is left then.
    }
}

} // namespace ocisqlite
