// Oracle's client-side NUMBER helpers, which need no server: conversions of OCINumber to and from
// native integers, reals and text (with TO_CHAR's and TO_NUMBER's format models), comparison and
// arithmetic, all in the engine's exact decimal. Their errors are Oracle's OCI-22xxx.
#include "platform/oci_sqlite/OciCall.h"
#include "platform/oci_sqlite/OciGenericApi.h"
#include "platform/oci_sqlite/OracleNumber.h"
#include "platform/oci_sqlite/sql/NumberFormat.h"

#include <cmath>
#include <cstring>
#include <limits>

using namespace ocisqlite;
using orasql::Decimal;

namespace {

EngineError OciError(int code, const std::string& text) {
    return EngineError(code, "OCI-" + std::to_string(code) + ": " + text);
}

Decimal Read(const OCINumber* number, int argument = 1) {
    const auto value = number ? FromOciNumber(number->OCINumberPart) : std::nullopt;
    if (!value)
        throw OciError(22060,
                       "argument [" + std::to_string(argument) + "] is an invalid or uninitialized number");
    return *value;
}

void Write(const Decimal& value, OCINumber* number) {
    if (!number)
        throw OciError(22060, "argument [2] is an invalid or uninitialized number");
    ToOciNumber(value, number->OCINumberPart);
}

void RequireIntegerLength(uword length) {
    if (length != 1 && length != 2 && length != 4 && length != 8)
        throw OciError(22057, "bad integer length [" + std::to_string(length) + "]");
}

void RequireSignFlag(uword flag) {
    if (flag != OCI_NUMBER_SIGNED && flag != OCI_NUMBER_UNSIGNED)
        throw OciError(22061, "invalid format text [" + std::to_string(flag) + "]");
}

// The whole number into T, within T's range (OCI-22053 above it, OCI-22054 below).
template <class T> void StoreInteger(const Decimal& whole, void* out) {
    if (whole.Compare(*Decimal::Parse(std::to_string(std::numeric_limits<T>::min()))) < 0)
        throw OciError(22054, "underflow error");
    if (whole.Compare(*Decimal::Parse(std::to_string(std::numeric_limits<T>::max()))) > 0)
        throw OciError(22053, "overflow error");
    const T value = whole.FitsInt64()
                        ? static_cast<T>(whole.ToInt64())
                        : static_cast<T>(std::stoull(whole.ToOracleText())); // beyond int64: unsigned
    std::memcpy(out, &value, sizeof value);
}

std::string Text(const OraText* text, ub4 length) {
    return text ? std::string(reinterpret_cast<const char*>(text), length) : std::string();
}

template <class Operation>
sword Arithmetic(OCIError* err, const OCINumber* a, const OCINumber* b, OCINumber* result,
                 Operation operation) {
    return OciCall(err, [&] {
        Write(operation(Read(a, 1), Read(b, 2)), result);
        return OCI_SUCCESS;
    });
}

} // namespace

