// The select list of a TOracleQuery: describing the columns, choosing how each travels (the column
// mapping and the number rule), defining the batch buffers and reading the current row's values.
#include "oracle/Oracle.h"
#include "oracle/OracleExternalValue.h"

#include "platform/dataset/DatabaseError.h"
#include "platform/dataset/VariantNumber.h"
#include "platform/dataset/VariantText.h"
#include "platform/settings/DateText.h"
#include "platform/settings/FloatText.h"
#include "platform/settings/TextUtils.h"

#include <cmath>
#include <cstdint>

namespace {

template <typename T> T ParamAttribute(OCIParam* param, ub4 attribute, OCIError* error) {
    T value{};
    Oci().OCIAttrGet(param, OCI_DTYPE_PARAM, &value, nullptr, attribute, error);
    return value;
}

std::string ParamName(OCIParam* param, OCIError* error) {
    OraText* name = nullptr;
    ub4 length = 0;
    Oci().OCIAttrGet(param, OCI_DTYPE_PARAM, &name, &length, OCI_ATTR_NAME, error);
    return name ? std::string(reinterpret_cast<const char*>(name), std::min<ub4>(length, 30)) : std::string();
}

// Bytes of a LONG value held per row; a longer value fails the fetch as truncated.
constexpr int kLongPieceSize = 32768;
constexpr int kMaxElementBytes = 65534;

bool IsCharacterType(ub2 type) {
    return type == SQLT_CHR || type == SQLT_AFC || type == SQLT_VCS || type == SQLT_AVC;
}

} // namespace

void TOracleQuery::DescribeColumns() {
    TOciEntryPoints& oci = Oci();
    ub4 count = 0;
    Check(oci.OCIAttrGet(FStmt, OCI_HTYPE_STMT, &count, nullptr, OCI_ATTR_PARAM_COUNT, FError));
    FColumns.assign(count, TFieldData{});
    const TSessionPreferences& preferences = FSession->Preferences;
    const int bytesPerCharacter = FSession->MaxBytesPerCharacter();
    for (ub4 position = 1; position <= count; ++position) {
        void* parameter = nullptr;
        Check(oci.OCIParamGet(FStmt, OCI_HTYPE_STMT, FError, &parameter, position));
        OCIParam* param = static_cast<OCIParam*>(parameter);
        TFieldData& column = FColumns[position - 1];
        column.Name = ParamName(param, FError);
        column.InternalType = ParamAttribute<ub2>(param, OCI_ATTR_DATA_TYPE, FError);
        column.DataSize = ParamAttribute<ub2>(param, OCI_ATTR_DATA_SIZE, FError);
        column.Precision = ParamAttribute<sb2>(param, OCI_ATTR_PRECISION, FError);
        column.Scale = ParamAttribute<sb1>(param, OCI_ATTR_SCALE, FError);
        column.Nullable = ParamAttribute<ub1>(param, OCI_ATTR_IS_NULL, FError) != 0;
        if (IsCharacterType(column.InternalType)) {
            column.CharSize = ParamAttribute<ub2>(param, OCI_ATTR_CHAR_SIZE, FError);
            column.National = ParamAttribute<ub1>(param, OCI_ATTR_CHARSET_FORM, FError) == SQLCS_NCHAR;
        }
        oci.OCIDescriptorFree(param, OCI_DTYPE_PARAM);
        switch (column.InternalType) {
        case 2:
        case 100:
        case 101:
            column.Fetch = NumberFetchType(column.Precision, column.Scale,
                                           {preferences.IntegerPrecision, preferences.FloatPrecision,
                                            StringFieldsOnly, FSession->OdbcMode()});
            break;
        case SQLT_DAT:
            column.Fetch = StringFieldsOnly ? TFetchType{SQLT_STR, FSession->DateFormatLength() + 1}
                                            : TFetchType{SQLT_DAT, 7};
            break;
        case SQLT_RID:
        case SQLT_RDD:
            column.Fetch = {SQLT_STR, std::max(column.DataSize + 1, 19)};
            break;
        case SQLT_BIN:
            column.Fetch = {SQLT_STR, 2 * column.DataSize + 1};
            break;
        case SQLT_LNG:
            column.Fetch = {SQLT_LNG, kLongPieceSize};
            break;
        case SQLT_LBI:
            column.Fetch = {SQLT_LBI, kLongPieceSize};
            break;
        case 106:
            column.Fetch = {SQLT_STR, 255};
            break;
        case SQLT_INTERVAL_YM:
        case SQLT_INTERVAL_DS:
            column.Fetch = {SQLT_STR, 20 * bytesPerCharacter};
            break;
        case SQLT_TIMESTAMP:
        case SQLT_TIMESTAMP_TZ:
        case SQLT_TIMESTAMP_LTZ:
            if (!preferences.TimestampAsString)
                throw Exception("Column " + column.Name + ": timestamp columns are not supported");
            column.Fetch = {SQLT_STR, 50 * bytesPerCharacter};
            break;
        case SQLT_CLOB:
        case SQLT_BLOB:
        case SQLT_BFILE:
        case SQLT_NTY:
        case SQLT_REF:
        case SQLT_RSET:
            throw Exception("Column " + column.Name + ": columns of type " +
                            std::to_string(column.InternalType) + " are not supported");
        default:
            // DATA_SIZE counts the database's bytes; in the client's character set a character may
            // take more of them. The returned length of an element is 16 bits wide.
            column.Fetch = {SQLT_STR, std::min((column.CharSize > 0 ? column.CharSize : column.DataSize) *
                                                   bytesPerCharacter,
                                               kMaxElementBytes) +
                                          1};
            break;
        }
    }
}

