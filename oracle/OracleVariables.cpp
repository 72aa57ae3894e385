// Declared bind variables: names, declaration sizes per type, and the conversions of Assign and
// VariableValue between the dataset framework's values and the client's native buffers.
#include "oracle/OracleExternalValue.h"
#include "oracle/OracleTypes.h"

#include "platform/dataset/VariantNumber.h"
#include "platform/dataset/VariantText.h"
#include "platform/settings/DateText.h"
#include "platform/settings/Exceptions.h"
#include "platform/settings/FloatText.h"
#include "platform/settings/TextUtils.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

bool IsRefusedType(int type) {
    using namespace otType;
    switch (type) {
    case otObject:
    case otReference:
    case otCLOB:
    case otBLOB:
    case otBFile:
    case otCursor:
    case otTimestamp:
    case otTimestampTZ:
    case otTimestampLTZ:
        return true;
    default:
        return false;
    }
}

int DeclaredElementSize(const std::string& name, int type) {
    using namespace otType;
    switch (type) {
    case otSubst:
    case otLong:
    case otLongRaw:
        return 0;
    case otInteger:
        return 8; // ids and counts pass 2^31
    case otFloat:
        return 8;
    case otString:
        return name.find("ROWID") != std::string::npos ? 501 : 4001;
    case otPLSQLString:
        return 32513;
    case otDate:
        return 7;
    case otChar:
        return 4001;
    default:
        throw Exception("Unsupported variable type");
    }
}

bool IsStringType(int type) {
    return type == otType::otString || type == otType::otPLSQLString || type == otType::otChar;
}

double NumberOf(const TVariant& value) {
    if (const std::optional<double> number = NumericValue(value, StrToFloat))
        return *number;
    throw Exception("not a number");
}

// A number that does not fit an integer variable; the message names it.
struct EIntegerRange : std::exception {};

// A number beyond 64 bits is refused, never wrapped.
std::int64_t IntegerOf(const TVariant& value) {
    if (value.Kind() == TVarKind::Integer)
        return value.Integer();
    if (value.Kind() == TVarKind::Text) {
        std::int64_t parsed = 0;
        const std::string& text = value.Text();
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
        if (error == std::errc::result_out_of_range)
            throw EIntegerRange();
        if (text.empty() || error != std::errc() || end != text.data() + text.size())
            throw Exception("not an integer");
        return parsed;
    }
    // Ties to even, as variant conversion does; 2^63 is the first double beyond the range.
    const double number = std::nearbyint(NumberOf(value));
    if (!(number >= -9223372036854775808.0 && number < 9223372036854775808.0))
        throw EIntegerRange();
    return static_cast<std::int64_t>(number);
}

TDateTime DateOf(const TVariant& value) {
    return value.Kind() == TVarKind::Text ? ParseDateTime(value.Text()) : NumberOf(value);
}

template <typename T> void StoreScalar(TVariableData& variable, T scalar) {
    variable.Buffer.resize(sizeof scalar);
    std::memcpy(variable.Buffer.data(), &scalar, sizeof scalar);
    variable.Indicator = OCI_IND_NOTNULL;
}

void StoreWhole(TVariableData& variable, const std::string& bytes) {
    variable.Buffer.assign(bytes.begin(), bytes.end());
    variable.Buffer.push_back(0);
    variable.ElementSize = static_cast<int>(variable.Buffer.size());
    variable.ActualLength = static_cast<ub2>(std::min<size_t>(bytes.size(), 0xFFFF));
    variable.Indicator = OCI_IND_NOTNULL;
}

