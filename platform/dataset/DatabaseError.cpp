// The texts of the dataset framework's errors.
#include "platform/dataset/DatabaseError.h"

namespace DatabaseErrorText {

namespace {
std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}
} // namespace

std::string FieldRequired(std::string_view displayLabel) {
    return "Field " + Quoted(displayLabel) + " must have a value";
}

std::string FieldNotFound(std::string_view dataSetName, std::string_view fieldName) {
    const std::string text = "Field " + Quoted(fieldName) + " not found";
    return dataSetName.empty() ? text : std::string(dataSetName) + ": " + text;
}

std::string RecordDiscarded(std::string_view dataSetName, int recordIndex) {
    return std::string(dataSetName) + ": Record " + std::to_string(recordIndex) +
           " not accessible in Unidirectional mode";
}

std::string InvalidInteger(std::string_view text) {
    return Quoted(text) + " is not a valid integer value";
}

std::string InvalidTime(std::string_view text) {
    return Quoted(text) + " is not a valid time";
}

std::string OutOfRange(std::string_view value, std::string_view displayLabel, long long min, long long max) {
    return std::string(value) + " is not a valid value for field " + Quoted(displayLabel) +
           ". The allowed range is " + std::to_string(min) + " to " + std::to_string(max);
}

std::string CannotAccessAs(std::string_view displayLabel, std::string_view typeName) {
    return "Cannot access field " + Quoted(displayLabel) + " as type " + std::string(typeName);
}

} // namespace DatabaseErrorText
