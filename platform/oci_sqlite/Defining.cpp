// Fetched values into client define buffers. Text conversions follow Oracle's: numbers without
// exponent or leading zero, dates in the session's format, blank padding for CHAR types.
#include "platform/oci_sqlite/Defining.h"

#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/Handles.h"
#include "platform/oci_sqlite/OracleDate.h"
#include "platform/oci_sqlite/OracleNumber.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace ocisqlite {

namespace {

unsigned char* Element(const DefineSlot& slot, ub4 row) {
    return slot.ValueAt(row);
}

void SetStatus(const DefineSlot& slot, ub4 row, sb2 indicator, ub2 length, ub2 code) {
    if (sb2* i = slot.IndicatorAt(row))
        *i = indicator;
    if (ub2* l = slot.LengthAt(row))
        *l = length;
    if (ub2* c = slot.ReturnCodeAt(row))
        *c = code;
}

// Oracle's text for a number: no exponent, no zero before the point (".5").
std::string OracleNumberText(const Value& number) {
    if (const auto* i = std::get_if<int64_t>(&number))
        return std::to_string(*i);
    const double d = std::get<double>(number);
    if (std::floor(d) == d && std::fabs(d) < 1e15)
        return std::to_string(static_cast<int64_t>(d));
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.15g", d);
    if (std::strchr(buffer, 'e')) { // Oracle writes every digit out: 1E20 reads 100000000000000000000
        const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(d))));
        std::snprintf(buffer, sizeof buffer, "%.*f", std::max(0, 14 - exponent), d);
        if (std::strchr(buffer, '.')) {
            char* end = buffer + std::strlen(buffer) - 1;
            while (*end == '0')
                *end-- = '\0';
            if (*end == '.')
                *end = '\0';
        }
    }
    std::string text = buffer;
    if (text.rfind("0.", 0) == 0)
        text.erase(0, 1);
    else if (text.rfind("-0.", 0) == 0)
        text.erase(1, 1);
    return text;
}

std::string TextOf(const Value& value, bool isDate, const std::string& nlsDateFormat) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        if (isDate)
            if (const auto parts = ParseStoredDate(*text))
                return FormatNlsDate(*parts, nlsDateFormat);
        return *text;
    }
    return OracleNumberText(value);
}

double NumberOf(const Value& value) {
    if (const auto* i = std::get_if<int64_t>(&value))
        return static_cast<double>(*i);
    if (const auto* d = std::get_if<double>(&value))
        return *d;
    const std::string& text = std::get<std::string>(value);
    char* end = nullptr;
    const double parsed = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0')
        throw ora::InvalidNumber();
    return parsed;
}

WriteOutcome WriteText(const std::string& text, const DefineSlot& slot, ub4 row) {
    const bool terminated = slot.type == SQLT_STR || slot.type == SQLT_AVC;
    const size_t room = static_cast<size_t>(std::max<sb4>(slot.size - (terminated ? 1 : 0), 0));
    const bool truncated = text.size() > room;
    const size_t length = truncated ? room : text.size();
    char* out = reinterpret_cast<char*>(Element(slot, row));
    std::memcpy(out, text.data(), length);
    size_t end = length;
    if (slot.type == SQLT_AFC || slot.type == SQLT_AVC) { // blank-padded to the buffer
        std::memset(out + length, ' ', room - length);
        end = room;
    }
    if (terminated)
        out[end] = '\0';
    // A truncated value reports its full length in the indicator, the part delivered in the length.
    SetStatus(slot, row, truncated ? static_cast<sb2>(std::min<size_t>(text.size(), 32767)) : OCI_IND_NOTNULL,
              static_cast<ub2>(end), truncated ? 1406 : 0);
    return truncated ? WriteOutcome::Truncated : WriteOutcome::Written;
}

// Range-checked against the type's limits; -min is a power of two and so exact as a double.
template <class T> void StoreInteger(double rounded, unsigned char* out) {
    constexpr double low = static_cast<double>(std::numeric_limits<T>::min());
    if (!(rounded >= low && rounded < -low))
        throw ora::Make(1455, "converting column overflows integer datatype");
    const T value = static_cast<T>(rounded);
    std::memcpy(out, &value, sizeof value);
}

