// The engine database and the statement recorder shared by the layer's tests.
#include "EngineFixture.h"

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>

namespace oracletest {
namespace {

OCIStmtPrepare_t originalPrepare = nullptr;
OCITransCommit_t originalCommit = nullptr;
OCITransRollback_t originalRollback = nullptr;
OCIStmtFetch2_t originalFetch2 = nullptr;

sword RecordPrepare(OCIStmt* stmt, OCIError* err, const OraText* text, ub4 length, ub4 language, ub4 mode) {
    Sent().Statements.emplace_back(reinterpret_cast<const char*>(text), length);
    return originalPrepare(stmt, err, text, length, language, mode);
}

sword RecordCommit(OCISvcCtx* svc, OCIError* err, ub4 flags) {
    Sent().Statements.push_back("commit");
    return originalCommit(svc, err, flags);
}

sword RecordRollback(OCISvcCtx* svc, OCIError* err, ub4 flags) {
    Sent().Statements.push_back("rollback");
    return originalRollback(svc, err, flags);
}

sword RecordFetch2(OCIStmt* stmt, OCIError* err, ub4 rows, ub2 orientation, sb4 offset, ub4 mode) {
    ++Sent().Fetches;
    return originalFetch2(stmt, err, rows, orientation, offset, mode);
}

void CreateDatabase(const std::string& path) {
    void* engine = dlopen(ORACLE_TEST_ENGINE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(engine, nullptr) << dlerror();
    auto create = reinterpret_cast<ocisqlite_create_database_t>(dlsym(engine, "ocisqlite_create_database"));
    ASSERT_NE(create, nullptr);
    char message[512] = {};
    ASSERT_EQ(create(path.c_str(), "scott", "tiger", message, sizeof message), 0) << message;
    dlclose(engine);
}

} // namespace

TSentLog& Sent() {
    static TSentLog log;
    return log;
}

bool UsingClientDouble() {
    const char* client = std::getenv("ORACLE_TEST_CLIENT");
    return client && std::string(client) == "double";
}

// The suite runs once through the engine and once through the double, side by side under ctest -j.
std::string NewTestFolder(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::path(ZORVEKA_TEST_OUTPUT_DIR) / "oracle" /
                                         (UsingClientDouble() ? name + ".double" : name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}

std::string ClientLibrary() {
    return UsingClientDouble() ? ORACLE_TEST_DOUBLE : ORACLE_TEST_ENGINE;
}

void UseArguments(const std::vector<std::string>& arguments) {
    std::vector<std::string> commandLine{"test_oracle_core"};
    commandLine.insert(commandLine.end(), arguments.begin(), arguments.end());
    SetOracleCommandLine(commandLine);
}

void EngineTest::SetUp() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    Folder = NewTestFolder(std::string(info->test_suite_name()) + "." + info->name());
    Database = Folder + "/test.db";
    CreateDatabase(Database);
    ResetOracleClient();
    UseArguments({"OCIDLL=" + ClientLibrary()});
    Sent().Clear();
    FUiScope = new TScopedUi(RecordingUi);
}

void EngineTest::TearDown() {
    Session.LogOff();
    delete FUiScope;
}

void EngineTest::LogOn(TOracleSession& session) {
    session.LogonUsername = "scott";
    session.LogonPassword = "tiger";
    session.LogonDatabase = Database;
    session.LogOn();
}

void EngineTest::Run(TOracleSession& session, const std::vector<std::string>& statements) {
    TOracleQuery query;
    query.SetSession(&session);
    for (const std::string& sql : statements) {
        query.SetSQLText(sql);
        query.Execute();
    }
}

std::vector<std::string> EngineTest::Column(TOracleSession& session, const std::string& sql) {
    TOracleQuery query;
    query.SetSession(&session);
    query.SetSQLText(sql);
    std::vector<std::string> values;
    for (query.Execute(); !query.Eof(); query.Next())
        values.push_back(query.ColumnAsString(0));
    return values;
}

void EngineTest::Record() {
    TOciEntryPoints& oci = Oci();
    ASSERT_TRUE(OracleClientLoaded());
    Sent().Clear();
    if (oci.OCIStmtPrepare == RecordPrepare)
        return; // already recording
    originalPrepare = oci.OCIStmtPrepare;
    originalCommit = oci.OCITransCommit;
    originalRollback = oci.OCITransRollback;
    originalFetch2 = oci.OCIStmtFetch2;
    oci.OCIStmtPrepare = RecordPrepare;
    oci.OCITransCommit = RecordCommit;
    oci.OCITransRollback = RecordRollback;
    if (originalFetch2)
        oci.OCIStmtFetch2 = RecordFetch2;
}

} // namespace oracletest
