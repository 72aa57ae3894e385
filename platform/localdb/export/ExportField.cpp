// Export columns and values of a dataset's visible fields.
#include "platform/localdb/export/ExportField.h"

#include "platform/settings/Exceptions.h"

std::vector<TExportField> ExportFieldsOf(const TDataSet& dataSet) {
    std::vector<TExportField> fields;
    for (int i = 0; i < dataSet.FieldCount(); ++i) {
        const TField& field = dataSet.Fields(i);
        if (!field.Visible())
            continue;
        if (field.OnGetText())
            fields.push_back({field.FieldName(), TFieldType::ftString, field.DisplayWidth()});
        else
            fields.push_back({field.FieldName(), field.DataType(), field.Size()});
    }
    return fields;
}

TVariant ExportValueOf(const TField& field) {
    return field.OnGetText() ? TVariant::FromText(field.DisplayText()) : field.Value();
}

std::int64_t ExportIntegerOf(const TExportField& field, const TVariant& value, std::int64_t lowest,
                             std::int64_t highest) {
    const std::int64_t number = value.Integer();
    if (number < lowest || number > highest)
        throw Exception("Vrednost " + std::to_string(number) + " polja " + field.Name +
                        " ne gre v celoštevilski stolpec izvozne datoteke");
    return number;
}
