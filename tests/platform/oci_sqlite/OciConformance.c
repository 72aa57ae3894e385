/* Conformance of the embedded engine as an OCI client library, driven the way a generic C client
 * drives Oracle's: the library is loaded at run time, every name is looked up, and each scenario
 * expects what Oracle's OCI Programmer's Guide documents. Declarations are written here from that
 * documentation, not taken from the engine's headers.
 * Usage: test_oci_conformance <liboci_sqlite.so> <scratch folder> */
#include <dlfcn.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

typedef int sword;
typedef int32_t sb4;
typedef uint32_t ub4;
typedef int16_t sb2;
typedef uint16_t ub2;
typedef uint8_t ub1;
typedef unsigned char OraText;

#define OCI_SUCCESS 0
#define OCI_SUCCESS_WITH_INFO 1
#define OCI_NO_DATA 100
#define OCI_ERROR -1
#define OCI_DEFAULT 0
#define OCI_THREADED 0x1
#define OCI_HTYPE_ENV 1
#define OCI_HTYPE_ERROR 2
#define OCI_HTYPE_SVCCTX 3
#define OCI_HTYPE_STMT 4
#define OCI_HTYPE_SERVER 8
#define OCI_HTYPE_SESSION 9
#define OCI_HTYPE_TRANS 10
#define OCI_ATTR_SERVER 6
#define OCI_ATTR_SESSION 7
#define OCI_ATTR_TRANS 8
#define OCI_ATTR_USERNAME 22
#define OCI_ATTR_PASSWORD 23
#define OCI_ATTR_PARSE_ERROR_OFFSET 129
#define OCI_ATTR_SERVER_STATUS 143
#define OCI_SERVER_NORMAL 0x1
#define OCI_CRED_RDBMS 1
#define OCI_NTV_SYNTAX 1
#define OCI_TRANS_NEW 0x1
#define OCI_COMMIT_ON_SUCCESS 0x20
#define OCI_BATCH_ERRORS 0x80
#define OCI_STMT_SCROLLABLE_READONLY 0x08
#define OCI_FETCH_NEXT 0x02
#define OCI_FETCH_FIRST 0x04
#define OCI_FETCH_LAST 0x08
#define OCI_FETCH_PRIOR 0x10
#define OCI_FETCH_ABSOLUTE 0x20
#define OCI_FETCH_RELATIVE 0x40
#define OCI_ATTR_CURRENT_POSITION 164
#define OCI_ATTR_ROWS_FETCHED 197
#define OCI_ATTR_ROW_COUNT 9
#define OCI_ATTR_NUM_DML_ERRORS 73
#define OCI_ATTR_DML_ROW_OFFSET 74
#define OCI_DTYPE_ROWID 54
#define SQLT_INT 3
#define SQLT_FLT 4
#define SQLT_STR 5
#define SQLT_VNU 6
#define SQLT_RDD 104
#define SQLT_ODT 156

/* Oracle's structures of the internal types, as oro.h publishes them. */
typedef struct {
    ub1 OCINumberPart[22];
} OCINumber;
typedef struct {
    ub1 OCITimeHH, OCITimeMI, OCITimeSS;
} OCITime;
typedef struct {
    sb2 OCIDateYYYY;
    ub1 OCIDateMM, OCIDateDD;
    OCITime OCIDateTime;
} OCIDate;

typedef sword (*EnvCreate)(void**, ub4, void*, void*, void*, void*, size_t, void**);
typedef sword (*HandleAlloc)(const void*, void**, ub4, size_t, void**);
typedef sword (*HandleFree)(void*, ub4);
typedef sword (*AttrGet)(const void*, ub4, void*, ub4*, ub4, void*);
typedef sword (*AttrSet)(void*, ub4, void*, ub4, ub4, void*);
typedef sword (*ServerAttach)(void*, void*, const OraText*, sb4, ub4);
typedef sword (*SessionBegin)(void*, void*, void*, ub4, ub4);
typedef sword (*TransCall)(void*, void*, ub4);
typedef sword (*TransStart)(void*, void*, unsigned, ub4);
typedef sword (*StmtPrepare)(void*, void*, const OraText*, ub4, ub4, ub4);
typedef sword (*StmtExecute)(void*, void*, void*, ub4, ub4, const void*, void*, ub4);
typedef sword (*StmtFetch2)(void*, void*, ub4, ub2, sb4, ub4);
typedef sword (*DefineByPos)(void*, void**, void*, ub4, void*, sb4, ub2, void*, ub2*, ub2*, ub4);
typedef sword (*BindByName)(void*, void**, void*, const OraText*, sb4, void*, sb4, ub2, void*, ub2*, ub2*,
                            ub4, ub4*, ub4);
typedef sword (*DescriptorAlloc)(const void*, void**, ub4, size_t, void**);
typedef sword (*RowidToChar)(void*, OraText*, ub2*, void*);
typedef sword (*ParamGet)(const void*, ub4, void*, void**, ub4);
typedef sword (*ErrorGet)(void*, ub4, OraText*, sb4*, OraText*, ub4, ub4);
typedef sword (*ServerRelease2)(void*, void*, OraText*, ub4, ub1, ub4*, ub4);
typedef void (*ClientVersion)(sword*, sword*, sword*, sword*, sword*);
typedef sword (*NumberFromInt)(void*, const void*, unsigned, unsigned, OCINumber*);
typedef sword (*NumberToInt)(void*, const OCINumber*, unsigned, unsigned, void*);
typedef sword (*NumberFromText)(void*, const OraText*, ub4, const OraText*, ub4, const OraText*, ub4,
                                OCINumber*);
typedef sword (*NumberToText)(void*, const OCINumber*, const OraText*, ub4, const OraText*, ub4, ub4*,
                              OraText*);
typedef sword (*NumberFromReal)(void*, const void*, unsigned, OCINumber*);
typedef sword (*NumberBinary)(void*, const OCINumber*, const OCINumber*, OCINumber*);
typedef sword (*NumberCmp)(void*, const OCINumber*, const OCINumber*, sword*);
typedef sword (*NumberIsZero)(void*, const OCINumber*, int*);
typedef sword (*DateCheck)(void*, const OCIDate*, unsigned*);
typedef sword (*DateFromText)(void*, const OraText*, ub4, const OraText*, ub1, const OraText*, ub4, OCIDate*);
typedef sword (*DateToText)(void*, const OCIDate*, const OraText*, ub1, const OraText*, ub4, ub4*, OraText*);
typedef sword (*DateShift)(void*, const OCIDate*, sb4, OCIDate*);
typedef sword (*DateDaysBetween)(void*, const OCIDate*, const OCIDate*, sb4*);
typedef sword (*DateLastDay)(void*, const OCIDate*, OCIDate*);
typedef sword (*DateNextDay)(void*, const OCIDate*, const OraText*, ub4, OCIDate*);
typedef sword (*DateCompare)(void*, const OCIDate*, const OCIDate*, sword*);
typedef void (*ThreadProcessInit)(void);
typedef sword (*ThreadObject)(void*, void*, void**);
typedef sword (*ThreadUse)(void*, void*, void*);
typedef sword (*ThreadKeyInit)(void*, void*, void**, void (*)(void*));
typedef sword (*ThreadKeyGet)(void*, void*, void*, void**);
typedef sword (*ThreadKeySet)(void*, void*, void*, void*);
typedef sword (*ThreadIdSame)(void*, void*, void*, void*, int*);
typedef sword (*ThreadCreate)(void*, void*, void (*)(void*), void*, void*, void*);
typedef sword (*NlsGetInfo)(void*, void*, OraText*, size_t, ub2);
typedef sword (*ArrayDescriptorAlloc)(const void*, void**, ub4, ub4, size_t, void**);
typedef sword (*ArrayDescriptorFree)(void**, ub4);
typedef sword (*LobClose)(void*, void*, void*);
typedef sword (*GetNextResult)(void*, void*, void**, ub4*, ub4);
typedef int (*CreateDatabase)(const char*, const char*, const char*, char*, size_t);

