// Values as the client exchanges them: bind variables (TVariableData, TVariables) with their type
// codes and buffers, select-list columns (TFieldData) with their fetch buffers, the 7-byte DATE, the
// ROWID texts and the rule that maps a NUMBER column to integer, float or string. No client calls.
#pragma once

#include "platform/dataset/Variant.h"
#include "platform/oci_sqlite/OciApi.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

//! Variable type codes: the client's external datatype codes.
namespace otType {
inline constexpr int otSubst = 1;
inline constexpr int otInteger = 3;
inline constexpr int otFloat = 4;
inline constexpr int otString = 5;
inline constexpr int otLong = 8;
inline constexpr int otPLSQLString = 10;
inline constexpr int otDate = 12;
inline constexpr int otLongRaw = 24;
inline constexpr int otChar = 97;
inline constexpr int otObject = 108;
inline constexpr int otReference = 110;
inline constexpr int otCLOB = 112;
inline constexpr int otBLOB = 113;
inline constexpr int otBFile = 114;
inline constexpr int otCursor = 116;
inline constexpr int otTimestamp = 187;
inline constexpr int otTimestampTZ = 188;
inline constexpr int otTimestampLTZ = 232;
} // namespace otType

//! Upper-cased, with a leading ":" added when missing.
std::string NormalizeVariableName(const std::string& name);

//! One element of an array variable: the bytes a plain value of it would hold (a text only up to
//! its terminating zero), its indicator and, for LONG and LONG RAW, its length.
struct TVariableElement {
    std::vector<unsigned char> Bytes;
    sb2 Indicator = OCI_IND_NULL;
    ub2 ActualLength = 0;
};

//! The elements of an array variable laid out as the client reads them: ElementSize bytes per
//! element, one indicator and one length per element.
struct TPackedArray {
    int ElementSize = 0;
    std::vector<unsigned char> Buffer;
    std::vector<sb2> Indicators;
    std::vector<ub2> Lengths;
};

//! One declared bind variable. A plain variable holds one element in Buffer; an array variable
//! (array DML) holds its elements in Elements and sends them packed.
struct TVariableData {
    std::string Name; //!< normalised
    int Type = 0;
    int ElementSize = 0;
    std::vector<unsigned char> Buffer; //!< the value in the bind type's native form
    sb2 Indicator = OCI_IND_NULL;
    ub2 ActualLength = 0;                   //!< bytes of a LONG, LONG RAW or substitution value
    std::vector<TVariableElement> Elements; //!< empty for a plain variable
    TPackedArray Packed;                    //!< the elements as last bound
    OCIBind* BindHandle = nullptr;
    bool National = false; //!< binds with SQLCS_NCHAR

    //! The elements the variable sends: 1 for a plain variable.
    int ElementCount() const { return Elements.empty() ? 1 : static_cast<int>(Elements.size()); }

    //! The type the client is told when binding (a long PL/SQL string binds as a string).
    ub2 BindType() const { return Type == otType::otPLSQLString ? otType::otString : static_cast<ub2>(Type); }
};

//! The declared variables in declaration order.
class TVariables {
public:
    //! Declares a variable; an existing one of the same name is replaced in place. Raises
    //! "You cannot declare a variable with an empty name", "Unsupported variable type", and a
    //! clear refusal for the types this build does not bind (LOB, object, cursor, timestamp).
    void Add(const std::string& name, int type);
    //! Removes a variable if declared.
    void Remove(const std::string& name);
    //! Position of the normalised name, -1 when absent.
    int IndexOf(const std::string& name) const;
    int Count() const { return static_cast<int>(FItems.size()); }
    TVariableData& operator[](int index) { return *FItems[static_cast<size_t>(index)]; }
    const TVariableData& operator[](int index) const { return *FItems[static_cast<size_t>(index)]; }
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TVariableData>> FItems; // stable addresses: the client holds buffers
};

//! Session switches the conversions consult.
struct TConversionRules {
    bool ConvertCRLF = true;
    bool ZeroDateIsNull = true;
    bool NullReadsUnassigned = true; //!< a NULL variable reads back unassigned rather than NULL
};

//! Stores a value into a variable (one element); raises "Variant conversion error for variable "
//! + name when the value does not convert, "Only one-dimensional array of bytes allowed for " +
//! name for a LONG RAW given something else.
void StoreVariableValue(TVariableData& variable, const TVariant& value, const TConversionRules& rules);
//! The value of a variable; NULL (or unassigned, per the rules) when its indicator says so.
TVariant LoadVariableValue(const TVariableData& variable, const TConversionRules& rules);

//! Stores a value into element `index` of an array variable, converted as StoreVariableValue
//! converts a plain value (and raising the same errors).
void StoreVariableElement(TVariableData& variable, int index, const TVariant& value,
                          const TConversionRules& rules);
//! The value of element `index` of an array variable (element 0 of a plain one).
TVariant LoadVariableElement(const TVariableData& variable, int index, const TConversionRules& rules);
//! Lays an array variable's elements out in Packed: element size the longest element (a text cut
//! to maxText bytes with its zero), or the fixed size of a number or a date.
void PackVariableElements(TVariableData& variable, int maxText);

//! The 7-byte DATE of a date-time (seconds kept, milliseconds dropped).
std::array<ub1, 7> EncodeOracleDate(TDateTime value);
//! A 7-byte DATE as date-time; an impossible date reads as day -693594 plus or minus the time.
TDateTime DecodeOracleDate(const ub1* bytes);

//! The extended 18-character ROWID text when the object number is not 0, else the restricted
//! form "%8.8x.%4.4x.%4.4x" of block, row and file.
std::string RowIdText(ub4 objectNumber, ub4 relativeFile, ub4 block, ub4 row);
//! The numbers of an extended ROWID text; false when the text is not one.
bool ParseExtendedRowId(const std::string& text, ub4& objectNumber, ub4& relativeFile, ub4& block, ub4& row);

//! Every line break (CR LF, lone LF, lone CR) as CR LF.
std::string NormalizeLineBreaks(const std::string& text);
//! The text without carriage returns.
std::string RemoveCarriageReturns(const std::string& text);

//! How a column travels: external type and bytes per element.
struct TFetchType {
    ub2 Type;
    int Size;
};

//! Session preferences the number rule reads.
struct TNumberRule {
    int IntegerPrecision = 0;
    int FloatPrecision = 0;
    bool StringFieldsOnly = false;
    bool OdbcMode = false;
};

//! A NUMBER column of a described precision and scale: integer (4 bytes) when it has no decimals
//! and at most the integer limit of digits, else float (8 bytes), or string when asked.
TFetchType NumberFetchType(int precision, int scale, const TNumberRule& rule);

//! One select-list column: what the server described and the buffers of one fetch batch.
struct TFieldData {
    std::string Name;
    ub2 InternalType = 0;
    int DataSize = 0;
    int CharSize = 0;      //!< characters a character column holds, 0 for other columns
    bool National = false; //!< NCHAR, NVARCHAR2
    int Precision = 0;
    int Scale = 0;
    bool Nullable = true;
    TFetchType Fetch{SQLT_STR, 0};
    std::vector<unsigned char> Buffer; //!< Fetch.Size bytes per row of the batch
    std::vector<sb2> Indicators;
    std::vector<ub2> Lengths;
    std::vector<ub2> ReturnCodes; //!< 1406 where a value did not fit its element
    OCIDefine* DefineHandle = nullptr;

    const unsigned char* Element(int row) const {
        return Buffer.data() + static_cast<size_t>(row) * Fetch.Size;
    }
};