void StoreConverted(TVariableData& variable, const TVariant& value, const TConversionRules& rules) {
    using namespace otType;
    const int type = variable.Type;
    if (type == otInteger) {
        StoreScalar(variable, IntegerOf(value));
    } else if (type == otFloat) {
        StoreScalar(variable, NumberOf(value));
    } else if (IsStringType(type)) {
        std::string text = TextValue(value);
        if (rules.ConvertCRLF)
            text = RemoveCarriageReturns(text);
        text = FirstBytes(text, static_cast<size_t>(variable.ElementSize - 1));
        variable.Buffer.assign(static_cast<size_t>(variable.ElementSize), 0);
        std::memcpy(variable.Buffer.data(), text.data(), text.size());
        variable.Indicator = OCI_IND_NOTNULL;
    } else if (type == otDate) {
        const TDateTime date = DateOf(value);
        if (date == 0 && rules.ZeroDateIsNull) {
            variable.Indicator = OCI_IND_NULL;
            return;
        }
        const std::array<ub1, 7> bytes = EncodeOracleDate(date);
        variable.Buffer.assign(bytes.begin(), bytes.end());
        variable.Indicator = OCI_IND_NOTNULL;
    } else if (type == otLong || type == otSubst) {
        const std::string text = TextValue(value);
        StoreWhole(variable, rules.ConvertCRLF ? RemoveCarriageReturns(text) : text);
    }
}

} // namespace

std::string NormalizeVariableName(const std::string& name) {
    std::string normal = name.rfind(':', 0) == 0 ? name : ":" + name;
    for (char& c : normal)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return normal;
}

void TVariables::Add(const std::string& name, int type) {
    if (name.empty())
        throw Exception("You cannot declare a variable with an empty name");
    if (IsRefusedType(type))
        throw Exception("Variables of type " + std::to_string(type) + " are not supported");
    auto variable = std::make_unique<TVariableData>();
    variable->Name = NormalizeVariableName(name);
    variable->Type = type;
    variable->ElementSize = DeclaredElementSize(variable->Name, type);
    variable->Buffer.assign(static_cast<size_t>(variable->ElementSize), 0);
    const int existing = IndexOf(variable->Name);
    if (existing >= 0)
        FItems[static_cast<size_t>(existing)] = std::move(variable);
    else
        FItems.push_back(std::move(variable));
}

void TVariables::Remove(const std::string& name) {
    const int index = IndexOf(name);
    if (index >= 0)
        FItems.erase(FItems.begin() + index);
}

int TVariables::IndexOf(const std::string& name) const {
    const std::string normal = NormalizeVariableName(name);
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (FItems[i]->Name == normal)
            return static_cast<int>(i);
    }
    return -1;
}

void StoreVariableValue(TVariableData& variable, const TVariant& value, const TConversionRules& rules) {
    if (value.IsNull()) {
        variable.Indicator = OCI_IND_NULL; // the buffer keeps its old bytes
        return;
    }
    if (variable.Type == otType::otLongRaw) {
        if (value.Kind() != TVarKind::Bytes && value.Kind() != TVarKind::Text)
            throw Exception("Only one-dimensional array of bytes allowed for " + variable.Name);
        StoreWhole(variable, TextValue(value));
        return;
    }
    const std::string error = "Variant conversion error for variable " + variable.Name;
    try {
        StoreConverted(variable, value, rules);
    } catch (const EIntegerRange&) {
        throw Exception(error + ": " + TextValue(value) + " does not fit a 64-bit integer");
    } catch (const std::exception&) {
        throw Exception(error);
    }
}

TVariant LoadVariableValue(const TVariableData& variable, const TConversionRules& rules) {
    if (variable.Indicator == OCI_IND_NULL || variable.Buffer.empty())
        return rules.NullReadsUnassigned ? TVariant::Unassigned() : TVariant();
    // A LONG value is held whole, beyond what the 16-bit actual length can say.
    const bool whole = variable.Type == otType::otLong || variable.Type == otType::otLongRaw ||
                       variable.Type == otType::otSubst;
    const size_t length = whole ? variable.Buffer.size() - 1 : variable.ActualLength;
    const TExternalValue element{variable.Type, variable.Buffer.data(), length, variable.Buffer.size()};
    return DecodeExternalValue(element, rules.ConvertCRLF);
}
