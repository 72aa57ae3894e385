// Entry points of statements: prepare, bind, execute, describe, define and release. Translation
// happens at prepare when a session is known and again at execute only if its context changed.
#include "platform/oci_sqlite/OciCall.h"
#include "platform/oci_sqlite/OciGenericApi.h"
#include "platform/oci_sqlite/RoundTrips.h"
#include "platform/oci_sqlite/SqlText.h"
#include "platform/oci_sqlite/StatementFetch.h"

#include <algorithm>

using namespace ocisqlite;

namespace {

std::string Text(const OraText* text, ub4 length) {
    return text ? std::string(reinterpret_cast<const char*>(text), length) : std::string();
}

// Translation failures keep their parse offset for OCI_ATTR_PARSE_ERROR_OFFSET.
void RememberParseOffset(StmtHandle* stmt, const orasql::OracleError& error) {
    stmt->parseErrorOffset = error.offset() >= 0 ? error.offset() : 0;
}

const std::shared_ptr<const orasql::Translation>& UntranslatedText() {
    static const auto unknown = std::make_shared<const orasql::Translation>();
    return unknown;
}

// Oracle parses at execute; a text the translator rejects therefore fails there, not here.
void Prepare(StmtHandle* stmt, std::string text) {
    stmt->CloseCursor();
    stmt->binds = BindSet();
    stmt->bindHandles.clear();
    stmt->defines.clear();
    stmt->rowCount = stmt->rowsFetched = 0;
    stmt->lastRow.reset();
    stmt->parseErrorOffset = 0;
    stmt->translatedBy = nullptr;
    stmt->text = std::move(text);
    try {
        const auto session = stmt->env ? stmt->env->lastSession.lock() : nullptr;
        if (session) {
            stmt->translation = session->Translate(stmt->text, &stmt->translationGeneration);
            stmt->translatedBy = session.get();
        } else {
            stmt->translation =
                std::make_shared<const orasql::Translation>(orasql::Translate(stmt->text, orasql::Context{}));
        }
    } catch (const orasql::OracleError& e) {
        RememberParseOffset(stmt, e);
        stmt->translation = UntranslatedText();
    }
}

// Binding a name again replaces its buffer and keeps its handle.
BindHandle* AddBind(StmtHandle* stmt, const std::string& upperName, const BindSlot& slot) {
    BindHandle& handle = stmt->bindHandles.try_emplace(upperName).first->second;
    handle.slot = &stmt->binds.Set(upperName, slot);
    return &handle;
}

// A text the translator could not read fails at execute; until then every name is taken.
bool NamedInStatement(const StmtHandle* stmt, const std::string& upperName) {
    if (!stmt->translation || stmt->translation == UntranslatedText())
        return true;
    const std::vector<std::string>& names = stmt->translation->binds;
    return std::find(names.begin(), names.end(), upperName) != names.end();
}

std::string NameOfPosition(StmtHandle* stmt, ub4 position) {
    if (!stmt->translation || position == 0 || position > stmt->translation->binds.size())
        throw ora::Make(1036, "illegal variable name/number");
    return stmt->translation->binds[position - 1];
}

// Each failing row of a batch execution becomes a record of the error handle; the call itself
// reports ORA-24381. True when any row failed.
bool KeepRowErrors(StmtHandle* stmt, OCIError* errhp, const std::vector<RowError>& rowErrors) {
    stmt->dmlErrors = static_cast<ub4>(rowErrors.size());
    if (!IsLiveHandle(errhp, OCI_HTYPE_ERROR))
        return !rowErrors.empty();
    auto* error = static_cast<ErrorHandle*>(reinterpret_cast<HandleHeader*>(errhp));
    error->rowErrors.clear();
    for (const RowError& failed : rowErrors) {
        auto record = std::make_unique<ErrorHandle>();
        record->code = failed.error.code();
        record->message = failed.error.what();
        record->rowOffset = failed.row;
        record->rowRecord = true;
        error->rowErrors.push_back(std::move(record));
    }
    if (rowErrors.empty())
        return false;
    RecordError(errhp, ora::Make(24381, "error(s) in array DML"));
    return true;
}

} // namespace