void WriteInteger(double number, const DefineSlot& slot, ub4 row) {
    const double rounded = std::round(number);
    unsigned char* out = Element(slot, row);
    switch (slot.size) {
    case 1:
        StoreInteger<int8_t>(rounded, out);
        break;
    case 2:
        StoreInteger<int16_t>(rounded, out);
        break;
    case 4:
        StoreInteger<int32_t>(rounded, out);
        break;
    case 8:
        StoreInteger<int64_t>(rounded, out);
        break;
    default:
        throw ora::InvalidNumber();
    }
    SetStatus(slot, row, OCI_IND_NOTNULL, static_cast<ub2>(slot.size), 0);
}

void WriteFloat(double number, const DefineSlot& slot, ub4 row) {
    unsigned char* out = Element(slot, row);
    if (slot.size == sizeof(float)) {
        const auto v = static_cast<float>(number);
        std::memcpy(out, &v, sizeof v);
    } else if (slot.size == sizeof(double)) {
        std::memcpy(out, &number, sizeof number);
    } else {
        throw ora::InvalidNumber();
    }
    SetStatus(slot, row, OCI_IND_NOTNULL, static_cast<ub2>(slot.size), 0);
}

void WriteDate(const Value& value, const DefineSlot& slot, ub4 row) {
    const auto* text = std::get_if<std::string>(&value);
    const auto parts = text ? ParseStoredDate(*text) : std::nullopt;
    if (!parts || slot.size < 7)
        throw ora::InvalidDate();
    ToOracleDate(*parts, Element(slot, row));
    SetStatus(slot, row, OCI_IND_NOTNULL, 7, 0);
}

void WriteOciDate(const Value& value, const DefineSlot& slot, ub4 row) {
    const auto* text = std::get_if<std::string>(&value);
    const auto parts = text ? ParseStoredDate(*text) : std::nullopt;
    if (!parts || slot.size < kOciDateSize)
        throw ora::InvalidDate();
    ToOciDate(*parts, Element(slot, row));
    SetStatus(slot, row, OCI_IND_NOTNULL, kOciDateSize, 0);
}

void WriteOciNumber(const Value& value, const DefineSlot& slot, ub4 row) {
    if (slot.size < kOciNumberSize)
        throw ora::InvalidNumber();
    ToOciNumber(DecimalOf(value), Element(slot, row));
    SetStatus(slot, row, OCI_IND_NOTNULL, kOciNumberSize, 0);
}

// The element is the client's pointer to a ROWID descriptor, which receives the row's address.
void WriteRowid(const Value& value, const DefineSlot& slot, ub4 row) {
    const auto* text = std::get_if<std::string>(&value);
    const auto address = text ? DecodeRowid(*text) : std::nullopt;
    OCIRowid* descriptor = nullptr;
    if (slot.size < static_cast<sb4>(sizeof descriptor) || !address)
        throw ora::Make(1410, "invalid ROWID");
    std::memcpy(&descriptor, Element(slot, row), sizeof descriptor);
    As<RowidHandle>(descriptor, OCI_DTYPE_ROWID)->address = address;
    SetStatus(slot, row, OCI_IND_NOTNULL, sizeof descriptor, 0);
}

} // namespace

WriteOutcome WriteValue(const Value& value, const DefineSlot& slot, ub4 row, bool isDate,
                        const std::string& nlsDateFormat) {
    if (std::holds_alternative<std::monostate>(value)) {
        if (!slot.indicator)
            throw ora::FetchedNull();
        SetStatus(slot, row, OCI_IND_NULL, 0, 1405);
        return WriteOutcome::Written;
    }
    switch (slot.type) {
    case SQLT_CHR:
    case SQLT_STR:
    case SQLT_AFC:
    case SQLT_AVC:
    case SQLT_LNG:
        return WriteText(TextOf(value, isDate, nlsDateFormat), slot, row);
    case SQLT_INT:
        WriteInteger(NumberOf(value), slot, row);
        return WriteOutcome::Written;
    case SQLT_FLT:
        WriteFloat(NumberOf(value), slot, row);
        return WriteOutcome::Written;
    case SQLT_DAT:
        WriteDate(value, slot, row);
        return WriteOutcome::Written;
    case SQLT_ODT:
        WriteOciDate(value, slot, row);
        return WriteOutcome::Written;
    case SQLT_VNU:
        WriteOciNumber(value, slot, row);
        return WriteOutcome::Written;
    case SQLT_RDD:
        WriteRowid(value, slot, row);
        return WriteOutcome::Written;
    default:
        throw ora::Unimplemented();
    }
}

} // namespace ocisqlite
