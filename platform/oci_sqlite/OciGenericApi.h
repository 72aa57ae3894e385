// Entry points a generic OCI client resolves besides the data access layer's, with Oracle's public
// prototypes and the few constants and layouts they need. The layer never looks these up, so they
// stay out of its binding table.
#pragma once

#include "platform/oci_sqlite/OciApi.h"

inline constexpr ub4 OCI_ATTR_SERVER_STATUS = 143;
inline constexpr ub4 OCI_SERVER_NOT_CONNECTED = 0x0;
inline constexpr ub4 OCI_SERVER_NORMAL = 0x1;
inline constexpr uword OCI_NUMBER_UNSIGNED = 0;
inline constexpr uword OCI_NUMBER_SIGNED = 2;

// Oracle's published layout of its NUMBER for clients: the length, then the NUMBER bytes.
struct OCINumber {
    ub1 OCINumberPart[22];
};

// Oracle's published OCIDate: the year, month and day, then the time of day.
struct OCITime {
    ub1 OCITimeHH, OCITimeMI, OCITimeSS;
};
struct OCIDate {
    sb2 OCIDateYYYY;
    ub1 OCIDateMM, OCIDateDD;
    OCITime OCIDateTime;
};

// What OCIDateCheck reports, bit by bit (0: a valid date).
inline constexpr uword OCI_DATE_INVALID_DAY = 0x1;
inline constexpr uword OCI_DATE_DAY_BELOW_VALID = 0x2;
inline constexpr uword OCI_DATE_INVALID_MONTH = 0x4;
inline constexpr uword OCI_DATE_MONTH_BELOW_VALID = 0x8;
inline constexpr uword OCI_DATE_INVALID_YEAR = 0x10;
inline constexpr uword OCI_DATE_YEAR_BELOW_VALID = 0x20;
inline constexpr uword OCI_DATE_INVALID_HOUR = 0x40;
inline constexpr uword OCI_DATE_INVALID_MINUTE = 0x100;
inline constexpr uword OCI_DATE_INVALID_SECOND = 0x400;
inline constexpr uword OCI_DATE_DAY_MISSING_FROM_1582 = 0x1000;
inline constexpr uword OCI_DATE_YEAR_ZERO = 0x2000;

