// Entry points of environments, handles, descriptors and error records. Only the handle kinds the
// engine serves can be allocated; others answer OCI_INVALID_HANDLE.
#include "platform/oci_sqlite/OciCall.h"
#include "platform/oci_sqlite/OciGenericApi.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <map>
#include <mutex>

using namespace ocisqlite;

namespace ocisqlite {

void RecordError(OCIError* errhp, int code, const std::string& message) {
    if (!IsLiveHandle(errhp, OCI_HTYPE_ERROR))
        return;
    auto* error = static_cast<ErrorHandle*>(reinterpret_cast<HandleHeader*>(errhp));
    error->code = code;
    error->message = message;
}

ServerHandle* AttachedServer(SvcCtxHandle* svc) {
    if (!IsLiveHandle(svc->server, OCI_HTYPE_SERVER) || !svc->server->attached)
        throw ora::CannotResolveIdentifier();
    return svc->server;
}

SessionHandle* UserSessionOf(SvcCtxHandle* svc) {
    return IsLiveHandle(svc->session, OCI_HTYPE_SESSION) ? svc->session : nullptr;
}

std::shared_ptr<Session> LoggedOn(SvcCtxHandle* svc) {
    SessionHandle* user = UserSessionOf(svc);
    if (!user || !user->session)
        throw ora::NotLoggedOn();
    return user->session;
}

} // namespace ocisqlite

namespace {

HandleHeader* NewHandle(EnvHandle* env, ub4 type) {
    switch (type) {
    case OCI_HTYPE_ERROR:
        return new ErrorHandle;
    case OCI_HTYPE_SVCCTX: {
        auto* svc = new SvcCtxHandle;
        svc->env = env->state;
        return svc;
    }
    case OCI_HTYPE_STMT: {
        auto* stmt = new StmtHandle;
        stmt->env = env->state;
        return stmt;
    }
    case OCI_HTYPE_SERVER:
        return new ServerHandle;
    case OCI_HTYPE_SESSION:
        return new SessionHandle;
    case OCI_HTYPE_TRANS:
        return new TransHandle;
    default:
        return nullptr;
    }
}

template <class H> void Delete(void* handle, ub4 type) {
    delete As<H>(handle, type);
}

sword NewEnvironment(OCIEnv** envp) {
    if (!envp)
        return OCI_INVALID_HANDLE;
    *envp = reinterpret_cast<OCIEnv*>(static_cast<HandleHeader*>(new EnvHandle));
    return OCI_SUCCESS;
}

// The size of each array of descriptors, kept by its first descriptor for the free.
std::mutex arraysLock;
std::map<const void*, ub4>& ArraySizes() {
    static auto* sizes = new std::map<const void*, ub4>; // clients free at exit
    return *sizes;
}

} // namespace

