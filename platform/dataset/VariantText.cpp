// The text of a variant: one place for how each kind is written.
#include "platform/dataset/VariantText.h"

#include "platform/settings/DateText.h"
#include "platform/settings/FloatText.h"

std::string TextValue(const TVariant& value) {
    switch (value.Kind()) {
    case TVarKind::Null:
        break;
    case TVarKind::Integer:
        return std::to_string(value.Integer());
    case TVarKind::Float:
        return FloatToStr(value.Float());
    case TVarKind::Text:
        return value.Text();
    case TVarKind::DateTime:
        return FormatDateTime(value.DateTime());
    case TVarKind::Bytes:
        return std::string(value.Bytes().begin(), value.Bytes().end());
    }
    return {};
}