static struct {
    EnvCreate OCIEnvCreate;
    HandleAlloc OCIHandleAlloc;
    HandleFree OCIHandleFree;
    AttrGet OCIAttrGet;
    AttrSet OCIAttrSet;
    ServerAttach OCIServerAttach;
    SessionBegin OCISessionBegin;
    TransStart OCITransStart;
    TransCall OCITransCommit, OCITransRollback, OCITransDetach, OCITransPrepare, OCITransForget;
    StmtPrepare OCIStmtPrepare;
    StmtExecute OCIStmtExecute;
    StmtFetch2 OCIStmtFetch2;
    DefineByPos OCIDefineByPos;
    BindByName OCIBindByName;
    DescriptorAlloc OCIDescriptorAlloc;
    RowidToChar OCIRowidToChar;
    ParamGet OCIParamGet;
    ErrorGet OCIErrorGet;
    ServerRelease2 OCIServerRelease2;
    ClientVersion OCIClientVersion;
    NumberFromInt OCINumberFromInt;
    NumberToInt OCINumberToInt;
    NumberFromText OCINumberFromText;
    NumberToText OCINumberToText;
    NumberFromReal OCINumberFromReal;
    NumberBinary OCINumberAdd, OCINumberSub, OCINumberMul, OCINumberDiv;
    NumberCmp OCINumberCmp;
    NumberIsZero OCINumberIsZero;
    DateCheck OCIDateCheck;
    DateFromText OCIDateFromText;
    DateToText OCIDateToText;
    DateShift OCIDateAddDays, OCIDateAddMonths;
    DateDaysBetween OCIDateDaysBetween;
    DateLastDay OCIDateLastDay;
    DateNextDay OCIDateNextDay;
    DateCompare OCIDateCompare;
    ThreadProcessInit OCIThreadProcessInit;
    ThreadObject OCIThreadMutexInit, OCIThreadMutexDestroy, OCIThreadIdInit, OCIThreadHndInit,
        OCIThreadHndDestroy;
    ThreadUse OCIThreadMutexAcquire, OCIThreadMutexRelease, OCIThreadIdGet, OCIThreadJoin;
    ThreadKeyInit OCIThreadKeyInit;
    ThreadKeyGet OCIThreadKeyGet;
    ThreadKeySet OCIThreadKeySet;
    ThreadIdSame OCIThreadIdSame;
    ThreadCreate OCIThreadCreate;
    NlsGetInfo OCINlsGetInfo;
    ArrayDescriptorAlloc OCIArrayDescriptorAlloc;
    ArrayDescriptorFree OCIArrayDescriptorFree;
    LobClose OCILobClose, OCILobFreeTemporary;
    GetNextResult OCIStmtGetNextResult;
    CreateDatabase ocisqlite_create_database;
} oci;

/* One logged-on client: what every scenario starts from. */
static struct { void *env, *err, *srv, *svc, *usr, *trans; } c;

static int failures = 0;

#define EXPECT(condition)                                                                                    \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            fprintf(stderr, "  %s:%d: expected %s\n", __FILE__, __LINE__, #condition);                       \
            ++failures;                                                                                      \
        }                                                                                                    \
    } while (0)

static sb4 ErrorCode(void) {
    sb4 code = 0;
    OraText text[512];
    if (oci.OCIErrorGet(c.err, 1, NULL, &code, text, sizeof text, OCI_HTYPE_ERROR) != OCI_SUCCESS)
        return 0;
    return code;
}

static void* Statement(const char* sql) {
    void* stmt = NULL;
    oci.OCIHandleAlloc(c.env, &stmt, OCI_HTYPE_STMT, 0, NULL);
    oci.OCIStmtPrepare(stmt, c.err, (const OraText*)sql, (ub4)strlen(sql), OCI_NTV_SYNTAX, OCI_DEFAULT);
    return stmt;
}

/* Runs a statement that returns no rows; the status of its execute. */
static sword Run(const char* sql) {
    void* stmt = Statement(sql);
    const sword status = oci.OCIStmtExecute(c.svc, stmt, c.err, 1, 0, NULL, NULL, OCI_DEFAULT);
    oci.OCIHandleFree(stmt, OCI_HTYPE_STMT);
    return status;
}

/* The first column of a one-row query as an integer; -1 when it fails. */
static long QueryInt(const char* sql) {
    void* stmt = Statement(sql);
    void* define = NULL;
    int value = -1;
    oci.OCIDefineByPos(stmt, &define, c.err, 1, &value, sizeof value, SQLT_INT, NULL, NULL, NULL,
                       OCI_DEFAULT);
    if (oci.OCIStmtExecute(c.svc, stmt, c.err, 1, 0, NULL, NULL, OCI_DEFAULT) != OCI_SUCCESS)
        value = -1;
    oci.OCIHandleFree(stmt, OCI_HTYPE_STMT);
    return value;
}

/* The first column of a one-row query as text; the execute's status. */
static sword QueryText(const char* sql, char* text, sb4 size) {
    void* stmt = Statement(sql);
    void* define = NULL;
    text[0] = '\0';
    oci.OCIDefineByPos(stmt, &define, c.err, 1, text, size, SQLT_STR, NULL, NULL, NULL, OCI_DEFAULT);
    const sword status = oci.OCIStmtExecute(c.svc, stmt, c.err, 1, 0, NULL, NULL, OCI_DEFAULT);
    oci.OCIHandleFree(stmt, OCI_HTYPE_STMT);
    return status;
}

/* The logon most wrappers make: explicit handles, a transaction handle on the service context and an
 * explicit local transaction started at once. */
