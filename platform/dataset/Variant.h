// The value of one field in one record: NULL or a native value (integer, float, text, date-time,
// bytes). A record is one such value per field, in field-number order.
#pragma once

#include "platform/settings/DateTime.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

//! Contents of a blob field.
using TBytes = std::vector<unsigned char>;

//! Which alternative a TVariant holds.
enum class TVarKind { Null, Integer, Float, Text, DateTime, Bytes };

//! A small tagged value; a date-time is kept apart from a float although both are doubles.
class TVariant {
public:
    //! A NULL value.
    TVariant() = default;
    static TVariant FromInteger(std::int64_t value);
    static TVariant FromFloat(double value);
    static TVariant FromText(std::string value);
    static TVariant FromDateTime(TDateTime value);
    static TVariant FromBytes(TBytes value);
    //! No value, like NULL, but marked as never given one; it compares unequal to NULL.
    static TVariant Unassigned();

    //! The alternative held.
    TVarKind Kind() const;
    bool IsNull() const { return Kind() == TVarKind::Null; }
    bool IsUnassigned() const { return FUnassigned; }

    //! The held value; the kind must match (asserted).
    std::int64_t Integer() const;
    double Float() const;
    const std::string& Text() const;
    TDateTime DateTime() const;
    const TBytes& Bytes() const;

    //! Same kind and same value.
    bool operator==(const TVariant& other) const = default;

private:
    struct DateTimeBox {
        TDateTime Value;
        bool operator==(const DateTimeBox&) const = default;
    };
    std::variant<std::monostate, std::int64_t, double, std::string, DateTimeBox, TBytes> FValue;
    bool FUnassigned = false;
};

//! One value per field, indexed by TField::FieldNo().
using TRecordBuffer = std::vector<TVariant>;
