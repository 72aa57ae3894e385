// Field definitions, presentation and rows of the local copy.
#include "grid/print/LocalCopy.h"

#include "platform/dataset/DataSetGuards.h"
#include "platform/ui/UiGuards.h"

#include <cctype>

namespace {

constexpr const char* CountField = "N";

bool IsLot(const std::string& name) {
    std::string upper;
    for (char c : name)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper == "LOT";
}

void AppendCopy(const TDataSet& source, TDataSet& local) {
    local.Append();
    local.FieldByName(CountField).SetAsInteger(1);
    for (int i = 0; i < source.FieldCount(); ++i) {
        const TField& field = source.Fields(i);
        if (!field.Visible())
            continue;
        TField& target = local.FieldByName(field.FieldName());
        if (KeepsOwnValue(field))
            target.SetValue(field.Value());
        else
            target.SetAsString(field.DisplayText());
    }
    local.Post();
}

} // namespace

bool KeepsOwnValue(const TField& field) {
    return !field.OnGetText() || IsLot(field.FieldName());
}

void DefineLocalFields(const TDataSet& source, TFieldDefs& defs) {
    defs.Clear();
    defs.Add(CountField, TFieldType::ftInteger);
    for (int i = 0; i < source.FieldCount(); ++i) {
        const TField& field = source.Fields(i);
        if (!field.Visible())
            continue;
        if (!field.OnGetText())
            defs.Add(field.FieldName(), field.DataType(), field.Size());
        else if (IsLot(field.FieldName()))
            defs.Add(field.FieldName(), field.DataType(), field.Size(), field.Required());
        else
            defs.Add(field.FieldName(), TFieldType::ftString, field.DisplayWidth());
    }
}

void TakeSourcePresentation(const TDataSet& source, TDataSet& local) {
    TField& count = local.FieldByName(CountField);
    count.SetDisplayWidth(1);
    count.SetTag(1);
    for (int i = 0; i < local.FieldCount(); ++i) {
        TField& field = local.Fields(i);
        const TField* from = &field == &count ? nullptr : source.FindField(field.FieldName());
        if (!from)
            continue;
        field.SetDisplayLabel(from->DisplayLabel());
        field.SetDisplayWidth(from->DisplayWidth());
        if (IsNumericType(field.DataType()))
            field.SetDisplayFormat(from->DisplayFormat());
    }
}

void CopyToLocal(TDataSet& source, TTable& local) {
    TDisableControlsGuard sourceControls(source);
    TDisableControlsGuard localControls(local);
    TDataSetPositionGuard position(source);
    TProgressScope progress("Copy to local table", source.RecordCount());
    // One transaction, not one per row; a broken copy leaves no rows behind, since a later copy
    // starts again from the first record and its rows would count twice.
    TLocalTransaction transaction(local.Database());
    try {
        for (source.First(); !source.Eof(); source.Next()) {
            AppendCopy(source, local);
            progress.Step();
        }
    } catch (...) {
        if (local.State() != TDataSetState::dsBrowse)
            local.Cancel();
        transaction.Rollback();
        local.Refresh(); // the records held follow the table again
        throw;
    }
    transaction.Commit();
}
