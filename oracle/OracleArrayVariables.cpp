// The elements of array variables (array DML): each converted as a plain value would be, kept at
// its own length, and packed at bind time into the one contiguous array the client reads, so that
// a column of short texts does not cost its declared 4001 bytes per row.
#include "oracle/OracleExternalValue.h"
#include "oracle/OracleTypes.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsText(int type) {
    return type == otType::otString || type == otType::otPLSQLString || type == otType::otChar;
}

bool HasLength(int type) {
    return type == otType::otLong || type == otType::otLongRaw;
}

// Numbers and dates keep their declared size; texts and LONG values take the longest element.
size_t PackedElementSize(const TVariableData& variable, int maxText) {
    if (!IsText(variable.Type) && !HasLength(variable.Type))
        return static_cast<size_t>(variable.ElementSize);
    size_t size = 1;
    for (const TVariableElement& element : variable.Elements)
        size = std::max(size, element.Bytes.size());
    return IsText(variable.Type) ? std::min(size, static_cast<size_t>(std::max(maxText, 1))) : size;
}

} // namespace

void StoreVariableElement(TVariableData& variable, int index, const TVariant& value,
                          const TConversionRules& rules) {
    TVariableData plain;
    plain.Name = variable.Name;
    plain.Type = variable.Type;
    plain.ElementSize = variable.ElementSize;
    StoreVariableValue(plain, value, rules);
    TVariableElement& element = variable.Elements.at(static_cast<size_t>(index));
    element.Indicator = plain.Indicator;
    element.ActualLength = plain.ActualLength;
    element.Bytes.clear();
    if (plain.Indicator == OCI_IND_NULL)
        return;
    element.Bytes = std::move(plain.Buffer);
    if (IsText(variable.Type)) {
        const char* text = reinterpret_cast<const char*>(element.Bytes.data());
        element.Bytes.resize(strnlen(text, element.Bytes.size()) + 1);
        element.Bytes.shrink_to_fit(); // a block of rows would otherwise keep each text's declared size
    }
}

TVariant LoadVariableElement(const TVariableData& variable, int index, const TConversionRules& rules) {
    if (variable.Elements.empty())
        return LoadVariableValue(variable, rules);
    const TVariableElement& element = variable.Elements.at(static_cast<size_t>(index));
    if (element.Indicator == OCI_IND_NULL || element.Bytes.empty())
        return rules.NullReadsUnassigned ? TVariant::Unassigned() : TVariant();
    const TExternalValue external{variable.Type, element.Bytes.data(), element.ActualLength,
                                  element.Bytes.size()};
    return DecodeExternalValue(external, rules.ConvertCRLF);
}

void PackVariableElements(TVariableData& variable, int maxText) {
    const size_t count = variable.Elements.size();
    const size_t size = PackedElementSize(variable, maxText);
    // A text cut to the element size keeps its last byte for the terminating zero.
    const size_t room = IsText(variable.Type) ? size - 1 : size;
    TPackedArray& packed = variable.Packed;
    packed.ElementSize = static_cast<int>(size);
    packed.Buffer.assign(size * count, 0);
    packed.Indicators.resize(count);
    packed.Lengths.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const TVariableElement& element = variable.Elements[i];
        if (!element.Bytes.empty())
            std::memcpy(packed.Buffer.data() + i * size, element.Bytes.data(),
                        std::min(room, element.Bytes.size()));
        packed.Indicators[i] = element.Indicator;
        packed.Lengths[i] = element.ActualLength;
    }
}
