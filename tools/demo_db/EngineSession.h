// One logged-on session of the engine over the OCI entry points: runs statements, prepares
// statements for repeated execution, commits. Errors become Exception with the server's text.
// The data access layer (oracle/) was not yet there when this generator was written; this small
// session is the generator's own and holds no logic beyond what the generator needs.
#pragma once

#include "tools/demo_db/EngineLibrary.h"

#include <string>

class TEngineSession {
public:
    TEngineSession(const TEngineLibrary& oci, const std::string& database, const std::string& user,
                   const std::string& password);
    ~TEngineSession();
    TEngineSession(const TEngineSession&) = delete;
    TEngineSession& operator=(const TEngineSession&) = delete;

    void Execute(const std::string& sql);
    // A prepared statement the caller frees with FreeStatement.
    OCIStmt* Prepare(const std::string& sql);
    void FreeStatement(OCIStmt* statement);
    void ExecutePrepared(OCIStmt* statement);
    void Commit();
    OCISvcCtx* Service() const { return service_; }
    // Raises Exception with the error handle's text when status is not a success.
    void Check(sword status, const std::string& what) const;

    const TEngineLibrary& oci;
    OCIError* error = nullptr;

private:
    OCIEnv* env_ = nullptr;
    OCIServer* server_ = nullptr;
    OCISvcCtx* service_ = nullptr;
    OCISession* session_ = nullptr;
    bool loggedOn_ = false;
};
