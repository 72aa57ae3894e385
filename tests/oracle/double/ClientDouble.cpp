// A client library that passes every call to the embedded engine (a library it needs, so every name
// it does not define here is the engine's) but answers as Oracle's client and server do where the
// engine is kinder:
// - the server banner of an older or newer release (OCI_DOUBLE_SERVER = 7, 11g, 12c, 19c, 21c, 23ai);
// - a Windows-1250 database: statement texts and bound texts are converted to it and fetched texts
//   back to the client's UTF-8, so a column's DATA_SIZE counts database bytes while the client may
//   need more; a value longer than its define buffer is cut with return code 1406, and without a
//   return-code array the fetch fails with ORA-01406;
// - national columns (NCHAR, NVARCHAR2) held in Unicode and lengths in characters (ColumnTypes.h); a
//   bind reaches a national column whole only in the national form (SQLCS_NCHAR), otherwise it goes
//   through the database's character set first;
// - ORA-01795 for an IN list of more than 1,000 expressions;
// - a prefetch of one row unless the statement says otherwise.
#include "ColumnTypes.h"
#include "Cp1250.h"

#include "platform/oci_sqlite/OciApi.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace clientdouble;

namespace {

constexpr ub2 kAl16Utf16 = 2000; // the national character set's id
constexpr ub4 kCharUsed = 285;   // OCI_ATTR_CHAR_USED: the length counts characters

template <typename F> F Engine(const char* name) {
    static void* engine = dlopen("liboci_sqlite.so", RTLD_NOW | RTLD_NOLOAD);
    return reinterpret_cast<F>(dlsym(engine, name));
}
#define ENGINE(name) (Engine<name##_t>(#name))

bool IsText(ub2 type) {
    return type == SQLT_STR || type == SQLT_CHR || type == SQLT_AFC || type == SQLT_AVC || type == SQLT_LNG ||
           type == SQLT_VCS;
}

bool Terminated(ub2 type) {
    return type == SQLT_STR || type == SQLT_AVC;
}

// A client buffer of `count` elements and the double's own copy that the engine sees instead.
struct TShadow {
    unsigned char* Client = nullptr;
    sb4 Size = 0;
    ub2 Type = 0;
    sb2* Indicators = nullptr;
    ub2* Lengths = nullptr;
    ub2* ReturnCodes = nullptr;
    ub4 Capacity = 0;
    sb4 EngineSize = 0; // the size the engine is told; a text without lengths is told its converted length
    std::vector<unsigned char> Bytes, Sent;
    std::vector<ub2> EngineLengths, EngineCodes;