static void ExplicitTransactionAtLogon(void) {
    EXPECT(oci.OCIHandleAlloc(c.env, &c.trans, OCI_HTYPE_TRANS, 0, NULL) == OCI_SUCCESS);
    EXPECT(oci.OCIAttrSet(c.svc, OCI_HTYPE_SVCCTX, c.trans, 0, OCI_ATTR_TRANS, c.err) == OCI_SUCCESS);
    void* trans = NULL;
    EXPECT(oci.OCIAttrGet(c.svc, OCI_HTYPE_SVCCTX, &trans, NULL, OCI_ATTR_TRANS, c.err) == OCI_SUCCESS);
    EXPECT(trans == c.trans);
    EXPECT(oci.OCITransStart(c.svc, c.err, 60, OCI_TRANS_NEW) == OCI_SUCCESS);
    EXPECT(Run("create table conformance_t (n number(10), s varchar2(20))") == OCI_SUCCESS);
    EXPECT(oci.OCITransStart(c.svc, c.err, 60, OCI_TRANS_NEW) == OCI_SUCCESS);
    EXPECT(Run("insert into conformance_t values (1, 'one')") == OCI_SUCCESS);
    EXPECT(oci.OCITransRollback(c.svc, c.err, OCI_DEFAULT) == OCI_SUCCESS);
    EXPECT(QueryInt("select count(*) from conformance_t") == 0);
    EXPECT(Run("insert into conformance_t values (1, 'one')") == OCI_SUCCESS);
    EXPECT(oci.OCITransCommit(c.svc, c.err, OCI_DEFAULT) == OCI_SUCCESS);
    EXPECT(QueryInt("select count(*) from conformance_t") == 1);
    ub4 status = 0;
    EXPECT(oci.OCIAttrGet(c.srv, OCI_HTYPE_SERVER, &status, NULL, OCI_ATTR_SERVER_STATUS, c.err) ==
           OCI_SUCCESS);
    EXPECT(status == OCI_SERVER_NORMAL);
}

/* A local transaction is not a global one: detach, prepare and forget are refused with a record. */
static void DistributedCallsRefused(void) {
    const TransCall calls[] = {oci.OCITransDetach, oci.OCITransPrepare, oci.OCITransForget};
    for (size_t i = 0; i < sizeof calls / sizeof *calls; ++i) {
        EXPECT(calls[i](c.svc, c.err, OCI_DEFAULT) == OCI_ERROR);
        EXPECT(ErrorCode() == 439);
    }
}

/* After a failed parse the statement tells where, and the error handle still holds the error after
 * that successful OCIAttrGet. */
static void ParseErrorOffsetAfterFailure(void) {
    void* stmt = Statement("select n fro conformance_t");
    EXPECT(oci.OCIStmtExecute(c.svc, stmt, c.err, 0, 0, NULL, NULL, OCI_DEFAULT) == OCI_ERROR);
    ub2 offset = 0;
    EXPECT(oci.OCIAttrGet(stmt, OCI_HTYPE_STMT, &offset, NULL, OCI_ATTR_PARSE_ERROR_OFFSET, c.err) ==
           OCI_SUCCESS);
    EXPECT(offset == 13); /* "fro" is read as an alias: the FROM is missing before the table */
    EXPECT(ErrorCode() == 923);
    oci.OCIHandleFree(stmt, OCI_HTYPE_STMT);
}

static void Bind(void* stmt, const char* name, void* value, sb4 size, ub2 type) {
    void* bind = NULL;
    EXPECT(oci.OCIBindByName(stmt, &bind, c.err, (const OraText*)name, -1, value, size, type, NULL, NULL,
                             NULL, 0, NULL, OCI_DEFAULT) == OCI_SUCCESS);
}

static void RowidText(void* rowid, char text[32]) {
    ub2 length = 31;
    text[0] = '\0';
    EXPECT(oci.OCIRowidToChar(rowid, (OraText*)text, &length, c.err) == OCI_SUCCESS);
    text[length] = '\0';
}

/* NUMBER, DATE and ROWID in Oracle's internal forms, in and out: the NUMBER bytes of 123, -123 and
 * 0.5 as DUMP shows them, an OCIDate, and the ROWID of an insert's RETURNING INTO. */
static void InternalTypesRoundTrip(void) {
    static const ub1 numbers[3][5] = {{3, 194, 2, 24}, {4, 61, 100, 78, 102}, {2, 192, 51}};
    const OCIDate date = {2023, 3, 5, {13, 14, 15}};
    EXPECT(Run("create table conformance_n (k number(2), n number, d date)") == OCI_SUCCESS);
    char inserted[3][32];
    for (int k = 0; k < 3; ++k) {
        void* stmt = Statement("insert into conformance_n values (:k, :n, :d) returning rowid into :r");
        OCINumber number;
        memset(&number, 0, sizeof number);
        memcpy(number.OCINumberPart, numbers[k], numbers[k][0] + 1);
        void* rowid = NULL;
        oci.OCIDescriptorAlloc(c.env, &rowid, OCI_DTYPE_ROWID, 0, NULL);
        Bind(stmt, ":k", &k, sizeof k, SQLT_INT);
        Bind(stmt, ":n", &number, sizeof number, SQLT_VNU);
        Bind(stmt, ":d", (void*)&date, sizeof date, SQLT_ODT);
        Bind(stmt, ":r", &rowid, sizeof rowid, SQLT_RDD);
        EXPECT(oci.OCIStmtExecute(c.svc, stmt, c.err, 1, 0, NULL, NULL, OCI_DEFAULT) == OCI_SUCCESS);
        RowidText(rowid, inserted[k]);
        EXPECT(strlen(inserted[k]) == 18);
        oci.OCIHandleFree(stmt, OCI_HTYPE_STMT);
    }
    void* stmt = Statement("select n, d, rowid from conformance_n order by k");
    OCINumber number;
    OCIDate fetched;
    void* rowid = NULL;
    void* defines[3] = {NULL, NULL, NULL};
    oci.OCIDescriptorAlloc(c.env, &rowid, OCI_DTYPE_ROWID, 0, NULL);
    oci.OCIDefineByPos(stmt, &defines[0], c.err, 1, &number, sizeof number, SQLT_VNU, NULL, NULL, NULL, 0);
    oci.OCIDefineByPos(stmt, &defines[1], c.err, 2, &fetched, sizeof fetched, SQLT_ODT, NULL, NULL, NULL, 0);
    oci.OCIDefineByPos(stmt, &defines[2], c.err, 3, &rowid, sizeof rowid, SQLT_RDD, NULL, NULL, NULL, 0);
    EXPECT(oci.OCIStmtExecute(c.svc, stmt, c.err, 0, 0, NULL, NULL, OCI_DEFAULT) == OCI_SUCCESS);
    for (int k = 0; k < 3; ++k) {
        EXPECT(oci.OCIStmtFetch2(stmt, c.err, 1, 0x02, 0, OCI_DEFAULT) == OCI_SUCCESS);
        EXPECT(memcmp(number.OCINumberPart, numbers[k], numbers[k][0] + 1) == 0);
        EXPECT(fetched.OCIDateYYYY == 2023 && fetched.OCIDateMM == 3 && fetched.OCIDateDD == 5);
        EXPECT(fetched.OCIDateTime.OCITimeHH == 13 && fetched.OCIDateTime.OCITimeMI == 14 &&
               fetched.OCIDateTime.OCITimeSS == 15);
        char text[32];
        RowidText(rowid, text);
        EXPECT(strcmp(text, inserted[k]) == 0);
    }
    oci.OCIHandleFree(stmt, OCI_HTYPE_STMT);
}

