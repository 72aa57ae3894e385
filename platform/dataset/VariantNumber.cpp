// The numeric reading of a variant: one place for the kinds that carry a number.
#include "platform/dataset/VariantNumber.h"

#include <cassert>

std::optional<double> NumericValue(const TVariant& value, TNumberParser parseText) {
    assert(parseText != nullptr);
    switch (value.Kind()) {
    case TVarKind::Integer:
        return static_cast<double>(value.Integer());
    case TVarKind::Float:
        return value.Float();
    case TVarKind::DateTime:
        return value.DateTime();
    case TVarKind::Text:
        return parseText(value.Text());
    case TVarKind::Null:
    case TVarKind::Bytes:
        break;
    }
    return std::nullopt;
}
