// Registration of data links with data sources and of data sources with datasets, and the
// passing on of the dataset's notifications. Either side may go first; the other forgets it.
#include "platform/dataset/DataSource.h"

#include "platform/dataset/DataSet.h"

#include <algorithm>

TDataLink::~TDataLink() {
    if (FDataSource)
        FDataSource->RemoveLink(this);
}

void TDataLink::SetDataSource(TDataSource* source) {
    if (source == FDataSource)
        return;
    if (FDataSource)
        FDataSource->RemoveLink(this);
    FDataSource = source;
    if (FDataSource)
        FDataSource->AddLink(this);
    ActiveChanged();
}

TDataSet* TDataLink::DataSet() const {
    return FDataSource ? FDataSource->DataSet() : nullptr;
}

bool TDataLink::Active() const {
    return FDataSource && FDataSource->Enabled() && DataSet() && DataSet()->Active();
}

TDataSource::~TDataSource() {
    if (FDataSet)
        FDataSet->RemoveDataSource(this);
    FDataSet = nullptr;
    const auto links = FLinks;
    for (TDataLink* link : links) {
        link->FDataSource = nullptr;
        link->ActiveChanged();
    }
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
    if (dataSet == FDataSet)
        return;
    if (FDataSet)
        FDataSet->RemoveDataSource(this);
    FDataSet = dataSet;
    if (FDataSet)
        FDataSet->AddDataSource(this);
    ForEachLink([](TDataLink& link) { link.ActiveChanged(); });
}

void TDataSource::SetEnabled(bool enabled) {
    if (enabled == FEnabled)
        return;
    FEnabled = enabled;
    ForEachLink([](TDataLink& link) { link.ActiveChanged(); });
}

void TDataSource::AddLink(TDataLink* link) {
    FLinks.push_back(link);
}

void TDataSource::RemoveLink(TDataLink* link) {
    std::erase(FLinks, link);
}

void TDataSource::NotifyActiveChanged() {
    if (FEnabled)
        ForEachLink([](TDataLink& link) { link.ActiveChanged(); });
}

void TDataSource::NotifyDataSetChanged() {
    if (FEnabled)
        ForEachLink([](TDataLink& link) { link.DataSetChanged(); });
}

void TDataSource::NotifyRecordChanged(TField* field) {
    if (FEnabled)
        ForEachLink([field](TDataLink& link) { link.RecordChanged(field); });
}

void TDataSource::NotifyScrolled(int distance) {
    if (FEnabled)
        ForEachLink([distance](TDataLink& link) { link.DataSetScrolled(distance); });
}

void TDataSource::NotifyLayoutChanged() {
    if (FEnabled)
        ForEachLink([](TDataLink& link) { link.LayoutChanged(); });
}

void TDataSource::DataSetDestroyed() {
    FDataSet = nullptr;
    ForEachLink([](TDataLink& link) { link.ActiveChanged(); });
}

// Over a copy, since a link may detach itself (or another) while being told.
void TDataSource::ForEachLink(const std::function<void(TDataLink&)>& notify) {
    const auto links = FLinks;
    for (TDataLink* link : links)
        if (std::ranges::find(FLinks, link) != FLinks.end())
            notify(*link);
}
