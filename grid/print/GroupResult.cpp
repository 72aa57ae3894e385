// Presentation of the sort and group query results.
#include "grid/print/GroupResult.h"

#include "platform/dataset/DataSetGuards.h"
#include "platform/settings/DateTime.h"
#include "platform/settings/DisplayFormat.h"
#include "platform/settings/TextUtils.h"

namespace {

constexpr double FloatPlaceholder = 68719476736.0;
constexpr int IntegerPlaceholder = -32000;

bool IsDatePlaceholder(const TField& field) {
    const TDateTime placeholder = field.DataType() == TFieldType::ftDate
                                      ? EncodeDate(2999, 3, 10)
                                      : EncodeDate(2999, 3, 10) + EncodeTime(10, 10, 10, 0);
    return field.AsDateTime() - placeholder < 1e-6 && placeholder - field.AsDateTime() < 1e-6;
}

// Totals have more digits than the rows they add up: a summary column takes the width of its
// widest value, so neither the grid nor the printout cuts a total.
void WidenToValues(TDataSet& result, TField& column) {
    TDisableControlsGuard controls(result);
    TDataSetPositionGuard position(result);
    int widest = column.DisplayWidth();
    for (result.First(); !result.Eof(); result.Next())
        widest = std::max(widest, static_cast<int>(CharacterCount(column.DisplayText())));
    column.SetDisplayWidth(widest);
}

} // namespace

bool IsPlaceholder(const TField& field) {
    if (field.IsNull())
        return false;
    const TFieldType type = field.DataType();
    if (type == TFieldType::ftDate || type == TFieldType::ftDateTime)
        return IsDatePlaceholder(field);
    if (IsTextType(type)) {
        const std::string text = field.AsString();
        return text.rfind(PlaceholderText(1), 0) == 0;
    }
    if (IsFloatType(type))
        return field.AsFloat() == FloatPlaceholder;
    if (IsIntegerType(type))
        return field.AsInteger() == IntegerPlaceholder;
    return false;
}

std::string GroupText(const TField& field, const std::string& totalMarker) {
    if (IsPlaceholder(field))
        return totalMarker;
    if (IsFloatType(field.DataType()) && !field.IsNull())
        return FormatFloat(field.DisplayFormat(), field.AsFloat());
    return field.AsString();
}

TFieldDefs ResultColumnTypes(const TGroupSettings& settings) {
    TFieldDefs defs;
    for (const TGroupColumn& group : settings.GroupColumns())
        defs.Add(group.Name, group.DataType, group.Size);
    for (const TField* sum : settings.Sums())
        if (defs.IndexOf(sum->FieldName()) < 0)
            defs.Add(sum->FieldName(), sum->Tag() == 2 ? TFieldType::ftFloat : sum->DataType(), sum->Size());
    return defs;
}

void FormatResult(TDataSet& result, const TGroupSettings& settings, bool groupQuery,
                  const std::string* marker) {
    for (const TField* group : settings.Groups()) {
        TField* column = result.FindField(group->FieldName());
        if (!column)
            continue;
        column->SetOnGetText([marker](const TField& f) { return GroupText(f, *marker); });
        column->SetDisplayLabel(group->DisplayLabel());
        column->SetDisplayWidth(group->DisplayWidth());
        if (groupQuery && IsNumericType(column->DataType()))
            column->SetDisplayFormat(group->DisplayFormat());
    }
    for (const TField* sum : settings.Sums()) {
        TField* column = result.FindField(sum->FieldName());
        if (!column)
            continue;
        column->SetDisplayLabel(settings.SumCaption(*sum));
        column->SetDisplayWidth(sum->DisplayWidth());
        if (IsNumericType(column->DataType()))
            column->SetDisplayFormat(sum->DisplayFormat());
        WidenToValues(result, *column);
    }
    if (TField* count = result.FindField(TGroupSettings::CountField))
        count->SetDisplayWidth(6);
}
