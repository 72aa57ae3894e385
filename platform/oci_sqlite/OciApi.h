// The one declaration of the Oracle Call Interface this project uses: scalar types, handle types,
// constants with the public values of Oracle's client, the prototypes as extern "C" declarations and,
// derived from them, the function-pointer types the data access layer fills with dlsym. The embedded
// engine defines these functions; Oracle's own client library defines them just the same.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" {

// ---- Scalar types ----------------------------------------------------------------------------
typedef int sword;
typedef unsigned int uword;
typedef int32_t sb4;
typedef uint32_t ub4;
typedef int16_t sb2;
typedef uint16_t ub2;
typedef int8_t sb1;
typedef uint8_t ub1;
typedef unsigned char OraText;
typedef void dvoid;
typedef int boolean;
typedef sb2 OCIInd;
typedef ub2 OCITypeCode;
typedef ub2 OCIDuration;
typedef int OCIPinOpt;
typedef int OCILockOpt;
typedef int OCITypeGetOpt;

// ---- Opaque handles and descriptors ----------------------------------------------------------
typedef struct OCIEnv OCIEnv;
typedef struct OCIError OCIError;
typedef struct OCISvcCtx OCISvcCtx;
typedef struct OCIServer OCIServer;
typedef struct OCISession OCISession;
typedef struct OCIStmt OCIStmt;
typedef struct OCIBind OCIBind;
typedef struct OCIDefine OCIDefine;
typedef struct OCIParam OCIParam;
typedef struct OCIRowid OCIRowid;
typedef struct OCISnapshot OCISnapshot;
typedef struct OCIDescribe OCIDescribe;
typedef struct OCILobLocator OCILobLocator;
typedef struct OCIType OCIType;
typedef struct OCIRef OCIRef;
typedef struct OCIComplexObject OCIComplexObject;
typedef struct OCIString OCIString;
typedef struct OCIRaw OCIRaw;
typedef struct OCINumber OCINumber;
typedef struct OCIColl OCIColl;
typedef struct OCIDateTime OCIDateTime;
typedef struct OCISPool OCISPool;
typedef struct OCIAuthInfo OCIAuthInfo;
typedef struct cda_def Lda_Def; // the OCI7 logon data area, only passed through

typedef sb4 (*OCICallbackDefine)(void* octxp, OCIDefine* defnp, ub4 iter, void** bufpp, ub4** alenp,
                                 ub1* piecep, void** indp, ub2** rcodep);
typedef sb4 (*OCICallbackInBind)(void* ictxp, OCIBind* bindp, ub4 iter, ub4 index, void** bufpp, ub4* alenp,
                                 ub1* piecep, void** indp);
typedef sb4 (*OCICallbackOutBind)(void* octxp, OCIBind* bindp, ub4 iter, ub4 index, void** bufpp, ub4** alenp,
                                  ub1* piecep, void** indp, ub2** rcodep);
typedef sb4 (*OCICallbackLobRead)(void* ctxp, const void* bufp, ub4 len, ub1 piece);
typedef sb4 (*OCICallbackLobWrite)(void* ctxp, void* bufp, ub4* lenp, ub1* piece);
typedef void* (*OCIMallocFn)(void* ctxp, size_t size);
typedef void* (*OCIReallocFn)(void* ctxp, void* memptr, size_t newsize);
typedef void (*OCIFreeFn)(void* ctxp, void* memptr);

} // extern "C"

// ---- Constants -------------------------------------------------------------------------------
// Handle types and descriptors.
inline constexpr ub4 OCI_HTYPE_ENV = 1;
inline constexpr ub4 OCI_HTYPE_ERROR = 2;
inline constexpr ub4 OCI_HTYPE_SVCCTX = 3;
inline constexpr ub4 OCI_HTYPE_STMT = 4;
inline constexpr ub4 OCI_HTYPE_BIND = 5;
inline constexpr ub4 OCI_HTYPE_DEFINE = 6;
inline constexpr ub4 OCI_HTYPE_DESCRIBE = 7;
inline constexpr ub4 OCI_HTYPE_SERVER = 8;
inline constexpr ub4 OCI_HTYPE_SESSION = 9;
inline constexpr ub4 OCI_HTYPE_TRANS = 10;
inline constexpr ub4 OCI_DTYPE_LOB = 50;
inline constexpr ub4 OCI_DTYPE_PARAM = 53;
inline constexpr ub4 OCI_DTYPE_ROWID = 54;

