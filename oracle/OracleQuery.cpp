// TOracleQuery execution: prepare (always afresh, client prefetch of PrefetchRows), bind by name (array
// variables as element arrays), execute, and for a SELECT describe, define and fetch in batches of
// ReadBuffer rows until Eof.
#include "oracle/Oracle.h"
#include "oracle/OracleCounters.h"

#include "platform/settings/DateText.h"
#include "platform/settings/FloatText.h"

#include <algorithm>
#include <cstring>

namespace {

int KindOfStatementType(ub2 type) {
    switch (type) {
    case OCI_STMT_SELECT:
        return TSQLKind::Select;
    case OCI_STMT_UPDATE:
        return TSQLKind::Update;
    case OCI_STMT_DELETE:
        return TSQLKind::Delete;
    case OCI_STMT_INSERT:
        return TSQLKind::Insert;
    case OCI_STMT_BEGIN:
    case OCI_STMT_DECLARE:
        return TSQLKind::PLSQL;
    default:
        return TSQLKind::Other;
    }
}

bool IsStringVariable(int type) {
    return type == otType::otString || type == otType::otChar;
}

std::string ShownValue(const TVariant& value) {
    switch (value.Kind()) {
    case TVarKind::Null:
        return "NULL";
    case TVarKind::Integer:
        return std::to_string(value.Integer());
    case TVarKind::Float:
        return FloatToStr(value.Float());
    case TVarKind::DateTime:
        return FormatDateTime(value.DateTime());
    case TVarKind::Text:
        return value.Text();
    case TVarKind::Bytes:
        return "<bytes>";
    }
    return {};
}

} // namespace

TOracleQuery::TOracleQuery(std::string name) : FName(std::move(name)) {}

TOracleQuery::~TOracleQuery() {
    CloseCursor();
    SetSession(nullptr);
}

void TOracleQuery::SetSession(TOracleSession* session) {
    if (FSession)
        std::erase(FSession->FQueries, this);
    FSession = session;
    if (FSession)
        FSession->FQueries.push_back(this);
}

void TOracleQuery::AddVariable(const std::string& name, int type) {
    FVariables.Add(name, type);
    FPreparedText.clear();
}

void TOracleQuery::RemoveVariable(const std::string& name) {
    FVariables.Remove(name);
}

TConversionRules TOracleQuery::Rules() const {
    if (!FSession)
        return {};
    return {FSession->Preferences.ConvertCRLF, FSession->Preferences.ZeroDateIsNull,
            FSession->NullValue == TNullValue::nvUnAssigned};
}

TVariableData& TOracleQuery::VariableNamed(const std::string& name) {
    const int index = FVariables.IndexOf(name);
    if (index < 0)
        throw Exception("Variable " + NormalizeVariableName(name) + " not declared");
    return FVariables[index];
}

void TOracleQuery::SetVariableNational(const std::string& name) {
    TVariableData& variable = VariableNamed(name);
    if (!IsStringVariable(variable.Type))
        throw Exception("Variable " + variable.Name + " is not a text and cannot be national");
    variable.National = true;
}

void TOracleQuery::AssignVariable(const std::string& name, const TVariant& value) {
    TVariableData& variable = VariableNamed(name);
    variable.Elements.clear();
    StoreVariableValue(variable, value, Rules());
}

void TOracleQuery::SetArraySize(int rows) {
    if (rows < 1)
        throw Exception("An array for Array DML needs at least one row");
    for (int i = 0; i < FVariables.Count(); ++i)
        if (FVariables[i].Type != otType::otSubst)
            FVariables[i].Elements.assign(static_cast<size_t>(rows), TVariableElement());
}

void TOracleQuery::AssignVariableElement(const std::string& name, int row, const TVariant& value) {
    TVariableData& variable = VariableNamed(name);
    if (row < 0 || row >= static_cast<int>(variable.Elements.size()))
        throw Exception("Variable " + variable.Name + " has no array row " + std::to_string(row));
    StoreVariableElement(variable, row, value, Rules());
}

void TOracleQuery::AssignVariableArray(const std::string& name, const std::vector<TVariant>& values) {
    TVariableData& variable = VariableNamed(name);
    if (values.empty())
        throw Exception("An array for Array DML needs at least one row");
    variable.Elements.assign(values.size(), TVariableElement());
    for (size_t row = 0; row < values.size(); ++row)
        StoreVariableElement(variable, static_cast<int>(row), values[row], Rules());
}

int TOracleQuery::ArraySize() const {
    int rows = 1;
    for (int i = 0; i < FVariables.Count(); ++i)
        if (FVariables[i].Type != otType::otSubst)
            rows = std::max(rows, FVariables[i].ElementCount());
    return rows;
}

