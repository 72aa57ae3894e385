// The dataset framework's error class and every text it raises, written once. Subclasses (the
// Oracle dataset, the local tables) raise the same class so that callers catch one type.
#pragma once

#include "platform/settings/Exceptions.h"

#include <string>
#include <string_view>

//! An error of a dataset or one of its fields: wrong state, missing record, failed conversion.
class EDatabaseError : public Exception {
public:
    explicit EDatabaseError(const std::string& message) : Exception(message) {}
};

namespace DatabaseErrorText {
//! "Field 'X' must have a value": a required field left NULL at Post.
std::string FieldRequired(std::string_view displayLabel);
//! "Field 'X' not found", prefixed with "<dataset>: " when the dataset has a name.
std::string FieldNotFound(std::string_view dataSetName, std::string_view fieldName);
//! "<name>: Record <n> not accessible in Unidirectional mode".
std::string RecordDiscarded(std::string_view dataSetName, int recordIndex);
//! "'<text>' is not a valid integer value": a conversion error, raised as a plain Exception like
//! the locale's float and date conversions.
std::string InvalidInteger(std::string_view text);
//! "'<text>' is not a valid time": a conversion error, raised as a plain Exception.
std::string InvalidTime(std::string_view text);
//! "<value> is not a valid value for field 'X'. The allowed range is <min> to <max>".
std::string OutOfRange(std::string_view value, std::string_view displayLabel, long long min, long long max);
//! "Cannot access field 'X' as type <type>": a conversion no value of this field can take.
std::string CannotAccessAs(std::string_view displayLabel, std::string_view typeName);

inline constexpr std::string_view NoRecords = "No Records";
inline constexpr std::string_view DataSetClosed = "Cannot perform this operation on a closed dataset";
inline constexpr std::string_view DataSetOpen = "Cannot perform this operation on an open dataset";
inline constexpr std::string_view NotEditing = "Dataset not in edit or insert mode";
inline constexpr std::string_view ReadOnlyDataSet = "Cannot modify a read-only dataset";
} // namespace DatabaseErrorText