#define OCI_NUMBER_SIGNED 2

static OCINumber FromText(const char* text) {
    OCINumber number;
    memset(&number, 0, sizeof number);
    EXPECT(oci.OCINumberFromText(c.err, (const OraText*)text, (ub4)strlen(text), NULL, 0, NULL, 0, &number) ==
           OCI_SUCCESS);
    return number;
}

static int TextIs(const OCINumber* number, const char* format, const char* expected) {
    char text[64];
    ub4 size = sizeof text;
    if (oci.OCINumberToText(c.err, number, (const OraText*)format, (ub4)strlen(format), NULL, 0, &size,
                            (OraText*)text) != OCI_SUCCESS)
        return 0;
    text[size] = '\0';
    if (strcmp(text, expected) != 0)
        fprintf(stderr, "  \"%s\" is not \"%s\"\n", text, expected);
    return strcmp(text, expected) == 0;
}

/* Stores `value` into the one column of conformance_p by `sql`, which takes it as :v, bound as text
 * or as an OCINumber; a literal when `type` is 0. The status of the execute. */
static sword StoreNumber(const char* sql, const char* value, ub2 type) {
    char text[256];
    snprintf(text, sizeof text, sql, type == 0 ? value : ":v");
    void* stmt = Statement(text);
    OCINumber number;
    if (type == SQLT_VNU) {
        number = FromText(value);
        Bind(stmt, ":v", &number, sizeof number, SQLT_VNU);
    } else if (type == SQLT_STR) {
        Bind(stmt, ":v", (void*)value, (sb4)strlen(value) + 1, SQLT_STR);
    }
    const sword status = oci.OCIStmtExecute(c.svc, stmt, c.err, 1, 0, NULL, NULL, OCI_DEFAULT);
    oci.OCIHandleFree(stmt, OCI_HTYPE_STMT);
    return status;
}

/* The value in conformance_p reads back as `expected`, as text and as an OCINumber. */
static int ReadsBack(const char* expected) {
    char text[64];
    const int asText = QueryText("select n from conformance_p", text, sizeof text) == OCI_SUCCESS &&
                       strcmp(text, expected) == 0;
    if (!asText)
        fprintf(stderr, "  \"%s\" is not \"%s\"\n", text, expected);
    void* stmt = Statement("select n from conformance_p");
    void* define = NULL;
    OCINumber number;
    oci.OCIDefineByPos(stmt, &define, c.err, 1, &number, sizeof number, SQLT_VNU, NULL, NULL, NULL,
                       OCI_DEFAULT);
    const int fetched = oci.OCIStmtExecute(c.svc, stmt, c.err, 1, 0, NULL, NULL, OCI_DEFAULT) == OCI_SUCCESS;
    oci.OCIHandleFree(stmt, OCI_HTYPE_STMT);
    return asText && fetched && TextIs(&number, "", expected);
}

/* A NUMBER column keeps every digit its precision allows, up to 38, and refuses a value with more
 * integer digits than precision minus scale once rounded to the scale (ORA-01438), whether the value
 * comes as a literal, a text or an OCINumber, into INSERT or UPDATE; what goes in reads back whole and
 * is stored back as it is. A double holds what a double holds: 9999999999999999.99 is 1E16. */
static void NumberKeepsEveryDigitOfItsPrecision(void) {
    static const struct {
        const char *type, *value;
        sb4 code;
    } cases[] = {
        {"number(18,2)", "99999999999999.99", 0},
        {"number(18,2)", "-99999999999999.99", 0},
        {"number(18,2)", "1234567890123456.78", 0},
        {"number(18,2)", "9999999999999999.99", 0},
        {"number(18,2)", "-9999999999999999.99", 0},
        {"number(18,2)", "10000000000000000", 1438},
        {"number(18,2)", "9999999999999999.995", 1438},
        {"number(18,2)", "-12345678901234567.5", 1438},
        {"number(38)", "12345678901234567890123456789012345678", 0},
        {"number(38)", "123456789012345678901234567890123456789", 1438},
        {"number(38,20)", "-123456789012345678.12345678901234567891", 0},
        {"number", ".12345678901234567890123456789012345678", 0},
        {"number(5,2)", "999.995", 1438},
    };
    const ub2 ways[] = {0, SQLT_STR, SQLT_VNU};
    for (size_t i = 0; i < sizeof cases / sizeof *cases; ++i) {
        char create[64];
        snprintf(create, sizeof create, "create table conformance_p (n %s)", cases[i].type);
        EXPECT(Run(create) == OCI_SUCCESS);
        for (size_t w = 0; w < sizeof ways / sizeof *ways; ++w) {
            const sword inserted =
                StoreNumber("insert into conformance_p values (%s)", cases[i].value, ways[w]);
            if (cases[i].code != 0) {
                EXPECT(inserted == OCI_ERROR && ErrorCode() == cases[i].code);
                EXPECT(Run("insert into conformance_p values (0)") == OCI_SUCCESS);
                EXPECT(StoreNumber("update conformance_p set n = %s", cases[i].value, ways[w]) == OCI_ERROR &&
                       ErrorCode() == cases[i].code);
            } else {
                EXPECT(inserted == OCI_SUCCESS && ReadsBack(cases[i].value));
                EXPECT(Run("update conformance_p set n = n") == OCI_SUCCESS && ReadsBack(cases[i].value));
                EXPECT(Run("update conformance_p set n = 0") == OCI_SUCCESS);
                EXPECT(StoreNumber("update conformance_p set n = %s", cases[i].value, ways[w]) ==
                           OCI_SUCCESS &&
                       ReadsBack(cases[i].value));
            }
            EXPECT(Run("delete from conformance_p") == OCI_SUCCESS);
        }
        EXPECT(Run("drop table conformance_p") == OCI_SUCCESS);
    }
    EXPECT(Run("create table conformance_p (n number(18,2))") == OCI_SUCCESS);
    void* stmt = Statement("insert into conformance_p values (:v)");
    double nearest = 9999999999999999.99;
    Bind(stmt, ":v", &nearest, sizeof nearest, SQLT_FLT);
    EXPECT(oci.OCIStmtExecute(c.svc, stmt, c.err, 1, 0, NULL, NULL, OCI_DEFAULT) == OCI_ERROR &&
           ErrorCode() == 1438);
    oci.OCIHandleFree(stmt, OCI_HTYPE_STMT);
    EXPECT(Run("drop table conformance_p") == OCI_SUCCESS);
}