TVariant TOracleQuery::VariableValue(const std::string& name) const {
    const int index = FVariables.IndexOf(name);
    if (index < 0)
        throw Exception("Unknown variable: " + NormalizeVariableName(name));
    return LoadVariableValue(FVariables[index], Rules());
}

void TOracleQuery::CheckReady() const {
    if (!FSession)
        throw Exception("Session undefined");
    if (!OracleClientLoaded())
        InitializeOracleClient();
    if (!FSession->Connected())
        throw Exception("Not logged on");
}

void TOracleQuery::Check(sword status) {
    if (status != OCI_SUCCESS && status != OCI_SUCCESS_WITH_INFO)
        RaiseOracleError(status, FError, this, FSession);
}

void TOracleQuery::RaiseParseError(sword status) {
    const auto [code, message] = ReadOracleError(status, FError);
    FPreparedText.clear();
    ub2 offset = 0;
    if (FStmt)
        Oci().OCIAttrGet(FStmt, OCI_HTYPE_STMT, &offset, nullptr, OCI_ATTR_PARSE_ERROR_OFFSET, FError);
    const std::string text = PreparedText();
    FErrorLine = 1;
    FErrorPosition = 1;
    for (size_t i = 0; i < std::min<size_t>(offset, text.size()); ++i) {
        if (text[i] == '\n') {
            ++FErrorLine;
            FErrorPosition = 1;
        } else {
            ++FErrorPosition;
        }
    }
    RaiseOracleErrorText(code, message, this, FSession);
}

void TOracleQuery::Prepare() {
    TOciEntryPoints& oci = Oci();
    OCIEnv* env = FSession->EnvHandle();
    if (!FError) {
        void* handle = nullptr;
        oci.OCIHandleAlloc(env, &handle, OCI_HTYPE_ERROR, 0, nullptr);
        FError = static_cast<OCIError*>(handle);
        void* descriptor = nullptr;
        oci.OCIDescriptorAlloc(env, &descriptor, OCI_DTYPE_ROWID, 0, nullptr);
        FRowIdDescriptor = static_cast<OCIRowid*>(descriptor);
    }
    const std::string text = PreparedText();
    FColumns.clear();
    FPreparedText = text;
    FKind = TSQLKind::Other;
    if (FStmt)
        oci.OCIHandleFree(FStmt, OCI_HTYPE_STMT);
    void* statement = nullptr;
    oci.OCIHandleAlloc(env, &statement, OCI_HTYPE_STMT, 0, nullptr);
    FStmt = static_cast<OCIStmt*>(statement);
    for (int i = 0; i < FVariables.Count(); ++i)
        FVariables[i].BindHandle = nullptr;
    const sword status = oci.OCIStmtPrepare(FStmt, FError, reinterpret_cast<const OraText*>(text.data()),
                                            static_cast<ub4>(text.size()), OCI_NTV_SYNTAX, OCI_DEFAULT);
    if (status != OCI_SUCCESS)
        RaiseParseError(status);
    // Rows come ahead by count alone: no memory limit cuts a prefetch short.
    ub4 prefetch = static_cast<ub4>(std::max(PrefetchRows, 0));
    ub4 noMemoryLimit = 0;
    oci.OCIAttrSet(FStmt, OCI_HTYPE_STMT, &prefetch, 0, OCI_ATTR_PREFETCH_ROWS, FError);
    oci.OCIAttrSet(FStmt, OCI_HTYPE_STMT, &noMemoryLimit, 0, OCI_ATTR_PREFETCH_MEMORY, FError);
    ub2 type = 0;
    Check(oci.OCIAttrGet(FStmt, OCI_HTYPE_STMT, &type, nullptr, OCI_ATTR_STMT_TYPE, FError));
    FKind = KindOfStatementType(type);
}