// The portable threads of OCI, for clients that run threaded.
typedef struct OCIThreadMutex OCIThreadMutex;
typedef struct OCIThreadKey OCIThreadKey;
typedef struct OCIThreadId OCIThreadId;
typedef struct OCIThreadHandle OCIThreadHandle;
typedef void (*OCIThreadKeyDestFunc)(void* value);

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
    X(sword, OCIReset, (void* hndlp, OCIError* errhp))                                                       \
    X(sword, OCINumberFromInt,                                                                               \
      (OCIError * err, const void* inum, uword inum_length, uword inum_s_flag, OCINumber* number))           \
    X(sword, OCINumberToInt,                                                                                 \
      (OCIError * err, const OCINumber* number, uword rsl_length, uword rsl_flag, void* rsl))                \
    X(sword, OCINumberFromText,                                                                              \
      (OCIError * err, const OraText* str, ub4 str_length, const OraText* fmt, ub4 fmt_length,               \
       const OraText* nls_params, ub4 nls_p_length, OCINumber* number))                                      \
    X(sword, OCINumberToText,                                                                                \
      (OCIError * err, const OCINumber* number, const OraText* fmt, ub4 fmt_length,                          \
       const OraText* nls_params, ub4 nls_p_length, ub4* buf_size, OraText* buf))                            \
    X(sword, OCINumberAssign, (OCIError * err, const OCINumber* from, OCINumber* to))                        \
    X(sword, OCINumberCmp,                                                                                   \
      (OCIError * err, const OCINumber* number1, const OCINumber* number2, sword* result))                   \
    X(sword, OCINumberAdd,                                                                                   \
      (OCIError * err, const OCINumber* number1, const OCINumber* number2, OCINumber* result))               \
    X(sword, OCINumberSub,                                                                                   \
      (OCIError * err, const OCINumber* number1, const OCINumber* number2, OCINumber* result))               \
    X(sword, OCINumberMul,                                                                                   \
      (OCIError * err, const OCINumber* number1, const OCINumber* number2, OCINumber* result))               \
    X(sword, OCINumberDiv,                                                                                   \
      (OCIError * err, const OCINumber* number1, const OCINumber* number2, OCINumber* result))               \
    X(sword, OCINumberIsZero, (OCIError * err, const OCINumber* number, boolean* result))                    \
    X(sword, OCIDateAssign, (OCIError * err, const OCIDate* from, OCIDate* to))                              \
    X(sword, OCIDateCheck, (OCIError * err, const OCIDate* date, uword* valid))                              \
    X(sword, OCIDateCompare, (OCIError * err, const OCIDate* date1, const OCIDate* date2, sword* result))    \
    X(sword, OCIDateFromText,                                                                                \
      (OCIError * err, const OraText* date_str, ub4 d_str_length, const OraText* fmt, ub1 fmt_length,        \
       const OraText* lang_name, ub4 lang_length, OCIDate* date))                                            \
    X(sword, OCIDateToText,                                                                                  \
      (OCIError * err, const OCIDate* date, const OraText* fmt, ub1 fmt_length, const OraText* lang_name,    \
       ub4 lang_length, ub4* buf_size, OraText* buf))                                                        \
    X(sword, OCIDateAddDays, (OCIError * err, const OCIDate* date, sb4 num_days, OCIDate* result))           \
    X(sword, OCIDateAddMonths, (OCIError * err, const OCIDate* date, sb4 num_months, OCIDate* result))       \
    X(sword, OCIDateDaysBetween,                                                                             \
      (OCIError * err, const OCIDate* date1, const OCIDate* date2, sb4* num_days))                           \
    X(sword, OCIDateLastDay, (OCIError * err, const OCIDate* date, OCIDate* last_day))                       \
    X(sword, OCIDateNextDay,                                                                                 \
      (OCIError * err, const OCIDate* date, const OraText* day_p, ub4 day_length, OCIDate* next_day))        \
    X(sword, OCIDateSysDate, (OCIError * err, OCIDate * sys_date))                                           \
    X(sword, OCINlsGetInfo, (void* hndl, OCIError* errhp, OraText* buf, size_t buflen, ub2 item))            \
    X(sword, OCIParamSet, (void* hndlp, ub4 htyp, OCIError* errhp, const void* dscp, ub4 dtyp, ub4 pos))     \
    X(sword, OCIArrayDescriptorAlloc,                                                                        \
      (const void* parenth, void** descpp, const ub4 type, ub4 array_size, const size_t xtramem_sz,          \
       void** usrmempp))                                                                                     \
    X(sword, OCIArrayDescriptorFree, (void** descp, const ub4 type))                                         \
    X(void, OCIThreadProcessInit, ())                                                                        \
    X(sword, OCIThreadInit, (void* hndl, OCIError* err))                                                     \
    X(sword, OCIThreadTerm, (void* hndl, OCIError* err))                                                     \
    X(boolean, OCIThreadIsMulti, ())                                                                         \
    X(sword, OCIThreadMutexInit, (void* hndl, OCIError* err, OCIThreadMutex** mutex))                        \
    X(sword, OCIThreadMutexDestroy, (void* hndl, OCIError* err, OCIThreadMutex** mutex))                     \
    X(sword, OCIThreadMutexAcquire, (void* hndl, OCIError* err, OCIThreadMutex* mutex))                      \
    X(sword, OCIThreadMutexRelease, (void* hndl, OCIError* err, OCIThreadMutex* mutex))                      \
    X(sword, OCIThreadKeyInit, (void* hndl, OCIError* err, OCIThreadKey** key, OCIThreadKeyDestFunc destFn)) \
    X(sword, OCIThreadKeyDestroy, (void* hndl, OCIError* err, OCIThreadKey** key))                           \
    X(sword, OCIThreadKeyGet, (void* hndl, OCIError* err, OCIThreadKey* key, void** pValue))                 \
    X(sword, OCIThreadKeySet, (void* hndl, OCIError* err, OCIThreadKey* key, void* value))                   \
    X(sword, OCIThreadIdInit, (void* hndl, OCIError* err, OCIThreadId** tid))                                \
    X(sword, OCIThreadIdDestroy, (void* hndl, OCIError* err, OCIThreadId** tid))                             \
    X(sword, OCIThreadIdSet, (void* hndl, OCIError* err, OCIThreadId* tidDest, OCIThreadId* tidSrc))         \
    X(sword, OCIThreadIdSetNull, (void* hndl, OCIError* err, OCIThreadId* tid))                              \
    X(sword, OCIThreadIdGet, (void* hndl, OCIError* err, OCIThreadId* tid))                                  \
    X(sword, OCIThreadIdSame,                                                                                \
      (void* hndl, OCIError* err, OCIThreadId* tid1, OCIThreadId* tid2, boolean* result))                    \
    X(sword, OCIThreadIdNull, (void* hndl, OCIError* err, OCIThreadId* tid, boolean* result))                \
    X(sword, OCIThreadHndInit, (void* hndl, OCIError* err, OCIThreadHandle** thnd))                          \
    X(sword, OCIThreadHndDestroy, (void* hndl, OCIError* err, OCIThreadHandle** thnd))                       \
    X(sword, OCIThreadCreate,                                                                                \
      (void* hndl, OCIError* err, void (*start)(void*), void* arg, OCIThreadId* tid, OCIThreadHandle* tHnd)) \
    X(sword, OCIThreadJoin, (void* hndl, OCIError* err, OCIThreadHandle* tHnd))                              \
    X(sword, OCIThreadClose, (void* hndl, OCIError* err, OCIThreadHandle* tHnd))                             \
    X(sword, OCIThreadHandleGet, (void* hndl, OCIError* err, OCIThreadHandle* tHnd))                         \
    X(sword, OCIStmtGetNextResult, (OCIStmt * stmthp, OCIError * errhp, void** result, ub4* rtype, ub4 mode))

#define OCI_DECLARE_GENERIC_FUNCTION(ret, name, params) OCI_API_EXPORT ret name params;
extern "C" {
OCI_GENERIC_FUNCTIONS(OCI_DECLARE_GENERIC_FUNCTION)
}
#undef OCI_DECLARE_GENERIC_FUNCTION

#define OCI_DECLARE_GENERIC_POINTER_TYPE(ret, name, params) using name##_t = ret(*) params;
OCI_GENERIC_FUNCTIONS(OCI_DECLARE_GENERIC_POINTER_TYPE)
#undef OCI_DECLARE_GENERIC_POINTER_TYPE
