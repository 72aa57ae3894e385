// The dataset's fields: creation from the definitions, lookup by name, the field order views
// follow, and the record whose values the fields read and write.
#include "platform/dataset/DataSet.h"

#include <algorithm>
#include <cassert>

TField& TDataSet::Fields(int index) const {
    assert(index >= 0 && index < FieldCount());
    return *FFields[static_cast<size_t>(index)];
}

TField* TDataSet::FindField(std::string_view name) const {
    const int fieldNo = FFieldDefs.IndexOf(name);
    if (fieldNo < 0 || !Active())
        return nullptr;
    const auto it =
        std::ranges::find_if(FFields, [&](const auto& field) { return field->FieldNo() == fieldNo; });
    return it == FFields.end() ? nullptr : it->get();
}

TField& TDataSet::FieldByName(std::string_view name) const {
    TField* field = FindField(name);
    if (!field)
        throw EDatabaseError(DatabaseErrorText::FieldNotFound(FName, name));
    return *field;
}

const TVariant& TDataSet::ActiveValue(int fieldNo) const {
    static const TVariant null;
    const auto at = [fieldNo](const TRecordBuffer& record) -> const TVariant& {
        return record[static_cast<size_t>(fieldNo)];
    };
    const bool editing = FState == TDataSetState::dsEdit || FState == TDataSetState::dsInsert;
    if (FViewIndex >= 0 && !(FState == TDataSetState::dsEdit && FViewIndex == FCurrent))
        return at(GetRecord(FViewIndex));
    if (editing)
        return at(FEditBuffer);
    return FCurrent < 0 ? null : at(GetRecord(FCurrent));
}

void TDataSet::SetActiveValue(TField& field, TVariant value) {
    assert(FViewIndex < 0 && "a view wrote a field");
    if (FState != TDataSetState::dsEdit && FState != TDataSetState::dsInsert)
        throw EDatabaseError(std::string(DatabaseErrorText::NotEditing));
    FEditBuffer[static_cast<size_t>(field.FieldNo())] = std::move(value);
    FModified = true;
    DataEvent(TDataEvent::RecordChanged, &field);
}

int TDataSet::FieldIndex(const TField& field) const {
    const auto it = std::ranges::find_if(FFields, [&](const auto& f) { return f.get() == &field; });
    assert(it != FFields.end());
    return static_cast<int>(it - FFields.begin());
}

void TDataSet::MoveField(const TField& field, int newIndex) {
    const auto from = FFields.begin() + FieldIndex(field);
    const auto to = FFields.begin() + std::clamp(newIndex, 0, FieldCount() - 1);
    if (from < to)
        std::rotate(from, from + 1, to + 1);
    else
        std::rotate(to, from, from + 1);
    FieldLayoutChanged();
}

void TDataSet::CreateFields() {
    for (int fieldNo = 0; fieldNo < FFieldDefs.Count(); ++fieldNo)
        FFields.push_back(std::make_unique<TField>(*this, FFieldDefs[fieldNo], fieldNo));
}

void TDataSet::DestroyFields() {
    FFields.clear();
}