int TOracleQuery::Bind() {
    const int maxString = 4000 / std::max(1, static_cast<int>(FSession->BytesPerCharacter)) + 1;
    // The server refuses a bind name its statement does not have (ORA-01036), so a variable declared
    // for other texts of the same query stays unbound.
    int iterations = 0;
    for (int i = 0; i < FVariables.Count(); ++i) {
        TVariableData& variable = FVariables[i];
        if (!IsBound(variable))
            continue;
        if (iterations != 0 && variable.ElementCount() != iterations)
            throw Exception("All arrays must be of equal size for Array DML");
        iterations = variable.ElementCount();
        if (!variable.Elements.empty()) {
            BindArray(variable, maxString);
            continue;
        }
        if (variable.Buffer.empty())
            variable.Buffer.assign(1, 0);
        if (IsStringVariable(variable.Type))
            variable.ElementSize = std::min(variable.ElementSize, maxString);
        // A LONG value is bound whole: its length travels in the actual-length field up to 65,535
        // bytes and as the buffer size beyond. A national text says its length the same way.
        const bool isLong = variable.Type == otType::otLong || variable.Type == otType::otLongRaw;
        const sb4 longSize = static_cast<sb4>(variable.Buffer.size() - 1);
        const bool withLength = (isLong && longSize <= 0xFFFF) || variable.National;
        if (variable.National)
            variable.ActualLength = static_cast<ub2>(
                strnlen(reinterpret_cast<const char*>(variable.Buffer.data()), variable.Buffer.size()));
        const sb4 size =
            isLong ? longSize : std::min<sb4>(variable.ElementSize, static_cast<sb4>(variable.Buffer.size()));
        Check(Oci().OCIBindByName(
            FStmt, &variable.BindHandle, FError, reinterpret_cast<const OraText*>(variable.Name.data()),
            static_cast<sb4>(variable.Name.size()), variable.Buffer.data(), size, variable.BindType(),
            &variable.Indicator, withLength ? &variable.ActualLength : nullptr, nullptr, 0, nullptr,
            OCI_DEFAULT));
        SetBindCharset(variable);
    }
    return std::max(iterations, 1);
}

bool TOracleQuery::IsBound(const TVariableData& variable) {
    if (variable.Type == otType::otSubst)
        return false;
    const std::vector<std::pair<std::string, int>>& places = FSentScan.Of(FPreparedText, true);
    const std::string& name = variable.Name;
    return std::any_of(places.begin(), places.end(), [&](const auto& place) {
        return name.size() == place.first.size() + 1 && name.front() == ':' &&
               name.compare(1, std::string::npos, place.first) == 0;
    });
}

// The elements travel as one array of equal elements, each as long as the longest one.
void TOracleQuery::BindArray(TVariableData& variable, int maxString) {
    PackVariableElements(variable, maxString);
    BindArrayFrom(variable, 0);
}

void TOracleQuery::BindArrayFrom(TVariableData& variable, int row) {
    TPackedArray& packed = variable.Packed;
    const size_t at = static_cast<size_t>(row);
    const bool withLength = variable.Type == otType::otLong || variable.Type == otType::otLongRaw;
    Check(Oci().OCIBindByName(
        FStmt, &variable.BindHandle, FError, reinterpret_cast<const OraText*>(variable.Name.data()),
        static_cast<sb4>(variable.Name.size()),
        packed.Buffer.data() + at * static_cast<size_t>(packed.ElementSize), packed.ElementSize,
        variable.BindType(), packed.Indicators.data() + at, withLength ? packed.Lengths.data() + at : nullptr,
        nullptr, 0, nullptr, OCI_DEFAULT));
    SetBindCharset(variable);
}

// The form comes first: the client reads the id in the light of the form.
void TOracleQuery::SetBindCharset(const TVariableData& variable) {
    if (!variable.National)
        return;
    ub1 form = SQLCS_NCHAR;
    Check(Oci().OCIAttrSet(variable.BindHandle, OCI_HTYPE_BIND, &form, 0, OCI_ATTR_CHARSET_FORM, FError));
    ub2 id = FSession->ClientCharsetId();
    if (id != 0)
        Check(Oci().OCIAttrSet(variable.BindHandle, OCI_HTYPE_BIND, &id, 0, OCI_ATTR_CHARSET_ID, FError));
}

std::string TOracleQuery::VariablesText() const {
    const int rows = ArraySize();
    bool array = false;
    for (int i = 0; i < FVariables.Count(); ++i)
        array = array || !FVariables[i].Elements.empty();
    std::string text;
    for (int row = 0; row < rows; ++row)
        for (int i = 0; i < FVariables.Count(); ++i) {
            const TVariableData& variable = FVariables[i];
            const bool element = array && variable.Type != otType::otSubst;
            const TVariant value = LoadVariableElement(variable, element ? row : 0, Rules());
            text += "\r\n" + variable.Name + (element ? "[" + std::to_string(row) + "]" : "") + " = " +
                    ShownValue(value);
        }
    return text;
}

void TOracleQuery::ShowDebug() const {
    ShowOracleMessage(PreparedText() + VariablesText());
}