extern "C" {

sword OCIStmtPrepare(OCIStmt* stmtp, OCIError* errhp, const OraText* stmt, ub4 stmt_len, ub4, ub4) {
    return OciCall(errhp, [&] {
        Prepare(Stmt(stmtp), Text(stmt, stmt_len));
        return OCI_SUCCESS;
    });
}

sword OCIStmtPrepare2(OCISvcCtx* svchp, OCIStmt** stmtp, OCIError* errhp, const OraText* stmt, ub4 stmt_len,
                      const OraText*, ub4, ub4, ub4) {
    return OciCall(errhp, [&] {
        SvcCtxHandle* svc = SvcCtx(svchp);
        if (!stmtp)
            return OCI_INVALID_HANDLE;
        auto handle = std::make_unique<StmtHandle>();
        handle->env = svc->env;
        if (SessionHandle* user = UserSessionOf(svc); user && user->session && svc->env)
            svc->env->lastSession = user->session;
        Prepare(handle.get(), Text(stmt, stmt_len));
        *stmtp = reinterpret_cast<OCIStmt*>(static_cast<HandleHeader*>(handle.release()));
        return OCI_SUCCESS;
    });
}

// Blocks return no implicit results here: there is never a next one.
sword OCIStmtGetNextResult(OCIStmt* stmthp, OCIError* errhp, void**, ub4*, ub4) {
    return OciCall(errhp, [&] {
        Stmt(stmthp);
        return OCI_NO_DATA;
    });
}

sword OCIStmtRelease(OCIStmt* stmtp, OCIError* errhp, const OraText*, ub4, ub4) {
    return OciCall(errhp, [&] {
        delete Stmt(stmtp);
        return OCI_SUCCESS;
    });
}

sword OCIBindByName(OCIStmt* stmtp, OCIBind** bindp, OCIError* errhp, const OraText* placeholder,
                    sb4 placeh_len, void* valuep, sb4 value_sz, ub2 dty, void* indp, ub2* alenp, ub2* rcodep,
                    ub4, ub4*, ub4) {
    return OciCall(errhp, [&] {
        StmtHandle* stmt = Stmt(stmtp);
        std::string name = placeh_len < 0 ? std::string(reinterpret_cast<const char*>(placeholder))
                                          : Text(placeholder, static_cast<ub4>(placeh_len));
        if (!name.empty() && name.front() == ':')
            name.erase(0, 1);
        const std::string upperName = UpperCase(name);
        if (upperName.empty() || !NamedInStatement(stmt, upperName))
            throw ora::Make(1036, "illegal variable name/number");
        BindHandle* bind =
            AddBind(stmt, upperName, {valuep, value_sz, dty, static_cast<sb2*>(indp), alenp, rcodep});
        if (bindp)
            *bindp = reinterpret_cast<OCIBind*>(static_cast<HandleHeader*>(bind));
        return OCI_SUCCESS;
    });
}

sword OCIBindByPos(OCIStmt* stmtp, OCIBind** bindp, OCIError* errhp, ub4 position, void* valuep, sb4 value_sz,
                   ub2 dty, void* indp, ub2* alenp, ub2* rcodep, ub4, ub4*, ub4) {
    return OciCall(errhp, [&] {
        StmtHandle* stmt = Stmt(stmtp);
        BindHandle* bind = AddBind(stmt, NameOfPosition(stmt, position),
                                   {valuep, value_sz, dty, static_cast<sb2*>(indp), alenp, rcodep});
        if (bindp)
            *bindp = reinterpret_cast<OCIBind*>(static_cast<HandleHeader*>(bind));
        return OCI_SUCCESS;
    });
}

sword OCIBindArrayOfStruct(OCIBind* bindp, OCIError* errhp, ub4 pvskip, ub4 indskip, ub4 alskip, ub4 rcskip) {
    return OciCall(errhp, [&] {
        BindSlot* slot = As<BindHandle>(bindp, OCI_HTYPE_BIND)->slot;
        slot->valueSkip = pvskip;
        slot->indicatorSkip = indskip;
        slot->lengthSkip = alskip;
        slot->returnCodeSkip = rcskip;
        return OCI_SUCCESS;
    });
}

sword OCIStmtExecute(OCISvcCtx* svchp, OCIStmt* stmtp, OCIError* errhp, ub4 iters, ub4, const OCISnapshot*,
                     OCISnapshot*, ub4 mode) {
    return OciCall(errhp, [&] {
        StmtHandle* stmt = Stmt(stmtp);
        std::shared_ptr<Session> loggedOn = LoggedOn(SvcCtx(svchp));
        CountRoundTrip();
        stmt->CloseCursor();
        stmt->session = std::move(loggedOn);
        Session* session = stmt->session.get();
        stmt->rowCount = stmt->rowsFetched = 0;
        stmt->parseErrorOffset = 0;
        // The translation made at prepare serves unless the session or its schema changed since.
        const uint64_t generation = session->TranslationGeneration();
        if (stmt->translatedBy != session || stmt->translationGeneration != generation) {
            try {
                stmt->translation = session->Translate(stmt->text);
            } catch (const orasql::OracleError& e) {
                RememberParseOffset(stmt, e);
                throw;
            }
            stmt->translatedBy = session;
            stmt->translationGeneration = generation;
        }
        const orasql::Translation& translation = *stmt->translation;
        const bool query = translation.type == orasql::StatementType::Select;
        ExecutionResult result =
            Execute(*session, stmt->translation, stmt->binds, iters, mode, stmt->rowCount);
        if (!query && KeepRowErrors(stmt, errhp, result.rowErrors))
            return OCI_SUCCESS_WITH_INFO;
        stmt->cursor = std::move(result.cursor);
        stmt->describedOnly = (mode & OCI_DESCRIBE_ONLY) != 0;
        stmt->lastRow = result.lastRow;
        stmt->prefetched = 0;
        stmt->allReceived = false;
        if (!query || (mode & OCI_DESCRIBE_ONLY))
            return OCI_SUCCESS;
        if (mode & OCI_STMT_SCROLLABLE_READONLY) {
            ReadAllRows(stmt);
            return iters > 0 ? FetchScrolled(stmt, errhp, iters, OCI_FETCH_NEXT, 0) : OCI_SUCCESS;
        }
        // The execute's own round trip brings the rows of a count given here and the prefetch rows.
        ReceiveRows(stmt, iters);
        if (iters > 0)
            return FetchRows(stmt, errhp, iters);
        return OCI_SUCCESS;
    });
}

sword OCIParamGet(const void* hndlp, ub4 htype, OCIError* errhp, void** parmdpp, ub4 pos) {
    return OciCall(errhp, [&] {
        if (htype == OCI_HTYPE_ERROR) { // the record of a batch execution's failing row, from 0
            auto* error = As<ErrorHandle>(hndlp, htype);
            if (!parmdpp || pos >= error->rowErrors.size())
                return OCI_INVALID_HANDLE;
            *parmdpp = static_cast<HandleHeader*>(error->rowErrors[pos].get());
            return OCI_SUCCESS;
        }
        StmtHandle* stmt = As<StmtHandle>(hndlp, htype);
        if (!parmdpp)
            return OCI_INVALID_HANDLE;
        if (!stmt->cursor)
            throw ora::FetchOutOfSequence();
        const auto& columns = stmt->cursor->Columns();
        if (pos == 0 || pos > columns.size())
            throw ora::Make(24334, "no descriptor for this position");
        // One descriptor per position serves every call until the cursor closes.
        if (stmt->params.empty()) {
            stmt->params = std::vector<ParamHandle>(columns.size());
            for (size_t i = 0; i < columns.size(); ++i)
                stmt->params[i].column = &columns[i];
        }
        *parmdpp = static_cast<HandleHeader*>(&stmt->params[pos - 1]);
        return OCI_SUCCESS;
    });
}

sword OCIDefineByPos(OCIStmt* stmtp, OCIDefine** defnp, OCIError* errhp, ub4 position, void* valuep,
                     sb4 value_sz, ub2 dty, void* indp, ub2* rlenp, ub2* rcodep, ub4) {
    return OciCall(errhp, [&] {
        StmtHandle* stmt = Stmt(stmtp);
        if (position == 0)
            throw ora::Make(1007, "variable not in select list");
        if (stmt->defines.size() < position) // room for every column at once
            stmt->defines.resize(std::max<size_t>(position, stmt->cursor ? stmt->cursor->ColumnCount() : 0));
        auto& define = stmt->defines[position - 1];
        if (!define)
            define = std::make_unique<DefineHandle>();
        define->slot = {valuep, value_sz, dty, static_cast<sb2*>(indp), rlenp, rcodep};
        if (defnp)
            *defnp = reinterpret_cast<OCIDefine*>(static_cast<HandleHeader*>(define.get()));
        return OCI_SUCCESS;
    });
}

sword OCIRowidToChar(OCIRowid* rowidDesc, OraText* outbfp, ub2* outbflp, OCIError* errhp) {
    return OciCall(errhp, [&] {
        auto* rowid = As<RowidHandle>(rowidDesc, OCI_DTYPE_ROWID);
        if (!outbflp || !outbfp)
            return OCI_INVALID_HANDLE;
        const std::string text =
            rowid->address ? EncodeRowid(*rowid->address) : std::string(); // empty: no row
        if (*outbflp < text.size()) {
            *outbflp = static_cast<ub2>(text.size());
            throw ora::ValueTruncated();
        }
        std::copy(text.begin(), text.end(), outbfp);
        if (*outbflp > text.size())
            outbfp[text.size()] = '\0';
        *outbflp = static_cast<ub2>(text.size());
        return OCI_SUCCESS;
    });
}

} // extern "C"
