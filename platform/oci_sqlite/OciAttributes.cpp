// OCIAttrGet and OCIAttrSet for the attributes the data access layer reads and sets. Sizes follow
// Oracle's: ub2 for types, sizes and statement type, ub4 for counts, sb2 precision, sb1 scale.
#include "platform/oci_sqlite/OciCall.h"
#include "platform/oci_sqlite/OciGenericApi.h"

#include <cstring>

using namespace ocisqlite;

namespace {

template <class T> sword Put(void* attributep, ub4* sizep, T value) {
    if (!attributep)
        return OCI_ERROR;
    std::memcpy(attributep, &value, sizeof value);
    if (sizep)
        *sizep = sizeof value;
    return OCI_SUCCESS;
}

sword PutText(void* attributep, ub4* sizep, const std::string& text) {
    if (!attributep)
        return OCI_ERROR;
    *static_cast<const char**>(attributep) = text.c_str();
    if (sizep)
        *sizep = static_cast<ub4>(text.size());
    return OCI_SUCCESS;
}

template <class T> T Read(const void* attributep) {
    T value{};
    if (attributep)
        std::memcpy(&value, attributep, sizeof value);
    return value;
}

// The text the statement was prepared with, translated now if no execute did so yet.
const orasql::Translation& TranslationOf(StmtHandle* stmt) {
    if (!stmt->translation)
        throw ora::FetchOutOfSequence();
    return *stmt->translation;
}

sword StatementAttribute(StmtHandle* stmt, void* attributep, ub4* sizep, ub4 attr) {
    switch (attr) {
    case OCI_ATTR_STMT_TYPE:
        return Put<ub2>(attributep, sizep, static_cast<ub2>(TranslationOf(stmt).type));
    case OCI_ATTR_SQLFNCODE:
        return Put<ub2>(attributep, sizep, static_cast<ub2>(TranslationOf(stmt).sqlFunctionCode));
    case OCI_ATTR_ROW_COUNT:
        return Put<ub4>(attributep, sizep, stmt->rowCount);
    case OCI_ATTR_ROWS_FETCHED:
        return Put<ub4>(attributep, sizep, stmt->rowsFetched);
    case OCI_ATTR_CURRENT_POSITION:
        return Put<ub4>(attributep, sizep, stmt->position);
    case OCI_ATTR_NUM_DML_ERRORS:
        return Put<ub4>(attributep, sizep, stmt->dmlErrors);
    case OCI_ATTR_PARAM_COUNT:
        return Put<ub4>(attributep, sizep, stmt->cursor ? static_cast<ub4>(stmt->cursor->ColumnCount()) : 0);
    case OCI_ATTR_PARSE_ERROR_OFFSET:
        return Put<ub2>(attributep, sizep, static_cast<ub2>(stmt->parseErrorOffset));
    case OCI_ATTR_PREFETCH_ROWS:
        return Put<ub4>(attributep, sizep, stmt->prefetchRows);
    case OCI_ATTR_PREFETCH_MEMORY:
        return Put<ub4>(attributep, sizep, stmt->prefetchMemory);
    case OCI_ATTR_ROWID: {
        // The layer reads it after every execution and fetch: a statement that processed no row
        // leaves the descriptor empty rather than failing.
        As<RowidHandle>(attributep, OCI_DTYPE_ROWID)->address = stmt->lastRow;
        return OCI_SUCCESS;
    }
    default:
        throw ora::Unimplemented();
    }
}

sword ParamAttribute(ParamHandle* param, void* attributep, ub4* sizep, ub4 attr) {
    const ColumnDescription& c = *param->column;
    switch (attr) {
    case OCI_ATTR_DATA_SIZE:
        return Put<ub2>(attributep, sizep, c.dataSize);
    case OCI_ATTR_DATA_TYPE:
        return Put<ub2>(attributep, sizep, c.type);
    case OCI_ATTR_NAME:
        return PutText(attributep, sizep, c.name);
    case OCI_ATTR_PRECISION:
        return Put<sb2>(attributep, sizep, c.precision);
    case OCI_ATTR_SCALE:
        return Put<sb1>(attributep, sizep, c.scale);
    case OCI_ATTR_IS_NULL:
        return Put<ub1>(attributep, sizep, c.nullable ? 1 : 0);
    case OCI_ATTR_CHAR_SIZE:
        return Put<ub2>(attributep, sizep, c.type == SQLT_CHR || c.type == SQLT_AFC ? c.dataSize : 0);
    case OCI_ATTR_CHARSET_ID:
        return Put<ub2>(attributep, sizep, 873); // AL32UTF8: every text is UTF-8
    case OCI_ATTR_CHARSET_FORM:
        return Put<ub1>(attributep, sizep, SQLCS_IMPLICIT);
    default:
        throw ora::Unimplemented();
    }
}

sword ServiceContextAttribute(SvcCtxHandle* svc, void* attributep, ub4* sizep, ub4 attr) {
    switch (attr) {
    case OCI_ATTR_SERVER:
        return Put<void*>(attributep, sizep, static_cast<HandleHeader*>(svc->server));
    case OCI_ATTR_SESSION:
        return Put<void*>(attributep, sizep, static_cast<HandleHeader*>(svc->session));
    case OCI_ATTR_TRANS:
        return Put<void*>(attributep, sizep, static_cast<HandleHeader*>(svc->transaction));
    case OCI_ATTR_STMTCACHESIZE:
        return Put<ub4>(attributep, sizep, svc->statementCacheSize);
    default:
        throw ora::Unimplemented();
    }
}

sword ServerAttribute(ServerHandle* server, void* attributep, ub4* sizep, ub4 attr) {
    if (attr == OCI_ATTR_SERVER_STATUS)
        return Put<ub4>(attributep, sizep, server->attached ? OCI_SERVER_NORMAL : OCI_SERVER_NOT_CONNECTED);
    throw ora::Unimplemented();
}

sword SessionAttribute(SessionHandle* user, void* attributep, ub4* sizep, ub4 attr) {
    if (attr == OCI_ATTR_USERNAME)
        return PutText(attributep, sizep, user->user);
    throw ora::Unimplemented();
}

std::string TextAttribute(const void* attributep, ub4 size) {
    return attributep ? std::string(static_cast<const char*>(attributep), size) : std::string();
}

sword SetServiceContext(SvcCtxHandle* svc, void* attributep, ub4 attr) {
    switch (attr) {
    case OCI_ATTR_SERVER:
        svc->server = attributep ? Server(attributep) : nullptr;
        return OCI_SUCCESS;
    case OCI_ATTR_SESSION:
        svc->session = attributep ? SessionOf(attributep) : nullptr;
        return OCI_SUCCESS;
    case OCI_ATTR_TRANS:
        svc->transaction = attributep ? As<TransHandle>(attributep, OCI_HTYPE_TRANS) : nullptr;
        return OCI_SUCCESS;
    case OCI_ATTR_STMTCACHESIZE:
        svc->statementCacheSize = Read<ub4>(attributep);
        return OCI_SUCCESS;
    default:
        throw ora::Unimplemented();
    }
}

sword SetSession(SessionHandle* user, void* attributep, ub4 size, ub4 attr) {
    if (attr == OCI_ATTR_USERNAME)
        user->user = TextAttribute(attributep, size);
    else if (attr == OCI_ATTR_PASSWORD)
        user->password = TextAttribute(attributep, size);
    else
        throw ora::Unimplemented();
    return OCI_SUCCESS;
}

sword SetStatement(StmtHandle* stmt, void* attributep, ub4 attr) {
    if (attr == OCI_ATTR_PREFETCH_ROWS)
        stmt->prefetchRows = Read<ub4>(attributep);
    else if (attr == OCI_ATTR_PREFETCH_MEMORY)
        stmt->prefetchMemory = Read<ub4>(attributep);
    else
        throw ora::Unimplemented();
    return OCI_SUCCESS;
}

} // namespace