void TOracleQuery::Execute() {
    CheckReady();
    if (Threaded)
        throw Exception("Threaded execution is not supported");
    if (Scrollable)
        throw Exception("Scrollable queries are not supported");
    if (Debug)
        ShowDebug();
    TScreenCursorGuard cursor(Cursor);
    const bool announced = static_cast<bool>(BeforeQuery);
    if (announced)
        BeforeQuery(*this);
    try {
        Prepare();
        const int iterations = Bind();
        if (FKind == TSQLKind::Select && iterations > 1)
            throw Exception("Array DML needs an INSERT, UPDATE or DELETE statement");
        if (FKind == TSQLKind::Select)
            ExecuteSelect();
        else
            ExecuteOther(iterations);
    } catch (const Exception&) {
        // Server errors and the layer's own refusals alike leave no cursor behind.
        FPreparedText.clear();
        FEof = true;
        CloseCursor();
        if (announced && AfterQuery)
            AfterQuery(*this);
        throw;
    }
}

void TOracleQuery::Describe() {
    CheckReady();
    TScreenCursorGuard cursor(Cursor);
    Prepare();
    Bind();
    if (FKind == TSQLKind::Select) {
        CountOracleStatement(false);
        const sword status = Oci().OCIStmtExecute(FSession->SvcHandle(), FStmt, FError, 0, 0, nullptr,
                                                  nullptr, OCI_DESCRIBE_ONLY);
        if (status != OCI_SUCCESS && status != OCI_SUCCESS_WITH_INFO)
            RaiseParseError(status);
        DescribeColumns();
    }
    FEof = true;
}

void TOracleQuery::ExecuteSelect() {
    CountOracleStatement(false);
    const sword status =
        Oci().OCIStmtExecute(FSession->SvcHandle(), FStmt, FError, 0, 0, nullptr, nullptr, OCI_DEFAULT);
    if (status != OCI_SUCCESS && status != OCI_SUCCESS_WITH_INFO && status != OCI_NO_DATA)
        RaiseParseError(status);
    DescribeColumns();
    DefineColumns();
    FRowCount = 0;
    FCurrentRow = 0;
    FetchBatch();
    FEof = FRowsInBatch == 0;
    ReadRowId();
    if (FEof)
        AfterStatementDone();
}

sword TOracleQuery::ExecuteIterations(int iterations) {
    const ub4 mode = FSession->AutoCommit() ? OCI_COMMIT_ON_SUCCESS : OCI_DEFAULT;
    CountOracleStatement(mode == OCI_COMMIT_ON_SUCCESS);
    return Oci().OCIStmtExecute(FSession->SvcHandle(), FStmt, FError, static_cast<ub4>(iterations), 0,
                                nullptr, nullptr, mode);
}

void TOracleQuery::ExecuteOther(int iterations) {
    if (iterations > 1 && OnArrayError) {
        ExecuteArrayRows(iterations);
    } else {
        const sword status = ExecuteIterations(iterations);
        if (status != OCI_SUCCESS && status != OCI_SUCCESS_WITH_INFO) {
            if (iterations > 1)
                RaiseArrayError(status, iterations);
            RaiseParseError(status);
        }
        Oci().OCIAttrGet(FStmt, OCI_HTYPE_STMT, &FRowCount, nullptr, OCI_ATTR_ROW_COUNT, FError);
    }
    ub2 code = 0;
    if (Oci().OCIAttrGet(FStmt, OCI_HTYPE_STMT, &code, nullptr, OCI_ATTR_SQLFNCODE, FError) == OCI_SUCCESS)
        FKind = code;
    FEof = true;
    ReadRowId();
    AfterStatementDone();
}

// The event decides per failing row, so the rows go one by one and each failure is known by its row;
// without the event the array travels in one call.
void TOracleQuery::ExecuteArrayRows(int iterations) {
    ub4 processed = 0;
    for (int row = 0; row < iterations; ++row) {
        for (int i = 0; i < FVariables.Count(); ++i) {
            if (IsBound(FVariables[i]))
                BindArrayFrom(FVariables[i], row);
        }
        const sword status = ExecuteIterations(1);
        if (status == OCI_SUCCESS || status == OCI_SUCCESS_WITH_INFO) {
            ub4 rows = 0;
            Oci().OCIAttrGet(FStmt, OCI_HTYPE_STMT, &rows, nullptr, OCI_ATTR_ROW_COUNT, FError);
            processed += rows;
            continue;
        }
        const auto [code, message] = ReadOracleError(status, FError);
        bool continueAfter = false;
        OnArrayError(*this, row, code, message, continueAfter);
        if (!continueAfter) {
            FPreparedText.clear();
            FRowCount = processed;
            RaiseOracleArrayError(code, message, row, iterations, processed, this, FSession);
        }
    }
    FRowCount = processed;
}

