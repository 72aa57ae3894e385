// A stand-in client library for the binding's tests: it exports every OCI8 name but OCIBreak (so
// the OCI8 group is incomplete) and, built with OCI_DOUBLE_WITH_OCI7, the OCI7 names as well.
// Nothing is ever called successfully: every entry point fails. Built with OCI_DOUBLE_NEEDS_CORE it
// needs a neighbour library, as Oracle's client needs its core library.
#define OCI_DOUBLE_STUB(name)                                                                                \
    extern "C" __attribute__((visibility("default"))) int name() {                                           \
        return -1;                                                                                           \
    }

OCI_DOUBLE_STUB(OCIInitialize)
OCI_DOUBLE_STUB(OCIEnvInit)
OCI_DOUBLE_STUB(OCIHandleAlloc)
OCI_DOUBLE_STUB(OCIHandleFree)
OCI_DOUBLE_STUB(OCIDescriptorAlloc)
OCI_DOUBLE_STUB(OCIDescriptorFree)
OCI_DOUBLE_STUB(OCIAttrGet)
OCI_DOUBLE_STUB(OCIAttrSet)
OCI_DOUBLE_STUB(OCIParamGet)
OCI_DOUBLE_STUB(OCIServerAttach)
OCI_DOUBLE_STUB(OCIServerDetach)
OCI_DOUBLE_STUB(OCIServerVersion)
OCI_DOUBLE_STUB(OCISessionBegin)
OCI_DOUBLE_STUB(OCISessionEnd)
OCI_DOUBLE_STUB(OCIPasswordChange)
OCI_DOUBLE_STUB(OCIStmtPrepare)
OCI_DOUBLE_STUB(OCIStmtExecute)
OCI_DOUBLE_STUB(OCIStmtFetch)
OCI_DOUBLE_STUB(OCIStmtGetPieceInfo)
OCI_DOUBLE_STUB(OCIStmtSetPieceInfo)
OCI_DOUBLE_STUB(OCIBindByName)
OCI_DOUBLE_STUB(OCIBindByPos)
OCI_DOUBLE_STUB(OCIDefineByPos)
OCI_DOUBLE_STUB(OCIDefineDynamic)
OCI_DOUBLE_STUB(OCITransCommit)
OCI_DOUBLE_STUB(OCITransRollback)
OCI_DOUBLE_STUB(OCIErrorGet)

#ifdef OCI_DOUBLE_WITH_OCI7
OCI_DOUBLE_STUB(orlon)
OCI_DOUBLE_STUB(ologof)
OCI_DOUBLE_STUB(oerhms)
OCI_DOUBLE_STUB(oopen)
OCI_DOUBLE_STUB(oparse)
OCI_DOUBLE_STUB(odefin)
OCI_DOUBLE_STUB(oexfet)
OCI_DOUBLE_STUB(ofen)
OCI_DOUBLE_STUB(oflng)
OCI_DOUBLE_STUB(oclose)
OCI_DOUBLE_STUB(odescr)
OCI_DOUBLE_STUB(oexec)
OCI_DOUBLE_STUB(oexn)
OCI_DOUBLE_STUB(ocom)
OCI_DOUBLE_STUB(orol)
OCI_DOUBLE_STUB(ocon)
OCI_DOUBLE_STUB(ocof)
OCI_DOUBLE_STUB(obreak)
OCI_DOUBLE_STUB(obndra)
OCI_DOUBLE_STUB(odessp)
#endif

#ifdef OCI_DOUBLE_NEEDS_CORE
extern "C" int oci_double_core_version();
extern "C" __attribute__((visibility("default"))) int oci_double_version() {
    return oci_double_core_version();
}
#endif
