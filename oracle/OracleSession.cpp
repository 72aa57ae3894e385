// TOracleSession: logging on and off through the OCI8 handles, commit and rollback, the password
// change and the registry of live sessions that the library logs off when the process ends.
#include "oracle/Oracle.h"
#include "oracle/OracleCounters.h"
#include "oracle/OracleData.h"
#include "platform/settings/TextUtils.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

const char kNeedsOci7[] =
    "This connection needs the OCI7 interface of the Oracle client, which this program does not support";

// Logs off what is still connected when the process ends; constructed after the client state, so
// it is destroyed before it.
struct TLibraryShutdown {
    std::vector<TOracleSession*> Sessions;
    ~TLibraryShutdown() {
        for (TOracleSession* session : std::vector<TOracleSession*>(Sessions)) {
            try {
                session->LogOff();
            } catch (...) {
                // Shutdown goes on whatever a server says.
            }
        }
        ResetOracleClient();
    }
};

TLibraryShutdown& Shutdown() {
    Oci(); // the client state must outlive the shutdown object
    static TLibraryShutdown shutdown;
    return shutdown;
}

bool IsOracle7Banner(const std::string& banner) {
    const std::string upper = UpperCase(banner);
    return upper.find("ORACLE7") != std::string::npos || upper.find("RELEASE 7.") != std::string::npos;
}

bool IsLogonWarning(int code) {
    return code == 28002 || code == 28011;
}

template <typename Handle> void AllocateHandle(OCIEnv* env, Handle*& handle, ub4 type) {
    void* allocated = nullptr;
    if (Oci().OCIHandleAlloc(env, &allocated, type, 0, nullptr) != OCI_SUCCESS)
        throw Exception("Could not allocate an OCI handle of type " + std::to_string(type));
    handle = static_cast<Handle*>(allocated);
}

// Why the client could not make an environment: its own error when it left one to ask, and the
// library, since a wrong or incomplete client installation is the usual cause.
std::string EnvironmentFailure(OCIEnv* env, const std::string& call, sword status) {
    std::string text =
        "Could not create the OCI environment: " + call + " returned " + std::to_string(status);
    if (env) {
        char message[1024] = {};
        sb4 code = 0;
        if (Oci().OCIErrorGet(env, 1, nullptr, &code, reinterpret_cast<OraText*>(message), sizeof message,
                              OCI_HTYPE_ENV) == OCI_SUCCESS &&
            message[0])
            text += " (" + TrimRight(std::string(message)) + ")";
        Oci().OCIHandleFree(env, OCI_HTYPE_ENV);
    }
    return text + " in " + OracleClientPath();
}

template <typename Handle> void FreeHandle(Handle*& handle, ub4 type) {
    if (handle)
        Oci().OCIHandleFree(handle, type);
    handle = nullptr;
}

} // namespace

std::vector<TOracleSession*>& LiveOracleSessions() {
    return Shutdown().Sessions;
}

TOracleSession::TOracleSession() {
    LiveOracleSessions().push_back(this);
}

TOracleSession::~TOracleSession() {
    try {
        LogOff();
    } catch (...) {
        // A destructor cannot report; the handles are freed either way.
    }
    // Queries and datasets may outlive their session: they must not keep pointing at it.
    for (TOracleDataSet* dataSet : std::vector<TOracleDataSet*>(FDataSets))
        dataSet->SetSession(nullptr);
    for (TOracleQuery* query : std::vector<TOracleQuery*>(FQueries))
        query->SetSession(nullptr);
    std::vector<TOracleSession*>& sessions = LiveOracleSessions();
    sessions.erase(std::remove(sessions.begin(), sessions.end(), this), sessions.end());
}

void TOracleSession::SetThreadSafe(bool value) {
    if (value != FThreadSafe && FConnected)
        throw Exception("Cannot change ThreadSafe property when connected");
    FThreadSafe = value;
}

void TOracleSession::SetConnected(bool value) {
    if (value == FConnected)
        return;
    if (value)
        LogOn();
    else
        LogOff();
}

bool TOracleSession::OdbcMode() const {
    return UpperCase(LogonDatabase).find("ODBC:") != std::string::npos ||
           UpperCase(LogonUsername).find("ODBC:") != std::string::npos;
}

void TOracleSession::Check(sword status) {
    if (status != OCI_SUCCESS && status != OCI_SUCCESS_WITH_INFO)
        RaiseOracleError(status, FError, this, this);
}

// Texts travel as UTF-8 whatever NLS_LANG says, where the client can be told so.
sword TOracleSession::CreateEnvironment(OCIEnv** env, std::string& call) const {
    TOciEntryPoints& oci = Oci();
    const ub4 mode = OCI_OBJECT | (FThreadSafe ? OCI_THREADED : 0);
    if (oci.OCIEnvNlsCreate) {
        call = "OCIEnvNlsCreate";
        return oci.OCIEnvNlsCreate(env, mode, nullptr, nullptr, nullptr, nullptr, 0, nullptr,
                                   OCI_CHARSET_AL32UTF8, OCI_CHARSET_AL32UTF8);
    }
    if (oci.OCI81) {
        call = "OCIEnvCreate";
        return oci.OCIEnvCreate(env, mode, nullptr, nullptr, nullptr, nullptr, 0, nullptr);
    }
    call = "OCIEnvInit";
    return oci.OCIEnvInit(env, FThreadSafe ? OCI_DEFAULT : OCI_NO_MUTEX, 0, nullptr);
}