// Without batch errors the client stops at the failing row and its row count tells how many rows
// went in before it. An INSERT adds one row per element, so that count is the failing element; for
// other statements an element may touch any number of rows, and only the count is told.
void TOracleQuery::RaiseArrayError(sword status, int iterations) {
    const auto [code, message] = ReadOracleError(status, FError);
    FPreparedText.clear();
    ub4 processed = 0;
    Oci().OCIAttrGet(FStmt, OCI_HTYPE_STMT, &processed, nullptr, OCI_ATTR_ROW_COUNT, FError);
    FRowCount = processed;
    const bool insert = FKind == TSQLKind::Insert && processed < static_cast<ub4>(iterations);
    RaiseOracleArrayError(code, message, insert ? static_cast<int>(processed) : -1, iterations, processed,
                          this, FSession);
}

void TOracleQuery::FetchBatch() {
    TOciEntryPoints& oci = Oci();
    const ub4 rows = static_cast<ub4>(ReadBuffer);
    const sword status = oci.OCIStmtFetch2
                             ? oci.OCIStmtFetch2(FStmt, FError, rows, OCI_FETCH_NEXT, 0, OCI_DEFAULT)
                             : oci.OCIStmtFetch(FStmt, FError, rows, OCI_FETCH_NEXT, OCI_DEFAULT);
    std::string truncation; // a client without return codes reports the cut as ORA-01406
    if (status == OCI_ERROR) {
        const auto [code, text] = ReadOracleError(status, FError);
        if (code == 1406)
            truncation = text;
        else if (code != 1403)
            RaiseOracleErrorText(code, text, this, FSession);
    } else if (status != OCI_SUCCESS && status != OCI_SUCCESS_WITH_INFO && status != OCI_NO_DATA) {
        RaiseOracleError(status, FError, this, FSession);
    }
    ub4 count = FRowCount;
    Check(oci.OCIAttrGet(FStmt, OCI_HTYPE_STMT, &count, nullptr, OCI_ATTR_ROW_COUNT, FError));
    FRowsInBatch = static_cast<int>(count - FRowCount);
    FRowCount = count;
    CheckTruncation(truncation);
}

void TOracleQuery::Next() {
    if (FEof)
        return;
    CheckReady();
    TScreenCursorGuard cursor(Cursor);
    if (++FCurrentRow < FRowsInBatch)
        return;
    if (FRowsInBatch < ReadBuffer) {
        FEof = true;
    } else {
        FetchBatch();
        FCurrentRow = 0;
        FEof = FRowsInBatch == 0;
        ReadRowId();
    }
    if (FEof)
        AfterStatementDone();
}

void TOracleQuery::ReadRowId() {
    TOciEntryPoints& oci = Oci();
    FLastRowId.clear();
    if (!FRowIdDescriptor || !oci.OCIRowidToChar)
        return;
    if (oci.OCIAttrGet(FStmt, OCI_HTYPE_STMT, FRowIdDescriptor, nullptr, OCI_ATTR_ROWID, FError) !=
        OCI_SUCCESS)
        return;
    char text[64] = {};
    ub2 length = sizeof text - 1;
    if (oci.OCIRowidToChar(FRowIdDescriptor, reinterpret_cast<OraText*>(text), &length, FError) !=
        OCI_SUCCESS)
        return;
    ub4 object, file, block, row;
    const std::string extended(text, length);
    FLastRowId = ParseExtendedRowId(extended, object, file, block, row) ? RowIdText(object, file, block, row)
                                                                        : extended;
}

void TOracleQuery::AfterStatementDone() {
    CloseCursor();
    if (AfterQuery)
        AfterQuery(*this);
}

void TOracleQuery::CloseCursor() {
    TOciEntryPoints& oci = Oci();
    if (!OracleClientLoaded()) {
        FStmt = nullptr;
        FError = nullptr;
        FRowIdDescriptor = nullptr;
        return;
    }
    if (FStmt)
        oci.OCIHandleFree(FStmt, OCI_HTYPE_STMT);
    if (FRowIdDescriptor)
        oci.OCIDescriptorFree(FRowIdDescriptor, OCI_DTYPE_ROWID);
    if (FError)
        oci.OCIHandleFree(FError, OCI_HTYPE_ERROR);
    FStmt = nullptr;
    FError = nullptr;
    FRowIdDescriptor = nullptr;
}

void TOracleQuery::CloseStatement() {
    FColumns.clear();
    FEof = true;
    CloseCursor();
}

void TOracleQuery::ClearStatement() {
    CloseStatement();
    SQL.clear();
    FVariables.Clear();
}

int TOracleQuery::ProcessedRows() const {
    return FSession && FSession->Connected() ? static_cast<int>(FRowCount) : 0;
}