// Attributes. Several codes are shared: which one is meant depends on the handle type.
inline constexpr ub4 OCI_ATTR_DATA_SIZE = 1;  // ub2
inline constexpr ub4 OCI_ATTR_DATA_TYPE = 2;  // ub2
inline constexpr ub4 OCI_ATTR_NAME = 4;       // OraText*, length in *sizep
inline constexpr ub4 OCI_ATTR_PRECISION = 5;  // sb2 on a select-list parameter
inline constexpr ub4 OCI_ATTR_SCALE = 6;      // sb1
inline constexpr ub4 OCI_ATTR_SERVER = 6;     // on a service context
inline constexpr ub4 OCI_ATTR_SESSION = 7;    // on a service context
inline constexpr ub4 OCI_ATTR_TRANS = 8;      // on a service context: its transaction handle
inline constexpr ub4 OCI_ATTR_IS_NULL = 7;    // ub1, on a parameter
inline constexpr ub4 OCI_ATTR_ROW_COUNT = 9;  // ub4
inline constexpr ub4 OCI_ATTR_SQLFNCODE = 10; // ub2
inline constexpr ub4 OCI_ATTR_PREFETCH_ROWS = 11;
inline constexpr ub4 OCI_ATTR_PREFETCH_MEMORY = 13;
inline constexpr ub4 OCI_ATTR_PARAM_COUNT = 18; // ub4
inline constexpr ub4 OCI_ATTR_ROWID = 19;       // into an OCIRowid descriptor
inline constexpr ub4 OCI_ATTR_USERNAME = 22;
inline constexpr ub4 OCI_ATTR_PASSWORD = 23;
inline constexpr ub4 OCI_ATTR_STMT_TYPE = 24; // ub2
inline constexpr ub4 OCI_ATTR_CHARSET_ID = 31;
inline constexpr ub4 OCI_ATTR_CHARSET_FORM = 32;
inline constexpr ub4 OCI_ATTR_PARSE_ERROR_OFFSET = 129; // ub2
inline constexpr ub4 OCI_ATTR_NUM_DML_ERRORS = 73;      // ub4, on a statement
inline constexpr ub4 OCI_ATTR_DML_ROW_OFFSET = 74;      // ub4, on a row's error record
inline constexpr ub4 OCI_ATTR_STMTCACHESIZE = 176;
inline constexpr ub4 OCI_ATTR_CURRENT_POSITION = 164; // ub4, a scrollable cursor's row
inline constexpr ub4 OCI_ATTR_ROWS_FETCHED = 197;     // ub4
inline constexpr ub4 OCI_ATTR_CHAR_SIZE = 286;        // ub2

// Character sets and what OCINlsNumericInfoGet answers.
inline constexpr ub2 OCI_CHARSET_AL32UTF8 = 873;
inline constexpr ub2 OCI_CHARSET_UTF8 = 871;
inline constexpr ub2 OCI_CHARSET_EE8MSWIN1250 = 170;
inline constexpr ub2 OCI_NLS_CHARSET_MAXBYTESZ = 91;

// External data types.
inline constexpr ub2 SQLT_CHR = 1;
inline constexpr ub2 SQLT_NUM = 2;
inline constexpr ub2 SQLT_INT = 3;
inline constexpr ub2 SQLT_FLT = 4;
inline constexpr ub2 SQLT_STR = 5;
inline constexpr ub2 SQLT_VNU = 6; // an OCINumber
inline constexpr ub2 SQLT_LNG = 8;
inline constexpr ub2 SQLT_VCS = 9;
inline constexpr ub2 SQLT_DAT = 12;
inline constexpr ub2 SQLT_BIN = 23;
inline constexpr ub2 SQLT_LBI = 24;
inline constexpr ub2 SQLT_AFC = 96;
inline constexpr ub2 SQLT_AVC = 97;
inline constexpr ub2 SQLT_RDD = 104;
inline constexpr ub2 SQLT_NTY = 108;
inline constexpr ub2 SQLT_REF = 110;
inline constexpr ub2 SQLT_CLOB = 112;
inline constexpr ub2 SQLT_BLOB = 113;
inline constexpr ub2 SQLT_BFILE = 114;
inline constexpr ub2 SQLT_RSET = 116;
inline constexpr ub2 SQLT_ODT = 156; // an OCIDate
inline constexpr ub2 SQLT_TIMESTAMP = 187;
inline constexpr ub2 SQLT_TIMESTAMP_TZ = 188;
inline constexpr ub2 SQLT_INTERVAL_YM = 189;
inline constexpr ub2 SQLT_INTERVAL_DS = 190;
inline constexpr ub2 SQLT_TIMESTAMP_LTZ = 232;