    //! The client's buffers of one bind or define.
    void Take(void* value, sb4 size, ub2 type, void* indicators, ub2* lengths, ub2* codes) {
        Client = static_cast<unsigned char*>(value);
        Size = size;
        Type = type;
        Indicators = static_cast<sb2*>(indicators);
        Lengths = lengths;
        ReturnCodes = codes;
    }
    void Reserve(ub4 count) {
        Capacity = std::max<ub4>(count, 1);
        Bytes.assign(static_cast<size_t>(Size) * Capacity, 0);
        EngineLengths.assign(Capacity, 0);
        EngineCodes.assign(Capacity, 0);
    }
    unsigned char* ClientElement(ub4 row) const { return Client + static_cast<size_t>(Size) * row; }
    unsigned char* Element(ub4 row) { return Bytes.data() + static_cast<size_t>(Size) * row; }
    bool IsNull(ub4 row) const { return Indicators && Indicators[row] == OCI_IND_NULL; }
};

struct TBind : TShadow {
    std::string Name; // empty for a bind by position
    ub4 Position = 0;
    OCIBind** Handle = nullptr;
    bool National = false; // SQLCS_NCHAR: the text travels as the client gave it
};

struct TDefine : TShadow {
    ub4 Position = 0;
    OCIDefine** Handle = nullptr;
    std::optional<TColumnKind> Column; // of a national or character-length column
};

struct TStatement {
    std::string Text; // in the database's character set
    std::vector<std::unique_ptr<TBind>> Binds;
    std::map<ub4, std::unique_ptr<TDefine>> Defines;
    ub4 Prefetch = 1;
};

std::map<OCIStmt*, TStatement>& Statements() {
    static std::map<OCIStmt*, TStatement> statements;
    return statements;
}

// Errors the double raises itself, by error handle, until the next call on that handle.
std::map<void*, std::pair<sb4, std::string>>& Raised() {
    static std::map<void*, std::pair<sb4, std::string>> raised;
    return raised;
}

sword Raise(OCIError* error, sb4 code, const std::string& text) {
    Raised()[error] = {code, text};
    return OCI_ERROR;
}

const char* Banner() {
    const char* wanted = std::getenv("OCI_DOUBLE_SERVER");
    const std::string release = wanted ? wanted : "19c";
    if (release == "7")
        return "Oracle7 Server Release 7.3.4.0.0 - Production";
    if (release == "11g")
        return "Oracle Database 11g Enterprise Edition Release 11.2.0.4.0 - 64bit Production";
    if (release == "12c")
        return "Oracle Database 12c Enterprise Edition Release 12.2.0.1.0 - 64bit Production";
    if (release == "21c")
        return "Oracle Database 21c Enterprise Edition Release 21.0.0.0.0 - Production";
    if (release == "23ai")
        return "Oracle Database 23ai Free Release 23.0.0.0.0 - Develop, Learn, and Run for Free";
    return "Oracle Database 19c Enterprise Edition Release 19.0.0.0.0 - Production";
}

// The most expressions of one IN list in a text (quoted strings skipped).
size_t LongestInList(const std::string& text) {
    size_t longest = 0;
    for (size_t at = 0; at + 2 < text.size(); ++at) {
        const bool word = (at == 0 || !std::isalnum(static_cast<unsigned char>(text[at - 1]))) &&
                          std::tolower(static_cast<unsigned char>(text[at])) == 'i' &&
                          std::tolower(static_cast<unsigned char>(text[at + 1])) == 'n';
        if (!word)
            continue;
        size_t open = at + 2;
        while (open < text.size() && std::isspace(static_cast<unsigned char>(text[open])))
            ++open;
        if (open >= text.size() || text[open] != '(')
            continue;
        size_t expressions = 1;
        int depth = 0;
        bool quoted = false;
        for (size_t i = open; i < text.size(); ++i) {
            const char c = text[i];
            if (c == '\'')
                quoted = !quoted;
            else if (quoted)
                continue;
            else if (c == '(')
                ++depth;
            else if (c == ')' && --depth == 0)
                break;
            else if (c == ',' && depth == 1)
                ++expressions;
        }
        longest = std::max(longest, expressions);
    }
    return longest;
}

size_t ClientLength(const TShadow& shadow, ub4 row) {
    const auto* bytes = reinterpret_cast<const char*>(shadow.ClientElement(row));
    if (Terminated(shadow.Type))
        return strnlen(bytes, static_cast<size_t>(shadow.Size));
    return shadow.Lengths ? shadow.Lengths[row] : static_cast<size_t>(shadow.Size);
}

// A national text is kept as it is; any other passes through the database's character set.
std::string ToDatabase(const TBind& bind, const std::string& text) {
    return bind.National ? text : Utf8ToCp1250(text);
}

std::string FromDatabase(bool national, const std::string& bytes) {
    // A national column keeps what a national bind sent; a text bound otherwise arrived in the
    // database's character set.
    return national && IsUtf8(bytes) ? bytes : Cp1250ToUtf8(bytes);
}

// An NCHAR value is padded to its length in characters; it is held padded to its length in bytes.
std::string PaddedToCharacters(std::string text, const TColumnKind& column) {
    size_t characters = 0;
    for (unsigned char c : text)
        characters += (c & 0xC0) != 0x80;
    for (; characters > static_cast<size_t>(column.Length) && !text.empty() && text.back() == ' ';
         --characters)
        text.pop_back();
    return text;
}

std::string ColumnName(OCIStmt* stmt, OCIError* error, ub4 position) {
    void* param = nullptr;
    if (ENGINE(OCIParamGet)(stmt, OCI_HTYPE_STMT, error, &param, position) != OCI_SUCCESS)
        return {};
    OraText* name = nullptr;
    ub4 length = 0;
    ENGINE(OCIAttrGet)(param, OCI_DTYPE_PARAM, &name, &length, OCI_ATTR_NAME, error);
    std::string text = name ? std::string(reinterpret_cast<const char*>(name), length) : std::string();
    ENGINE(OCIDescriptorFree)(param, OCI_DTYPE_PARAM);
    return text;
}

void SendBind(TBind& bind, ub4 rows) {
    for (ub4 row = 0; row < rows; ++row) {
        if (bind.IsNull(row))
            continue;
        const std::string text(reinterpret_cast<const char*>(bind.ClientElement(row)),
                               ClientLength(bind, row));
        const std::string converted = ToDatabase(bind, text); // never longer than the UTF-8 text
        std::memcpy(bind.Element(row), converted.data(), converted.size());
        if (Terminated(bind.Type))
            bind.Element(row)[converted.size()] = '\0';
        bind.EngineLengths[row] = static_cast<ub2>(converted.size());
    }
    bind.Sent = bind.Bytes;
}

// Output values (RETURNING, PL/SQL OUT) come back converted; untouched inputs stay as the client put them.
void ReturnBind(TBind& bind, ub4 rows) {
    if (bind.Bytes == bind.Sent)
        return;
    for (ub4 row = 0; row < rows; ++row) {
        if (bind.IsNull(row))
            continue;
        const size_t length =
            Terminated(bind.Type)
                ? strnlen(reinterpret_cast<const char*>(bind.Element(row)), static_cast<size_t>(bind.Size))
                : bind.EngineLengths[row];
        const std::string text = WholeCharacters(
            FromDatabase(bind.National,
                         std::string(reinterpret_cast<const char*>(bind.Element(row)), length)),
            static_cast<size_t>(bind.Size) - (Terminated(bind.Type) ? 1 : 0));
        std::memcpy(bind.ClientElement(row), text.data(), text.size());
        if (Terminated(bind.Type))
            bind.ClientElement(row)[text.size()] = '\0';
        if (bind.Lengths)
            bind.Lengths[row] = static_cast<ub2>(text.size());
    }
}

sword BindToEngine(OCIStmt* stmt, OCIError* error, TBind& bind, ub4 capacity) {
    bind.Reserve(capacity);
    ub2* lengths = bind.Lengths ? bind.EngineLengths.data() : nullptr;
    if (bind.Name.empty())
        return ENGINE(OCIBindByPos)(stmt, bind.Handle, error, bind.Position, bind.Bytes.data(),
                                    bind.EngineSize, bind.Type, bind.Indicators, lengths, bind.ReturnCodes, 0,
                                    nullptr, OCI_DEFAULT);
    return ENGINE(OCIBindByName)(stmt, bind.Handle, error, reinterpret_cast<const OraText*>(bind.Name.data()),
                                 static_cast<sb4>(bind.Name.size()), bind.Bytes.data(), bind.EngineSize,
                                 bind.Type, bind.Indicators, lengths, bind.ReturnCodes, 0, nullptr,
                                 OCI_DEFAULT);
}

// Without a length array the engine takes the buffer size as the length of a non-terminated text, so
// it is told the converted length instead.
sword FitWholeText(OCIStmt* stmt, OCIError* error, TBind& bind) {
    if (bind.Lengths || Terminated(bind.Type) || bind.IsNull(0))
        return OCI_SUCCESS;
    const std::string text(reinterpret_cast<const char*>(bind.ClientElement(0)), ClientLength(bind, 0));
    const sb4 size = static_cast<sb4>(ToDatabase(bind, text).size());
    if (size == bind.EngineSize)
        return OCI_SUCCESS;
    bind.EngineSize = size;
    return BindToEngine(stmt, error, bind, 1);
}

sword DefineToEngine(OCIStmt* stmt, OCIError* error, TDefine& define, ub4 capacity) {
    define.Reserve(capacity);
    return ENGINE(OCIDefineByPos)(stmt, define.Handle, error, define.Position, define.Bytes.data(),
                                  define.Size, define.Type, define.Indicators, define.EngineLengths.data(),
                                  define.EngineCodes.data(), OCI_DEFAULT);
}

ub4 RowsFetched(OCIStmt* stmt, OCIError* error) {
    ub4 rows = 0;
    ENGINE(OCIAttrGet)(stmt, OCI_HTYPE_STMT, &rows, nullptr, OCI_ATTR_ROWS_FETCHED, error);
    return rows;
}

// Converts the fetched rows into the client's buffers; the status as Oracle's client gives it.
sword DeliverRows(OCIStmt* stmt, OCIError* error, sword status) {
    if (status != OCI_SUCCESS && status != OCI_SUCCESS_WITH_INFO && status != OCI_NO_DATA)
        return status;
    if (status == OCI_SUCCESS_WITH_INFO)
        status = OCI_SUCCESS; // the engine's own truncation is judged again below
    const ub4 rows = RowsFetched(stmt, error);
    bool truncated = false, unreported = false;
    for (auto& [position, define] : Statements()[stmt].Defines) {
        for (ub4 row = 0; row < rows; ++row) {
            ub2 code = 0;
            size_t length = 0;
            if (!define->IsNull(row)) {
                const auto& column = define->Column;
                std::string full =
                    FromDatabase(column && column->National,
                                 std::string(reinterpret_cast<const char*>(define->Element(row)),
                                             define->EngineLengths[row]));
                if (column && column->Fixed)
                    full = PaddedToCharacters(full, *column);
                const size_t room = static_cast<size_t>(define->Size) - (Terminated(define->Type) ? 1 : 0);
                const std::string text = WholeCharacters(full, room);
                if (text.size() < full.size() || define->EngineCodes[row] == 1406) {
                    code = 1406;
                    if (define->Indicators)
                        define->Indicators[row] = static_cast<sb2>(std::min<size_t>(full.size(), 32767));
                }
                std::memcpy(define->ClientElement(row), text.data(), text.size());
                if (Terminated(define->Type))
                    define->ClientElement(row)[text.size()] = '\0';
                length = text.size();
            }
            if (define->Lengths)
                define->Lengths[row] = static_cast<ub2>(length);
            if (define->ReturnCodes)
                define->ReturnCodes[row] = code;
            truncated |= code != 0;
            unreported |= code != 0 && !define->ReturnCodes;
        }
    }
    if (unreported)
        return Raise(error, 1406, "ORA-01406: fetched column value was truncated");
    if (truncated && status == OCI_SUCCESS) {
        Raised()[error] = {24345, "ORA-24345: A Truncation or null fetch error occurred"};
        return OCI_SUCCESS_WITH_INFO;
    }
    return status;
}

sword Fetch(OCIStmt* stmt, OCIError* error, ub4 rows, const std::function<sword()>& fetch) {
    Raised().erase(error);
    for (auto& [position, define] : Statements()[stmt].Defines) {
        if (define->Capacity < rows) {
            const sword status = DefineToEngine(stmt, error, *define, rows);
            if (status != OCI_SUCCESS)
                return status;
        }
    }
    return DeliverRows(stmt, error, fetch());
}

TBind* BindOf(OCIBind* handle) {
    for (auto& [stmt, statement] : Statements()) {
        for (const auto& bind : statement.Binds) {
            if (bind->Handle && *bind->Handle == handle)
                return bind.get();
        }
    }
    return nullptr;
}

// A column's description as a Windows-1250 database gives it: national columns in AL16UTF16 (two
// bytes a character), lengths in characters where declared so.
sword ParamAttribute(OCIParam* param, void* attributep, ub4* sizep, ub4 attrtype, OCIError* errhp) {
    const std::optional<TColumnKind> column = [&]() -> std::optional<TColumnKind> {
        OraText* name = nullptr;
        ub4 length = 0;
        if (ENGINE(OCIAttrGet)(param, OCI_DTYPE_PARAM, &name, &length, OCI_ATTR_NAME, errhp) != OCI_SUCCESS ||
            !name)
            return std::nullopt;
        return ColumnKindOf(std::string(reinterpret_cast<const char*>(name), length));
    }();
    const bool national = column && column->National;
    switch (attrtype) {
    case OCI_ATTR_CHARSET_ID:
        *static_cast<ub2*>(attributep) = national ? kAl16Utf16 : OCI_CHARSET_EE8MSWIN1250;
        return OCI_SUCCESS;
    case OCI_ATTR_CHARSET_FORM:
        *static_cast<ub1*>(attributep) = national ? SQLCS_NCHAR : SQLCS_IMPLICIT;
        return OCI_SUCCESS;
    case kCharUsed:
        *static_cast<ub1*>(attributep) = column && column->CharUsed ? 1 : 0;
        return OCI_SUCCESS;
    case OCI_ATTR_CHAR_SIZE:
    case OCI_ATTR_DATA_SIZE:
        if (column) {
            const bool data = attrtype == OCI_ATTR_DATA_SIZE;
            *static_cast<ub2*>(attributep) =
                static_cast<ub2>(data && national ? 2 * column->Length : column->Length);
            return OCI_SUCCESS;
        }
        break;
    default:
        break;
    }
    return ENGINE(OCIAttrGet)(param, OCI_DTYPE_PARAM, attributep, sizep, attrtype, errhp);
}

} // namespace

