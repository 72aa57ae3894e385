// Column declarations of the local tables: one name per field type, the size in brackets for text.
#include "platform/localdb/LocalFieldTypes.h"
#include "platform/settings/TextUtils.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <utility>

namespace {

constexpr std::array<std::pair<TFieldType, const char*>, 12> TypeNames{{
    {TFieldType::ftString, "VARCHAR"},
    {TFieldType::ftFixedChar, "CHAR"},
    {TFieldType::ftWideString, "NVARCHAR"},
    {TFieldType::ftSmallint, "SMALLINT"},
    {TFieldType::ftInteger, "INTEGER"},
    {TFieldType::ftFloat, "FLOAT"},
    {TFieldType::ftCurrency, "CURRENCY"},
    {TFieldType::ftDate, "DATE"},
    {TFieldType::ftTime, "TIME"},
    {TFieldType::ftDateTime, "TIMESTAMP"},
    {TFieldType::ftMemo, "MEMO"},
    {TFieldType::ftBlob, "BLOB"},
}};

} // namespace

std::string ColumnDeclaration(const TFieldDef& def) {
    for (const auto& [type, name] : TypeNames)
        if (type == def.DataType)
            return IsTextType(type) && type != TFieldType::ftMemo && def.Size > 0
                       ? std::string(name) + "(" + std::to_string(def.Size) + ")"
                       : std::string(name);
    return "MEMO";
}

TFieldDef FieldDefOfColumn(const std::string& name, const std::string& declaration) {
    const size_t bracket = declaration.find('(');
    const std::string typeName = UpperCase(declaration.substr(0, bracket));
    TFieldDef def{name, TFieldType::ftMemo};
    for (const auto& [type, text] : TypeNames)
        if (typeName == text)
            def.DataType = type;
    if (bracket != std::string::npos)
        def.Size = std::atoi(declaration.c_str() + bracket + 1);
    return def;
}

TVariant NativeValue(TFieldType type, const TVariant& stored) {
    if (stored.IsNull())
        return stored;
    if (IsDateTimeType(type) && stored.Kind() != TVarKind::DateTime)
        return TVariant::FromDateTime(
            stored.Kind() == TVarKind::Integer ? static_cast<double>(stored.Integer()) : stored.Float());
    if (IsFloatType(type) && stored.Kind() == TVarKind::Integer)
        return TVariant::FromFloat(static_cast<double>(stored.Integer()));
    return stored;
}