void TOracleSession::AllocateHandles() {
    TOciEntryPoints& oci = Oci();
    OCIEnv* env = nullptr;
    std::string call;
    const sword status = CreateEnvironment(&env, call);
    if (status != OCI_SUCCESS || !env)
        throw Exception(EnvironmentFailure(env, call, status));
    FEnv = env;
    AllocateHandle(FEnv, FSvc, OCI_HTYPE_SVCCTX);
    AllocateHandle(FEnv, FServer, OCI_HTYPE_SERVER);
    AllocateHandle(FEnv, FError, OCI_HTYPE_ERROR);
    AllocateHandle(FEnv, FError2, OCI_HTYPE_ERROR);
    AllocateHandle(FEnv, FUser, OCI_HTYPE_SESSION);
    FClientCharsetId = call == "OCIEnvNlsCreate" ? OCI_CHARSET_AL32UTF8 : 0;
    sb4 maxBytes = 0;
    FClientBytesPerCharacter = 0;
    if (oci.OCINlsNumericInfoGet &&
        oci.OCINlsNumericInfoGet(FEnv, FError, &maxBytes, OCI_NLS_CHARSET_MAXBYTESZ) == OCI_SUCCESS)
        FClientBytesPerCharacter = maxBytes;
}

// A client too old to be asked for UTF-8 converts to the character set NLS_LANG names.
int TOracleSession::MaxBytesPerCharacter() const {
    if (FClientBytesPerCharacter > 0)
        return FClientBytesPerCharacter;
    const char* nlsLang = std::getenv("NLS_LANG");
    if (nlsLang && UpperCase(nlsLang).find("UTF8") != std::string::npos)
        return 4;
    return std::max(1, static_cast<int>(BytesPerCharacter));
}

void TOracleSession::FreeHandles() {
    if (FAttached && FServer)
        Oci().OCIServerDetach(FServer, FError, OCI_DEFAULT);
    FAttached = false;
    FreeHandle(FUser, OCI_HTYPE_SESSION);
    FreeHandle(FServer, OCI_HTYPE_SERVER);
    FreeHandle(FSvc, OCI_HTYPE_SVCCTX);
    FreeHandle(FError, OCI_HTYPE_ERROR);
    FreeHandle(FError2, OCI_HTYPE_ERROR);
    FreeHandle(FEnv, OCI_HTYPE_ENV);
    FDateFormatLength = 0;
}

void TOracleSession::BeginSession() {
    TOciEntryPoints& oci = Oci();
    const std::string& database = LogonDatabase;
    Check(oci.OCIServerAttach(FServer, FError, reinterpret_cast<const OraText*>(database.data()),
                              static_cast<sb4>(database.size()), OCI_DEFAULT));
    FAttached = true;
    Check(oci.OCIAttrSet(FSvc, OCI_HTYPE_SVCCTX, FServer, 0, OCI_ATTR_SERVER, FError));
    Check(oci.OCIAttrSet(FSvc, OCI_HTYPE_SVCCTX, FUser, 0, OCI_ATTR_SESSION, FError));
    const bool withCredentials = !LogonUsername.empty() || !LogonPassword.empty();
    if (withCredentials) {
        Check(oci.OCIAttrSet(FUser, OCI_HTYPE_SESSION, const_cast<char*>(LogonUsername.data()),
                             static_cast<ub4>(LogonUsername.size()), OCI_ATTR_USERNAME, FError));
        Check(oci.OCIAttrSet(FUser, OCI_HTYPE_SESSION, const_cast<char*>(LogonPassword.data()),
                             static_cast<ub4>(LogonPassword.size()), OCI_ATTR_PASSWORD, FError));
    }
    ub4 mode = ConnectAs == TConnectAs::caSYSDBA    ? OCI_SYSDBA
               : ConnectAs == TConnectAs::caSYSOPER ? OCI_SYSOPER
                                                    : 0;
    if (StatementCache && oci.OCI92)
        mode |= OCI_STMT_CACHE;
    const sword status =
        oci.OCISessionBegin(FSvc, FError, FUser, withCredentials ? OCI_CRED_RDBMS : OCI_CRED_EXT, mode);
    if (status == OCI_SUCCESS)
        return;
    const auto [code, text] = ReadOracleError(status, FError);
    if (IsLogonWarning(code))
        FLogonWarning = text;
    else
        RaiseOracleErrorText(code, text, this, this);
}

// Only an Oracle7 server needs the OCI7 generation; every later release (8i to 23ai and on) logs on.
// Testing for the newer names instead would refuse every release whose number does not start with 1.
void TOracleSession::CheckServerBanner() {
    char banner[501] = {};
    Check(Oci().OCIServerVersion(FSvc, FError, reinterpret_cast<OraText*>(banner), sizeof banner,
                                 OCI_HTYPE_SVCCTX));
    if (IsOracle7Banner(banner))
        throw Exception(kNeedsOci7);
}

