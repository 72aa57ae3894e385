// What stands behind each OCI handle and descriptor the engine hands out. Every live handle is
// registered with its type, so a call given a null, freed, foreign or wrong-kind pointer answers
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

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ocisqlite {

struct HandleHeader {
    explicit HandleHeader(ub4 kind);
    ~HandleHeader();
    HandleHeader(const HandleHeader&) = delete;
    HandleHeader& operator=(const HandleHeader&) = delete;
    const ub4 type;
};

// True when pointer is a live handle of this type; only then may it be dereferenced.
bool IsLiveHandle(const void* pointer, ub4 type);

// What an environment's children share with it; they hold it, so freeing the environment first
// leaves them usable.
struct EnvState {
    std::weak_ptr<Session> lastSession; // context for statements prepared before an execute names one
};

struct EnvHandle : HandleHeader {
    EnvHandle() : HandleHeader(OCI_HTYPE_ENV) {}
    std::shared_ptr<EnvState> state = std::make_shared<EnvState>();
};

struct ErrorHandle : HandleHeader {
    ErrorHandle() : HandleHeader(OCI_HTYPE_ERROR) {}
    int code = 0;
    std::string message;
    // After an array change with batch errors: one record per failing row, which OCIParamGet hands
    // out by index and OCI_ATTR_DML_ROW_OFFSET tells the row of.
    std::vector<std::unique_ptr<ErrorHandle>> rowErrors;
    ub4 rowOffset = 0;
    bool rowRecord = false; // one of another handle's rowErrors, freed with it
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

// A local transaction needs nothing of its own: the session's transaction is the one it names.
struct TransHandle : HandleHeader {
    TransHandle() : HandleHeader(OCI_HTYPE_TRANS) {}
};

struct SvcCtxHandle : HandleHeader {
    SvcCtxHandle() : HandleHeader(OCI_HTYPE_SVCCTX) {}
    std::shared_ptr<EnvState> env;
    ServerHandle* server = nullptr;
    SessionHandle* session = nullptr;
    TransHandle* transaction = nullptr;
    ub4 statementCacheSize = 0;
};

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
    const ColumnDescription* column = nullptr; // the cursor's, which outlives its descriptors
};

struct RowidHandle : HandleHeader {
    RowidHandle() : HandleHeader(OCI_DTYPE_ROWID) {}
    std::optional<RowAddress> address;
};

struct StmtHandle : HandleHeader {
    StmtHandle() : HandleHeader(OCI_HTYPE_STMT) {}
    std::shared_ptr<EnvState> env;
    std::string text;
    std::shared_ptr<const orasql::Translation> translation;
    const Session* translatedBy = nullptr; // the session and generation the translation was made in
    uint64_t translationGeneration = 0;
    int parseErrorOffset = 0;
    ub4 prefetchRows = 1;
    ub4 prefetchMemory = 0;

    BindSet binds;
    std::map<std::string, BindHandle> bindHandles;      // by upper-case name
    std::vector<std::unique_ptr<DefineHandle>> defines; // by position - 1
    std::vector<ParamHandle> params;                    // by position - 1

    // The last execution; the session comes first so it outlives the cursor's borrowed statement.
    std::shared_ptr<Session> session;
    std::unique_ptr<Cursor> cursor;
    bool describedOnly = false; // executed in describe-only mode: columns, but nothing to fetch
    ub4 rowCount = 0;
    ub4 rowsFetched = 0;
    ub4 dmlErrors = 0; // rows that failed in the last array change with batch errors
    // What a client holds of a query's rows: received in a round trip but not yet fetched, and
    // whether the server said that no more rows follow.
    ub4 prefetched = 0;
    bool allReceived = false;
    std::optional<RowAddress> lastRow;
    // A scrollable query's rows, all read at execute, and the position of the last row fetched
    // (from 1; 0 before the first).
    std::optional<std::vector<Row>> scrollRows;
    ub4 position = 0;

    void CloseCursor() {
        cursor.reset();
        params.clear();
        scrollRows.reset();
        position = 0;
    }
};

// The handle behind a pointer, or InvalidHandle.
template <class H> H* As(const void* pointer, ub4 type) {
    if (!IsLiveHandle(pointer, type))
        throw InvalidHandle();
    return static_cast<H*>(static_cast<HandleHeader*>(const_cast<void*>(pointer)));
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

// What a service context points at, looked up only while still alive: the client may have freed it.
ServerHandle* AttachedServer(SvcCtxHandle* svc);      // ORA-12154 without an attached server
SessionHandle* UserSessionOf(SvcCtxHandle* svc);      // null without one
std::shared_ptr<Session> LoggedOn(SvcCtxHandle* svc); // ORA-01012 without a logged-on session

} // namespace ocisqlite