/* The NUMBER helpers a client calls on fetched OCINumbers, needing no server. */
static void NumberHelpers(void) {
    static const struct {
        const char *a, *b, *sum, *difference, *product, *quotient;
    } cases[] = {
        {"1234567890123456.78", "0.01", "1234567890123456.79", "1234567890123456.77", "12345678901234.5678",
         "123456789012345678"},
        {"10", "4", "14", "6", "40", "2.5"},
        {"-0.5", "2", "1.5", "-2.5", "-1", "-.25"},
    };
    const NumberBinary operations[] = {oci.OCINumberAdd, oci.OCINumberSub, oci.OCINumberMul,
                                       oci.OCINumberDiv};
    for (size_t i = 0; i < sizeof cases / sizeof *cases; ++i) {
        const OCINumber a = FromText(cases[i].a), b = FromText(cases[i].b);
        const char* expected[] = {cases[i].sum, cases[i].difference, cases[i].product, cases[i].quotient};
        for (size_t k = 0; k < 4; ++k) {
            OCINumber result;
            EXPECT(operations[k](c.err, &a, &b, &result) == OCI_SUCCESS);
            EXPECT(TextIs(&result, "", expected[k]));
        }
    }
    const sb4 negative = -123;
    OCINumber number;
    EXPECT(oci.OCINumberFromInt(c.err, &negative, sizeof negative, OCI_NUMBER_SIGNED, &number) ==
           OCI_SUCCESS);
    EXPECT(memcmp(number.OCINumberPart, "\x04\x3d\x64\x4e\x66", 5) == 0); /* DUMP(-123): 61,100,78,102 */
    sb2 small = 0;
    EXPECT(oci.OCINumberToInt(c.err, &number, sizeof small, OCI_NUMBER_SIGNED, &small) == OCI_SUCCESS);
    EXPECT(small == -123);
    const OCINumber big = FromText("1099511627776");
    sb4 narrow = 0;
    EXPECT(oci.OCINumberToInt(c.err, &big, sizeof narrow, OCI_NUMBER_SIGNED, &narrow) == OCI_ERROR);
    EXPECT(ErrorCode() == 22053);
    const double tenth = 0.1;
    EXPECT(oci.OCINumberFromReal(c.err, &tenth, sizeof tenth, &number) == OCI_SUCCESS);
    EXPECT(TextIs(&number, "", ".1"));
    const OCINumber amount = FromText("1234.5");
    EXPECT(TextIs(&amount, "9,999.99", " 1,234.50"));
    EXPECT(TextIs(&amount, "99.99", "######"));
    sword order = 0;
    EXPECT(oci.OCINumberCmp(c.err, &amount, &big, &order) == OCI_SUCCESS && order == -1);
    OCINumber zero;
    int isZero = 0;
    EXPECT(oci.OCINumberSub(c.err, &amount, &amount, &zero) == OCI_SUCCESS);
    EXPECT(oci.OCINumberIsZero(c.err, &zero, &isZero) == OCI_SUCCESS && isZero);
    EXPECT(memcmp(zero.OCINumberPart, "\x01\x80", 2) == 0);
    EXPECT(oci.OCINumberDiv(c.err, &amount, &zero, &number) == OCI_ERROR);
    EXPECT(ErrorCode() == 1476);
}

static OCIDate Date(sb2 year, ub1 month, ub1 day, ub1 hour) {
    const OCIDate date = {year, month, day, {hour, 0, 0}};
    return date;
}

static int SameDay(const OCIDate* d, sb2 year, ub1 month, ub1 day) {
    return d->OCIDateYYYY == year && d->OCIDateMM == month && d->OCIDateDD == day;
}

/* The DATE helpers: OCIDateCheck's bits, texts with and without a format, and day arithmetic. */
static void DateHelpers(void) {
    static const struct {
        OCIDate date;
        unsigned bits;
    } checks[] = {
        {{2023, 3, 5, {13, 14, 15}}, 0},     {{2023, 2, 29, {0, 0, 0}}, 0x1},
        {{2024, 2, 29, {0, 0, 0}}, 0},       {{2023, 13, 1, {0, 0, 0}}, 0x4},
        {{2023, 0, 1, {0, 0, 0}}, 0x8},      {{0, 1, 1, {0, 0, 0}}, 0x2000},
        {{1582, 10, 10, {0, 0, 0}}, 0x1000}, {{2023, 1, 1, {24, 60, 0}}, 0x140},
    };
    for (size_t i = 0; i < sizeof checks / sizeof *checks; ++i) {
        unsigned valid = 99;
        EXPECT(oci.OCIDateCheck(c.err, &checks[i].date, &valid) == OCI_SUCCESS);
        EXPECT(valid == checks[i].bits);
    }
    OCIDate date;
    const char text[] = "05.03.2023 13:14:15", format[] = "DD.MM.YYYY HH24:MI:SS";
    EXPECT(oci.OCIDateFromText(c.err, (const OraText*)text, sizeof text - 1, (const OraText*)format,
                               sizeof format - 1, NULL, 0, &date) == OCI_SUCCESS);
    EXPECT(SameDay(&date, 2023, 3, 5) && date.OCIDateTime.OCITimeHH == 13 &&
           date.OCIDateTime.OCITimeSS == 15);
    char out[32];
    ub4 size = sizeof out;
    EXPECT(oci.OCIDateToText(c.err, &date, NULL, 0, NULL, 0, &size, (OraText*)out) == OCI_SUCCESS);
    out[size] = '\0';
    EXPECT(strcmp(out, "05-MAR-23") == 0);
    const OCIDate endOfJanuary = Date(2023, 1, 31, 0), leapFebruary = Date(2024, 2, 10, 0);
    OCIDate result;
    EXPECT(oci.OCIDateAddMonths(c.err, &endOfJanuary, 1, &result) == OCI_SUCCESS &&
           SameDay(&result, 2023, 2, 28));
    EXPECT(oci.OCIDateAddDays(c.err, &endOfJanuary, 29, &result) == OCI_SUCCESS &&
           SameDay(&result, 2023, 3, 1));
    EXPECT(oci.OCIDateLastDay(c.err, &leapFebruary, &result) == OCI_SUCCESS && SameDay(&result, 2024, 2, 29));
    const OCIDate sunday = Date(2023, 3, 5, 0), late = Date(2023, 3, 5, 23), early = Date(2023, 3, 1, 1);
    EXPECT(oci.OCIDateNextDay(c.err, &sunday, (const OraText*)"MONDAY", 6, &result) == OCI_SUCCESS &&
           SameDay(&result, 2023, 3, 6));
    sb4 days = 0;
    EXPECT(oci.OCIDateDaysBetween(c.err, &late, &early, &days) == OCI_SUCCESS && days == 4);
    sword order = 0;
    EXPECT(oci.OCIDateCompare(c.err, &early, &late, &order) == OCI_SUCCESS && order == -1);
    EXPECT(oci.OCIDateAddDays(c.err, &checks[1].date, 1, &result) == OCI_ERROR);
}

/* An array insert of five rows with batch errors: the two failing rows are reported with their
 * offsets and errors, the other three go in. */
