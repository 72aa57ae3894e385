// A small OCI client for the engine's tests: loads liboci_sqlite.so with dlopen, as the program
// loads a client library, binds every entry point by name, and offers logon, statements with text
// binds, and queries whose values come back as text. Errors are read the way the layer reads them.
#pragma once

#include "platform/oci_sqlite/OciApi.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ocitest {

struct OciLibrary {
#define OCI_TEST_MEMBER(ret, name, params) name##_t name = nullptr;
    OCI_FUNCTIONS(OCI_TEST_MEMBER)
#undef OCI_TEST_MEMBER
    ocisqlite_create_database_t ocisqlite_create_database = nullptr;
    void* module = nullptr;

    static const OciLibrary& Get(); // loaded once; fails the test when the library is missing
    void* Lookup(const char* name) const;
};

struct OciStatus {
    sword status = OCI_SUCCESS;
    int code = 0;
    std::string text;
};

using Binds = std::vector<std::pair<std::string, std::optional<std::string>>>;
using Rows = std::vector<std::vector<std::string>>; // NULL reads "<null>"

// A fresh file name in the test's own directory; the file does not exist yet.
std::string NewDatabasePath(const std::string& stem);
// Creates a database with user SCOTT / TIGER; returns its path.
std::string CreateTestDatabase(const std::string& stem);

class Client {
public:
    Client();
    ~Client();
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    OciStatus Logon(const std::string& path, const std::string& user = "scott",
                    const std::string& password = "tiger");
    void Logoff();
    OciStatus Run(const std::string& sql, const Binds& binds = {}, ub4 mode = OCI_DEFAULT);
    // Throws std::runtime_error with the Oracle text when the query fails.
    Rows Query(const std::string& sql, const Binds& binds = {});
    OciStatus Commit();
    OciStatus Rollback();
    OciStatus StatusOf(sword status) const;

    const OciLibrary& oci;
    OCIEnv* env = nullptr;
    OCIError* err = nullptr;
    OCIServer* server = nullptr;
    OCISvcCtx* svc = nullptr;
    OCISession* session = nullptr;
};

// One statement handle, freed with the object.
class Statement {
public:
    Statement(Client& client, const std::string& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sword BindText(const std::string& name, std::string& buffer, sb2* indicator = nullptr);
    sword Execute(ub4 iterations, ub4 mode = OCI_DEFAULT);
    OciStatus Status(sword status) const { return client.StatusOf(status); }
    template <class T> T Attr(ub4 attribute) const {
        T value{};
        client.oci.OCIAttrGet(stmt, OCI_HTYPE_STMT, &value, nullptr, attribute, client.err);
        return value;
    }

    Client& client;
    OCIStmt* stmt = nullptr;
};

} // namespace ocitest