extern "C" {

sword OCIAttrGet(const void* trgthndlp, ub4 trghndltyp, void* attributep, ub4* sizep, ub4 attrtype,
                 OCIError* errhp) {
    return OciCall(errhp, [&] {
        switch (trghndltyp) {
        case OCI_HTYPE_STMT:
            return StatementAttribute(Stmt(trgthndlp), attributep, sizep, attrtype);
        case OCI_DTYPE_PARAM:
            return ParamAttribute(As<ParamHandle>(trgthndlp, trghndltyp), attributep, sizep, attrtype);
        case OCI_HTYPE_SVCCTX:
            return ServiceContextAttribute(SvcCtx(trgthndlp), attributep, sizep, attrtype);
        case OCI_HTYPE_SESSION:
            return SessionAttribute(SessionOf(trgthndlp), attributep, sizep, attrtype);
        case OCI_HTYPE_SERVER:
            return ServerAttribute(Server(trgthndlp), attributep, sizep, attrtype);
        case OCI_HTYPE_ERROR:
            if (attrtype != OCI_ATTR_DML_ROW_OFFSET)
                throw ora::Unimplemented();
            return Put<ub4>(attributep, sizep, As<ErrorHandle>(trgthndlp, trghndltyp)->rowOffset);
        default:
            As<HandleHeader>(trgthndlp, trghndltyp);
            throw ora::Unimplemented();
        }
    });
}

sword OCIAttrSet(void* trgthndlp, ub4 trghndltyp, void* attributep, ub4 size, ub4 attrtype, OCIError* errhp) {
    return OciCall(errhp, [&] {
        switch (trghndltyp) {
        case OCI_HTYPE_SVCCTX:
            return SetServiceContext(SvcCtx(trgthndlp), attributep, attrtype);
        case OCI_HTYPE_SESSION:
            return SetSession(SessionOf(trgthndlp), attributep, size, attrtype);
        case OCI_HTYPE_STMT:
            return SetStatement(Stmt(trgthndlp), attributep, attrtype);
        case OCI_HTYPE_BIND: // the character set of a bind or define: every text is UTF-8 already
        case OCI_HTYPE_DEFINE:
            As<HandleHeader>(trgthndlp, trghndltyp);
            if (attrtype == OCI_ATTR_CHARSET_ID || attrtype == OCI_ATTR_CHARSET_FORM)
                return OCI_SUCCESS;
            throw ora::Unimplemented();
        default:
            As<HandleHeader>(trgthndlp, trghndltyp);
            throw ora::Unimplemented();
        }
    });
}

} // extern "C"