extern "C" {

sword OCINumberFromInt(OCIError* err, const void* inum, uword inum_length, uword inum_s_flag,
                       OCINumber* number) {
    return OciCall(err, [&] {
        RequireIntegerLength(inum_length);
        RequireSignFlag(inum_s_flag);
        if (!inum)
            throw OciError(22060, "argument [1] is an invalid or uninitialized number");
        uint64_t bits = 0;
        std::memcpy(&bits, inum, inum_length);
        const int shift = 64 - 8 * static_cast<int>(inum_length);
        const Decimal value = inum_s_flag == OCI_NUMBER_SIGNED
                                  ? Decimal::FromInt(static_cast<int64_t>(bits << shift) >> shift)
                                  : *Decimal::Parse(std::to_string(bits));
        Write(value, number);
        return OCI_SUCCESS;
    });
}

// The fraction is cut off, as the C conversion of a real to an integer does.
sword OCINumberToInt(OCIError* err, const OCINumber* number, uword rsl_length, uword rsl_flag, void* rsl) {
    return OciCall(err, [&] {
        RequireIntegerLength(rsl_length);
        RequireSignFlag(rsl_flag);
        const Decimal whole = Read(number).Trunc(0);
        if (!rsl)
            throw OciError(22060, "argument [2] is an invalid or uninitialized number");
        const bool sign = rsl_flag == OCI_NUMBER_SIGNED;
        switch (rsl_length) {
        case 1:
            sign ? StoreInteger<int8_t>(whole, rsl) : StoreInteger<uint8_t>(whole, rsl);
            break;
        case 2:
            sign ? StoreInteger<int16_t>(whole, rsl) : StoreInteger<uint16_t>(whole, rsl);
            break;
        case 4:
            sign ? StoreInteger<int32_t>(whole, rsl) : StoreInteger<uint32_t>(whole, rsl);
            break;
        default:
            sign ? StoreInteger<int64_t>(whole, rsl) : StoreInteger<uint64_t>(whole, rsl);
        }
        return OCI_SUCCESS;
    });
}

sword OCINumberFromReal(OCIError* err, const void* rnum, uword rnum_length, OCINumber* number) {
    return OciCall(err, [&] {
        if (!rnum || (rnum_length != sizeof(float) && rnum_length != sizeof(double)))
            throw OciError(22065, "number to text translation for the given format causes overflow");
        double value = 0;
        if (rnum_length == sizeof(float)) {
            float single;
            std::memcpy(&single, rnum, sizeof single);
            value = single;
        } else {
            std::memcpy(&value, rnum, sizeof value);
        }
        Write(Decimal::FromDouble(value), number);
        return OCI_SUCCESS;
    });
}

sword OCINumberToReal(OCIError* err, const OCINumber* number, uword rsl_length, void* rsl) {
    return OciCall(err, [&] {
        const double value = Read(number).ToDouble();
        if (!rsl || (rsl_length != sizeof(float) && rsl_length != sizeof(double) &&
                     rsl_length != sizeof(long double)))
            throw OciError(22060, "argument [2] is an invalid or uninitialized number");
        if (rsl_length == sizeof(float)) {
            const auto single = static_cast<float>(value);
            std::memcpy(rsl, &single, sizeof single);
        } else if (rsl_length == sizeof(double)) {
            std::memcpy(rsl, &value, sizeof value);
        } else {
            const auto extended = static_cast<long double>(value);
            std::memcpy(rsl, &extended, sizeof extended);
        }
        return OCI_SUCCESS;
    });
}

// Without a format the text is read as an implicit conversion reads it.
sword OCINumberFromText(OCIError* err, const OraText* str, ub4 str_length, const OraText* fmt, ub4 fmt_length,
                        const OraText* nls_params, ub4 nls_p_length, OCINumber* number) {
    return OciCall(err, [&] {
        const std::string text = Text(str, str_length);
        const std::string format = Text(fmt, fmt_length);
        const auto nls = orasql::ReadNlsParameters(Text(nls_params, nls_p_length));
        std::optional<Decimal> value;
        if (format.empty())
            value = Decimal::Parse(text);
        else
            value = orasql::ParseNumber(text, format, nls);
        if (!value)
            throw OciError(22062, "invalid input string [" + text + "]");
        Write(*value, number);
        return OCI_SUCCESS;
    });
}

// buf_size gives the buffer's size and receives the text's length; a text that does not fit is
// OCI-22065, as with Oracle.
sword OCINumberToText(OCIError* err, const OCINumber* number, const OraText* fmt, ub4 fmt_length,
                      const OraText* nls_params, ub4 nls_p_length, ub4* buf_size, OraText* buf) {
    return OciCall(err, [&] {
        const Decimal value = Read(number);
        const std::string format = Text(fmt, fmt_length);
        const std::string text =
            format.empty() ? value.ToOracleText()
                           : orasql::FormatNumber(value, format,
                                                  orasql::ReadNlsParameters(Text(nls_params, nls_p_length)));
        if (!buf_size || !buf || *buf_size < text.size())
            throw OciError(22065, "number to text translation for the given format causes overflow");
        std::memcpy(buf, text.data(), text.size());
        if (*buf_size > text.size())
            buf[text.size()] = '\0';
        *buf_size = static_cast<ub4>(text.size());
        return OCI_SUCCESS;
    });
}

sword OCINumberAssign(OCIError* err, const OCINumber* from, OCINumber* to) {
    return OciCall(err, [&] {
        Write(Read(from), to);
        return OCI_SUCCESS;
    });
}

sword OCINumberCmp(OCIError* err, const OCINumber* number1, const OCINumber* number2, sword* result) {
    return OciCall(err, [&] {
        const int order = Read(number1, 1).Compare(Read(number2, 2));
        if (!result)
            throw OciError(22060, "argument [3] is an invalid or uninitialized number");
        *result = order < 0 ? -1 : order > 0 ? 1 : 0;
        return OCI_SUCCESS;
    });
}

sword OCINumberAdd(OCIError* err, const OCINumber* number1, const OCINumber* number2, OCINumber* result) {
    return Arithmetic(err, number1, number2, result,
                      [](const Decimal& a, const Decimal& b) { return a + b; });
}

sword OCINumberSub(OCIError* err, const OCINumber* number1, const OCINumber* number2, OCINumber* result) {
    return Arithmetic(err, number1, number2, result,
                      [](const Decimal& a, const Decimal& b) { return a - b; });
}

sword OCINumberMul(OCIError* err, const OCINumber* number1, const OCINumber* number2, OCINumber* result) {
    return Arithmetic(err, number1, number2, result,
                      [](const Decimal& a, const Decimal& b) { return a * b; });
}

sword OCINumberDiv(OCIError* err, const OCINumber* number1, const OCINumber* number2, OCINumber* result) {
    return Arithmetic(err, number1, number2, result, [](const Decimal& a, const Decimal& b) {
        if (b.IsZero())
            throw ora::Make(1476, "divisor is equal to zero");
        return a / b;
    });
}

sword OCINumberIsZero(OCIError* err, const OCINumber* number, boolean* result) {
    return OciCall(err, [&] {
        const bool zero = Read(number).IsZero();
        if (!result)
            throw OciError(22060, "argument [2] is an invalid or uninitialized number");
        *result = zero ? 1 : 0;
        return OCI_SUCCESS;
    });
}

} // extern "C"
