// Export columns and values of a dataset's visible fields.
#include "platform/localdb/export/ExportField.h"

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
