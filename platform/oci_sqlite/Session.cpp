// Logon, the translation cache and the end of a session.
#include "platform/oci_sqlite/Session.h"

#include "platform/oci_sqlite/SqlText.h"

#include <sqlite3.h>

namespace ocisqlite {

namespace {
constexpr size_t kMaxTranslations = 4096; // texts with spliced values would otherwise pile up
}

Session::Session(Connection db, std::string user)
    : db_(std::move(db)), user_(std::move(user)), cursors_(std::make_shared<OpenCursors>()),
      statements_(db_.get()), transaction_(db_.get(), cursors_), catalog_(db_.get()), users_(db_.get()) {}

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

std::shared_ptr<const orasql::Translation> Session::Translate(const std::string& oracleSql) {
    // A translation reads the schema, so any schema change (by any session) voids them all.
    const int64_t version = SchemaVersion();
    if (version != translatedSchemaVersion_ || translations_.size() >= kMaxTranslations) {
        translations_.clear();
        translatedSchemaVersion_ = version;
    }
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
