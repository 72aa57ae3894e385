// The value in a client buffer of a given external type, as the dataset framework holds it: one
// decoding for fetched columns and bound variables alike. Where the buffer comes from, and its
// NULL indicator, stay with the caller.
#pragma once

#include "oracle/OracleTypes.h"

#include <cstdint>
#include <cstring>
#include <string>

// Bind variables travel with their type code as the external type.
static_assert(otType::otInteger == SQLT_INT && otType::otFloat == SQLT_FLT && otType::otDate == SQLT_DAT &&
              otType::otLongRaw == SQLT_LBI && otType::otLong == SQLT_LNG && otType::otSubst == SQLT_CHR);

//! One element of a client buffer.
struct TExternalValue {
    int Type = 0; //!< the external datatype code
    const unsigned char* Data = nullptr;
    size_t Length = 0;   //!< bytes the client reported: counts for LONG, LONG RAW and CHR values
    size_t Capacity = 0; //!< room of the element: a zero-terminated text ends within it
};

//! The bytes of a zero-terminated text: as many as the client reported, so that a NUL inside the
//! value keeps what follows it, as Oracle's own client does; up to the terminator where the client
//! reported none or more than the element holds.
inline size_t TextLength(const TExternalValue& value) {
    const char* chars = reinterpret_cast<const char*>(value.Data);
    if (value.Length == 0 || value.Length > value.Capacity)
        return strnlen(chars, value.Capacity);
    return chars[value.Length - 1] == '\0' ? value.Length - 1 : value.Length;
}

//! The element as integer, float, date-time, bytes or text; texts get CR LF line breaks when
//! convertCRLF is set.
inline TVariant DecodeExternalValue(const TExternalValue& value, bool convertCRLF) {
    const auto textOf = [convertCRLF](std::string text) {
        return TVariant::FromText(convertCRLF ? NormalizeLineBreaks(text) : std::move(text));
    };
    const char* chars = reinterpret_cast<const char*>(value.Data);
    switch (value.Type) {
    case SQLT_INT: {
        // Columns fetch 4 bytes, integer variables hold 8.
        if (value.Capacity >= sizeof(std::int64_t)) {
            std::int64_t number;
            std::memcpy(&number, value.Data, sizeof number);
            return TVariant::FromInteger(number);
        }
        std::int32_t number;
        std::memcpy(&number, value.Data, sizeof number);
        return TVariant::FromInteger(number);
    }
    case SQLT_FLT: {
        double number;
        std::memcpy(&number, value.Data, sizeof number);
        return TVariant::FromFloat(number);
    }
    case SQLT_DAT:
        return TVariant::FromDateTime(DecodeOracleDate(value.Data));
    case SQLT_LBI:
        return TVariant::FromBytes(TBytes(value.Data, value.Data + value.Length));
    case SQLT_LNG:
    case SQLT_CHR:
        return textOf(std::string(chars, value.Length));
    default:
        return textOf(std::string(chars, TextLength(value)));
    }
}
