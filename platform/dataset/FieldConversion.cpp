// Conversions of a field's value between text, integer, float, date-time and bytes. Dates and
// numbers as text follow the process locale; the native kind of each field type is what Convert
// stores, so a record never holds a value its field cannot read back.
#include "platform/dataset/DatabaseError.h"
#include "platform/dataset/Field.h"
#include "platform/dataset/VariantNumber.h"
#include "platform/dataset/VariantText.h"

#include "platform/settings/DateText.h"
#include "platform/settings/DisplayFormat.h"
#include "platform/settings/FloatText.h"
#include "platform/settings/TextUtils.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace {

constexpr std::string_view CurrencyFormat = "#,##0.00";
// 2^63: the first double beyond a 64-bit integer.
constexpr double IntegerLimit = 9223372036854775808.0;

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A decimal 64-bit integer with optional sign and surrounding blanks; a number beyond the range
// is refused, never wrapped.
std::int64_t ParseInteger(std::string_view text) {
    std::string_view digits = TrimBlanks(text);
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        throw Exception(DatabaseErrorText::InvalidInteger(text));
    return value;
}

// Reuses the locale's date-and-time reading by putting day 0 in front of the time.
TDateTime ParseTime(const std::string& text) {
    try {
        return ParseDateTime(FormatShortDate(0) + " " + text);
    } catch (const Exception&) {
        throw Exception(DatabaseErrorText::InvalidTime(text));
    }
}

// A field's size counts bytes, as the column it stands for does; the cut never splits a character.
std::string Truncated(const std::string& text, int maxBytes) {
    return maxBytes <= 0 ? text : FirstBytes(text, static_cast<size_t>(maxBytes));
}

double TimePart(TDateTime value) {
    return std::fabs(value - std::trunc(value));
}

} // namespace

TVariant TField::Convert(const TVariant& value) const {
    if (value.IsNull() || (value.Kind() == TVarKind::Text && value.Text().empty()))
        return {};
    const TFieldType type = DataType();
    if (IsTextType(type))
        return TVariant::FromText(FDef.CutToSize ? Truncated(TextOf(value), Size()) : TextOf(value));
    if (type == TFieldType::ftBlob)
        return TVariant::FromBytes(BytesOf(value));
    if (IsIntegerType(type))
        return TVariant::FromInteger(CheckedRange(IntegerOf(value)));
    if (IsFloatType(type))
        return TVariant::FromFloat(NumberOf(value));
    const TDateTime dateTime = DateTimeOf(value);
    if (type == TFieldType::ftDate)
        return TVariant::FromDateTime(std::trunc(dateTime));
    if (type == TFieldType::ftTime)
        return TVariant::FromDateTime(TimePart(dateTime));
    return TVariant::FromDateTime(dateTime);
}

std::string TField::TextOf(const TVariant& value) const {
    if (value.Kind() == TVarKind::DateTime && DataType() == TFieldType::ftDate)
        return FormatShortDate(value.DateTime());
    if (value.Kind() == TVarKind::DateTime && DataType() == TFieldType::ftTime)
        return FormatLongTime(value.DateTime());
    return TextValue(value);
}

std::int64_t TField::IntegerOf(const TVariant& value) const {
    switch (value.Kind()) {
    case TVarKind::Null:
        return 0;
    case TVarKind::Integer:
        return value.Integer();
    case TVarKind::Text:
        return ParseInteger(value.Text());
    case TVarKind::Bytes:
        throw EDatabaseError(DatabaseErrorText::CannotAccessAs(DisplayLabel(), "Integer"));
    default: {
        // Ties go to even, as the platform's rounding of amounts does.
        const double rounded = std::nearbyint(NumberOf(value));
        if (!(rounded >= -IntegerLimit && rounded < IntegerLimit))
            throw Exception(DatabaseErrorText::InvalidInteger(TextOf(value)));
        return static_cast<std::int64_t>(rounded);
    }
    }
}

double TField::NumberOf(const TVariant& value) const {
    if (value.IsNull())
        return 0;
    if (const std::optional<double> number = NumericValue(value, StrToFloat))
        return *number;
    throw EDatabaseError(DatabaseErrorText::CannotAccessAs(DisplayLabel(), "Float"));
}

TDateTime TField::DateTimeOf(const TVariant& value) const {
    switch (value.Kind()) {
    case TVarKind::Text:
        if (DataType() == TFieldType::ftDate)
            return ParseShortDate(value.Text());
        if (DataType() == TFieldType::ftTime)
            return ParseTime(value.Text());
        return ParseDateTime(value.Text());
    case TVarKind::Bytes:
        throw EDatabaseError(DatabaseErrorText::CannotAccessAs(DisplayLabel(), "DateTime"));
    default:
        return NumberOf(value);
    }
}

TBytes TField::BytesOf(const TVariant& value) const {
    if (value.Kind() == TVarKind::Bytes)
        return value.Bytes();
    const std::string text = TextOf(value);
    return TBytes(text.begin(), text.end());
}

std::int64_t TField::CheckedRange(std::int64_t value) const {
    if (DataType() != TFieldType::ftSmallint)
        return value;
    if (value < SHRT_MIN || value > SHRT_MAX)
        throw EDatabaseError(
            DatabaseErrorText::OutOfRange(std::to_string(value), DisplayLabel(), SHRT_MIN, SHRT_MAX));
    return value;
}

std::string TField::AsString() const {
    return TextOf(Value());
}

void TField::SetAsString(std::string_view text) {
    SetValue(TVariant::FromText(std::string(text)));
}

int TField::AsInteger() const {
    const std::int64_t value = IntegerOf(Value());
    if (value < INT_MIN || value > INT_MAX)
        throw Exception(DatabaseErrorText::InvalidInteger(AsString()));
    return static_cast<int>(value);
}

void TField::SetAsInteger(int value) {
    SetValue(TVariant::FromInteger(value));
}

std::int64_t TField::AsLargeInt() const {
    return IntegerOf(Value());
}

void TField::SetAsLargeInt(std::int64_t value) {
    SetValue(TVariant::FromInteger(value));
}

double TField::AsFloat() const {
    return NumberOf(Value());
}

void TField::SetAsFloat(double value) {
    SetValue(TVariant::FromFloat(value));
}

TDateTime TField::AsDateTime() const {
    const TVariant value = Value();
    return value.IsNull() ? 0 : DateTimeOf(value);
}

void TField::SetAsDateTime(TDateTime value) {
    SetValue(TVariant::FromDateTime(value));
}

std::string TField::DisplayText() const {
    if (FOnGetText)
        return FOnGetText(*this);
    const TVariant value = Value();
    if (value.IsNull())
        return {};
    if (DataType() == TFieldType::ftBlob)
        return "(BLOB)";
    if (IsNumericType(DataType()) && !FDisplayFormat.empty())
        return FormatFloat(FDisplayFormat, NumberOf(value));
    if (DataType() == TFieldType::ftCurrency)
        return FormatFloat(std::string(CurrencyFormat), value.Float());
    return TextOf(value);
}
