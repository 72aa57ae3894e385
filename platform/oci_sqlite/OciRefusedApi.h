// The families of Oracle's client the engine does not serve, with Oracle's public prototypes: the
// DATETIME and INTERVAL functions beyond the three the layer looks up, large objects, the object
// cache and its types, collections, strings, raws and references, queues, subscriptions and direct
// path loads. A client that resolves its names at load time finds each one; a call records
// ORA-03001 in the error handle and answers OCI_ERROR (OciRefused.cpp).
#pragma once

#include "platform/oci_sqlite/OciGenericApi.h"

typedef uint64_t oraub8;
typedef struct OCISubscription OCISubscription;
typedef struct OCIAQEnqOptions OCIAQEnqOptions;
typedef struct OCIAQDeqOptions OCIAQDeqOptions;
typedef struct OCIAQMsgProperties OCIAQMsgProperties;
typedef struct OCIDirPathCtx OCIDirPathCtx;
typedef sb4 (*OCICallbackLobRead2)(void* ctxp, const void* bufp, oraub8 lenp, ub1 piecep,
                                   void** changed_bufpp, oraub8* changed_lenp);
typedef sb4 (*OCICallbackLobWrite2)(void* ctxp, void* bufp, oraub8* lenp, ub1* piecep, void** changed_bufpp,
                                    oraub8* changed_lenp);

typedef OraText oratext;
typedef struct OCIInterval OCIInterval;
typedef struct OCIIter OCIIter;
typedef OCIColl OCITable;
typedef ub1 OCIObjectPropId;
typedef int OCIRefreshOpt;
typedef struct OCIAQAgent OCIAQAgent;
typedef struct OCIAQListenOpts OCIAQListenOpts;
typedef struct OCIAQLisMsgProps OCIAQLisMsgProps;
typedef struct OCIDirPathColArray OCIDirPathColArray;
typedef struct OCIDirPathStream OCIDirPathStream;
typedef sb4 (*OCICallbackLobArrayRead)(void* ctxp, ub4 array_iter, const void* bufp, oraub8 lenp, ub1 piecep,
                                       void** changed_bufpp, oraub8* changed_lenp);
typedef sb4 (*OCICallbackLobArrayWrite)(void* ctxp, ub4 array_iter, void* bufp, oraub8* lenp, ub1* piecep,
                                        void** changed_bufpp, oraub8* changed_lenp);
typedef ub4 (*OCICallbackAQEnq)(void* ctxp, void** payload, void** payload_ind);
typedef ub4 (*OCICallbackAQDeq)(void* ctxp, void** payload, void** payload_ind);