// A describe reports a column's internal type with the same codes: VARCHAR2 SQLT_CHR (1), NUMBER
// SQLT_NUM (2), LONG SQLT_LNG (8), ROWID SQLT_RID (11), DATE SQLT_DAT (12), RAW SQLT_BIN (23),
// LONG RAW SQLT_LBI (24), CHAR SQLT_AFC (96), UROWID SQLT_RDD (104).
inline constexpr ub2 SQLT_RID = 11;

// Return codes.
inline constexpr sword OCI_SUCCESS = 0;
inline constexpr sword OCI_SUCCESS_WITH_INFO = 1;
inline constexpr sword OCI_NEED_DATA = 99;
inline constexpr sword OCI_NO_DATA = 100;
inline constexpr sword OCI_ERROR = -1;
inline constexpr sword OCI_INVALID_HANDLE = -2;
inline constexpr sword OCI_STILL_EXECUTING = -3123;
inline constexpr sword OCI_CONTINUE = -24200;

// Modes and flags.
inline constexpr ub4 OCI_DEFAULT = 0;
inline constexpr ub4 OCI_THREADED = 0x1;
inline constexpr ub4 OCI_OBJECT = 0x2;
inline constexpr ub4 OCI_NO_MUTEX = 0x80;
inline constexpr ub4 OCI_CRED_RDBMS = 1;
inline constexpr ub4 OCI_CRED_EXT = 2;
inline constexpr ub4 OCI_SYSDBA = 0x2;
inline constexpr ub4 OCI_SYSOPER = 0x4;
inline constexpr ub4 OCI_STMT_CACHE = 0x40;
inline constexpr ub4 OCI_AUTH = 0x08; // OCIPasswordChange: also begin the session of the service context
inline constexpr ub4 OCI_NTV_SYNTAX = 1;
inline constexpr ub4 OCI_STMT_SCROLLABLE_READONLY = 0x8;
inline constexpr ub4 OCI_DESCRIBE_ONLY = 0x10;
inline constexpr ub4 OCI_COMMIT_ON_SUCCESS = 0x20;
inline constexpr ub4 OCI_BATCH_ERRORS = 0x80; // array DML: try every row, collect the errors
inline constexpr ub2 OCI_FETCH_CURRENT = 0x1;
inline constexpr ub2 OCI_FETCH_NEXT = 0x2;
inline constexpr ub2 OCI_FETCH_FIRST = 0x4;
inline constexpr ub2 OCI_FETCH_LAST = 0x8;
inline constexpr ub2 OCI_FETCH_PRIOR = 0x10;
inline constexpr ub2 OCI_FETCH_ABSOLUTE = 0x20;
inline constexpr ub2 OCI_FETCH_RELATIVE = 0x40;
inline constexpr ub4 OCI_TRANS_NEW = 0x1; // OCITransStart: a new local transaction

// LONG values in pieces and national character sets, for the layer's dynamic defines and binds.
inline constexpr ub4 OCI_DYNAMIC_FETCH = 0x02; // OCIDefineByPos mode
inline constexpr ub4 OCI_DATA_AT_EXEC = 0x02;  // OCIBindByName mode
inline constexpr ub1 OCI_ONE_PIECE = 0;
inline constexpr ub1 OCI_FIRST_PIECE = 1;
inline constexpr ub1 OCI_NEXT_PIECE = 2;
inline constexpr ub1 OCI_LAST_PIECE = 3;
inline constexpr ub1 SQLCS_IMPLICIT = 1;
inline constexpr ub1 SQLCS_NCHAR = 2;

