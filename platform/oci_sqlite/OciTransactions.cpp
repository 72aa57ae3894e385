// Entry points of transactions. The engine serves local transactions only: one per session, started
// by its first change or explicitly with OCITransStart, named on the service context by a
// transaction handle. The calls of distributed transactions answer that the feature is not enabled.
#include "platform/oci_sqlite/OciCall.h"
#include "platform/oci_sqlite/OciGenericApi.h"
#include "platform/oci_sqlite/RoundTrips.h"

using namespace ocisqlite;

namespace {

EngineError NotDistributed() {
    return ora::Make(439, "feature not enabled: Distributed Transactions");
}

sword RefuseDistributed(OCISvcCtx* svchp, OCIError* errhp) {
    return OciCall(errhp, [&]() -> sword {
        LoggedOn(SvcCtx(svchp));
        throw NotDistributed();
    });
}

} // namespace

extern "C" {

// A new local transaction begins where the session stands; joining or resuming one, which only
// global transactions can, is refused. Changes already made belong to the transaction under way.
sword OCITransStart(OCISvcCtx* svchp, OCIError* errhp, uword, ub4 flags) {
    return OciCall(errhp, [&] {
        LoggedOn(SvcCtx(svchp));
        if ((flags & OCI_TRANS_NEW) == 0)
            throw NotDistributed();
        return OCI_SUCCESS;
    });
}

sword OCITransCommit(OCISvcCtx* svchp, OCIError* errhp, ub4) {
    return OciCall(errhp, [&] {
        CountRoundTrip();
        LoggedOn(SvcCtx(svchp))->transaction().Commit();
        return OCI_SUCCESS;
    });
}

sword OCITransRollback(OCISvcCtx* svchp, OCIError* errhp, ub4) {
    return OciCall(errhp, [&] {
        CountRoundTrip();
        LoggedOn(SvcCtx(svchp))->transaction().Rollback();
        return OCI_SUCCESS;
    });
}

sword OCITransDetach(OCISvcCtx* svchp, OCIError* errhp, ub4) {
    return RefuseDistributed(svchp, errhp);
}

sword OCITransPrepare(OCISvcCtx* svchp, OCIError* errhp, ub4) {
    return RefuseDistributed(svchp, errhp);
}

sword OCITransForget(OCISvcCtx* svchp, OCIError* errhp, ub4) {
    return RefuseDistributed(svchp, errhp);
}

} // extern "C"
