// The SQL functions of the dialect over SQLite values. NUMBER values arrive as integers, doubles
// or (converted the way Oracle converts) text; DATE values are texts in the stored form. A NULL
// argument gives NULL unless Oracle says otherwise (concatenation, DECODE).
#include "platform/oci_sqlite/sql/OracleFunctions.h"

#include "platform/oci_sqlite/sql/Decimal.h"
#include "platform/oci_sqlite/sql/NumberFormat.h"
#include "platform/oci_sqlite/sql/OracleDate.h"
#include "platform/oci_sqlite/sql/OracleText.h"
#include "platform/oci_sqlite/sql/Translator.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <variant>

namespace orasql {
namespace {

bool IsNull(sqlite3_value* v) {
    return sqlite3_value_type(v) == SQLITE_NULL;
}

std::string Text(sqlite3_value* v) {
    const unsigned char* t = sqlite3_value_text(v);
    return t ? std::string(reinterpret_cast<const char*>(t), sqlite3_value_bytes(v)) : std::string();
}

std::optional<DateTime> AsDate(sqlite3_value* v) {
    return sqlite3_value_type(v) == SQLITE_TEXT ? ParseStoredDate(Text(v)) : std::nullopt;
}

Decimal AsNumber(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
        return Decimal::FromInt(sqlite3_value_int64(v));
    case SQLITE_FLOAT:
        return Decimal::FromDouble(sqlite3_value_double(v));
    default:
        if (auto d = Decimal::Parse(Text(v)))
            return *d;
        ThrowOracleError(1722, "invalid number");
    }
}

// Text of a value as Oracle converts it implicitly: numbers without superfluous digits.
std::string AsText(sqlite3_value* v) {
    const int type = sqlite3_value_type(v);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
        return AsNumber(v).ToOracleText();
    return Text(v);
}

void ResultNumber(sqlite3_context* c, const Decimal& value) {
    const Decimal& d = value.InRange();
    if (d.IsInteger() && d.FitsInt64())
        sqlite3_result_int64(c, d.ToInt64());
    else
        sqlite3_result_double(c, d.ToDouble());
}

void ResultText(sqlite3_context* c, const std::string& s) {
    if (s.empty())
        sqlite3_result_null(c); // Oracle has no empty string
    else
        sqlite3_result_text(c, s.c_str(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

void ResultDate(sqlite3_context* c, const DateTime& d) {
    ResultText(c, ToStoredText(d));
}

bool AnyNull(int n, sqlite3_value** v) {
    for (int i = 0; i < n; ++i)
        if (IsNull(v[i]))
            return true;
    return false;
}

using Body = void (*)(sqlite3_context*, int, sqlite3_value**);

template <Body F> void Guarded(sqlite3_context* c, int n, sqlite3_value** v) {
    try {
        F(c, n, v);
    } catch (const OracleError& e) {
        sqlite3_result_error(c, e.what(), -1);
    }
}

// ---- arithmetic ----

// ora_add(a, b, c, ...) is a + b + c + ..., ora_sub(a, b, c, ...) is a - b - c - ..., folded from the
// left, so that a long sum is one call instead of calls nested as deep as it is long.
using Addend = std::variant<Decimal, DateTime>;

Addend AsAddend(sqlite3_value* v) {
    if (auto d = AsDate(v))
        return *d;
    return AsNumber(v);
}

// A date where a number belongs reads as text that is no number, as in Oracle's implicit conversion.
const Decimal& NumberOf(const Addend& a) {
    if (!std::holds_alternative<Decimal>(a))
        ThrowOracleError(1722, "invalid number");
    return std::get<Decimal>(a);
}

Addend Plus(const Addend& l, const Addend& r) {
    if (const auto* d = std::get_if<DateTime>(&l))
        return AddDays(*d, NumberOf(r));
    if (const auto* d = std::get_if<DateTime>(&r))
        return AddDays(*d, NumberOf(l));
    return NumberOf(l) + NumberOf(r);
}

Addend Minus(const Addend& l, const Addend& r) {
    if (const auto* d = std::get_if<DateTime>(&l)) {
        if (const auto* e = std::get_if<DateTime>(&r))
            return DaysBetween(*d, *e);
        return AddDays(*d, -NumberOf(r));
    }
    return NumberOf(l) - NumberOf(r);
}

void ResultAddend(sqlite3_context* c, const Addend& a) {
    if (const auto* d = std::get_if<DateTime>(&a))
        return ResultDate(c, *d);
    ResultNumber(c, std::get<Decimal>(a));
}

template <Addend (*Op)(const Addend&, const Addend&)>
void Fold(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    Addend result = AsAddend(v[0]);
    for (int i = 1; i < n; ++i)
        result = Op(result, AsAddend(v[i]));
    ResultAddend(c, result);
}

void Multiply(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    ResultNumber(c, AsNumber(v[0]) * AsNumber(v[1]));
}

void Divide(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    const Decimal divisor = AsNumber(v[1]);
    if (divisor.IsZero())
        ThrowOracleError(1476, "divisor is equal to zero");
    ResultNumber(c, AsNumber(v[0]) / divisor);
}

void Mod(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    const Decimal a = AsNumber(v[0]), b = AsNumber(v[1]);
    ResultNumber(c, b.IsZero() ? a : a - b * (a / b).Trunc(0));
}

// Decimal places of ROUND and TRUNC; beyond 1000 either way every NUMBER rounds to itself or to 0.
int Places(int n, sqlite3_value** v) {
    return n > 1 ? static_cast<int>(std::clamp<int64_t>(AsNumber(v[1]).ToInt64Clamped(), -1000, 1000)) : 0;
}

void Round(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    if (auto d = AsDate(v[0]))
        return ResultDate(c, RoundDate(*d, n > 1 ? Text(v[1]) : ""));
    ResultNumber(c, AsNumber(v[0]).Round(Places(n, v)));
}

void Trunc(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    if (auto d = AsDate(v[0]))
        return ResultDate(c, TruncDate(*d, n > 1 ? Text(v[1]) : ""));
    ResultNumber(c, AsNumber(v[0]).Trunc(Places(n, v)));
}

// ---- aggregates ----

// SQLite's aggregate memory is only 8-byte aligned, too little for the 128-bit mantissa, so the
// running sum is copied in and out as bytes.
struct SumState {
    bool any;
    int64_t count;
    unsigned char sum[sizeof(Decimal)];
};

Decimal LoadSum(const SumState& s) {
    Decimal d;
    if (s.any)
        std::memcpy(static_cast<void*>(&d), s.sum, sizeof d);
    return d;
}

// Adds (step) or, leaving a window's frame, takes away (inverse) one value.
template <int Direction> void SumChange(sqlite3_context* c, int, sqlite3_value** v) {
    try {
        if (IsNull(v[0]))
            return;
        auto* s = static_cast<SumState*>(sqlite3_aggregate_context(c, sizeof(SumState)));
        if (!s)
            return sqlite3_result_error_nomem(c);
        const Decimal sum = Direction > 0 ? LoadSum(*s) + AsNumber(v[0]) : LoadSum(*s) - AsNumber(v[0]);
        std::memcpy(s->sum, static_cast<const void*>(&sum), sizeof sum);
        s->any = true;
        s->count += Direction;
    } catch (const OracleError& e) {
        sqlite3_result_error(c, e.what(), -1);
    }
}

void SumFinal(sqlite3_context* c) {
    auto* s = static_cast<SumState*>(sqlite3_aggregate_context(c, 0));
    if (!s || !s->any || s->count == 0)
        return sqlite3_result_null(c);
    ResultNumber(c, LoadSum(*s));
}

void AvgFinal(sqlite3_context* c) {
    auto* s = static_cast<SumState*>(sqlite3_aggregate_context(c, 0));
    if (!s || !s->any || s->count == 0)
        return sqlite3_result_null(c);
    ResultNumber(c, LoadSum(*s) / Decimal::FromInt(s->count));
}

// The value of a scalar subquery, which must come from at most one row.
struct SingleState {
    sqlite3_value* value;
    bool seen;
};

void SingleStep(sqlite3_context* c, int, sqlite3_value** v) {
    auto* s = static_cast<SingleState*>(sqlite3_aggregate_context(c, sizeof(SingleState)));
    if (!s)
        return sqlite3_result_error_nomem(c);
    if (s->seen)
        return sqlite3_result_error(c, "ORA-01427: single-row subquery returns more than one row", -1);
    s->seen = true;
    s->value = sqlite3_value_dup(v[0]);
}

void SingleFinal(sqlite3_context* c) {
    auto* s = static_cast<SingleState*>(sqlite3_aggregate_context(c, 0));
    if (!s || !s->value)
        return sqlite3_result_null(c);
    sqlite3_result_value(c, s->value);
    sqlite3_value_free(s->value);
}

// ---- text ----

// Oracle's longest string in SQL; a longer result is an error, never a string that grows on.
constexpr size_t kMaxTextBytes = 4000;

thread_local bool plsqlStrings = false;

size_t MaxTextBytes() {
    return plsqlStrings ? kMaxPlsqlTextBytes : kMaxTextBytes;
}

void RequireTextLength(size_t bytes) {
    if (bytes <= MaxTextBytes())
        return;
    if (plsqlStrings)
        ThrowOracleError(6502, "PL/SQL: numeric or value error: character string buffer too small");
    ThrowOracleError(1489, "result of string concatenation is too long");
}

// One operand is a conversion to text, not a concatenation: a long bound value passes whole.
void Concat(sqlite3_context* c, int n, sqlite3_value** v) {
    std::string out;
    for (int i = 0; i < n; ++i)
        if (!IsNull(v[i])) {
            out += AsDate(v[i]) ? Text(v[i]) : AsText(v[i]);
            if (n > 1)
                RequireTextLength(out.size());
        }
    ResultText(c, out);
}

// SQLite's replace(X, Y, Z), bounded like every string of the dialect.
void Replace(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    const std::string text = Text(v[0]), search = Text(v[1]), replacement = Text(v[2]);
    if (search.empty())
        return sqlite3_result_value(c, v[0]);
    std::string out;
    size_t from = 0;
    for (size_t at; (at = text.find(search, from)) != std::string::npos; from = at + search.size()) {
        out.append(text, from, at - from).append(replacement);
        RequireTextLength(out.size());
    }
    out.append(text, from, std::string::npos);
    RequireTextLength(out.size());
    sqlite3_result_text(c, out.data(), static_cast<int>(out.size()), SQLITE_TRANSIENT);
}

void Instr(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    const int64_t position = n > 2 ? AsNumber(v[2]).ToInt64Clamped() : 1;
    const int64_t occurrence = n > 3 ? AsNumber(v[3]).ToInt64Clamped() : 1;
    if (position == 0)
        return sqlite3_result_int(c, 0);
    if (occurrence < 1)
        ThrowOracleError(1428, "argument '0' is out of range");
    sqlite3_result_int64(c, InstrChars(AsText(v[0]), AsText(v[1]), position, occurrence));
}

void Substr(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    const int64_t position = AsNumber(v[1]).ToInt64Clamped();
    std::optional<int64_t> length;
    if (n > 2)
        length = AsNumber(v[2]).ToInt64Clamped();
    ResultText(c, SubstrChars(AsText(v[0]), position, length));
}

template <bool ToUpper> void ChangeCaseOf(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    ResultText(c, ChangeCase(AsText(v[0]), ToUpper));
}

// like(pattern, value [, escape]): SQLite's name for "value LIKE pattern".
void Like(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    std::optional<char32_t> escape;
    if (n > 2) {
        const std::string e = AsText(v[2]);
        if (CharLength(e) != 1)
            ThrowOracleError(1425, "escape character must be character string of length 1");
        escape = DecodeChars(e)[0];
    }
    sqlite3_result_int(c, LikeMatch(AsText(v[1]), AsText(v[0]), escape) ? 1 : 0);
}

// ---- conversions ----

// NLS parameters, when given, are the fourth argument.
NlsParameters NlsOf(int n, sqlite3_value** v, int index) {
    return n > index && !IsNull(v[index]) ? ReadNlsParameters(Text(v[index])) : NlsParameters{};
}

// ora_to_char(value, format or NULL, session date format [, NLS parameters]).
void ToChar(sqlite3_context* c, int n, sqlite3_value** v) {
    if (IsNull(v[0]))
        return sqlite3_result_null(c);
    const bool hasFormat = n > 1 && !IsNull(v[1]);
    const NlsParameters nls = NlsOf(n, v, 3);
    if (auto d = AsDate(v[0]))
        return ResultText(c, FormatDate(*d, hasFormat ? Text(v[1]) : Text(v[2])));
    const int type = sqlite3_value_type(v[0]);
    if (type != SQLITE_INTEGER && type != SQLITE_FLOAT && !hasFormat)
        return ResultText(c, Text(v[0]));
    const Decimal number = AsNumber(v[0]);
    ResultText(c, hasFormat ? FormatNumber(number, Text(v[1]), nls) : number.ToOracleText());
}

void ToDate(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    if (auto d = AsDate(v[0]))
        return ResultDate(c, *d);
    ResultDate(c, ParseDate(AsText(v[0]), Text(v[1])));
}

// ora_to_number(value [, format [, NLS parameters]]). A number given with a format is read as its
// text, as Oracle converts it first.
void ToNumber(sqlite3_context* c, int n, sqlite3_value** v) {
    if (IsNull(v[0]) || (n > 1 && IsNull(v[1])))
        return sqlite3_result_null(c);
    if (n == 1)
        return ResultNumber(c, AsNumber(v[0]));
    const int type = sqlite3_value_type(v[0]);
    const std::string text =
        type == SQLITE_INTEGER || type == SQLITE_FLOAT ? AsNumber(v[0]).ToOracleText() : Text(v[0]);
    ResultNumber(c, ParseNumber(text, Text(v[1]), NlsOf(n, v, 2)));
}

void Sysdate(sqlite3_context* c, int, sqlite3_value**) {
    ResultDate(c, LocalNow());
}

// ora_date_in(value, session format): a value compared with or stored into a DATE column.
void DateIn(sqlite3_context* c, int, sqlite3_value** v) {
    if (IsNull(v[0]))
        return sqlite3_result_null(c);
    const int type = sqlite3_value_type(v[0]);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
        ThrowOracleError(932, "inconsistent datatypes: expected DATE got NUMBER");
    // Bound dates and copied DATE columns arrive in the full stored form, which is kept as it is.
    const std::string text = Text(v[0]);
    if (text.size() == kStoredDateTimeLength && ParseStoredDate(text))
        return sqlite3_result_value(c, v[0]);
    ResultDate(c, ReadSessionDate(text, Text(v[1])));
}

// Whether an integer fits NUMBER(precision, scale) as it is: scale 0 or more, enough integer digits.
bool IntegerFits(sqlite3_int64 value, int precision, int scale) {
    if (scale < 0)
        return false;
    if (precision == 0)
        return true;
    int digits = 0;
    for (sqlite3_uint64 rest = value < 0 ? 0 - static_cast<sqlite3_uint64>(value) : value; rest > 0;
         rest /= 10)
        ++digits;
    return digits <= precision - scale;
}

// A column keeps every digit of an exact number (text, Oracle's NUMBER bytes, a literal): an integer
// within 64 bits as SQLite's integer, up to 15 significant digits as a real, which gives them back
// exactly, and more as its text in a blob, which SQLite's affinity leaves as it is. A double stays a
// double, as it carries no more digits than a real keeps.
void ResultStoredNumber(sqlite3_context* c, const Decimal& number, bool fromDouble) {
    if (fromDouble || number.HeldByDouble() || (number.IsInteger() && number.FitsInt64()))
        return ResultNumber(c, number);
    const std::string text = number.ToOracleText();
    sqlite3_result_blob(c, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// ora_number_in(value, precision, scale): a value converted to NUMBER(p,s); precision 0 =
// unconstrained. ORA-01438 when the value, rounded to the scale, has more integer digits than
// p - s. In a column (Stored) it keeps its exact digits, elsewhere it is SQLite's integer or real.
template <bool Stored> void NumberIn(sqlite3_context* c, int, sqlite3_value** v) {
    if (IsNull(v[0]))
        return sqlite3_result_null(c);
    const int precision = sqlite3_value_int(v[1]);
    const int type = sqlite3_value_type(v[0]);
    if (type == SQLITE_INTEGER &&
        (IsNull(v[2]) || IntegerFits(sqlite3_value_int64(v[0]), precision, sqlite3_value_int(v[2]))))
        return sqlite3_result_value(c, v[0]);
    if (AsDate(v[0]))
        ThrowOracleError(932, "inconsistent datatypes: expected NUMBER got DATE");
    Decimal number = AsNumber(v[0]);
    if (!IsNull(v[2])) {
        const int scale = sqlite3_value_int(v[2]);
        number = number.Round(scale);
        if (precision > 0 && !number.FitsPrecision(precision, scale))
            ThrowOracleError(1438, "value larger than specified precision allowed for this column");
    }
    if (Stored)
        return ResultStoredNumber(c, number, type == SQLITE_FLOAT);
    ResultNumber(c, number);
}

// ora_text_in(value, length, padded, column): a value stored into VARCHAR2(n) or CHAR(n), in bytes;
// without a column, a CAST to that type.
void TextIn(sqlite3_context* c, int, sqlite3_value** v) {
    if (IsNull(v[0]))
        return sqlite3_result_null(c);
    std::string text = AsText(v[0]);
    const size_t length = static_cast<size_t>(sqlite3_value_int(v[1]));
    const bool padded = sqlite3_value_int(v[2]) != 0;
    if (padded) {
        while (text.size() > length && text.back() == ' ')
            text.pop_back();
    }
    if (text.size() > length && IsNull(v[3]))
        ThrowOracleError(25137, "Data value out of range");
    if (text.size() > length) {
        const std::string message = "ORA-12899: value too large for column " + Text(v[3]) +
                                    " (actual: " + std::to_string(text.size()) +
                                    ", maximum: " + std::to_string(length) + ")";
        throw OracleError(12899, message);
    }
    if (padded && !text.empty())
        text.append(length - text.size(), ' ');
    ResultText(c, text);
}

// ---- everyday functions ----

// A date argument: the emitter hands dates in the stored form, converted from texts already.
DateTime DateArg(sqlite3_value* v) {
    if (auto d = AsDate(v))
        return *d;
    ThrowOracleError(932, "inconsistent datatypes: expected DATE got NUMBER");
}

// TRIM(source, char, mode): mode 'L', 'T' or 'B'.
void Trim(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    const std::vector<char32_t> set = DecodeChars(AsText(v[1]));
    if (set.size() != 1)
        ThrowOracleError(30001, "trim set should have only one character");
    const std::string mode = Text(v[2]);
    ResultText(c, TrimChar(AsText(v[0]), set[0], mode != "T", mode != "L"));
}

// Padding stops at the longest string, on a whole character, as Oracle's does; a huge length asks
// for no more memory than that.
template <bool Left> void Pad(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    const int64_t length = std::min<int64_t>(AsNumber(v[1]).ToInt64Clamped(), MaxTextBytes());
    std::string padded = PadChars(AsText(v[0]), length, n > 2 ? AsText(v[2]) : " ", Left);
    if (padded.size() > MaxTextBytes()) {
        size_t end = MaxTextBytes();
        while (end > 0 && (padded[end] & 0xC0) == 0x80) // a continuation byte: the character starts before
            --end;
        padded.resize(end);
    }
    ResultText(c, padded);
}

void Translate(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    ResultText(c, TranslateChars(AsText(v[0]), AsText(v[1]), AsText(v[2])));
}

void Initcap(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    ResultText(c, InitCap(AsText(v[0])));
}

void Sign(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    const Decimal x = AsNumber(v[0]);
    sqlite3_result_int(c, x.IsZero() ? 0 : x.IsNegative() ? -1 : 1);
}

template <bool Up> void CeilOrFloor(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    const Decimal x = AsNumber(v[0]);
    const Decimal whole = x.Trunc(0);
    const int step = Up ? (x.Compare(whole) > 0 ? 1 : 0) : (x.Compare(whole) < 0 ? -1 : 0);
    ResultNumber(c, whole + Decimal::FromInt(step));
}

[[noreturn]] void OutOfRange(sqlite3_value* argument) {
    ThrowOracleError(1428, "argument '" + AsText(argument) + "' is out of range");
}

void ResultDouble(sqlite3_context* c, double value) {
    if (!std::isfinite(value))
        ThrowOracleError(1426, "numeric overflow");
    ResultNumber(c, Decimal::FromDouble(value));
}

// A whole exponent multiplies exactly in decimal; any other goes through doubles, as Oracle's does.
void Power(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    const Decimal base = AsNumber(v[0]), exponent = AsNumber(v[1]);
    if (exponent.IsInteger() && exponent.FitsInt64() && std::llabs(exponent.ToInt64()) <= 256) {
        const int64_t e = exponent.ToInt64();
        if (base.IsZero() && e < 0)
            OutOfRange(v[0]);
        Decimal result = Decimal::FromInt(1);
        for (int64_t i = 0; i < std::llabs(e); ++i)
            result = result * base;
        return ResultNumber(c, e < 0 ? Decimal::FromInt(1) / result : result);
    }
    if (base.IsNegative())
        OutOfRange(v[0]);
    ResultDouble(c, std::pow(base.ToDouble(), exponent.ToDouble()));
}

void Sqrt(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    const Decimal x = AsNumber(v[0]);
    if (x.IsNegative())
        OutOfRange(v[0]);
    ResultDouble(c, std::sqrt(x.ToDouble()));
}

void AddMonthsTo(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    ResultDate(c, AddMonths(DateArg(v[0]), AsNumber(v[1])));
}

void MonthsBetweenDates(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    ResultNumber(c, MonthsBetween(DateArg(v[0]), DateArg(v[1])));
}

void LastDayOf(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    ResultDate(c, LastDay(DateArg(v[0])));
}

void NextDayAfter(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    ResultDate(c, NextDay(DateArg(v[0]), AsText(v[1])));
}

// ora_extract(field, date): the field is YEAR, MONTH or DAY.
void Extract(sqlite3_context* c, int n, sqlite3_value** v) {
    if (AnyNull(n, v))
        return sqlite3_result_null(c);
    const DateTime d = DateArg(v[1]);
    const std::string field = Text(v[0]);
    sqlite3_result_int(c, field == "YEAR" ? d.year : field == "MONTH" ? d.month : d.day);
}

struct Scalar {
    const char* name;
    int args;
    void (*fn)(sqlite3_context*, int, sqlite3_value**);
    bool deterministic;
};

} // namespace

PlsqlStrings::PlsqlStrings() : outer_(plsqlStrings) {
    plsqlStrings = true;
}

PlsqlStrings::~PlsqlStrings() {
    plsqlStrings = outer_;
}

void RegisterOracleFunctions(sqlite3* db) {
    static const Scalar kScalars[] = {
        {"ora_add", -1, Guarded<Fold<Plus>>, true},
        {"ora_sub", -1, Guarded<Fold<Minus>>, true},
        {"ora_mul", 2, Guarded<Multiply>, true},
        {"ora_div", 2, Guarded<Divide>, true},
        {"ora_mod", 2, Guarded<Mod>, true},
        {"ora_round", 1, Guarded<Round>, true},
        {"ora_round", 2, Guarded<Round>, true},
        {"ora_trunc", 1, Guarded<Trunc>, true},
        {"ora_trunc", 2, Guarded<Trunc>, true},
        {"ora_concat", -1, Guarded<Concat>, true},
        {"replace", 3, Guarded<Replace>, true},
        {"ora_instr", 2, Guarded<Instr>, true},
        {"ora_instr", 3, Guarded<Instr>, true},
        {"ora_instr", 4, Guarded<Instr>, true},
        {"ora_substr", 2, Guarded<Substr>, true},
        {"ora_substr", 3, Guarded<Substr>, true},
        {"ora_upper", 1, Guarded<ChangeCaseOf<true>>, true},
        {"ora_lower", 1, Guarded<ChangeCaseOf<false>>, true},
        {"like", 2, Guarded<Like>, true},
        {"like", 3, Guarded<Like>, true},
        {"ora_to_char", 3, Guarded<ToChar>, true},
        {"ora_to_char", 4, Guarded<ToChar>, true},
        {"ora_to_date", 2, Guarded<ToDate>, true},
        {"ora_to_number", 1, Guarded<ToNumber>, true},
        {"ora_to_number", 2, Guarded<ToNumber>, true},
        {"ora_to_number", 3, Guarded<ToNumber>, true},
        {"ora_sysdate", 0, Guarded<Sysdate>, false},
        {"ora_date_in", 2, Guarded<DateIn>, true},
        {"ora_number_in", 3, Guarded<NumberIn<false>>, true},
        {"ora_number_column", 3, Guarded<NumberIn<true>>, true},
        {"ora_text_in", 4, Guarded<TextIn>, true},
        {"ora_trim", 3, Guarded<Trim>, true},
        {"ora_lpad", 2, Guarded<Pad<true>>, true},
        {"ora_lpad", 3, Guarded<Pad<true>>, true},
        {"ora_rpad", 2, Guarded<Pad<false>>, true},
        {"ora_rpad", 3, Guarded<Pad<false>>, true},
        {"ora_translate", 3, Guarded<Translate>, true},
        {"ora_initcap", 1, Guarded<Initcap>, true},
        {"ora_sign", 1, Guarded<Sign>, true},
        {"ora_ceil", 1, Guarded<CeilOrFloor<true>>, true},
        {"ora_floor", 1, Guarded<CeilOrFloor<false>>, true},
        {"ora_power", 2, Guarded<Power>, true},
        {"ora_sqrt", 1, Guarded<Sqrt>, true},
        {"ora_add_months", 2, Guarded<AddMonthsTo>, true},
        {"ora_months_between", 2, Guarded<MonthsBetweenDates>, true},
        {"ora_last_day", 1, Guarded<LastDayOf>, true},
        {"ora_next_day", 2, Guarded<NextDayAfter>, true},
        {"ora_extract", 2, Guarded<Extract>, true},
    };
    for (const Scalar& s : kScalars) {
        const int flags = SQLITE_UTF8 | (s.deterministic ? SQLITE_DETERMINISTIC : 0);
        sqlite3_create_function(db, s.name, s.args, flags, nullptr, s.fn, nullptr, nullptr);
    }
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    // SUM and AVG also serve as analytic functions over a moving frame.
    sqlite3_create_window_function(db, "ora_sum", 1, flags, nullptr, SumChange<1>, SumFinal, SumFinal,
                                   SumChange<-1>, nullptr);
    sqlite3_create_window_function(db, "ora_avg", 1, flags, nullptr, SumChange<1>, AvgFinal, AvgFinal,
                                   SumChange<-1>, nullptr);
    sqlite3_create_function(db, "ora_single", 1, flags, nullptr, nullptr, SingleStep, SingleFinal);
}

} // namespace orasql
