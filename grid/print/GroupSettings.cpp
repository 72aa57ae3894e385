// Group and summary choices, their captions and the field order they give the temporary table.
#include "grid/print/GroupSettings.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr const char* SubtotalMark = "SUM";
constexpr const char* NoSubtotalPrefix = "××";

// Upper case of ASCII letters and of the Central-European letters of the words looked for.
std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (size_t at; (at = text.find("č")) != std::string::npos;)
        text.replace(at, 2, "Č");
    return text;
}

bool IsGroupType(TFieldType type) {
    return type == TFieldType::ftString || type == TFieldType::ftSmallint || type == TFieldType::ftInteger ||
           type == TFieldType::ftDate || type == TFieldType::ftDateTime;
}

std::vector<TField*> FieldsInOrder(TDataSet& dataSet) {
    std::vector<TField*> fields;
    for (int i = 0; i < dataSet.FieldCount(); ++i)
        fields.push_back(&dataSet.Fields(i));
    return fields;
}

} // namespace

int DefaultAggregate(const TField& field) {
    if (IsFloatType(field.DataType())) {
        const std::string label = Upper(field.DisplayLabel());
        for (const char* word : {"Tecaj", "Tečaj", "Cena", "Temperatura", "Index"})
            if (label.find(Upper(word)) != std::string::npos)
                return 2;
        return 1;
    }
    return field.DataType() == TFieldType::ftDate || field.DataType() == TFieldType::ftDateTime ? 4 : 0;
}

int SettledColumnIndex(int movedFrom, int movedTo) {
    if (movedFrom == 0)
        return 0;
    return movedTo == 0 ? 1 : movedTo;
}

void TGroupSettings::Clear() {
    FGroups.clear();
    FSums.clear();
    FNone.clear();
}

void TGroupSettings::AddGroup(TField& field, bool subtotal) {
    field.SetAttributeSet(subtotal ? SubtotalMark : "");
    FGroups.push_back(&field);
    field.SetIndex(static_cast<int>(FGroups.size()));
}

void TGroupSettings::AddSum(TField& field, int kind) {
    if (kind == 0) {
        FNone.push_back(&field);
        return;
    }
    field.SetTag(kind);
    FSums.push_back(&field);
    if (field.FieldName() != CountField)
        field.SetIndex(static_cast<int>(FSums.size() - 1 + FGroups.size() + FNone.size() + 1));
}

void TGroupSettings::AutoSetup(TDataSet& temp) {
    Clear();
    bool inGroups = true;
    for (TField* field : FieldsInOrder(temp)) {
        if (field->FieldName() == CountField)
            continue;
        if (inGroups && IsGroupType(field->DataType())) {
            AddGroup(*field, true);
            continue;
        }
        inGroups = false;
        if (IsFloatType(field->DataType()))
            AddSum(*field, DefaultAggregate(*field));
    }
    AddSum(temp.FieldByName(CountField), 1);
}

void TGroupSettings::TitleClick(TDataSet& temp, int column) {
    Clear();
    const std::vector<TField*> fields = FieldsInOrder(temp);
    for (int i = 1; i < static_cast<int>(fields.size()); ++i) {
        if (i <= column)
            AddGroup(*fields[static_cast<size_t>(i)], true);
        else
            AddSum(*fields[static_cast<size_t>(i)], DefaultAggregate(*fields[static_cast<size_t>(i)]));
    }
    AddSum(temp.FieldByName(CountField), 1);
}

void TGroupSettings::ToggleSubtotal(int line) {
    TField& field = *FGroups.at(static_cast<size_t>(line));
    field.SetAttributeSet(field.AttributeSet() == SubtotalMark ? "" : SubtotalMark);
}

void TGroupSettings::CycleAggregate(int line) {
    TField& field = *FSums.at(static_cast<size_t>(line));
    field.SetTag(field.Tag() % 4 + 1);
}

std::string TGroupSettings::GroupCaption(const TField& field) const {
    return (field.AttributeSet() == SubtotalMark ? "" : NoSubtotalPrefix) + field.DisplayLabel();
}

std::string TGroupSettings::SumCaption(const TField& field) const {
    return FShowSumOp ? std::string(AggregateName(field.Tag())) + " " + field.DisplayLabel()
                      : field.DisplayLabel();
}

std::vector<std::string> TGroupSettings::GroupCaptions() const {
    std::vector<std::string> captions;
    for (const TField* field : FGroups)
        captions.push_back(GroupCaption(*field));
    return captions;
}

std::vector<std::string> TGroupSettings::SumCaptions() const {
    std::vector<std::string> captions;
    for (const TField* field : FSums)
        captions.push_back(SumCaption(*field));
    return captions;
}

std::vector<TGroupColumn> TGroupSettings::GroupColumns() const {
    std::vector<TGroupColumn> columns;
    for (const TField* field : FGroups)
        columns.push_back(
            {field->FieldName(), field->DataType(), field->Size(), field->AttributeSet() == SubtotalMark});
    return columns;
}

std::vector<TSumColumn> TGroupSettings::SumColumns() const {
    std::vector<TSumColumn> columns;
    for (const TField* field : FSums)
        columns.push_back({field->FieldName(), field->Tag()});
    return columns;
}