extern "C" {

sword OCIServerVersion(void* hndlp, OCIError* errhp, OraText* bufp, ub4 bufsz, ub1 hndltype) {
    const sword status = ENGINE(OCIServerVersion)(hndlp, errhp, bufp, bufsz, hndltype);
    if (status == OCI_SUCCESS && bufsz > 0) {
        std::strncpy(reinterpret_cast<char*>(bufp), Banner(), bufsz - 1);
        bufp[bufsz - 1] = '\0';
    }
    return status;
}

sword OCIStmtPrepare(OCIStmt* stmtp, OCIError* errhp, const OraText* stmt, ub4 stmt_len, ub4 language,
                     ub4 mode) {
    Raised().erase(errhp);
    TStatement& statement = Statements()[stmtp] = TStatement{};
    statement.Text =
        Utf8ToCp1250(RewriteColumnTypes(std::string(reinterpret_cast<const char*>(stmt), stmt_len)));
    return ENGINE(OCIStmtPrepare)(stmtp, errhp, reinterpret_cast<const OraText*>(statement.Text.data()),
                                  static_cast<ub4>(statement.Text.size()), language, mode);
}

sword OCIHandleFree(void* hndlp, ub4 type) {
    if (type == OCI_HTYPE_STMT)
        Statements().erase(static_cast<OCIStmt*>(hndlp));
    if (type == OCI_HTYPE_ERROR)
        Raised().erase(hndlp);
    return ENGINE(OCIHandleFree)(hndlp, type);
}

sword OCIBindByName(OCIStmt* stmtp, OCIBind** bindp, OCIError* errhp, const OraText* placeholder,
                    sb4 placeh_len, void* valuep, sb4 value_sz, ub2 dty, void* indp, ub2* alenp, ub2* rcodep,
                    ub4 maxarr_len, ub4* curelep, ub4 mode) {
    Raised().erase(errhp);
    if (!IsText(dty) || mode != OCI_DEFAULT)
        return ENGINE(OCIBindByName)(stmtp, bindp, errhp, placeholder, placeh_len, valuep, value_sz, dty,
                                     indp, alenp, rcodep, maxarr_len, curelep, mode);
    auto bind = std::make_unique<TBind>();
    bind->Name = placeh_len < 0 ? std::string(reinterpret_cast<const char*>(placeholder))
                                : std::string(reinterpret_cast<const char*>(placeholder), placeh_len);
    bind->Take(valuep, value_sz, dty, indp, alenp, rcodep);
    bind->EngineSize = value_sz;
    bind->Handle = bindp;
    const sword status = BindToEngine(stmtp, errhp, *bind, 1);
    if (status == OCI_SUCCESS) {
        auto& binds = Statements()[stmtp].Binds;
        std::erase_if(binds, [&](const auto& bound) { return bound->Name == bind->Name; }); // bound again
        binds.push_back(std::move(bind));
    }
    return status;
}

sword OCIDefineByPos(OCIStmt* stmtp, OCIDefine** defnp, OCIError* errhp, ub4 position, void* valuep,
                     sb4 value_sz, ub2 dty, void* indp, ub2* rlenp, ub2* rcodep, ub4 mode) {
    Raised().erase(errhp);
    if (!IsText(dty) || mode != OCI_DEFAULT)
        return ENGINE(OCIDefineByPos)(stmtp, defnp, errhp, position, valuep, value_sz, dty, indp, rlenp,
                                      rcodep, mode);
    auto define = std::make_unique<TDefine>();
    define->Take(valuep, value_sz, dty, indp, rlenp, rcodep);
    define->Position = position;
    define->Handle = defnp;
    define->Column = ColumnKindOf(ColumnName(stmtp, errhp, position));
    const sword status = DefineToEngine(stmtp, errhp, *define, 1);
    if (status == OCI_SUCCESS)
        Statements()[stmtp].Defines[position] = std::move(define);
    return status;
}

sword OCIStmtExecute(OCISvcCtx* svchp, OCIStmt* stmtp, OCIError* errhp, ub4 iters, ub4 rowoff,
                     const OCISnapshot* snap_in, OCISnapshot* snap_out, ub4 mode) {
    Raised().erase(errhp);
    TStatement& statement = Statements()[stmtp];
    if (LongestInList(statement.Text) > 1000)
        return Raise(errhp, 1795, "ORA-01795: maximum number of expressions in a list is 1000");
    const ub4 rows = std::max<ub4>(iters, 1);
    for (const auto& bind : statement.Binds) {
        const sword status = bind->Capacity < rows ? BindToEngine(stmtp, errhp, *bind, rows)
                             : rows == 1           ? FitWholeText(stmtp, errhp, *bind)
                                                   : OCI_SUCCESS;
        if (status != OCI_SUCCESS)
            return status;
        SendBind(*bind, rows);
    }
    sword status = ENGINE(OCIStmtExecute)(svchp, stmtp, errhp, iters, rowoff, snap_in, snap_out, mode);
    for (const auto& bind : statement.Binds)
        ReturnBind(*bind, rows);
    if (!statement.Defines.empty() && iters > 0)
        status = DeliverRows(stmtp, errhp, status);
    return status;
}

sword OCIStmtFetch(OCIStmt* stmtp, OCIError* errhp, ub4 nrows, ub2 orientation, ub4 mode) {
    return Fetch(stmtp, errhp, nrows,
                 [&] { return ENGINE(OCIStmtFetch)(stmtp, errhp, nrows, orientation, mode); });
}

sword OCIStmtFetch2(OCIStmt* stmtp, OCIError* errhp, ub4 nrows, ub2 orientation, sb4 fetchOffset, ub4 mode) {
    return Fetch(stmtp, errhp, nrows,
                 [&] { return ENGINE(OCIStmtFetch2)(stmtp, errhp, nrows, orientation, fetchOffset, mode); });
}

sword OCIAttrGet(const void* trgthndlp, ub4 trghndltyp, void* attributep, ub4* sizep, ub4 attrtype,
                 OCIError* errhp) {
    if (trghndltyp == OCI_HTYPE_STMT && attrtype == OCI_ATTR_PREFETCH_ROWS) {
        *static_cast<ub4*>(attributep) =
            Statements()[static_cast<OCIStmt*>(const_cast<void*>(trgthndlp))].Prefetch;
        return OCI_SUCCESS;
    }
    if (trghndltyp == OCI_DTYPE_PARAM)
        return ParamAttribute(static_cast<OCIParam*>(const_cast<void*>(trgthndlp)), attributep, sizep,
                              attrtype, errhp);
    return ENGINE(OCIAttrGet)(trgthndlp, trghndltyp, attributep, sizep, attrtype, errhp);
}

sword OCIAttrSet(void* trgthndlp, ub4 trghndltyp, void* attributep, ub4 size, ub4 attrtype, OCIError* errhp) {
    if (trghndltyp == OCI_HTYPE_BIND && attrtype == OCI_ATTR_CHARSET_FORM) {
        if (TBind* bind = BindOf(static_cast<OCIBind*>(trgthndlp)))
            bind->National = *static_cast<ub1*>(attributep) == SQLCS_NCHAR;
    }
    if (trghndltyp == OCI_HTYPE_STMT && attrtype == OCI_ATTR_PREFETCH_ROWS)
        Statements()[static_cast<OCIStmt*>(trgthndlp)].Prefetch = *static_cast<ub4*>(attributep);
    return ENGINE(OCIAttrSet)(trgthndlp, trghndltyp, attributep, size, attrtype, errhp);
}

sword OCIErrorGet(void* hndlp, ub4 recordno, OraText* sqlstate, sb4* errcodep, OraText* bufp, ub4 bufsiz,
                  ub4 type) {
    const auto raised = Raised().find(hndlp);
    if (raised != Raised().end() && recordno == 1) {
        if (errcodep)
            *errcodep = raised->second.first;
        if (bufp && bufsiz > 0) {
            std::strncpy(reinterpret_cast<char*>(bufp), raised->second.second.c_str(), bufsiz - 1);
            bufp[bufsiz - 1] = '\0';
        }
        return OCI_SUCCESS;
    }
    const sword status = ENGINE(OCIErrorGet)(hndlp, recordno, sqlstate, errcodep, bufp, bufsiz, type);
    if (status == OCI_SUCCESS && bufp && bufsiz > 0) {
        const std::string text =
            WholeCharacters(Cp1250ToUtf8(reinterpret_cast<const char*>(bufp)), bufsiz - 1);
        std::memcpy(bufp, text.c_str(), text.size() + 1);
    }
    return status;
}

} // extern "C"