extern "C" {

sword OCIInitialize(ub4, void*, OCIMallocFn, OCIReallocFn, OCIFreeFn) {
    return OCI_SUCCESS;
}

sword OCIEnvInit(OCIEnv** envp, ub4, size_t, void**) {
    return OciCall(nullptr, [&] { return NewEnvironment(envp); });
}

sword OCIEnvCreate(OCIEnv** envp, ub4, void*, OCIMallocFn, OCIReallocFn, OCIFreeFn, size_t, void**) {
    return OciCall(nullptr, [&] { return NewEnvironment(envp); });
}

// Every text here is UTF-8: a client asking for another character set gets none.
sword OCIEnvNlsCreate(OCIEnv** envp, ub4, void*, OCIMallocFn, OCIReallocFn, OCIFreeFn, size_t, void**,
                      ub2 charset, ub2 ncharset) {
    const auto unicode = [](ub2 id) {
        return id == 0 || id == OCI_CHARSET_AL32UTF8 || id == OCI_CHARSET_UTF8;
    };
    if (!unicode(charset) || !unicode(ncharset))
        return OCI_ERROR;
    return OciCall(nullptr, [&] { return NewEnvironment(envp); });
}

sword OCINlsNumericInfoGet(OCIEnv* envhp, OCIError* errhp, sb4* val, ub2 item) {
    return OciCall(errhp, [&] {
        Env(envhp);
        if (!val || item != OCI_NLS_CHARSET_MAXBYTESZ)
            throw ora::Unimplemented();
        *val = 4; // AL32UTF8
        return OCI_SUCCESS;
    });
}

// Oracle's names in American English, the engine's only language; DAYNAME1 is Monday.
sword OCINlsGetInfo(void* hndl, OCIError* errhp, OraText* buf, size_t buflen, ub2 item) {
    static const char* const kItems[] = {
        "MONDAY",    "TUESDAY",  "WEDNESDAY", "THURSDAY", "FRIDAY", "SATURDAY", "SUNDAY",    "MON",
        "TUE",       "WED",      "THU",       "FRI",      "SAT",    "SUN",      "JANUARY",   "FEBRUARY",
        "MARCH",     "APRIL",    "MAY",       "JUNE",     "JULY",   "AUGUST",   "SEPTEMBER", "OCTOBER",
        "NOVEMBER",  "DECEMBER", "JAN",       "FEB",      "MAR",    "APR",      "MAY",       "JUN",
        "JUL",       "AUG",      "SEP",       "OCT",      "NOV",    "DEC",      "YES",       "NO",
        "AM",        "PM",       "AD",        "BC",       ".",      ",",        "-",         "CR",
        "DD-MON-RR", "USD",      "$",         "AMERICAN", "US",     "AMERICA",  "AL32UTF8",  "BINARY",
        "GREGORIAN"};
    return OciCall(errhp, [&] {
        As<HandleHeader>(hndl, IsLiveHandle(hndl, OCI_HTYPE_ENV) ? OCI_HTYPE_ENV : OCI_HTYPE_SESSION);
        if (item < 1 || item > std::size(kItems))
            throw ora::Unimplemented();
        const std::string text = kItems[item - 1];
        if (!buf || buflen <= text.size())
            throw ora::Make(1801, "date format is too long for internal buffer");
        std::memcpy(buf, text.c_str(), text.size() + 1);
        return OCI_SUCCESS;
    });
}

sword OCIHandleAlloc(const void* parenth, void** hndlpp, ub4 type, size_t, void**) {
    return OciCall(nullptr, [&] {
        EnvHandle* env = Env(parenth);
        if (!hndlpp)
            return OCI_INVALID_HANDLE;
        HandleHeader* handle = NewHandle(env, type);
        if (!handle)
            return OCI_INVALID_HANDLE;
        *hndlpp = handle;
        return OCI_SUCCESS;
    });
}

sword OCIHandleFree(void* hndlp, ub4 type) {
    return OciCall(nullptr, [&] {
        switch (type) {
        case OCI_HTYPE_ENV:
            Delete<EnvHandle>(hndlp, type);
            break;
        case OCI_HTYPE_ERROR:
            if (!As<ErrorHandle>(hndlp, type)->rowRecord)
                Delete<ErrorHandle>(hndlp, type);
            break;
        case OCI_HTYPE_SVCCTX:
            Delete<SvcCtxHandle>(hndlp, type);
            break;
        case OCI_HTYPE_STMT:
            Delete<StmtHandle>(hndlp, type);
            break;
        case OCI_HTYPE_SERVER:
            Delete<ServerHandle>(hndlp, type);
            break;
        case OCI_HTYPE_SESSION: // ending without commit rolls back
            Delete<SessionHandle>(hndlp, type);
            break;
        case OCI_HTYPE_TRANS:
            Delete<TransHandle>(hndlp, type);
            break;
        case OCI_HTYPE_BIND: // binds and defines belong to their statement
            As<BindHandle>(hndlp, type);
            break;
        case OCI_HTYPE_DEFINE:
            As<DefineHandle>(hndlp, type);
            break;
        default:
            return OCI_INVALID_HANDLE;
        }
        return OCI_SUCCESS;
    });
}

sword OCIDescriptorAlloc(const void* parenth, void** descpp, ub4 type, size_t, void**) {
    return OciCall(nullptr, [&] {
        Env(parenth);
        if (!descpp || type != OCI_DTYPE_ROWID)
            return OCI_INVALID_HANDLE;
        *descpp = static_cast<HandleHeader*>(new RowidHandle);
        return OCI_SUCCESS;
    });
}

sword OCIDescriptorFree(void* descp, ub4 type) {
    return OciCall(nullptr, [&] {
        if (type == OCI_DTYPE_ROWID)
            Delete<RowidHandle>(descp, type);
        else if (type == OCI_DTYPE_PARAM) // parameters belong to their statement
            As<ParamHandle>(descp, type);
        else
            return OCI_INVALID_HANDLE;
        return OCI_SUCCESS;
    });
}

// Arrays of ROWID descriptors, each as OCIDescriptorAlloc makes it.
sword OCIArrayDescriptorAlloc(const void* parenth, void** descpp, const ub4 type, ub4 array_size,
                              const size_t, void**) {
    return OciCall(nullptr, [&] {
        Env(parenth);
        if (!descpp || type != OCI_DTYPE_ROWID || array_size == 0)
            return OCI_INVALID_HANDLE;
        for (ub4 i = 0; i < array_size; ++i)
            descpp[i] = static_cast<HandleHeader*>(new RowidHandle);
        std::lock_guard lock(arraysLock);
        ArraySizes()[descpp[0]] = array_size;
        return OCI_SUCCESS;
    });
}

sword OCIArrayDescriptorFree(void** descp, const ub4 type) {
    return OciCall(nullptr, [&] {
        if (!descp || type != OCI_DTYPE_ROWID)
            return OCI_INVALID_HANDLE;
        ub4 size = 0;
        {
            std::lock_guard lock(arraysLock);
            const auto found = ArraySizes().find(descp[0]);
            if (found == ArraySizes().end())
                return OCI_INVALID_HANDLE;
            size = found->second;
            ArraySizes().erase(found);
        }
        for (ub4 i = 0; i < size; ++i)
            Delete<RowidHandle>(descp[i], type);
        return OCI_SUCCESS;
    });
}

sword OCIErrorGet(void* hndlp, ub4 recordno, OraText* sqlstate, sb4* errcodep, OraText* bufp, ub4 bufsiz,
                  ub4 type) {
    return OciCall(nullptr, [&] {
        if (type == OCI_HTYPE_ENV) {
            Env(hndlp);
            return OCI_NO_DATA;
        }
        auto* error = As<ErrorHandle>(hndlp, OCI_HTYPE_ERROR);
        if (type != OCI_HTYPE_ERROR)
            return OCI_INVALID_HANDLE;
        if (recordno != 1 || error->code == 0)
            return OCI_NO_DATA;
        if (errcodep)
            *errcodep = error->code;
        if (sqlstate)
            *sqlstate = '\0';
        if (bufp && bufsiz > 0) {
            const size_t length = std::min<size_t>(error->message.size(), bufsiz - 1);
            std::memcpy(bufp, error->message.data(), length);
            bufp[length] = '\0';
        }
        return OCI_SUCCESS;
    });
}

} // extern "C"