// X(return type, name, parameters, the error handle among them): each answers OCI_ERROR.
// clang-format off
#define OCI_REFUSED_FUNCTIONS(X) \
    /* DATETIME and INTERVAL */ \
    X(sword, OCIDateTimeAssign, (void* hndl, OCIError* err, const OCIDateTime* from, OCIDateTime* to), err) \
    X(sword, OCIDateTimeCheck, (void* hndl, OCIError* err, const OCIDateTime* date, ub4* valid), err) \
    X(sword, OCIDateTimeCompare, (void* hndl, OCIError* err, const OCIDateTime* date1, const OCIDateTime* date2, sword* result), err) \
    X(sword, OCIDateTimeConvert, (void* hndl, OCIError* err, OCIDateTime* indate, OCIDateTime* outdate), err) \
    X(sword, OCIDateTimeFromText, (void* hndl, OCIError* err, const OraText* date_str, size_t dstr_length, const OraText* fmt, ub1 fmt_length, const OraText* lang_name, size_t lang_length, OCIDateTime* datetime), err) \
    X(sword, OCIDateTimeToText, (void* hndl, OCIError* err, const OCIDateTime* date, const OraText* fmt, ub1 fmt_length, ub1 fsprec, const OraText* lang_name, size_t lang_length, ub4* buf_size, OraText* buf), err) \
    X(sword, OCIDateTimeGetTimeZoneOffset, (void* hndl, OCIError* err, const OCIDateTime* datetime, sb1* hr, sb1* mm), err) \
    X(sword, OCIDateTimeGetTimeZoneName, (void* hndl, OCIError* err, const OCIDateTime* datetime, ub1* buf, ub4* buflen), err) \
    X(sword, OCIDateTimeSysTimeStamp, (void* hndl, OCIError* err, OCIDateTime* sys_date), err) \
    X(sword, OCIDateTimeSubtract, (void* hndl, OCIError* err, OCIDateTime* indate1, OCIDateTime* indate2, OCIInterval* inter), err) \
    X(sword, OCIDateTimeIntervalAdd, (void* hndl, OCIError* err, OCIDateTime* datetime, OCIInterval* inter, OCIDateTime* outdatetime), err) \
    X(sword, OCIDateTimeIntervalSub, (void* hndl, OCIError* err, OCIDateTime* datetime, OCIInterval* inter, OCIDateTime* outdatetime), err) \
    X(sword, OCIDateTimeToArray, (void* hndl, OCIError* err, const OCIDateTime* datetime, const OCIInterval* reftz, ub1* outarray, ub4* len, ub1 fsprec), err) \
    X(sword, OCIDateTimeFromArray, (void* hndl, OCIError* err, ub1* inarray, ub4 len, ub1 type, OCIDateTime* datetime, const OCIInterval* reftz, ub1 fsprec), err) \
    X(sword, OCIIntervalAdd, (void* hndl, OCIError* err, OCIInterval* addend1, OCIInterval* addend2, OCIInterval* result), err) \
    X(sword, OCIIntervalSubtract, (void* hndl, OCIError* err, OCIInterval* minuend, OCIInterval* subtrahend, OCIInterval* result), err) \
    X(sword, OCIIntervalMultiply, (void* hndl, OCIError* err, const OCIInterval* inter, OCINumber* nfactor, OCIInterval* result), err) \
    X(sword, OCIIntervalDivide, (void* hndl, OCIError* err, OCIInterval* dividend, OCINumber* divisor, OCIInterval* result), err) \
    X(sword, OCIIntervalCompare, (void* hndl, OCIError* err, OCIInterval* inter1, OCIInterval* inter2, sword* result), err) \
    X(sword, OCIIntervalFromNumber, (void* hndl, OCIError* err, OCIInterval* inter, OCINumber* number), err) \
    X(sword, OCIIntervalToNumber, (void* hndl, OCIError* err, const OCIInterval* inter, OCINumber* number), err) \
    X(sword, OCIIntervalFromText, (void* hndl, OCIError* err, const OraText* inpstring, size_t str_len, OCIInterval* result), err) \
    X(sword, OCIIntervalToText, (void* hndl, OCIError* err, const OCIInterval* inter, ub1 lfprec, ub1 fsprec, OraText* buffer, size_t buflen, size_t* resultlen), err) \
    X(sword, OCIIntervalFromTZ, (void* hndl, OCIError* err, const oratext* inpstring, size_t str_len, OCIInterval* result), err) \
    X(sword, OCIIntervalCheck, (void* hndl, OCIError* err, const OCIInterval* interval, ub4* valid), err) \
    X(sword, OCIIntervalAssign, (void* hndl, OCIError* err, const OCIInterval* ininter, OCIInterval* outinter), err) \
    X(sword, OCIIntervalSetYearMonth, (void* hndl, OCIError* err, sb4 yr, sb4 mnth, OCIInterval* result), err) \
    X(sword, OCIIntervalGetYearMonth, (void* hndl, OCIError* err, sb4* yr, sb4* mnth, const OCIInterval* result), err) \
    X(sword, OCIIntervalSetDaySecond, (void* hndl, OCIError* err, sb4 dy, sb4 hr, sb4 mm, sb4 ss, sb4 fsec, OCIInterval* result), err) \
    X(sword, OCIIntervalGetDaySecond, (void* hndl, OCIError* err, sb4* dy, sb4* hr, sb4* mm, sb4* ss, sb4* fsec, const OCIInterval* result), err) \
    /* Large objects */ \
    X(sword, OCILobOpen, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* locp, ub1 mode), errhp) \
    X(sword, OCILobClose, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* locp), errhp) \
    X(sword, OCILobIsOpen, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* locp, boolean* flag), errhp) \
    X(sword, OCILobAppend, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* dst_locp, OCILobLocator* src_locp), errhp) \
    X(sword, OCILobCopy, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* dst_locp, OCILobLocator* src_locp, ub4 amount, ub4 dst_offset, ub4 src_offset), errhp) \
    X(sword, OCILobCopy2, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* dst_locp, OCILobLocator* src_locp, oraub8 amount, oraub8 dst_offset, oraub8 src_offset), errhp) \
    X(sword, OCILobErase, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* locp, ub4* amount, ub4 offset), errhp) \
    X(sword, OCILobErase2, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* locp, oraub8* amount, oraub8 offset), errhp) \
    X(sword, OCILobGetChunkSize, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* locp, ub4* chunksizep), errhp) \
    X(sword, OCILobGetLength2, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* locp, oraub8* lenp), errhp) \
    X(sword, OCILobGetStorageLimit, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* lobp, oraub8* limitp), errhp) \
    X(sword, OCILobTrim2, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* locp, oraub8 newlen), errhp) \
    X(sword, OCILobRead2, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* locp, oraub8* byte_amtp, oraub8* char_amtp, oraub8 offset, void* bufp, oraub8 bufl, ub1 piece, void* ctxp, OCICallbackLobRead2 cbfp, ub2 csid, ub1 csfrm), errhp) \
    X(sword, OCILobWrite2, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* locp, oraub8* byte_amtp, oraub8* char_amtp, oraub8 offset, void* bufp, oraub8 buflen, ub1 piece, void* ctxp, OCICallbackLobWrite2 cbfp, ub2 csid, ub1 csfrm), errhp) \
    X(sword, OCILobWriteAppend, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* lobp, ub4* amtp, void* bufp, ub4 bufl, ub1 piece, void* ctxp, OCICallbackLobWrite cbfp, ub2 csid, ub1 csfrm), errhp) \
    X(sword, OCILobWriteAppend2, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* lobp, oraub8* byte_amtp, oraub8* char_amtp, void* bufp, oraub8 bufl, ub1 piece, void* ctxp, OCICallbackLobWrite2 cbfp, ub2 csid, ub1 csfrm), errhp) \
    X(sword, OCILobArrayRead, (OCISvcCtx* svchp, OCIError* errhp, ub4* array_iter, OCILobLocator** lobp_arr, oraub8* byte_amt_arr, oraub8* char_amt_arr, oraub8* offset_arr, void** bufp_arr, oraub8* bufl_arr, ub1 piece, void* ctxp, OCICallbackLobArrayRead cbfp, ub2 csid, ub1 csfrm), errhp) \
    X(sword, OCILobArrayWrite, (OCISvcCtx* svchp, OCIError* errhp, ub4* array_iter, OCILobLocator** lobp_arr, oraub8* byte_amt_arr, oraub8* char_amt_arr, oraub8* offset_arr, void** bufp_arr, oraub8* bufl_arr, ub1 piece, void* ctxp, OCICallbackLobArrayWrite cbfp, ub2 csid, ub1 csfrm), errhp) \
    X(sword, OCILobLoadFromFile, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* dst_locp, OCILobLocator* src_filep, ub4 amount, ub4 dst_offset, ub4 src_offset), errhp) \
    X(sword, OCILobLoadFromFile2, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* dst_locp, OCILobLocator* src_filep, oraub8 amount, oraub8 dst_offset, oraub8 src_offset), errhp) \
    X(sword, OCILobLocatorAssign, (OCISvcCtx* svchp, OCIError* errhp, const OCILobLocator* src_locp, OCILobLocator** dst_locpp), errhp) \
    X(sword, OCILobEnableBuffering, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* locp), errhp) \
    X(sword, OCILobDisableBuffering, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* locp), errhp) \
    X(sword, OCILobFlushBuffer, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* locp, ub4 flag), errhp) \
    X(sword, OCILobCharSetForm, (OCIEnv* envhp, OCIError* errhp, const OCILobLocator* locp, ub1* csfrm), errhp) \
    X(sword, OCILobCharSetId, (OCIEnv* envhp, OCIError* errhp, const OCILobLocator* locp, ub2* csid), errhp) \
    X(sword, OCILobIsTemporary, (OCIEnv* envhp, OCIError* errhp, OCILobLocator* locp, boolean* is_temporary), errhp) \
    X(sword, OCILobLocatorIsInit, (OCIEnv* envhp, OCIError* errhp, const OCILobLocator* locp, boolean* is_initialized), errhp) \
    X(sword, OCILobGetOptions, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* lobp, ub4 optypes, void* optionsp, ub4* optionslenp, ub4 mode), errhp) \
    X(sword, OCILobSetOptions, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* lobp, ub4 optypes, void* optionsp, ub4 optionslen, ub4 mode), errhp) \
    X(sword, OCILobGetContentType, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* lobp, oratext* contenttypep, ub4* contenttypelenp, ub4 mode), errhp) \
    X(sword, OCILobSetContentType, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* lobp, const oratext* contenttypep, ub4 contenttypelen, ub4 mode), errhp) \
    X(sword, OCILobFileExists, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* filep, boolean* flag), errhp) \
    X(sword, OCILobFileIsOpen, (OCISvcCtx* svchp, OCIError* errhp, OCILobLocator* filep, boolean* flag), errhp) \
    X(sword, OCILobFileCloseAll, (OCISvcCtx* svchp, OCIError* errhp), errhp) \
    X(sword, OCILobFileGetName, (OCIEnv* envhp, OCIError* errhp, const OCILobLocator* filep, OraText* dir_alias, ub2* d_length, OraText* filename, ub2* f_length), errhp) \
    X(sword, OCILobFileSetName, (OCIEnv* envhp, OCIError* errhp, OCILobLocator** filepp, const OraText* dir_alias, ub2 d_length, const OraText* filename, ub2 f_length), errhp) \
    /* The object cache and its types */ \
    X(sword, OCIObjectCopy, (OCIEnv* env, OCIError* err, const OCISvcCtx* svc, void* source, void* null_source, void* target, void* null_target, OCIType* tdo, OCIDuration duration, ub1 option), err) \
    X(sword, OCIObjectGetTypeRef, (OCIEnv* env, OCIError* err, void* instance, OCIRef* type_ref), err) \
    X(sword, OCIObjectGetObjectRef, (OCIEnv* env, OCIError* err, void* object, OCIRef* object_ref), err) \
    X(sword, OCIObjectGetProperty, (OCIEnv* envh, OCIError* errh, const void* obj, OCIObjectPropId propertyId, void* property, ub4* size), errh) \
    X(sword, OCIObjectMarkUpdate, (OCIEnv* env, OCIError* err, void* object), err) \
    X(sword, OCIObjectMarkDelete, (OCIEnv* env, OCIError* err, void* instance), err) \
    X(sword, OCIObjectMarkDeleteByRef, (OCIEnv* env, OCIError* err, OCIRef* object_ref), err) \
    X(sword, OCIObjectFlush, (OCIEnv* env, OCIError* err, void* object), err) \
    X(sword, OCIObjectRefresh, (OCIEnv* env, OCIError* err, void* object), err) \
    X(sword, OCIObjectExists, (OCIEnv* env, OCIError* err, void* ins, boolean* exist), err) \
    X(sword, OCIObjectIsLocked, (OCIEnv* env, OCIError* err, void* ins, boolean* lock), err) \
    X(sword, OCIObjectIsDirty, (OCIEnv* env, OCIError* err, void* ins, boolean* dirty), err) \
    X(sword, OCIObjectLock, (OCIEnv* env, OCIError* err, void* object), err) \
    X(sword, OCIObjectLockNoWait, (OCIEnv* env, OCIError* err, void* object), err) \
    X(sword, OCIObjectPinCountReset, (OCIEnv* env, OCIError* err, void* object), err) \
    X(sword, OCIObjectPinTable, (OCIEnv* env, OCIError* err, const OCISvcCtx* svc, const oratext* schema_name, ub4 s_n_length, const oratext* object_name, ub4 o_n_length, const OCIRef* scope_obj_ref, OCIDuration pin_duration, void** object), err) \
    X(sword, OCIObjectArrayPin, (OCIEnv* env, OCIError* err, OCIRef** ref_array, ub4 array_size, OCIComplexObject** cor_array, ub4 cor_array_size, OCIPinOpt pin_option, OCIDuration pin_duration, OCILockOpt lock_option, void** obj_array, ub4* pos), err) \
    X(sword, OCICacheRefresh, (OCIEnv* env, OCIError* err, const OCISvcCtx* svc, OCIRefreshOpt option, void* context, OCIRef* (*get)(void* context), OCIRef** ref), err) \
    X(sword, OCICacheUnpin, (OCIEnv* env, OCIError* err, const OCISvcCtx* svc), err) \
    X(sword, OCICacheFree, (OCIEnv* env, OCIError* err, const OCISvcCtx* svc), err) \
    X(sword, OCICacheUnmark, (OCIEnv* env, OCIError* err, const OCISvcCtx* svc), err) \
    X(sword, OCITypeByRef, (OCIEnv* env, OCIError* err, const OCIRef* type_ref, OCIDuration pin_duration, OCITypeGetOpt get_option, OCIType** tdo), err) \
    X(sword, OCITypeArrayByName, (OCIEnv* env, OCIError* err, const OCISvcCtx* svc, ub4 array_len, const oratext* schema_name[], ub4 s_length[], const oratext* type_name[], ub4 t_length[], const oratext* version_name[], ub4 v_length[], OCIDuration pin_duration, OCITypeGetOpt get_option, OCIType** tdo), err) \
    X(sword, OCITypeArrayByRef, (OCIEnv* env, OCIError* err, ub4 array_len, const OCIRef** type_ref, OCIDuration pin_duration, OCITypeGetOpt get_option, OCIType** tdo), err) \
    /* Collections, strings, raws and references */ \
    X(sword, OCICollAssign, (OCIEnv* env, OCIError* err, const OCIColl* rhs, OCIColl* lhs), err) \
    X(sword, OCICollAssignElem, (OCIEnv* env, OCIError* err, sb4 index, const void* elem, const void* elemind, OCIColl* coll), err) \
    X(sword, OCICollGetElemArray, (OCIEnv* env, OCIError* err, const OCIColl* coll, sb4 index, boolean* exists, void** elem, void** elemind, uword* nelems), err) \
    X(sword, OCICollIsLocator, (OCIEnv* env, OCIError* err, const OCIColl* coll, boolean* result), err) \
    X(sword, OCICollTrim, (OCIEnv* env, OCIError* err, sb4 trim_num, OCIColl* coll), err) \
    X(sword, OCIIterCreate, (OCIEnv* env, OCIError* err, const OCIColl* coll, OCIIter** itr), err) \
    X(sword, OCIIterDelete, (OCIEnv* env, OCIError* err, OCIIter** itr), err) \
    X(sword, OCIIterInit, (OCIEnv* env, OCIError* err, const OCIColl* coll, OCIIter* itr), err) \
    X(sword, OCIIterGetCurrent, (OCIEnv* env, OCIError* err, const OCIIter* itr, void** elem, void** elemind), err) \
    X(sword, OCIIterNext, (OCIEnv* env, OCIError* err, OCIIter* itr, void** elem, void** elemind, boolean* eoc), err) \
    X(sword, OCIIterPrev, (OCIEnv* env, OCIError* err, OCIIter* itr, void** elem, void** elemind, boolean* boc), err) \
    X(sword, OCITableSize, (OCIEnv* env, OCIError* err, const OCITable* tbl, sb4* size), err) \
    X(sword, OCITableExists, (OCIEnv* env, OCIError* err, const OCITable* tbl, sb4 index, boolean* exists), err) \
    X(sword, OCITableDelete, (OCIEnv* env, OCIError* err, sb4 index, OCITable* tbl), err) \
    X(sword, OCITableFirst, (OCIEnv* env, OCIError* err, const OCITable* tbl, sb4* index), err) \
    X(sword, OCITableLast, (OCIEnv* env, OCIError* err, const OCITable* tbl, sb4* index), err) \
    X(sword, OCITableNext, (OCIEnv* env, OCIError* err, sb4 index, const OCITable* tbl, sb4* next_index, boolean* exists), err) \
    X(sword, OCITablePrev, (OCIEnv* env, OCIError* err, sb4 index, const OCITable* tbl, sb4* prev_index, boolean* exists), err) \
    X(sword, OCIStringAssign, (OCIEnv* env, OCIError* err, const OCIString* rhs, OCIString** lhs), err) \
    X(sword, OCIStringResize, (OCIEnv* env, OCIError* err, ub4 new_size, OCIString** str), err) \
    X(sword, OCIStringAllocSize, (OCIEnv* env, OCIError* err, const OCIString* vs, ub4* allocsize), err) \
    X(sword, OCIRawAssignRaw, (OCIEnv* env, OCIError* err, const OCIRaw* rhs, OCIRaw** lhs), err) \
    X(sword, OCIRawResize, (OCIEnv* env, OCIError* err, ub4 new_size, OCIRaw** raw), err) \
    X(sword, OCIRawAllocSize, (OCIEnv* env, OCIError* err, const OCIRaw* raw, ub4* allocsize), err) \
    X(sword, OCIRefAssign, (OCIEnv* env, OCIError* err, const OCIRef* source, OCIRef** target), err) \
    X(sword, OCIRefFromHex, (OCIEnv* env, OCIError* err, const OCISvcCtx* svc, const oratext* hex, ub4 length, OCIRef** ref), err) \
    X(sword, OCIRefToHex, (OCIEnv* env, OCIError* err, const OCIRef* ref, oratext* hex, ub4* hex_length), err) \
    /* Queues, subscriptions and direct path loads */ \
    X(sword, OCIAQEnq, (OCISvcCtx* svchp, OCIError* errhp, OraText* queue_name, OCIAQEnqOptions* enqopt, OCIAQMsgProperties* msgprop, OCIType* payload_tdo, void** payload, void** payload_ind, OCIRaw** msgid, ub4 flags), errhp) \
    X(sword, OCIAQDeq, (OCISvcCtx* svchp, OCIError* errhp, OraText* queue_name, OCIAQDeqOptions* deqopt, OCIAQMsgProperties* msgprop, OCIType* payload_tdo, void** payload, void** payload_ind, OCIRaw** msgid, ub4 flags), errhp) \
    X(sword, OCIAQEnqArray, (OCISvcCtx* svchp, OCIError* errhp, OraText* queue_name, OCIAQEnqOptions* enqopt, ub4* iters, OCIAQMsgProperties** msgprop, OCIType* payload_tdo, void** payload, void** payload_ind, OCIRaw** msgid, void* ctxp, OCICallbackAQEnq enqcbfp, ub4 flags), errhp) \
    X(sword, OCIAQDeqArray, (OCISvcCtx* svchp, OCIError* errhp, OraText* queue_name, OCIAQDeqOptions* deqopt, ub4* iters, OCIAQMsgProperties** msgprop, OCIType* payload_tdo, void** payload, void** payload_ind, OCIRaw** msgid, void* ctxp, OCICallbackAQDeq deqcbfp, ub4 flags), errhp) \
    X(sword, OCIAQListen, (OCISvcCtx* svchp, OCIError* errhp, OCIAQAgent** agent_list, ub4 num_agents, sb4 wait, OCIAQAgent** agent, ub4 flags), errhp) \
    X(sword, OCIAQListen2, (OCISvcCtx* svchp, OCIError* errhp, OCIAQAgent** agent_list, ub4 num_agents, OCIAQListenOpts* lopts, OCIAQAgent** agent, OCIAQLisMsgProps* lmops, ub4 flags), errhp) \
    X(sword, OCISubscriptionRegister, (OCISvcCtx* svchp, OCISubscription** subscrhpp, ub2 count, OCIError* errhp, ub4 mode), errhp) \
    X(sword, OCISubscriptionUnRegister, (OCISvcCtx* svchp, OCISubscription* subscrhp, OCIError* errhp, ub4 mode), errhp) \
    X(sword, OCISubscriptionPost, (OCISvcCtx* svchp, OCISubscription** subscrhpp, ub2 count, OCIError* errhp, ub4 mode), errhp) \
    X(sword, OCISubscriptionEnable, (OCISubscription* subscrhp, OCIError* errhp, ub4 mode), errhp) \
    X(sword, OCISubscriptionDisable, (OCISubscription* subscrhp, OCIError* errhp, ub4 mode), errhp) \
    X(sword, OCIDirPathPrepare, (OCIDirPathCtx* dpctx, OCISvcCtx* svchp, OCIError* errhp), errhp) \
    X(sword, OCIDirPathLoadStream, (OCIDirPathCtx* dpctx, OCIDirPathStream* dpstr, OCIError* errhp), errhp) \
    X(sword, OCIDirPathFinish, (OCIDirPathCtx* dpctx, OCIError* errhp), errhp) \
    X(sword, OCIDirPathAbort, (OCIDirPathCtx* dpctx, OCIError* errhp), errhp) \
    X(sword, OCIDirPathDataSave, (OCIDirPathCtx* dpctx, OCIError* errhp, ub4 action), errhp) \
    X(sword, OCIDirPathFlushRow, (OCIDirPathCtx* dpctx, OCIError* errhp), errhp) \
    X(sword, OCIDirPathColArrayEntryGet, (OCIDirPathColArray* dpca, OCIError* errhp, ub4 rownum, ub2 colIdx, ub1** cvalpp, ub4* clenp, ub1* cflgp), errhp) \
    X(sword, OCIDirPathColArrayEntrySet, (OCIDirPathColArray* dpca, OCIError* errhp, ub4 rownum, ub2 colIdx, ub1* cvalp, ub4 clen, ub1 cflg), errhp) \
    X(sword, OCIDirPathColArrayRowGet, (OCIDirPathColArray* dpca, OCIError* errhp, ub4 rownum, ub1*** cvalppp, ub4** clenpp, ub1** cflgpp), errhp) \
    X(sword, OCIDirPathColArrayReset, (OCIDirPathColArray* dpca, OCIError* errhp), errhp) \
    X(sword, OCIDirPathColArrayToStream, (OCIDirPathColArray* dpca, OCIDirPathCtx const* dpctx, OCIDirPathStream* dpstr, OCIError* errhp, ub4 rowcnt, ub4 rowoff), errhp) \
    X(sword, OCIDirPathStreamReset, (OCIDirPathStream* dpstr, OCIError* errhp), errhp)

