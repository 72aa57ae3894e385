// Entry points a generic OCI client resolves besides the data access layer's, with Oracle's public
// prototypes and the few constants and layouts they need. The layer never looks these up, so they
// stay out of its binding table.
#pragma once

#include "platform/oci_sqlite/OciApi.h"

inline constexpr ub4 OCI_ATTR_SERVER_STATUS = 143;
inline constexpr ub4 OCI_SERVER_NOT_CONNECTED = 0x0;
inline constexpr ub4 OCI_SERVER_NORMAL = 0x1;

#define OCI_GENERIC_FUNCTIONS(X)                                                                             \
    X(sword, OCITransDetach, (OCISvcCtx * svchp, OCIError * errhp, ub4 flags))                               \
    X(sword, OCITransPrepare, (OCISvcCtx * svchp, OCIError * errhp, ub4 flags))                              \
    X(sword, OCITransForget, (OCISvcCtx * svchp, OCIError * errhp, ub4 flags))                               \
    X(sword, OCIServerRelease,                                                                               \
      (void* hndlp, OCIError* errhp, OraText* bufp, ub4 bufsz, ub1 hndltype, ub4* version))                  \
    X(sword, OCIServerRelease2,                                                                              \
      (void* hndlp, OCIError* errhp, OraText* bufp, ub4 bufsz, ub1 hndltype, ub4* version, ub4 mode))        \
    X(void, OCIClientVersion,                                                                                \
      (sword * major_version, sword * minor_version, sword * update_num, sword * patch_num,                  \
       sword * port_update_num))                                                                             \
    X(sword, OCIPing, (OCISvcCtx * svchp, OCIError * errhp, ub4 mode))                                       \
    X(sword, OCIReset, (void* hndlp, OCIError* errhp))

#define OCI_DECLARE_GENERIC_FUNCTION(ret, name, params) OCI_API_EXPORT ret name params;
extern "C" {
OCI_GENERIC_FUNCTIONS(OCI_DECLARE_GENERIC_FUNCTION)
}
#undef OCI_DECLARE_GENERIC_FUNCTION

#define OCI_DECLARE_GENERIC_POINTER_TYPE(ret, name, params) using name##_t = ret(*) params;
OCI_GENERIC_FUNCTIONS(OCI_DECLARE_GENERIC_POINTER_TYPE)
#undef OCI_DECLARE_GENERIC_POINTER_TYPE
