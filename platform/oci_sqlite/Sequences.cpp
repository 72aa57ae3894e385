// NEXTVAL and CURRVAL over the catalog table. The SQL functions report a failure with Oracle's
// message, which reaches the client unchanged.
#include "platform/oci_sqlite/Sequences.h"

#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/SqliteStatement.h"

#include "platform/oci_sqlite/sql/Translator.h"

#include <sqlite3.h>

namespace ocisqlite {

namespace {

template <int64_t (Sequences::*Method)(const std::string&)>
void SequenceFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    auto* sequences = static_cast<Sequences*>(sqlite3_user_data(ctx));
    const unsigned char* name = sqlite3_value_text(argv[0]);
    try {
        sqlite3_result_int64(ctx, (sequences->*Method)(name ? reinterpret_cast<const char*>(name) : ""));
    } catch (const EngineError& e) {
        sqlite3_result_error(ctx, e.what(), -1);
    }
}

} // namespace

void Sequences::RegisterFunctions() {
    sqlite3_create_function(db_, orasql::kNextvalFunction, 1, SQLITE_UTF8, this,
                            SequenceFunction<&Sequences::Next>, nullptr, nullptr);
    sqlite3_create_function(db_, orasql::kCurrvalFunction, 1, SQLITE_UTF8, this,
                            SequenceFunction<&Sequences::Current>, nullptr, nullptr);
}

int64_t Sequences::Next(const std::string& name) {
    SqliteStatement update(
        db_, "UPDATE ocisqlite_sequences SET next_value = next_value + increment WHERE name = ?1 "
             "RETURNING next_value - increment, next_value");
    update.Bind(1, name);
    if (!update.Step())
        throw ora::SequenceNotFound();
    const int64_t value = update.Int(0);
    nextAfterHandout_[name] = update.Int(1);
    update.Run();
    return current_[name] = value;
}

int64_t Sequences::Current(const std::string& name) {
    const auto found = current_.find(name);
    if (found == current_.end())
        throw ora::Make(8002, "sequence " + name + ".CURRVAL is not yet defined in this session");
    return found->second;
}

void Sequences::AfterRollback() {
    for (const auto& [name, next] : nextAfterHandout_)
        SqliteStatement(db_, "UPDATE ocisqlite_sequences SET next_value = CASE WHEN increment > 0 "
                             "THEN max(next_value, ?2) ELSE min(next_value, ?2) END WHERE name = ?1")
            .Bind(1, name)
            .Bind(2, next)
            .Run();
    nextAfterHandout_.clear();
}

} // namespace ocisqlite
