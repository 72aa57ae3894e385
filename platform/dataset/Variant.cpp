// Construction and checked access of the field value variant.
#include "platform/dataset/Variant.h"

#include <cassert>

TVariant TVariant::FromInteger(std::int64_t value) {
    TVariant v;
    v.FValue = value;
    return v;
}

TVariant TVariant::FromFloat(double value) {
    TVariant v;
    v.FValue = value;
    return v;
}

TVariant TVariant::FromText(std::string value) {
    TVariant v;
    v.FValue = std::move(value);
    return v;
}

TVariant TVariant::FromDateTime(TDateTime value) {
    TVariant v;
    v.FValue = DateTimeBox{value};
    return v;
}

TVariant TVariant::FromBytes(TBytes value) {
    TVariant v;
    v.FValue = std::move(value);
    return v;
}

TVariant TVariant::Unassigned() {
    TVariant v;
    v.FUnassigned = true;
    return v;
}

// The alternatives of FValue are declared in the order of TVarKind.
TVarKind TVariant::Kind() const {
    return static_cast<TVarKind>(FValue.index());
}

std::int64_t TVariant::Integer() const {
    assert(Kind() == TVarKind::Integer);
    return std::get<std::int64_t>(FValue);
}

double TVariant::Float() const {
    assert(Kind() == TVarKind::Float);
    return std::get<double>(FValue);
}

const std::string& TVariant::Text() const {
    assert(Kind() == TVarKind::Text);
    return std::get<std::string>(FValue);
}

TDateTime TVariant::DateTime() const {
    assert(Kind() == TVarKind::DateTime);
    return std::get<DateTimeBox>(FValue).Value;
}

const TBytes& TVariant::Bytes() const {
    assert(Kind() == TVarKind::Bytes);
    return std::get<TBytes>(FValue);
}