static void BatchErrorsReportEachFailingRow(void) {
    EXPECT(Run("create table conformance_b (k number(3) primary key)") == OCI_SUCCESS);
    int keys[5] = {1, 2, 2, 4, 1000};
    void* stmt = Statement("insert into conformance_b values (:k)");
    Bind(stmt, ":k", keys, sizeof keys[0], SQLT_INT);
    const sword status = oci.OCIStmtExecute(c.svc, stmt, c.err, 5, 0, NULL, NULL, OCI_BATCH_ERRORS);
    EXPECT(status == OCI_SUCCESS_WITH_INFO || status == OCI_ERROR);
    EXPECT(ErrorCode() == 24381);
    ub4 errors = 0, rows = 0;
    oci.OCIAttrGet(stmt, OCI_HTYPE_STMT, &errors, NULL, OCI_ATTR_NUM_DML_ERRORS, c.err);
    oci.OCIAttrGet(stmt, OCI_HTYPE_STMT, &rows, NULL, OCI_ATTR_ROW_COUNT, c.err);
    EXPECT(errors == 2 && rows == 3);
    const ub4 offsets[2] = {2, 4};
    const sb4 codes[2] = {1, 1438};
    for (ub4 i = 0; i < errors && i < 2; ++i) {
        void* row = NULL;
        oci.OCIHandleAlloc(c.env, &row, OCI_HTYPE_ERROR, 0, NULL);
        EXPECT(oci.OCIParamGet(c.err, OCI_HTYPE_ERROR, c.err, &row, i) == OCI_SUCCESS);
        ub4 offset = 99;
        EXPECT(oci.OCIAttrGet(row, OCI_HTYPE_ERROR, &offset, NULL, OCI_ATTR_DML_ROW_OFFSET, c.err) ==
               OCI_SUCCESS);
        sb4 code = 0;
        OraText text[512];
        EXPECT(oci.OCIErrorGet(row, 1, NULL, &code, text, sizeof text, OCI_HTYPE_ERROR) == OCI_SUCCESS);
        EXPECT(offset == offsets[i] && code == codes[i]);
    }
    oci.OCIHandleFree(stmt, OCI_HTYPE_STMT);
    EXPECT(QueryInt("select count(*) from conformance_b") == 3);
}

/* A scrollable cursor fetched in every orientation: the rows, the position and the rows fetched. */
static void ScrollableFetch(void) {
    EXPECT(Run("create table conformance_s (k number(2))") == OCI_SUCCESS);
    int values[5] = {1, 2, 3, 4, 5};
    void* insert = Statement("insert into conformance_s values (:k)");
    Bind(insert, ":k", values, sizeof values[0], SQLT_INT);
    EXPECT(oci.OCIStmtExecute(c.svc, insert, c.err, 5, 0, NULL, NULL, OCI_DEFAULT) == OCI_SUCCESS);
    oci.OCIHandleFree(insert, OCI_HTYPE_STMT);
    static const struct {
        ub2 orientation;
        sb4 offset;
        ub4 rows;
        sword status;
        int first;
        ub4 fetched, position;
    } steps[] = {
        {OCI_FETCH_LAST, 0, 1, OCI_SUCCESS, 5, 1, 5},     {OCI_FETCH_FIRST, 0, 1, OCI_SUCCESS, 1, 1, 1},
        {OCI_FETCH_ABSOLUTE, 3, 1, OCI_SUCCESS, 3, 1, 3}, {OCI_FETCH_RELATIVE, -1, 1, OCI_SUCCESS, 2, 1, 2},
        {OCI_FETCH_PRIOR, 0, 1, OCI_SUCCESS, 1, 1, 1},    {OCI_FETCH_PRIOR, 0, 1, OCI_NO_DATA, -1, 0, 1},
        {OCI_FETCH_NEXT, 0, 2, OCI_SUCCESS, 2, 2, 3},     {OCI_FETCH_ABSOLUTE, 9, 1, OCI_NO_DATA, -1, 0, 3},
    };
    void* stmt = Statement("select k from conformance_s order by k");
    int keys[2];
    void* define = NULL;
    oci.OCIDefineByPos(stmt, &define, c.err, 1, keys, sizeof keys[0], SQLT_INT, NULL, NULL, NULL,
                       OCI_DEFAULT);
    EXPECT(oci.OCIStmtExecute(c.svc, stmt, c.err, 0, 0, NULL, NULL, OCI_STMT_SCROLLABLE_READONLY) ==
           OCI_SUCCESS);
    for (size_t i = 0; i < sizeof steps / sizeof *steps; ++i) {
        keys[0] = -1;
        EXPECT(oci.OCIStmtFetch2(stmt, c.err, steps[i].rows, steps[i].orientation, steps[i].offset,
                                 OCI_DEFAULT) == steps[i].status);
        ub4 fetched = 99, position = 99;
        oci.OCIAttrGet(stmt, OCI_HTYPE_STMT, &fetched, NULL, OCI_ATTR_ROWS_FETCHED, c.err);
        oci.OCIAttrGet(stmt, OCI_HTYPE_STMT, &position, NULL, OCI_ATTR_CURRENT_POSITION, c.err);
        EXPECT(keys[0] == steps[i].first && fetched == steps[i].fetched && position == steps[i].position);
    }
    oci.OCIHandleFree(stmt, OCI_HTYPE_STMT);
}

/* PL/SQL OUT binds by assignment, as wrappers call functions: begin :o := f(...); end; */
static void PlsqlOutByAssignment(void) {
    void* stmt = Statement("begin :o := upper(:i) || to_char(:n * 2); end;");
    char in[8] = "ab", out[16] = "";
    int n = 21;
    sb2 indicator = -1;
    ub2 length = 0;
    void* bind = NULL;
    Bind(stmt, ":i", in, sizeof in, SQLT_STR);
    Bind(stmt, ":n", &n, sizeof n, SQLT_INT);
    EXPECT(oci.OCIBindByName(stmt, &bind, c.err, (const OraText*)":o", -1, out, sizeof out, SQLT_STR,
                             &indicator, &length, NULL, 0, NULL, OCI_DEFAULT) == OCI_SUCCESS);
    EXPECT(oci.OCIStmtExecute(c.svc, stmt, c.err, 1, 0, NULL, NULL, OCI_DEFAULT) == OCI_SUCCESS);
    EXPECT(strcmp(out, "AB42") == 0 && indicator == 0);
    oci.OCIHandleFree(stmt, OCI_HTYPE_STMT);
}

static struct {
    void *mutex, *key, *id;
    int count;
    int sameThread;
} shared;

static void Worker(void* argument) {
    void* value = NULL;
    oci.OCIThreadMutexAcquire(c.env, c.err, shared.mutex);
    shared.count += *(int*)argument;
    oci.OCIThreadMutexRelease(c.env, c.err, shared.mutex);
    oci.OCIThreadKeyGet(c.env, c.err, shared.key, &value);
    void* mine = NULL;
    oci.OCIThreadIdInit(c.env, c.err, &mine);
    oci.OCIThreadIdGet(c.env, c.err, mine);
    oci.OCIThreadIdSame(c.env, c.err, mine, shared.id, &shared.sameThread);
    shared.count += value == NULL ? 0 : 100; /* keys are per thread: none set here */
}