// Statement types (OCI_ATTR_STMT_TYPE).
inline constexpr ub2 OCI_STMT_SELECT = 1;
inline constexpr ub2 OCI_STMT_UPDATE = 2;
inline constexpr ub2 OCI_STMT_DELETE = 3;
inline constexpr ub2 OCI_STMT_INSERT = 4;
inline constexpr ub2 OCI_STMT_CREATE = 5;
inline constexpr ub2 OCI_STMT_DROP = 6;
inline constexpr ub2 OCI_STMT_ALTER = 7;
inline constexpr ub2 OCI_STMT_BEGIN = 8;
inline constexpr ub2 OCI_STMT_DECLARE = 9;

// Indicators.
inline constexpr sb2 OCI_IND_NULL = -1;
inline constexpr sb2 OCI_IND_NOTNULL = 0;

// Default visibility, so the engine exports exactly these names although it builds hidden.
#define OCI_API_EXPORT __attribute__((visibility("default")))

// ---- Prototypes ------------------------------------------------------------------------------
// Each name appears once; OCI_FUNCTIONS(X) lists return type, name and parameter list, so that
// declarations and the layer's pointer types come from the same line.
#define OCI_FUNCTIONS(X)                                                                                     \
    /* OCI8 group */                                                                                         \
    X(sword, OCIInitialize,                                                                                  \
      (ub4 mode, void* ctxp, OCIMallocFn malocfp, OCIReallocFn ralocfp, OCIFreeFn mfreefp))                  \
    X(sword, OCIEnvInit, (OCIEnv * *envp, ub4 mode, size_t xtramem_sz, void** usrmempp))                     \
    X(sword, OCIHandleAlloc,                                                                                 \
      (const void* parenth, void** hndlpp, ub4 type, size_t xtramem_sz, void** usrmempp))                    \
    X(sword, OCIHandleFree, (void* hndlp, ub4 type))                                                         \
    X(sword, OCIDescriptorAlloc,                                                                             \
      (const void* parenth, void** descpp, ub4 type, size_t xtramem_sz, void** usrmempp))                    \
    X(sword, OCIDescriptorFree, (void* descp, ub4 type))                                                     \
    X(sword, OCIAttrGet,                                                                                     \
      (const void* trgthndlp, ub4 trghndltyp, void* attributep, ub4* sizep, ub4 attrtype, OCIError* errhp))  \
    X(sword, OCIAttrSet,                                                                                     \
      (void* trgthndlp, ub4 trghndltyp, void* attributep, ub4 size, ub4 attrtype, OCIError* errhp))          \
    X(sword, OCIParamGet, (const void* hndlp, ub4 htype, OCIError* errhp, void** parmdpp, ub4 pos))          \
    X(sword, OCIServerAttach,                                                                                \
      (OCIServer * srvhp, OCIError * errhp, const OraText* dblink, sb4 dblink_len, ub4 mode))                \
    X(sword, OCIServerDetach, (OCIServer * srvhp, OCIError * errhp, ub4 mode))                               \
    X(sword, OCIServerVersion, (void* hndlp, OCIError* errhp, OraText* bufp, ub4 bufsz, ub1 hndltype))       \
    X(sword, OCISessionBegin,                                                                                \
      (OCISvcCtx * svchp, OCIError * errhp, OCISession * usrhp, ub4 credt, ub4 mode))                        \
    X(sword, OCISessionEnd, (OCISvcCtx * svchp, OCIError * errhp, OCISession * usrhp, ub4 mode))             \
    X(sword, OCIPasswordChange,                                                                              \
      (OCISvcCtx * svchp, OCIError * errhp, const OraText* user, ub4 user_len, const OraText* opasswd,       \
       ub4 opasswd_len, const OraText* npasswd, ub4 npasswd_len, ub4 mode))                                  \
    X(sword, OCIStmtPrepare,                                                                                 \
      (OCIStmt * stmtp, OCIError * errhp, const OraText* stmt, ub4 stmt_len, ub4 language, ub4 mode))        \
    X(sword, OCIStmtExecute,                                                                                 \
      (OCISvcCtx * svchp, OCIStmt * stmtp, OCIError * errhp, ub4 iters, ub4 rowoff,                          \
       const OCISnapshot* snap_in, OCISnapshot* snap_out, ub4 mode))                                         \
    X(sword, OCIStmtFetch, (OCIStmt * stmtp, OCIError * errhp, ub4 nrows, ub2 orientation, ub4 mode))        \
    X(sword, OCIStmtGetPieceInfo,                                                                            \
      (OCIStmt * stmtp, OCIError * errhp, void** hndlpp, ub4* typep, ub1* in_outp, ub4* iterp, ub4* idxp,    \
       ub1* piecep))                                                                                         \
    X(sword, OCIStmtSetPieceInfo,                                                                            \
      (void* hndlp, ub4 type, OCIError* errhp, const void* bufp, ub4* alenp, ub1 piece, const void* indp,    \
       ub2* rcodep))                                                                                         \
    X(sword, OCIBindByName,                                                                                  \
      (OCIStmt * stmtp, OCIBind * *bindp, OCIError * errhp, const OraText* placeholder, sb4 placeh_len,      \
       void* valuep, sb4 value_sz, ub2 dty, void* indp, ub2* alenp, ub2* rcodep, ub4 maxarr_len,             \
       ub4* curelep, ub4 mode))                                                                              \
    X(sword, OCIBindByPos,                                                                                   \
      (OCIStmt * stmtp, OCIBind * *bindp, OCIError * errhp, ub4 position, void* valuep, sb4 value_sz,        \
       ub2 dty, void* indp, ub2* alenp, ub2* rcodep, ub4 maxarr_len, ub4* curelep, ub4 mode))                \
    X(sword, OCIDefineByPos,                                                                                 \
      (OCIStmt * stmtp, OCIDefine * *defnp, OCIError * errhp, ub4 position, void* valuep, sb4 value_sz,      \
       ub2 dty, void* indp, ub2* rlenp, ub2* rcodep, ub4 mode))                                              \
    X(sword, OCIDefineDynamic, (OCIDefine * defnp, OCIError * errhp, void* octxp, OCICallbackDefine ocbfp))  \
    X(sword, OCITransCommit, (OCISvcCtx * svchp, OCIError * errhp, ub4 flags))                               \
    X(sword, OCITransRollback, (OCISvcCtx * svchp, OCIError * errhp, ub4 flags))                             \
    X(sword, OCIErrorGet,                                                                                    \
      (void* hndlp, ub4 recordno, OraText* sqlstate, sb4* errcodep, OraText* bufp, ub4 bufsiz, ub4 type))    \
    X(sword, OCIBreak, (void* hndlp, OCIError* errhp))                                                       \
    /* looked up one by one */                                                                               \
    X(sword, OCILogon,                                                                                       \
      (OCIEnv * envhp, OCIError * errhp, OCISvcCtx * *svchp, const OraText* username, ub4 uname_len,         \
       const OraText* password, ub4 passwd_len, const OraText* dbname, ub4 dbname_len))                      \
    X(sword, OCILogoff, (OCISvcCtx * svchp, OCIError * errhp))                                               \
    X(sword, OCIStmtGetBindInfo,                                                                             \
      (OCIStmt * stmtp, OCIError * errhp, ub4 size, ub4 startloc, sb4 * found, OraText * bvnp[], ub1 bvnl[], \
       OraText * invp[], ub1 inpl[], ub1 dupl[], OCIBind * *hndl))                                           \
    X(sword, OCIBindDynamic,                                                                                 \
      (OCIBind * bindp, OCIError * errhp, void* ictxp, OCICallbackInBind icbfp, void* octxp,                 \
       OCICallbackOutBind ocbfp))                                                                            \
    X(sword, OCIBindArrayOfStruct,                                                                           \
      (OCIBind * bindp, OCIError * errhp, ub4 pvskip, ub4 indskip, ub4 alskip, ub4 rcskip))                  \
    X(sword, OCIBindObject,                                                                                  \
      (OCIBind * bindp, OCIError * errhp, const OCIType* type, void** pgvpp, ub4* pvszsp, void** indpp,      \
       ub4* indszp))                                                                                         \
    X(sword, OCIDefineObject,                                                                                \
      (OCIDefine * defnp, OCIError * errhp, const OCIType* type, void** pgvpp, ub4* pvszsp, void** indpp,    \
       ub4* indszp))                                                                                         \
    X(sword, OCIDescribeAny,                                                                                 \
      (OCISvcCtx * svchp, OCIError * errhp, void* objptr, ub4 objnm_len, ub1 objptr_typ, ub1 info_level,     \
       ub1 objtyp, OCIDescribe* dschp))                                                                      \
    X(sword, OCITransStart, (OCISvcCtx * svchp, OCIError * errhp, uword timeout, ub4 flags))                 \
    X(sword, OCILobRead,                                                                                     \
      (OCISvcCtx * svchp, OCIError * errhp, OCILobLocator * locp, ub4 * amtp, ub4 offset, void* bufp,        \
       ub4 bufl, void* ctxp, OCICallbackLobRead cbfp, ub2 csid, ub1 csfrm))                                  \
    X(sword, OCILobWrite,                                                                                    \
      (OCISvcCtx * svchp, OCIError * errhp, OCILobLocator * locp, ub4 * amtp, ub4 offset, void* bufp,        \
       ub4 buflen, ub1 piece, void* ctxp, OCICallbackLobWrite cbfp, ub2 csid, ub1 csfrm))                    \
    X(sword, OCILobGetLength, (OCISvcCtx * svchp, OCIError * errhp, OCILobLocator * locp, ub4 * lenp))       \
    X(sword, OCILobTrim, (OCISvcCtx * svchp, OCIError * errhp, OCILobLocator * locp, ub4 newlen))            \
    X(sword, OCILobAssign,                                                                                   \
      (OCIEnv * envhp, OCIError * errhp, const OCILobLocator* src_locp, OCILobLocator** dst_locpp))          \
    X(sword, OCILobFileOpen, (OCISvcCtx * svchp, OCIError * errhp, OCILobLocator * filep, ub1 mode))         \
    X(sword, OCILobFileClose, (OCISvcCtx * svchp, OCIError * errhp, OCILobLocator * filep))                  \
    X(sword, OCIObjectNew,                                                                                   \
      (OCIEnv * env, OCIError * err, const OCISvcCtx* svc, OCITypeCode typecode, OCIType* tdo, void* table,  \
       OCIDuration duration, boolean value, void** instance))                                                \
    X(sword, OCIObjectFree, (OCIEnv * env, OCIError * err, void* instance, ub2 flags))                       \
    X(sword, OCIObjectPin,                                                                                   \
      (OCIEnv * env, OCIError * err, OCIRef * object_ref, OCIComplexObject * corhdl, OCIPinOpt pin_option,   \
       OCIDuration pin_duration, OCILockOpt lock_option, void** object))                                     \
    X(sword, OCIObjectUnpin, (OCIEnv * env, OCIError * err, void* object))                                   \
    X(sword, OCIObjectGetInd, (OCIEnv * env, OCIError * err, void* instance, void** null_struct))            \
    X(sword, OCIObjectGetAttr,                                                                               \
      (OCIEnv * env, OCIError * err, void* instance, void* null_struct, OCIType* tdo, const OraText** names, \
       const ub4* lengths, const ub4 name_count, const ub4* indexes, const ub4 index_count,                  \
       OCIInd* attr_null_status, void** attr_null_struct, void** attr_value, OCIType** attr_tdo))            \
    X(sword, OCIObjectSetAttr,                                                                               \
      (OCIEnv * env, OCIError * err, void* instance, void* null_struct, OCIType* tdo, const OraText** names, \
       const ub4* lengths, const ub4 name_count, const ub4* indexes, const ub4 index_count,                  \
       const OCIInd null_status, const void* attr_null_struct, const void* attr_value))                      \
    X(sword, OCITypeByName,                                                                                  \
      (OCIEnv * env, OCIError * err, const OCISvcCtx* svc, const OraText* schema_name, ub4 s_length,         \
       const OraText* type_name, ub4 t_length, const OraText* version_name, ub4 v_length,                    \
       OCIDuration pin_duration, OCITypeGetOpt get_option, OCIType** tdo))                                   \
    X(sword, OCIStringAssignText,                                                                            \
      (OCIEnv * env, OCIError * err, const OraText* rhs, ub4 rhs_len, OCIString** lhs))                      \
    X(OraText*, OCIStringPtr, (OCIEnv * env, const OCIString* vs))                                           \
    X(ub4, OCIStringSize, (OCIEnv * env, const OCIString* vs))                                               \
    X(sword, OCINumberToReal, (OCIError * err, const OCINumber* number, uword rsl_length, void* rsl))        \
    X(sword, OCINumberFromReal, (OCIError * err, const void* rnum, uword rnum_length, OCINumber* number))    \
    X(sword, OCIRawAssignBytes, (OCIEnv * env, OCIError * err, const ub1* rhs, ub4 rhs_len, OCIRaw** lhs))   \
    X(ub1*, OCIRawPtr, (OCIEnv * env, const OCIRaw* raw))                                                    \
    X(ub4, OCIRawSize, (OCIEnv * env, const OCIRaw* raw))                                                    \
    X(boolean, OCIRefIsNull, (OCIEnv * env, const OCIRef* ref))                                              \
    X(sword, OCICollSize, (OCIEnv * env, OCIError * err, const OCIColl* coll, sb4* size))                    \
    X(sword, OCICollGetElem,                                                                                 \
      (OCIEnv * env, OCIError * err, const OCIColl* coll, sb4 index, boolean* exists, void** elem,           \
       void** elemind))                                                                                      \
    X(sword, OCICollAppend,                                                                                  \
      (OCIEnv * env, OCIError * err, const void* elem, const void* elemind, OCIColl* coll))                  \
    X(sword, OCICacheFlush,                                                                                  \
      (OCIEnv * env, OCIError * err, const OCISvcCtx* svc, void* context,                                    \
       OCIRef* (*get)(void* context, ub1* last), OCIRef** ref))                                              \
    X(sword, OCILdaToSvcCtx, (OCISvcCtx * *svchpp, OCIError * errhp, Lda_Def * ldap))                        \
    X(sword, OCISvcCtxToLda, (OCISvcCtx * svchp, OCIError * errhp, Lda_Def * ldap))                          \
    X(sword, OCIRowidToChar, (OCIRowid * rowidDesc, OraText * outbfp, ub2 * outbflp, OCIError * errhp))      \
    /* Error-message helpers whose parameters Oracle does not publish: the layer only looks them up. */      \
    X(sword, ociepgoe, (void* hndlp, OCIError* errhp))                                                       \
    X(sword, ociepmsg, (void* hndlp, OCIError* errhp))                                                       \
    /* OCI 8.1 group */                                                                                      \
    X(sword, OCIEnvCreate,                                                                                   \
      (OCIEnv * *envp, ub4 mode, void* ctxp, OCIMallocFn malocfp, OCIReallocFn ralocfp, OCIFreeFn mfreefp,   \
       size_t xtramem_sz, void** usrmempp))                                                                  \
    X(sword, OCILobCreateTemporary,                                                                          \
      (OCISvcCtx * svchp, OCIError * errhp, OCILobLocator * locp, ub2 csid, ub1 csfrm, ub1 lobtype,          \
       boolean cache, OCIDuration duration))                                                                 \
    X(sword, OCILobFreeTemporary, (OCISvcCtx * svchp, OCIError * errhp, OCILobLocator * locp))               \
    X(sword, OCIDateTimeConstruct,                                                                           \
      (void* hndl, OCIError* err, OCIDateTime* datetime, sb2 year, ub1 month, ub1 day, ub1 hour, ub1 min,    \
       ub1 sec, ub4 fsec, OraText* timezone, size_t timezone_length))                                        \
    X(sword, OCIDateTimeGetDate,                                                                             \
      (void* hndl, OCIError* err, const OCIDateTime* date, sb2* year, ub1* month, ub1* day))                 \
    X(sword, OCIDateTimeGetTime,                                                                             \
      (void* hndl, OCIError* err, OCIDateTime* datetime, ub1* hour, ub1* min, ub1* sec, ub4* fsec))          \
    /* OCI 9.0 group */                                                                                      \
    X(sword, OCIStmtFetch2,                                                                                  \
      (OCIStmt * stmtp, OCIError * errhp, ub4 nrows, ub2 orientation, sb4 fetchOffset, ub4 mode))            \
    /* OCI 9.2 group */                                                                                      \
    X(sword, OCISessionPoolCreate,                                                                           \
      (OCIEnv * envhp, OCIError * errhp, OCISPool * spoolhp, OraText * *poolName, ub4 * poolNameLen,         \
       const OraText* connStr, ub4 connStrLen, ub4 sessMin, ub4 sessMax, ub4 sessIncr, OraText* userid,      \
       ub4 useridLen, OraText* password, ub4 passwordLen, ub4 mode))                                         \
    X(sword, OCISessionPoolDestroy, (OCISPool * spoolhp, OCIError * errhp, ub4 mode))                        \
    X(sword, OCISessionGet,                                                                                  \
      (OCIEnv * envhp, OCIError * errhp, OCISvcCtx * *svchp, OCIAuthInfo * authhp, OraText * poolName,       \
       ub4 poolName_len, const void* tagInfo, ub4 tagInfo_len, OraText** retTagInfo, ub4* retTagInfo_len,    \
       boolean* found, ub4 mode))                                                                            \
    X(sword, OCISessionRelease, (OCISvcCtx * svchp, OCIError * errhp, OraText * tag, ub4 tag_len, ub4 mode)) \
    X(sword, OCIStmtPrepare2,                                                                                \
      (OCISvcCtx * svchp, OCIStmt * *stmtp, OCIError * errhp, const OraText* stmt, ub4 stmt_len,             \
       const OraText* key, ub4 key_len, ub4 language, ub4 mode))                                             \
    X(sword, OCIStmtRelease, (OCIStmt * stmtp, OCIError * errhp, const OraText* key, ub4 key_len, ub4 mode)) \
    /* character sets (9.2 and later), each looked up alone */                                               \
    X(sword, OCIEnvNlsCreate,                                                                                \
      (OCIEnv * *envp, ub4 mode, void* ctxp, OCIMallocFn malocfp, OCIReallocFn ralocfp, OCIFreeFn mfreefp,   \
       size_t xtramem_sz, void** usrmempp, ub2 charset, ub2 ncharset))                                       \
    X(sword, OCINlsNumericInfoGet, (OCIEnv * envhp, OCIError * errhp, sb4 * val, ub2 item))

