// The entry points Oracle's client has and this engine does not serve: each answers ORA-03001
// ("unimplemented feature") through the error handle, so a client that resolves them at load time
// learns the feature is missing when it calls, instead of calling a null pointer. First the names
// of the layer's binding table and the generic helpers (LOBs, objects, collections, pieces, dynamic
// binds, session pools, the older logon area), then the whole families of OciRefusedApi.h from its
// tables. Accessors without an error handle answer an empty result.
#include "platform/oci_sqlite/OciCall.h"
#include "platform/oci_sqlite/OciRefusedApi.h"

using namespace ocisqlite;

namespace {
sword Refuse(OCIError* errhp) {
    RecordError(errhp, ora::Unimplemented());
    return OCI_ERROR;
}
} // namespace

extern "C" {

sword OCIStmtGetPieceInfo(OCIStmt*, OCIError* errhp, void**, ub4*, ub1*, ub4*, ub4*, ub1*) {
    return Refuse(errhp);
}

sword OCIStmtSetPieceInfo(void*, ub4, OCIError* errhp, const void*, ub4*, ub1, const void*, ub2*) {
    return Refuse(errhp);
}

sword OCIDefineDynamic(OCIDefine*, OCIError* errhp, void*, OCICallbackDefine) {
    return Refuse(errhp);
}

sword OCILogon(OCIEnv*, OCIError* errhp, OCISvcCtx**, const OraText*, ub4, const OraText*, ub4,
               const OraText*, ub4) {
    return Refuse(errhp);
}

sword OCILogoff(OCISvcCtx*, OCIError* errhp) {
    return Refuse(errhp);
}

sword OCIStmtGetBindInfo(OCIStmt*, OCIError* errhp, ub4, ub4, sb4*, OraText**, ub1*, OraText**, ub1*, ub1*,
                         OCIBind**) {
    return Refuse(errhp);
}

sword OCIBindDynamic(OCIBind*, OCIError* errhp, void*, OCICallbackInBind, void*, OCICallbackOutBind) {
    return Refuse(errhp);
}

sword OCIBindObject(OCIBind*, OCIError* errhp, const OCIType*, void**, ub4*, void**, ub4*) {
    return Refuse(errhp);
}

sword OCIDefineObject(OCIDefine*, OCIError* errhp, const OCIType*, void**, ub4*, void**, ub4*) {
    return Refuse(errhp);
}

sword OCIDescribeAny(OCISvcCtx*, OCIError* errhp, void*, ub4, ub1, ub1, ub1, OCIDescribe*) {
    return Refuse(errhp);
}

sword OCILobRead(OCISvcCtx*, OCIError* errhp, OCILobLocator*, ub4*, ub4, void*, ub4, void*,
                 OCICallbackLobRead, ub2, ub1) {
    return Refuse(errhp);
}

sword OCILobWrite(OCISvcCtx*, OCIError* errhp, OCILobLocator*, ub4*, ub4, void*, ub4, ub1, void*,
                  OCICallbackLobWrite, ub2, ub1) {
    return Refuse(errhp);
}

sword OCILobGetLength(OCISvcCtx*, OCIError* errhp, OCILobLocator*, ub4*) {
    return Refuse(errhp);
}

sword OCILobTrim(OCISvcCtx*, OCIError* errhp, OCILobLocator*, ub4) {
    return Refuse(errhp);
}

sword OCILobAssign(OCIEnv*, OCIError* errhp, const OCILobLocator*, OCILobLocator**) {
    return Refuse(errhp);
}

sword OCILobFileOpen(OCISvcCtx*, OCIError* errhp, OCILobLocator*, ub1) {
    return Refuse(errhp);
}

sword OCILobFileClose(OCISvcCtx*, OCIError* errhp, OCILobLocator*) {
    return Refuse(errhp);
}

sword OCIObjectNew(OCIEnv*, OCIError* err, const OCISvcCtx*, OCITypeCode, OCIType*, void*, OCIDuration,
                   boolean, void**) {
    return Refuse(err);
}

sword OCIObjectFree(OCIEnv*, OCIError* err, void*, ub2) {
    return Refuse(err);
}

sword OCIObjectPin(OCIEnv*, OCIError* err, OCIRef*, OCIComplexObject*, OCIPinOpt, OCIDuration, OCILockOpt,
                   void**) {
    return Refuse(err);
}

sword OCIObjectUnpin(OCIEnv*, OCIError* err, void*) {
    return Refuse(err);
}

sword OCIObjectGetInd(OCIEnv*, OCIError* err, void*, void**) {
    return Refuse(err);
}

sword OCIObjectGetAttr(OCIEnv*, OCIError* err, void*, void*, OCIType*, const OraText**, const ub4*, const ub4,
                       const ub4*, const ub4, OCIInd*, void**, void**, OCIType**) {
    return Refuse(err);
}

sword OCIObjectSetAttr(OCIEnv*, OCIError* err, void*, void*, OCIType*, const OraText**, const ub4*, const ub4,
                       const ub4*, const ub4, const OCIInd, const void*, const void*) {
    return Refuse(err);
}

sword OCITypeByName(OCIEnv*, OCIError* err, const OCISvcCtx*, const OraText*, ub4, const OraText*, ub4,
                    const OraText*, ub4, OCIDuration, OCITypeGetOpt, OCIType**) {
    return Refuse(err);
}

sword OCIStringAssignText(OCIEnv*, OCIError* err, const OraText*, ub4, OCIString**) {
    return Refuse(err);
}

OraText* OCIStringPtr(OCIEnv*, const OCIString*) {
    return nullptr;
}

ub4 OCIStringSize(OCIEnv*, const OCIString*) {
    return 0;
}

sword OCIRawAssignBytes(OCIEnv*, OCIError* err, const ub1*, ub4, OCIRaw**) {
    return Refuse(err);
}

ub1* OCIRawPtr(OCIEnv*, const OCIRaw*) {
    return nullptr;
}

ub4 OCIRawSize(OCIEnv*, const OCIRaw*) {
    return 0;
}

boolean OCIRefIsNull(OCIEnv*, const OCIRef*) {
    return 0;
}

sword OCICollSize(OCIEnv*, OCIError* err, const OCIColl*, sb4*) {
    return Refuse(err);
}

sword OCICollGetElem(OCIEnv*, OCIError* err, const OCIColl*, sb4, boolean*, void**, void**) {
    return Refuse(err);
}

sword OCICollAppend(OCIEnv*, OCIError* err, const void*, const void*, OCIColl*) {
    return Refuse(err);
}

sword OCICacheFlush(OCIEnv*, OCIError* err, const OCISvcCtx*, void*, OCIRef* (*)(void* context, ub1* last),
                    OCIRef**) {
    return Refuse(err);
}

sword OCILdaToSvcCtx(OCISvcCtx**, OCIError* errhp, Lda_Def*) {
    return Refuse(errhp);
}

sword OCISvcCtxToLda(OCISvcCtx*, OCIError* errhp, Lda_Def*) {
    return Refuse(errhp);
}

sword OCIParamSet(void*, ub4, OCIError* errhp, const void*, ub4, ub4) {
    return Refuse(errhp);
}

sword ociepgoe(void*, OCIError* errhp) {
    return Refuse(errhp);
}

sword ociepmsg(void*, OCIError* errhp) {
    return Refuse(errhp);
}

sword OCILobCreateTemporary(OCISvcCtx*, OCIError* errhp, OCILobLocator*, ub2, ub1, ub1, boolean,
                            OCIDuration) {
    return Refuse(errhp);
}

sword OCILobFreeTemporary(OCISvcCtx*, OCIError* errhp, OCILobLocator*) {
    return Refuse(errhp);
}

sword OCIDateTimeConstruct(void*, OCIError* err, OCIDateTime*, sb2, ub1, ub1, ub1, ub1, ub1, ub4, OraText*,
                           size_t) {
    return Refuse(err);
}

sword OCIDateTimeGetDate(void*, OCIError* err, const OCIDateTime*, sb2*, ub1*, ub1*) {
    return Refuse(err);
}

sword OCIDateTimeGetTime(void*, OCIError* err, OCIDateTime*, ub1*, ub1*, ub1*, ub4*) {
    return Refuse(err);
}

sword OCISessionPoolCreate(OCIEnv*, OCIError* errhp, OCISPool*, OraText**, ub4*, const OraText*, ub4, ub4,
                           ub4, ub4, OraText*, ub4, OraText*, ub4, ub4) {
    return Refuse(errhp);
}

sword OCISessionPoolDestroy(OCISPool*, OCIError* errhp, ub4) {
    return Refuse(errhp);
}

sword OCISessionGet(OCIEnv*, OCIError* errhp, OCISvcCtx**, OCIAuthInfo*, OraText*, ub4, const void*, ub4,
                    OraText**, ub4*, boolean*, ub4) {
    return Refuse(errhp);
}

sword OCISessionRelease(OCISvcCtx*, OCIError* errhp, OraText*, ub4, ub4) {
    return Refuse(errhp);
}

// The families of OciRefusedApi.h, from their tables. Their parameters keep Oracle's names, which
// the bodies leave unused.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

#define OCI_DEFINE_REFUSED(ret, name, params, errhp)                                                         \
    ret name params {                                                                                        \
        return Refuse(errhp);                                                                                \
    }
OCI_REFUSED_FUNCTIONS(OCI_DEFINE_REFUSED)
#undef OCI_DEFINE_REFUSED

#define OCI_DEFINE_EMPTY(ret, name, params, errhp, empty)                                                    \
    ret name params {                                                                                        \
        RecordError(errhp, ora::Unimplemented());                                                            \
        return empty;                                                                                        \
    }
OCI_EMPTY_ACCESSORS(OCI_DEFINE_EMPTY)
#undef OCI_DEFINE_EMPTY

#pragma GCC diagnostic pop

} // extern "C"