/* The client-side services of a threaded client: OCI's threads, mutexes and keys, NLS names, and
 * arrays of descriptors. */
static void ClientServices(void) {
    oci.OCIThreadProcessInit();
    EXPECT(oci.OCIThreadMutexInit(c.env, c.err, &shared.mutex) == OCI_SUCCESS);
    EXPECT(oci.OCIThreadKeyInit(c.env, c.err, &shared.key, NULL) == OCI_SUCCESS);
    EXPECT(oci.OCIThreadKeySet(c.env, c.err, shared.key, &shared) == OCI_SUCCESS);
    EXPECT(oci.OCIThreadIdInit(c.env, c.err, &shared.id) == OCI_SUCCESS);
    EXPECT(oci.OCIThreadIdGet(c.env, c.err, shared.id) == OCI_SUCCESS);
    shared.sameThread = 1;
    void *handles[2], *ids[2];
    int step = 7;
    for (int i = 0; i < 2; ++i) {
        EXPECT(oci.OCIThreadHndInit(c.env, c.err, &handles[i]) == OCI_SUCCESS);
        oci.OCIThreadIdInit(c.env, c.err, &ids[i]);
        EXPECT(oci.OCIThreadCreate(c.env, c.err, Worker, &step, ids[i], handles[i]) == OCI_SUCCESS);
    }
    for (int i = 0; i < 2; ++i) {
        EXPECT(oci.OCIThreadJoin(c.env, c.err, handles[i]) == OCI_SUCCESS);
        EXPECT(oci.OCIThreadHndDestroy(c.env, c.err, &handles[i]) == OCI_SUCCESS && handles[i] == NULL);
    }
    EXPECT(shared.count == 14 && shared.sameThread == 0);
    void* value = NULL;
    EXPECT(oci.OCIThreadKeyGet(c.env, c.err, shared.key, &value) == OCI_SUCCESS && value == &shared);
    EXPECT(oci.OCIThreadMutexDestroy(c.env, c.err, &shared.mutex) == OCI_SUCCESS);
    OraText name[64];
    EXPECT(oci.OCINlsGetInfo(c.env, c.err, name, sizeof name, 1) == OCI_SUCCESS);
    EXPECT(strcmp((const char*)name, "MONDAY") == 0);
    EXPECT(oci.OCINlsGetInfo(c.env, c.err, name, sizeof name, 55) == OCI_SUCCESS);
    EXPECT(strcmp((const char*)name, "AL32UTF8") == 0);
    void* rowids[3] = {NULL, NULL, NULL};
    EXPECT(oci.OCIArrayDescriptorAlloc(c.env, rowids, OCI_DTYPE_ROWID, 3, 0, NULL) == OCI_SUCCESS);
    EXPECT(rowids[0] && rowids[1] && rowids[2] && rowids[0] != rowids[2]);
    EXPECT(oci.OCIArrayDescriptorFree(rowids, OCI_DTYPE_ROWID) == OCI_SUCCESS);
}

/* CAST to NUMBER, VARCHAR2, CHAR and DATE, and Oracle's refusals of values that do not fit. */
static void CastConverts(void) {
    static const struct {
        const char *sql, *text;
        sb4 code;
    } cases[] = {
        {"select cast('12.345' as number(5,2)) from dual", "12.35", 0},
        {"select cast(7 as varchar2(3)) || '|' from dual", "7|", 0},
        {"select cast('ab' as char(4)) || '|' from dual", "ab  |", 0},
        {"select to_char(cast('05.03.2023' as date), 'YYYY-MM-DD') from dual", "2023-03-05", 0},
        {"select cast(2.5 as integer) from dual", "3", 0},
        {"select cast(12345 as number(3)) from dual", "", 1438},
        {"select cast('abcdef' as varchar2(3)) from dual", "", 25137},
    };
    for (size_t i = 0; i < sizeof cases / sizeof *cases; ++i) {
        char text[64];
        const sword status = QueryText(cases[i].sql, text, sizeof text);
        if (cases[i].code == 0) {
            EXPECT(status == OCI_SUCCESS && strcmp(text, cases[i].text) == 0);
        } else {
            EXPECT(status == OCI_ERROR && ErrorCode() == cases[i].code);
        }
    }
}

/* What the engine does not offer answers through the error handle; a block has no implicit results. */
static void OutOfScopeAnswersAnError(void) {
    const LobClose refused[] = {oci.OCILobClose, oci.OCILobFreeTemporary};
    for (size_t i = 0; i < sizeof refused / sizeof *refused; ++i) {
        EXPECT(refused[i](c.svc, c.err, NULL) == OCI_ERROR);
        EXPECT(ErrorCode() == 3001);
    }
    void* stmt = Statement("begin null; end;");
    EXPECT(oci.OCIStmtExecute(c.svc, stmt, c.err, 1, 0, NULL, NULL, OCI_DEFAULT) == OCI_SUCCESS);
    void* result = NULL;
    ub4 type = 0;
    EXPECT(oci.OCIStmtGetNextResult(stmt, c.err, &result, &type, OCI_DEFAULT) == OCI_NO_DATA);
    oci.OCIHandleFree(stmt, OCI_HTYPE_STMT);
}

/* The server release in the banner and in numbers, and a client of the same release. */
static void VersionOfServerAndClient(void) {
    OraText banner[512] = "";
    ub4 version = 0;
    EXPECT(oci.OCIServerRelease2(c.svc, c.err, banner, sizeof banner, OCI_HTYPE_SVCCTX, &version,
                                 OCI_DEFAULT) == OCI_SUCCESS);
    EXPECT(strstr((const char*)banner, " Release 19.0.0.0.0 - ") != NULL);
    EXPECT((version >> 24) == 19);
    sword major = 0, minor = -1, update = -1, patch = -1, port = -1;
    oci.OCIClientVersion(&major, &minor, &update, &patch, &port);
    EXPECT(major == 19 && minor == 0 && update == 0 && patch == 0 && port == 0);
}

static const struct {
    const char* name;
    void (*run)(void);
} scenarios[] = {
    {"ExplicitTransactionAtLogon", ExplicitTransactionAtLogon},
    {"DistributedCallsRefused", DistributedCallsRefused},
    {"ParseErrorOffsetAfterFailure", ParseErrorOffsetAfterFailure},
    {"InternalTypesRoundTrip", InternalTypesRoundTrip},
    {"BatchErrorsReportEachFailingRow", BatchErrorsReportEachFailingRow},
    {"ScrollableFetch", ScrollableFetch},
    {"PlsqlOutByAssignment", PlsqlOutByAssignment},
    {"CastConverts", CastConverts},
    {"NumberHelpers", NumberHelpers},
    {"NumberKeepsEveryDigitOfItsPrecision", NumberKeepsEveryDigitOfItsPrecision},
    {"DateHelpers", DateHelpers},
    {"ClientServices", ClientServices},
    {"OutOfScopeAnswersAnError", OutOfScopeAnswersAnError},
    {"VersionOfServerAndClient", VersionOfServerAndClient},
};