// X(return type, name, parameters, error handle or nullptr, what it answers): accessors that return
// a value rather than a status; one with an error handle records ORA-03001 there.
#define OCI_EMPTY_ACCESSORS(X) \
    X(sword, OCILobIsEqual, (OCIEnv* envhp, const OCILobLocator* x, const OCILobLocator* y, boolean* is_equal), nullptr, OCI_ERROR) \
    X(oratext*, OCITypeName, (OCIEnv* env, OCIError* err, const OCIType* tdo, ub4* n_length), err, nullptr) \
    X(oratext*, OCITypeSchema, (OCIEnv* env, OCIError* err, const OCIType* tdo, ub4* n_length), err, nullptr) \
    X(oratext*, OCITypeVersion, (OCIEnv* env, OCIError* err, const OCIType* tdo, ub4* v_length), err, nullptr) \
    X(OCITypeCode, OCITypeTypeCode, (OCIEnv* env, OCIError* err, const OCIType* tdo), err, 0) \
    X(OCITypeCode, OCITypeCollTypeCode, (OCIEnv* env, OCIError* err, const OCIType* tdo), err, 0) \
    X(ub4, OCITypeAttrs, (OCIEnv* env, OCIError* err, const OCIType* tdo), err, 0) \
    X(ub4, OCITypeMethods, (OCIEnv* env, OCIError* err, const OCIType* tdo), err, 0) \
    X(sb4, OCICollMax, (OCIEnv* env, const OCIColl* coll), nullptr, 0) \
    X(void, OCIRefClear, (OCIEnv* env, OCIRef* ref), nullptr, void()) \
    X(boolean, OCIRefIsEqual, (OCIEnv* env, const OCIRef* x, const OCIRef* y), nullptr, 0) \
    X(ub4, OCIRefHexSize, (OCIEnv* env, const OCIRef* ref), nullptr, 0)
// clang-format on

#define OCI_DECLARE_REFUSED_FUNCTION(ret, name, params, ...) OCI_API_EXPORT ret name params;
extern "C" {
OCI_REFUSED_FUNCTIONS(OCI_DECLARE_REFUSED_FUNCTION)
OCI_EMPTY_ACCESSORS(OCI_DECLARE_REFUSED_FUNCTION)
}
#undef OCI_DECLARE_REFUSED_FUNCTION