void TOracleQuery::DefineColumns() {
    const size_t rows = static_cast<size_t>(ReadBuffer);
    for (size_t i = 0; i < FColumns.size(); ++i) {
        TFieldData& column = FColumns[i];
        column.Buffer.assign(rows * static_cast<size_t>(column.Fetch.Size), 0);
        column.Indicators.assign(rows, OCI_IND_NULL);
        column.Lengths.assign(rows, 0);
        column.ReturnCodes.assign(rows, 0);
        Check(Oci().OCIDefineByPos(FStmt, &column.DefineHandle, FError, static_cast<ub4>(i + 1),
                                   column.Buffer.data(), column.Fetch.Size, column.Fetch.Type,
                                   column.Indicators.data(), column.Lengths.data(), column.ReturnCodes.data(),
                                   OCI_DEFAULT));
    }
}

void TOracleQuery::CheckTruncation(const std::string& clientText) {
    for (const TFieldData& column : FColumns) {
        for (int row = 0; row < FRowsInBatch; ++row) {
            if (column.ReturnCodes[static_cast<size_t>(row)] == 1406)
                RaiseOracleErrorText(
                    1406, "ORA-01406: fetched column value was truncated (column " + column.Name + ")", this,
                    FSession);
        }
    }
    if (!clientText.empty())
        RaiseOracleErrorText(1406, clientText, this, FSession);
}

int TOracleQuery::ColumnIndex(const std::string& name) const {
    const std::string wanted = UpperCase(name);
    for (size_t i = 0; i < FColumns.size(); ++i) {
        if (UpperCase(FColumns[i].Name) == wanted)
            return static_cast<int>(i);
    }
    return -1;
}

void TOracleQuery::CheckIndex(int index) const {
    if (index < 0 || index >= ColumnCount())
        throw Exception("Field " + std::to_string(index) + " does not exist");
}

void TOracleQuery::CheckRow(int index) const {
    CheckIndex(index);
    if (FEof)
        throw Exception("You cannot access field data beyond Eof");
}

const TFieldData& TOracleQuery::Column(int index) const {
    CheckIndex(index);
    return FColumns[static_cast<size_t>(index)];
}

bool TOracleQuery::ColumnIsNull(int index) const {
    CheckRow(index);
    return Column(index).Indicators[static_cast<size_t>(FCurrentRow)] == OCI_IND_NULL;
}

TVariant TOracleQuery::ColumnValue(int index) const {
    if (ColumnIsNull(index))
        return TVariant();
    const TFieldData& column = Column(index);
    const TExternalValue element{column.Fetch.Type, column.Element(FCurrentRow),
                                 column.Lengths[static_cast<size_t>(FCurrentRow)],
                                 static_cast<size_t>(column.Fetch.Size)};
    return DecodeExternalValue(element, FSession->Preferences.ConvertCRLF);
}

std::string TOracleQuery::ColumnAsString(int index) const {
    return TextValue(ColumnValue(index));
}

std::int64_t TOracleQuery::ColumnAsInteger(int index) const {
    const TVariant value = ColumnValue(index);
    // 2^63: the first double beyond a 64-bit integer.
    constexpr double kLimit = 9223372036854775808.0;
    try {
        switch (value.Kind()) {
        case TVarKind::Null:
            return 0;
        case TVarKind::Integer:
            return value.Integer();
        case TVarKind::Float:
        case TVarKind::DateTime: {
            const double whole =
                std::trunc(value.Kind() == TVarKind::Float ? value.Float() : value.DateTime());
            if (whole >= -kLimit && whole < kLimit)
                return static_cast<std::int64_t>(whole);
            break;
        }
        case TVarKind::Text: {
            size_t used = 0;
            const long long number = std::stoll(value.Text(), &used);
            if (used == value.Text().size())
                return number;
            break;
        }
        case TVarKind::Bytes:
            break;
        }
    } catch (const std::exception&) {
        // Falls through to the conversion error.
    }
    throw Exception("Cannot convert field " + ColumnName(index) + " to an Integer");
}

int TOracleQuery::ColumnAsInt32(int index) const {
    const std::int64_t value = ColumnAsInteger(index);
    if (value < INT32_MIN || value > INT32_MAX)
        throw Exception(
            DatabaseErrorText::OutOfRange(std::to_string(value), ColumnName(index), INT32_MIN, INT32_MAX));
    return static_cast<int>(value);
}

// Floats and dates read a value the same way; only a text goes through its own parser.
double TOracleQuery::ColumnAsNumber(int index, double (*parseText)(const std::string&),
                                    const std::string& typeName) const {
    const TVariant value = ColumnValue(index);
    if (value.IsNull())
        return 0;
    try {
        if (const std::optional<double> number = NumericValue(value, parseText))
            return *number;
    } catch (const Exception&) {
        // A text that does not parse is reported like any other value that is no number.
    }
    throw Exception("Cannot convert field " + ColumnName(index) + " to a " + typeName);
}

double TOracleQuery::ColumnAsFloat(int index) const {
    return ColumnAsNumber(index, StrToFloat, "Float");
}

TDateTime TOracleQuery::ColumnAsDate(int index) const {
    return ColumnAsNumber(index, ParseDateTime, "Date");
}