static int Load(const char* path) {
    void* library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        fprintf(stderr, "cannot load %s: %s\n", path, dlerror());
        return 0;
    }
    int complete = 1;
#define LOOK_UP(name)                                                                                        \
    do {                                                                                                     \
        *(void**)(&oci.name) = dlsym(library, #name);                                                        \
        if (!oci.name) {                                                                                     \
            fprintf(stderr, "missing %s\n", #name);                                                          \
            complete = 0;                                                                                    \
        }                                                                                                    \
    } while (0)
    LOOK_UP(OCIEnvCreate);
    LOOK_UP(OCIHandleAlloc);
    LOOK_UP(OCIHandleFree);
    LOOK_UP(OCIAttrGet);
    LOOK_UP(OCIAttrSet);
    LOOK_UP(OCIServerAttach);
    LOOK_UP(OCISessionBegin);
    LOOK_UP(OCITransStart);
    LOOK_UP(OCITransCommit);
    LOOK_UP(OCITransRollback);
    LOOK_UP(OCITransDetach);
    LOOK_UP(OCITransPrepare);
    LOOK_UP(OCITransForget);
    LOOK_UP(OCIStmtPrepare);
    LOOK_UP(OCIStmtExecute);
    LOOK_UP(OCIStmtFetch2);
    LOOK_UP(OCIDefineByPos);
    LOOK_UP(OCIBindByName);
    LOOK_UP(OCIDescriptorAlloc);
    LOOK_UP(OCIRowidToChar);
    LOOK_UP(OCIParamGet);
    LOOK_UP(OCIErrorGet);
    LOOK_UP(OCIServerRelease2);
    LOOK_UP(OCIClientVersion);
    LOOK_UP(OCINumberFromInt);
    LOOK_UP(OCINumberToInt);
    LOOK_UP(OCINumberFromText);
    LOOK_UP(OCINumberToText);
    LOOK_UP(OCINumberFromReal);
    LOOK_UP(OCINumberAdd);
    LOOK_UP(OCINumberSub);
    LOOK_UP(OCINumberMul);
    LOOK_UP(OCINumberDiv);
    LOOK_UP(OCINumberCmp);
    LOOK_UP(OCINumberIsZero);
    LOOK_UP(OCIDateCheck);
    LOOK_UP(OCIDateFromText);
    LOOK_UP(OCIDateToText);
    LOOK_UP(OCIDateAddDays);
    LOOK_UP(OCIDateAddMonths);
    LOOK_UP(OCIDateDaysBetween);
    LOOK_UP(OCIDateLastDay);
    LOOK_UP(OCIDateNextDay);
    LOOK_UP(OCIDateCompare);
    LOOK_UP(OCIThreadProcessInit);
    LOOK_UP(OCIThreadMutexInit);
    LOOK_UP(OCIThreadMutexDestroy);
    LOOK_UP(OCIThreadIdInit);
    LOOK_UP(OCIThreadHndInit);
    LOOK_UP(OCIThreadHndDestroy);
    LOOK_UP(OCIThreadMutexAcquire);
    LOOK_UP(OCIThreadMutexRelease);
    LOOK_UP(OCIThreadIdGet);
    LOOK_UP(OCIThreadJoin);
    LOOK_UP(OCIThreadKeyInit);
    LOOK_UP(OCIThreadKeyGet);
    LOOK_UP(OCIThreadKeySet);
    LOOK_UP(OCIThreadIdSame);
    LOOK_UP(OCIThreadCreate);
    LOOK_UP(OCINlsGetInfo);
    LOOK_UP(OCIArrayDescriptorAlloc);
    LOOK_UP(OCIArrayDescriptorFree);
    LOOK_UP(OCILobClose);
    LOOK_UP(OCILobFreeTemporary);
    LOOK_UP(OCIStmtGetNextResult);
    LOOK_UP(ocisqlite_create_database);
#undef LOOK_UP
    return complete;
}

static int Logon(const char* path) {
    const char user[] = "scott", password[] = "tiger";
    oci.OCIEnvCreate(&c.env, OCI_THREADED, NULL, NULL, NULL, NULL, 0, NULL);
    oci.OCIHandleAlloc(c.env, &c.err, OCI_HTYPE_ERROR, 0, NULL);
    oci.OCIHandleAlloc(c.env, &c.srv, OCI_HTYPE_SERVER, 0, NULL);
    oci.OCIHandleAlloc(c.env, &c.svc, OCI_HTYPE_SVCCTX, 0, NULL);
    oci.OCIHandleAlloc(c.env, &c.usr, OCI_HTYPE_SESSION, 0, NULL);
    if (oci.OCIServerAttach(c.srv, c.err, (const OraText*)path, (sb4)strlen(path), OCI_DEFAULT) !=
        OCI_SUCCESS)
        return 0;
    oci.OCIAttrSet(c.svc, OCI_HTYPE_SVCCTX, c.srv, 0, OCI_ATTR_SERVER, c.err);
    oci.OCIAttrSet(c.usr, OCI_HTYPE_SESSION, (void*)user, sizeof user - 1, OCI_ATTR_USERNAME, c.err);
    oci.OCIAttrSet(c.usr, OCI_HTYPE_SESSION, (void*)password, sizeof password - 1, OCI_ATTR_PASSWORD, c.err);
    if (oci.OCISessionBegin(c.svc, c.err, c.usr, OCI_CRED_RDBMS, OCI_DEFAULT) != OCI_SUCCESS)
        return 0;
    oci.OCIAttrSet(c.svc, OCI_HTYPE_SVCCTX, c.usr, 0, OCI_ATTR_SESSION, c.err);
    return 1;
}

int main(int argc, char** argv) {
    if (argc != 3 || !Load(argv[1]))
        return 2;
    char path[4096], message[512];
    snprintf(path, sizeof path, "%s/conformance-%d.db", argv[2], (int)getpid());
    if (oci.ocisqlite_create_database(path, "scott", "tiger", message, sizeof message) != 0 || !Logon(path)) {
        fprintf(stderr, "cannot log on to %s: %s\n", path, message);
        return 2;
    }
    for (size_t i = 0; i < sizeof scenarios / sizeof *scenarios; ++i) {
        const int before = failures;
        scenarios[i].run();
        printf("%s %s\n", failures == before ? "ok  " : "FAIL", scenarios[i].name);
    }
    oci.OCIHandleFree(c.env, OCI_HTYPE_ENV);
    const char* suffixes[] = {"", "-wal", "-shm", "-locks"};
    for (size_t i = 0; i < sizeof suffixes / sizeof *suffixes; ++i) {
        char file[4200];
        snprintf(file, sizeof file, "%s%s", path, suffixes[i]);
        unlink(file);
    }
    return failures == 0 ? 0 : 1;
}
