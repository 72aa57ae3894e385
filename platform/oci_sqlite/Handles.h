// What stands behind each OCI handle and descriptor the engine hands out. Every handle starts with a
// header (a magic number and its type), so a call given a null, freed or wrong-kind handle answers
// OCI_INVALID_HANDLE instead of crashing. Binds, defines and parameters belong to their statement.
#pragma once

#include "platform/oci_sqlite/Binding.h"
#include "platform/oci_sqlite/ColumnDescription.h"
#include "platform/oci_sqlite/Defining.h"
#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/Execution.h"
#include "platform/oci_sqlite/OciApi.h"
#include "platform/oci_sqlite/RowidCodec.h"
#include "platform/oci_sqlite/Session.h"

#include <memory>
#include <string>
#include <vector>

namespace ocisqlite {

inline constexpr uint32_t kHandleMagic = 0x0C15A1E5;

struct HandleHeader {
    explicit HandleHeader(ub4 kind) : type(kind) {}
    ~HandleHeader() { magic = 0; }
    uint32_t magic = kHandleMagic;
    ub4 type;
};

struct EnvHandle : HandleHeader {
    EnvHandle() : HandleHeader(OCI_HTYPE_ENV) {}
    std::weak_ptr<Session> lastSession; // context for statements prepared before an execute names one
};

struct ErrorHandle : HandleHeader {
    ErrorHandle() : HandleHeader(OCI_HTYPE_ERROR) {}
    int code = 0;
    std::string message;
};

struct ServerHandle : HandleHeader {
    ServerHandle() : HandleHeader(OCI_HTYPE_SERVER) {}
    std::string path;
    bool attached = false;
};

struct SessionHandle : HandleHeader {
    SessionHandle() : HandleHeader(OCI_HTYPE_SESSION) {}
    ~SessionHandle() {
        if (session) // statements may still hold it; the rollback must not wait for them
            session->End();
    }
    std::string user;
    std::string password;
    std::shared_ptr<Session> session;
};

struct SvcCtxHandle : HandleHeader {
    SvcCtxHandle() : HandleHeader(OCI_HTYPE_SVCCTX) {}
    EnvHandle* env = nullptr;
    ServerHandle* server = nullptr;
    SessionHandle* session = nullptr;
    ub4 statementCacheSize = 0;
};

struct StmtHandle;

struct BindHandle : HandleHeader {
    BindHandle() : HandleHeader(OCI_HTYPE_BIND) {}
    BindSlot* slot = nullptr;
};

struct DefineHandle : HandleHeader {
    DefineHandle() : HandleHeader(OCI_HTYPE_DEFINE) {}
    DefineSlot slot;
};

struct ParamHandle : HandleHeader {
    ParamHandle() : HandleHeader(OCI_DTYPE_PARAM) {}
    ColumnDescription column;
};

struct RowidHandle : HandleHeader {
    RowidHandle() : HandleHeader(OCI_DTYPE_ROWID) {}
    std::optional<RowAddress> address;
};

struct StmtHandle : HandleHeader {
    StmtHandle() : HandleHeader(OCI_HTYPE_STMT) {}
    EnvHandle* env = nullptr;
    std::string text;
    std::shared_ptr<const orasql::Translation> translation;
    const Session* translatedBy = nullptr; // the session and generation the translation was made in
    uint64_t translationGeneration = 0;
    int parseErrorOffset = 0;
    ub4 prefetchRows = 1;
    ub4 prefetchMemory = 0;
    bool fromCache = false; // prepared with OCIStmtPrepare2: freed by OCIStmtRelease

    BindSet binds;
    std::vector<std::unique_ptr<BindHandle>> bindHandles;
    std::vector<std::unique_ptr<DefineHandle>> defines; // by position - 1
    std::vector<std::unique_ptr<ParamHandle>> params;

    // The last execution; the session comes first so it outlives the cursor's borrowed statement.
    std::shared_ptr<Session> session;
    std::unique_ptr<Cursor> cursor;
    bool describedOnly = false; // executed in describe-only mode: columns, but nothing to fetch
    ub4 rowCount = 0;
    ub4 rowsFetched = 0;
    std::optional<RowAddress> lastRow;

    void CloseCursor() {
        cursor.reset();
        params.clear();
    }
};

// The handle behind a pointer, or InvalidHandle.
template <class H> H* As(const void* pointer, ub4 type) {
    auto* header = static_cast<HandleHeader*>(const_cast<void*>(pointer));
    if (!header || header->magic != kHandleMagic || header->type != type)
        throw InvalidHandle();
    return static_cast<H*>(header);
}

inline EnvHandle* Env(const void* p) {
    return As<EnvHandle>(p, OCI_HTYPE_ENV);
}
inline ServerHandle* Server(const void* p) {
    return As<ServerHandle>(p, OCI_HTYPE_SERVER);
}
inline SessionHandle* SessionOf(const void* p) {
    return As<SessionHandle>(p, OCI_HTYPE_SESSION);
}
inline SvcCtxHandle* SvcCtx(const void* p) {
    return As<SvcCtxHandle>(p, OCI_HTYPE_SVCCTX);
}
inline StmtHandle* Stmt(const void* p) {
    return As<StmtHandle>(p, OCI_HTYPE_STMT);
}

// The logged-on session of a service context, or ORA-01012.
std::shared_ptr<Session> LoggedOn(SvcCtxHandle* svc);

} // namespace ocisqlite
