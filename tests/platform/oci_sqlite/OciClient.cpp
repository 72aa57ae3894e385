// The tests' client over dlopen. Every call goes through the pointers looked up by name, as the
// program's own data access layer calls a client library.
#include "OciClient.h"

#include <atomic>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>
#include <unistd.h>

namespace ocitest {

const OciLibrary& OciLibrary::Get() {
    static const OciLibrary library = [] {
        OciLibrary lib;
        const std::string path = std::string(ZORVEKA_BIN_DIR) + "/liboci_sqlite.so";
        lib.module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!lib.module)
            throw std::runtime_error("cannot load " + path + ": " + dlerror());
#define OCI_TEST_LOOKUP(ret, name, params) lib.name = reinterpret_cast<name##_t>(lib.Lookup(#name));
        OCI_FUNCTIONS(OCI_TEST_LOOKUP)
#undef OCI_TEST_LOOKUP
        lib.ocisqlite_create_database =
            reinterpret_cast<ocisqlite_create_database_t>(lib.Lookup("ocisqlite_create_database"));
        return lib;
    }();
    return library;
}

void* OciLibrary::Lookup(const char* name) const {
    return dlsym(module, name);
}

namespace {
// Database files of this test process, removed when its tests are done.
std::vector<std::string>& CreatedPaths() {
    static std::vector<std::string> paths;
    return paths;
}

class RemoveDatabases : public testing::Environment {
public:
    void TearDown() override {
        for (const std::string& path : CreatedPaths())
            for (const char* suffix : {"", "-wal", "-shm", "-locks"})
                std::filesystem::remove(path + suffix);
    }
};
[[maybe_unused]] testing::Environment* const removeDatabases =
    testing::AddGlobalTestEnvironment(new RemoveDatabases);
} // namespace

