// Entry points of attaching to a database file, sessions and passwords.
// The database name a client logs on with is the path of the file.
#include "platform/oci_sqlite/OciCall.h"
#include "platform/oci_sqlite/OciGenericApi.h"
#include "platform/oci_sqlite/RoundTrips.h"

#include <cstring>
#include <sqlite3.h>

using namespace ocisqlite;

namespace {

std::string Text(const OraText* text, sb4 length) {
    if (!text)
        return {};
    const char* chars = reinterpret_cast<const char*>(text);
    return length < 0 ? std::string(chars) : std::string(chars, static_cast<size_t>(length));
}

} // namespace

extern "C" {

sword OCIServerAttach(OCIServer* srvhp, OCIError* errhp, const OraText* dblink, sb4 dblink_len, ub4) {
    return OciCall(errhp, [&] {
        CountRoundTrip();
        ServerHandle* server = Server(srvhp);
        const std::string path = Text(dblink, dblink_len);
        OpenDatabase(path); // checks now, so a wrong name fails here as with Oracle
        server->path = path;
        server->attached = true;
        return OCI_SUCCESS;
    });
}

sword OCIServerDetach(OCIServer* srvhp, OCIError* errhp, ub4) {
    return OciCall(errhp, [&] {
        CountRoundTrip();
        Server(srvhp)->attached = false;
        return OCI_SUCCESS;
    });
}

sword OCISessionBegin(OCISvcCtx* svchp, OCIError* errhp, OCISession* usrhp, ub4 credt, ub4) {
    return OciCall(errhp, [&] {
        CountRoundTrip();
        SvcCtxHandle* svc = SvcCtx(svchp);
        SessionHandle* user = SessionOf(usrhp);
        ServerHandle* server = AttachedServer(svc);
        if (credt == OCI_CRED_EXT) // no operating-system accounts here
            throw ora::InvalidLogon();
        LogonResult result;
        user->session = Session::Logon(server->path, user->user, user->password, result);
        svc->session = user;
        if (svc->env)
            svc->env->lastSession = user->session;
        if (result.graceDays >= 0) {
            RecordError(errhp, ora::PasswordGrace(result.graceDays));
            return OCI_SUCCESS_WITH_INFO;
        }
        return OCI_SUCCESS;
    });
}

sword OCISessionEnd(OCISvcCtx* svchp, OCIError* errhp, OCISession* usrhp, ub4) {
    return OciCall(errhp, [&] {
        CountRoundTrip();
        SvcCtxHandle* svc = SvcCtx(svchp);
        SessionHandle* user = usrhp ? SessionOf(usrhp) : UserSessionOf(svc);
        if (!user || !user->session)
            throw ora::NotLoggedOn();
        user->session->End();
        user->session.reset();
        if (svc->session == user)
            svc->session = nullptr;
        return OCI_SUCCESS;
    });
}

sword OCIPasswordChange(OCISvcCtx* svchp, OCIError* errhp, const OraText* user, ub4 user_len,
                        const OraText* opasswd, ub4 opasswd_len, const OraText* npasswd, ub4 npasswd_len,
                        ub4 mode) {
    return OciCall(errhp, [&] {
        CountRoundTrip();
        SvcCtxHandle* svc = SvcCtx(svchp);
        const std::string path = AttachedServer(svc)->path;
        const std::string name = Text(user, static_cast<sb4>(user_len));
        const std::string oldPassword = Text(opasswd, static_cast<sb4>(opasswd_len));
        const std::string newPassword = Text(npasswd, static_cast<sb4>(npasswd_len));
        // A logged-on session changes it on its own connection, committing first as DDL does (another
        // connection would wait for this session's lock). Without a session, as for an expired
        // password, a connection of its own serves, and the old password proves the user.
        SessionHandle* session = UserSessionOf(svc);
        Connection own;
        sqlite3* db = nullptr;
        if (session && session->session) {
            session->session->transaction().Commit();
            db = session->session->db();
        } else {
            own = OpenDatabase(path);
            db = own.get();
        }
        UserCatalog users(db);
        try {
            users.CheckLogon(name, oldPassword);
        } catch (const EngineError& e) {
            if (e.code() != 28001)
                throw;
        }
        users.SetPassword(name, newPassword);
        if (session && !session->session && (mode & OCI_AUTH)) {
            LogonResult result;
            session->session = Session::Logon(path, name, newPassword, result);
            if (svc->env)
                svc->env->lastSession = session->session;
        }
        return OCI_SUCCESS;
    });
}

// Statements run to completion inside the call, so there is never one to interrupt.
// Called from another thread while the session's statement runs: SQLite's interrupt is the one call
// that may come from there, and the statement ends with ORA-01013.
sword OCIBreak(void* hndlp, OCIError* errhp) {
    return OciCall(errhp, [&] {
        if (!hndlp)
            return OCI_INVALID_HANDLE;
        if (IsLiveHandle(hndlp, OCI_HTYPE_SVCCTX) && UserSessionOf(SvcCtx(hndlp)))
            sqlite3_interrupt(LoggedOn(SvcCtx(hndlp))->db());
        return OCI_SUCCESS;
    });
}

sword OCIPing(OCISvcCtx* svchp, OCIError* errhp, ub4) {
    return OciCall(errhp, [&] {
        CountRoundTrip();
        LoggedOn(SvcCtx(svchp));
        return OCI_SUCCESS;
    });
}

// After a break there is no state left to clear.
sword OCIReset(void* hndlp, OCIError* errhp) {
    return OciCall(errhp, [&] { return hndlp ? OCI_SUCCESS : OCI_INVALID_HANDLE; });
}

} // extern "C"
