// Notifications to the data sources and through them to the views, held back while controls are
// disabled and summed up when the outermost EnableControls runs.
#include "platform/dataset/DataSet.h"

#include "platform/dataset/DataSource.h"

#include <algorithm>
#include <cassert>
#include <utility>

void TDataSet::DisableControls() {
    ++FDisableCount;
}

void TDataSet::EnableControls() {
    assert(FDisableCount > 0);
    if (--FDisableCount > 0)
        return;
    const bool layout = std::exchange(FLayoutChangedWhileDisabled, false);
    const bool active = std::exchange(FActiveChangedWhileDisabled, false);
    if (layout)
        DataEvent(TDataEvent::LayoutChanged);
    DataEvent(active ? TDataEvent::ActiveChanged : TDataEvent::DataSetChanged);
}

void TDataSet::FieldLayoutChanged() {
    DataEvent(TDataEvent::LayoutChanged);
}

void TDataSet::FieldDisplayChanged() {
    DataEvent(TDataEvent::DataSetChanged);
}

void TDataSet::AddDataSource(TDataSource* source) {
    FDataSources.push_back(source);
}

void TDataSet::RemoveDataSource(TDataSource* source) {
    std::erase(FDataSources, source);
}

void TDataSet::DataEvent(TDataEvent event, TField* field, int distance) {
    if (FDisableCount > 0) {
        FActiveChangedWhileDisabled |= event == TDataEvent::ActiveChanged;
        FLayoutChangedWhileDisabled |= event == TDataEvent::LayoutChanged;
        return;
    }
    // Over a copy, since a view may detach a data source (or destroy it) while being told.
    const auto sources = FDataSources;
    for (TDataSource* source : sources) {
        if (std::ranges::find(FDataSources, source) == FDataSources.end())
            continue;
        switch (event) {
        case TDataEvent::ActiveChanged:
            source->NotifyActiveChanged();
            break;
        case TDataEvent::DataSetChanged:
            source->NotifyDataSetChanged();
            break;
        case TDataEvent::RecordChanged:
            source->NotifyRecordChanged(field);
            break;
        case TDataEvent::DataSetScrolled:
            source->NotifyScrolled(distance);
            break;
        case TDataEvent::LayoutChanged:
            source->NotifyLayoutChanged();
            break;
        }
    }
}