std::string NewDatabasePath(const std::string& stem) {
    static std::atomic<int> counter{0};
    const std::filesystem::path dir = std::filesystem::path(ZORVEKA_TEST_OUTPUT_DIR) / "oci_sqlite";
    std::filesystem::create_directories(dir);
    const std::string path =
        (dir / (stem + "-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".db")).string();
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(path + suffix);
    CreatedPaths().push_back(path);
    return path;
}

std::string CreateTestDatabase(const std::string& stem) {
    const std::string path = NewDatabasePath(stem);
    char message[512];
    if (OciLibrary::Get().ocisqlite_create_database(path.c_str(), "scott", "tiger", message,
                                                    sizeof message) != 0)
        throw std::runtime_error(message);
    return path;
}

Client::Client() : oci(OciLibrary::Get()) {
    oci.OCIEnvCreate(&env, OCI_OBJECT | OCI_THREADED, nullptr, nullptr, nullptr, nullptr, 0, nullptr);
    oci.OCIHandleAlloc(env, reinterpret_cast<void**>(&err), OCI_HTYPE_ERROR, 0, nullptr);
    oci.OCIHandleAlloc(env, reinterpret_cast<void**>(&server), OCI_HTYPE_SERVER, 0, nullptr);
    oci.OCIHandleAlloc(env, reinterpret_cast<void**>(&svc), OCI_HTYPE_SVCCTX, 0, nullptr);
    oci.OCIHandleAlloc(env, reinterpret_cast<void**>(&session), OCI_HTYPE_SESSION, 0, nullptr);
}

Client::~Client() {
    Logoff();
    oci.OCIHandleFree(session, OCI_HTYPE_SESSION);
    oci.OCIHandleFree(svc, OCI_HTYPE_SVCCTX);
    oci.OCIHandleFree(server, OCI_HTYPE_SERVER);
    oci.OCIHandleFree(err, OCI_HTYPE_ERROR);
    oci.OCIHandleFree(env, OCI_HTYPE_ENV);
}

OciStatus Client::StatusOf(sword status) const {
    OciStatus result{status, 0, ""};
    if (status == OCI_SUCCESS)
        return result;
    char text[4001] = "";
    sb4 code = 0;
    if (oci.OCIErrorGet(err, 1, nullptr, &code, reinterpret_cast<OraText*>(text), sizeof text,
                        OCI_HTYPE_ERROR) == OCI_SUCCESS) {
        result.code = code;
        result.text = text;
    }
    return result;
}

OciStatus Client::Logon(const std::string& path, const std::string& user, const std::string& password) {
    sword status = oci.OCIServerAttach(server, err, reinterpret_cast<const OraText*>(path.c_str()),
                                       static_cast<sb4>(path.size()), OCI_DEFAULT);
    if (status != OCI_SUCCESS)
        return StatusOf(status);
    oci.OCIAttrSet(svc, OCI_HTYPE_SVCCTX, server, 0, OCI_ATTR_SERVER, err);
    oci.OCIAttrSet(session, OCI_HTYPE_SESSION, const_cast<char*>(user.c_str()), static_cast<ub4>(user.size()),
                   OCI_ATTR_USERNAME, err);
    oci.OCIAttrSet(session, OCI_HTYPE_SESSION, const_cast<char*>(password.c_str()),
                   static_cast<ub4>(password.size()), OCI_ATTR_PASSWORD, err);
    status = oci.OCISessionBegin(svc, err, session, OCI_CRED_RDBMS, OCI_DEFAULT);
    // Read the logon's warning before the next call replaces the error record.
    const OciStatus result = StatusOf(status);
    if (status == OCI_SUCCESS || status == OCI_SUCCESS_WITH_INFO)
        oci.OCIAttrSet(svc, OCI_HTYPE_SVCCTX, session, 0, OCI_ATTR_SESSION, err);
    return result;
}

void Client::Logoff() {
    oci.OCISessionEnd(svc, err, session, OCI_DEFAULT);
    oci.OCIServerDetach(server, err, OCI_DEFAULT);
}

OciStatus Client::Run(const std::string& sql, const Binds& binds, ub4 mode) {
    Statement stmt(*this, sql);
    std::vector<std::string> buffers;
    std::vector<sb2> indicators(binds.size());
    buffers.reserve(binds.size());
    for (size_t i = 0; i < binds.size(); ++i) {
        buffers.push_back(binds[i].second.value_or(""));
        indicators[i] = binds[i].second ? OCI_IND_NOTNULL : OCI_IND_NULL;
        stmt.BindText(binds[i].first, buffers.back(), &indicators[i]);
    }
    return StatusOf(stmt.Execute(1, mode));
}

Rows Client::Query(const std::string& sql, const Binds& binds) {
    Statement stmt(*this, sql);
    std::vector<std::string> buffers;
    std::vector<sb2> bindIndicators(binds.size());
    buffers.reserve(binds.size());
    for (size_t i = 0; i < binds.size(); ++i) {
        buffers.push_back(binds[i].second.value_or(""));
        bindIndicators[i] = binds[i].second ? OCI_IND_NOTNULL : OCI_IND_NULL;
        stmt.BindText(binds[i].first, buffers.back(), &bindIndicators[i]);
    }
    if (const sword status = stmt.Execute(0); status != OCI_SUCCESS)
        throw std::runtime_error(StatusOf(status).text);
    const ub4 columns = stmt.Attr<ub4>(OCI_ATTR_PARAM_COUNT);
    std::vector<std::vector<char>> values(columns, std::vector<char>(4001));
    std::vector<sb2> indicators(columns);
    for (ub4 i = 0; i < columns; ++i) {
        OCIDefine* define = nullptr;
        oci.OCIDefineByPos(stmt.stmt, &define, err, i + 1, values[i].data(), 4001, SQLT_STR, &indicators[i],
                           nullptr, nullptr, OCI_DEFAULT);
    }
    Rows rows;
    sword status;
    while ((status = oci.OCIStmtFetch2(stmt.stmt, err, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT)) == OCI_SUCCESS) {
        std::vector<std::string> row;
        for (ub4 i = 0; i < columns; ++i)
            row.push_back(indicators[i] == OCI_IND_NULL ? "<null>" : values[i].data());
        rows.push_back(row);
    }
    if (status != OCI_NO_DATA)
        throw std::runtime_error(StatusOf(status).text);
    return rows;
}

OciStatus Client::Commit() {
    return StatusOf(oci.OCITransCommit(svc, err, OCI_DEFAULT));
}
OciStatus Client::Rollback() {
    return StatusOf(oci.OCITransRollback(svc, err, OCI_DEFAULT));
}

Statement::Statement(Client& c, const std::string& sql) : client(c) {
    client.oci.OCIHandleAlloc(client.env, reinterpret_cast<void**>(&stmt), OCI_HTYPE_STMT, 0, nullptr);
    client.oci.OCIStmtPrepare(stmt, client.err, reinterpret_cast<const OraText*>(sql.c_str()),
                              static_cast<ub4>(sql.size()), OCI_NTV_SYNTAX, OCI_DEFAULT);
}

Statement::~Statement() {
    client.oci.OCIHandleFree(stmt, OCI_HTYPE_STMT);
}

sword Statement::BindText(const std::string& name, std::string& buffer, sb2* indicator) {
    OCIBind* bind = nullptr;
    return client.oci.OCIBindByName(stmt, &bind, client.err, reinterpret_cast<const OraText*>(name.c_str()),
                                    static_cast<sb4>(name.size()), buffer.data(),
                                    static_cast<sb4>(buffer.size() + 1), SQLT_STR, indicator, nullptr,
                                    nullptr, 0, nullptr, OCI_DEFAULT);
}

sword Statement::Execute(ub4 iterations, ub4 mode) {
    return client.oci.OCIStmtExecute(client.svc, stmt, client.err, iterations, 0, nullptr, nullptr, mode);
}

} // namespace ocitest