void TOracleSession::LogOn() {
    if (Pooling != TSessionPooling::spNone)
        throw Exception("Session pooling is not supported");
    if (BeforeLogOn)
        BeforeLogOn(*this);
    std::optional<TOracleLockGuard> threadLock;
    if (FThreadSafe)
        threadLock.emplace(OracleLibraryLock());
    {
        TScreenCursorGuard cursor(Cursor);
        InitializeOracleClient();
    }
    TScreenCursorGuard cursor(Cursor);
    LogOff();
    FLogonWarning.clear();
    if (Preferences.UseOCI7() || !Oci().OCI8 || OdbcMode())
        throw Exception(kNeedsOci7);
    ApplyConnectString();
    try {
        AllocateHandles();
        BeginSession();
        CheckServerBanner();
        if (StatementCache && Oci().OCI92) {
            ub4 size = static_cast<ub4>(StatementCacheSize);
            Check(Oci().OCIAttrSet(FSvc, OCI_HTYPE_SVCCTX, &size, 0, OCI_ATTR_STMTCACHESIZE, FError));
        }
    } catch (...) {
        FreeHandles(); // a failed attempt leaves nothing attached
        throw;
    }
    FConnected = true;
    ApplySettings();
    threadLock.reset();
    if (AfterLogOn)
        AfterLogOn(*this);
    if (OnChange)
        OnChange(*this);
}

void TOracleSession::CloseAttached() {
    for (TOracleQuery* query : std::vector<TOracleQuery*>(FQueries)) {
        try {
            query->CloseStatement();
        } catch (...) {
            // Closing goes on for the others.
        }
    }
    for (TOracleDataSet* dataSet : std::vector<TOracleDataSet*>(FDataSets)) {
        try {
            dataSet->Close();
        } catch (...) {
            // Closing goes on for the others.
        }
    }
}

void TOracleSession::LogOff() {
    TScreenCursorGuard cursor(FConnected ? Cursor : TScreenCursor::crDefault);
    sword endStatus = OCI_SUCCESS;
    const bool wasConnected = FConnected;
    if (wasConnected) {
        if (RollbackOnDisconnect) {
            try {
                Rollback();
            } catch (...) {
                // Logging off does not depend on the rollback.
            }
        }
        CloseAttached();
        FConnected = false;
        endStatus = Oci().OCISessionEnd(FSvc, FError, FUser, OCI_DEFAULT);
    }
    std::optional<std::pair<int, std::string>> failure;
    if (endStatus != OCI_SUCCESS && endStatus != OCI_SUCCESS_WITH_INFO)
        failure = ReadOracleError(endStatus, FError);
    if (FEnv)
        FreeHandles();
    if (failure)
        throw EOracleError(failure->second, failure->first, this, this);
    if (wasConnected && OnChange)
        OnChange(*this);
}

void TOracleSession::Commit() {
    if (!FConnected)
        return;
    CountOracleCommit();
    Check(Oci().OCITransCommit(FSvc, FError, OCI_DEFAULT));
}

void TOracleSession::Rollback() {
    if (!FConnected)
        return;
    Check(Oci().OCITransRollback(FSvc, FError, OCI_DEFAULT));
}

void TOracleSession::ChangePassword(const std::string& newPassword) {
    InitializeOracleClient();
    if (!Oci().OCI8)
        throw Exception(kNeedsOci7);
    TOciEntryPoints& oci = Oci();
    const auto change = [&](ub4 mode) {
        Check(oci.OCIPasswordChange(
            FSvc, FError, reinterpret_cast<const OraText*>(LogonUsername.data()),
            static_cast<ub4>(LogonUsername.size()), reinterpret_cast<const OraText*>(LogonPassword.data()),
            static_cast<ub4>(LogonPassword.size()), reinterpret_cast<const OraText*>(newPassword.data()),
            static_cast<ub4>(newPassword.size()), mode));
    };
    if (FConnected) {
        change(OCI_DEFAULT);
        LogonPassword = newPassword;
        return;
    }
    // An expired password cannot begin a session: the change itself authenticates.
    ApplyConnectString();
    try {
        AllocateHandles();
        Check(oci.OCIServerAttach(FServer, FError, reinterpret_cast<const OraText*>(LogonDatabase.data()),
                                  static_cast<sb4>(LogonDatabase.size()), OCI_DEFAULT));
        FAttached = true;
        Check(oci.OCIAttrSet(FSvc, OCI_HTYPE_SVCCTX, FServer, 0, OCI_ATTR_SERVER, FError));
        Check(oci.OCIAttrSet(FSvc, OCI_HTYPE_SVCCTX, FUser, 0, OCI_ATTR_SESSION, FError));
        change(OCI_AUTH);
        oci.OCISessionEnd(FSvc, FError, FUser, OCI_DEFAULT);
    } catch (...) {
        FreeHandles();
        throw;
    }
    FreeHandles();
    LogonPassword = newPassword;
}
