// Groups of field types that conversions and views ask about.
#include "platform/dataset/FieldType.h"

bool IsTextType(TFieldType type) {
    return type == TFieldType::ftString || type == TFieldType::ftFixedChar ||
           type == TFieldType::ftWideString || type == TFieldType::ftMemo;
}

bool IsIntegerType(TFieldType type) {
    return type == TFieldType::ftSmallint || type == TFieldType::ftInteger;
}

bool IsFloatType(TFieldType type) {
    return type == TFieldType::ftFloat || type == TFieldType::ftCurrency;
}

bool IsNumericType(TFieldType type) {
    return IsIntegerType(type) || IsFloatType(type);
}

bool IsDateTimeType(TFieldType type) {
    return type == TFieldType::ftDate || type == TFieldType::ftTime || type == TFieldType::ftDateTime;
}
