// A field's presentation properties and its access to the value in the dataset's active record.
// Conversions between the value kinds are in FieldConversion.cpp.
#include "platform/dataset/Field.h"

#include "platform/dataset/DataSet.h"

namespace {

// Characters a view reserves for a field when nobody set a width.
int DefaultDisplayWidth(const TFieldDef& def) {
    switch (def.DataType) {
    case TFieldType::ftString:
    case TFieldType::ftFixedChar:
    case TFieldType::ftWideString:
        return def.Size > 0 ? def.Size : 20;
    case TFieldType::ftSmallint:
        return 6;
    case TFieldType::ftInteger:
        return 11;
    case TFieldType::ftDateTime:
        return 18;
    default:
        return 10;
    }
}

} // namespace

TField::TField(TDataSet& dataSet, const TFieldDef& def, int fieldNo)
    : FDataSet(dataSet), FDef(def), FFieldNo(fieldNo), FDisplayWidth(DefaultDisplayWidth(def)),
      FAlignment(IsNumericType(def.DataType) ? TAlignment::taRightJustify : TAlignment::taLeftJustify) {}

const std::string& TField::DisplayLabel() const {
    return FDisplayLabel.empty() ? FDef.Name : FDisplayLabel;
}

void TField::SetDisplayLabel(std::string label) {
    FDisplayLabel = std::move(label);
    FDataSet.FieldLayoutChanged();
}

void TField::SetDisplayWidth(int width) {
    FDisplayWidth = width;
    FDataSet.FieldLayoutChanged();
}

void TField::SetVisible(bool visible) {
    FVisible = visible;
    FDataSet.FieldLayoutChanged();
}

int TField::Index() const {
    return FDataSet.FieldIndex(*this);
}

void TField::SetIndex(int index) {
    FDataSet.MoveField(*this, index);
}

void TField::SetAlignment(TAlignment alignment) {
    FAlignment = alignment;
    FDataSet.FieldLayoutChanged();
}

void TField::SetDisplayFormat(std::string format) {
    FDisplayFormat = std::move(format);
    FDataSet.FieldDisplayChanged();
}

void TField::SetOnGetText(TFieldGetTextEvent handler) {
    FOnGetText = std::move(handler);
    FDataSet.FieldDisplayChanged();
}

TVariant TField::Value() const {
    return FDataSet.ActiveValue(FFieldNo);
}

void TField::SetValue(const TVariant& value) {
    FDataSet.SetActiveValue(*this, Convert(value));
}