#define OCI_DECLARE_FUNCTION(ret, name, params) OCI_API_EXPORT ret name params;
extern "C" {
OCI_FUNCTIONS(OCI_DECLARE_FUNCTION)

// The engine's own entry point: creates a new database file with its first user. Returns 0, or an
// Oracle error code with its message text in `message`. Refuses a file that already exists.
OCI_API_EXPORT int ocisqlite_create_database(const char* path, const char* user, const char* password,
                                             char* message, size_t message_size);
// The engine's own way back for a locked account, as Oracle's is an administrator the operating
// system authenticates: unlocks user (and forgets its failed logons) when the calling process runs as
// the owner of the database file; ORA-01031 for anyone else. Returns 0 or an Oracle error code.
OCI_API_EXPORT int ocisqlite_unlock_user(const char* path, const char* user, char* message,
                                         size_t message_size);
// While a statement runs, calls callback(context) at most once per interval_ms, for every session of
// the process; a non-zero answer ends the statement with ORA-01013. A null callback removes it.
OCI_API_EXPORT void ocisqlite_set_progress(int (*callback)(void* context), void* context,
                                           unsigned interval_ms);
// The engine's own count of the round trips an Oracle client would have made in this process so far
// (the rules are in the engine's README). Oracle's client has no such entry point.
OCI_API_EXPORT unsigned long long ocisqlite_round_trips(void);
}
#undef OCI_DECLARE_FUNCTION

// Pointer types for run-time binding: OCIStmtExecute_t is the type of &OCIStmtExecute.
#define OCI_DECLARE_POINTER_TYPE(ret, name, params) using name##_t = ret(*) params;
OCI_FUNCTIONS(OCI_DECLARE_POINTER_TYPE)
#undef OCI_DECLARE_POINTER_TYPE
using ocisqlite_create_database_t = decltype(&ocisqlite_create_database);
using ocisqlite_round_trips_t = decltype(&ocisqlite_round_trips);
using ocisqlite_unlock_user_t = decltype(&ocisqlite_unlock_user);
using ocisqlite_set_progress_t = decltype(&ocisqlite_set_progress);
