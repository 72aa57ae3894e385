// Logon follows the usual OCI sequence (environment, error, server, service context, session) and
// logoff frees it in reverse; an uncommitted transaction is rolled back when the session ends.
#include "tools/demo_db/EngineSession.h"

#include "platform/settings/Exceptions.h"

namespace {
const OraText* Ora(const std::string& text) {
    return reinterpret_cast<const OraText*>(text.c_str());
}
} // namespace

TEngineSession::TEngineSession(const TEngineLibrary& library, const std::string& database,
                               const std::string& user, const std::string& password)
    : oci(library) {
    if (oci.OCIEnvCreate(&env_, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr) != OCI_SUCCESS)
        throw Exception("Cannot create the OCI environment");
    oci.OCIHandleAlloc(env_, reinterpret_cast<void**>(&error), OCI_HTYPE_ERROR, 0, nullptr);
    oci.OCIHandleAlloc(env_, reinterpret_cast<void**>(&server_), OCI_HTYPE_SERVER, 0, nullptr);
    oci.OCIHandleAlloc(env_, reinterpret_cast<void**>(&service_), OCI_HTYPE_SVCCTX, 0, nullptr);
    oci.OCIHandleAlloc(env_, reinterpret_cast<void**>(&session_), OCI_HTYPE_SESSION, 0, nullptr);
    try {
        Check(oci.OCIServerAttach(server_, error, Ora(database), static_cast<sb4>(database.size()),
                                  OCI_DEFAULT),
              "attach");
        oci.OCIAttrSet(service_, OCI_HTYPE_SVCCTX, server_, 0, OCI_ATTR_SERVER, error);
        oci.OCIAttrSet(session_, OCI_HTYPE_SESSION, const_cast<char*>(user.c_str()),
                       static_cast<ub4>(user.size()), OCI_ATTR_USERNAME, error);
        oci.OCIAttrSet(session_, OCI_HTYPE_SESSION, const_cast<char*>(password.c_str()),
                       static_cast<ub4>(password.size()), OCI_ATTR_PASSWORD, error);
        Check(oci.OCISessionBegin(service_, error, session_, OCI_CRED_RDBMS, OCI_DEFAULT), "logon");
        loggedOn_ = true;
        oci.OCIAttrSet(service_, OCI_HTYPE_SVCCTX, session_, 0, OCI_ATTR_SESSION, error);
    } catch (...) {
        oci.OCIHandleFree(env_, OCI_HTYPE_ENV);
        throw;
    }
}

TEngineSession::~TEngineSession() {
    if (loggedOn_) {
        oci.OCITransRollback(service_, error, OCI_DEFAULT);
        oci.OCISessionEnd(service_, error, session_, OCI_DEFAULT);
    }
    oci.OCIServerDetach(server_, error, OCI_DEFAULT);
    oci.OCIHandleFree(env_, OCI_HTYPE_ENV);
}

void TEngineSession::Check(sword status, const std::string& what) const {
    if (status == OCI_SUCCESS || status == OCI_SUCCESS_WITH_INFO)
        return;
    sb4 code = 0;
    char text[1024] = "";
    oci.OCIErrorGet(error, 1, nullptr, &code, reinterpret_cast<OraText*>(text), sizeof text, OCI_HTYPE_ERROR);
    throw Exception(std::string(text) + "\n" + what);
}

OCIStmt* TEngineSession::Prepare(const std::string& sql) {
    OCIStmt* statement = nullptr;
    oci.OCIHandleAlloc(env_, reinterpret_cast<void**>(&statement), OCI_HTYPE_STMT, 0, nullptr);
    const sword status = oci.OCIStmtPrepare(statement, error, Ora(sql), static_cast<ub4>(sql.size()),
                                            OCI_NTV_SYNTAX, OCI_DEFAULT);
    if (status != OCI_SUCCESS) {
        FreeStatement(statement);
        Check(status, sql);
    }
    return statement;
}

void TEngineSession::FreeStatement(OCIStmt* statement) {
    oci.OCIHandleFree(statement, OCI_HTYPE_STMT);
}

void TEngineSession::ExecutePrepared(OCIStmt* statement) {
    Check(oci.OCIStmtExecute(service_, statement, error, 1, 0, nullptr, nullptr, OCI_DEFAULT), "execute");
}

void TEngineSession::Execute(const std::string& sql) {
    OCIStmt* statement = Prepare(sql);
    const sword status = oci.OCIStmtExecute(service_, statement, error, 1, 0, nullptr, nullptr, OCI_DEFAULT);
    FreeStatement(statement);
    Check(status, sql);
}

void TEngineSession::Commit() {
    Check(oci.OCITransCommit(service_, error, OCI_DEFAULT), "commit");
}
