// The link between a dataset and the views that show it: a data source passes the dataset's
// notifications to its data links (grids, dialogs), unless it is disabled. Views subclass
// TDataLink and react to what changed; they never poll the dataset.
#pragma once

#include <functional>
#include <vector>

class TDataSet;
class TDataSource;
class TField;

//! An observer of a data source. Subclasses override the notifications they need.
class TDataLink {
public:
    TDataLink() = default;
    //! Detaches from its data source.
    virtual ~TDataLink();
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;

    //! The data source observed, or nullptr.
    TDataSource* DataSource() const { return FDataSource; }
    //! Observes another data source (nullptr = none); sends ActiveChanged.
    void SetDataSource(TDataSource* source);
    //! The dataset behind the data source, or nullptr.
    TDataSet* DataSet() const;
    //! A data source that is enabled, with a dataset that is open.
    bool Active() const;

    //! The dataset was opened or closed, or the data source changed or was (dis)enabled.
    virtual void ActiveChanged() {}
    //! Records were added, removed or refreshed, or edit / insert began or ended: repaint all.
    virtual void DataSetChanged() {}
    //! A value of the current record changed: field, or nullptr for the whole record.
    virtual void RecordChanged(TField* /*field*/) {}
    //! The current record moved by distance records (negative = back).
    virtual void DataSetScrolled(int /*distance*/) {}
    //! Fields were moved, shown, hidden, re-labelled or resized.
    virtual void LayoutChanged() {}

private:
    friend class TDataSource;
    TDataSource* FDataSource = nullptr;
};

//! Connects one dataset to any number of data links.
class TDataSource {
public:
    TDataSource() = default;
    explicit TDataSource(TDataSet* dataSet) { SetDataSet(dataSet); }
    //! Detaches from the dataset and from every link.
    ~TDataSource();
    TDataSource(const TDataSource&) = delete;
    TDataSource& operator=(const TDataSource&) = delete;

    //! The dataset, or nullptr.
    TDataSet* DataSet() const { return FDataSet; }
    //! Connects another dataset (nullptr = none); links see ActiveChanged.
    void SetDataSet(TDataSet* dataSet);
    //! A disabled source passes nothing on and its links are not active.
    bool Enabled() const { return FEnabled; }
    //! Links see ActiveChanged.
    void SetEnabled(bool enabled);

private:
    friend class TDataSet;
    friend class TDataLink;
    void AddLink(TDataLink* link);
    void RemoveLink(TDataLink* link);
    // Called by the dataset; each forwards to every link when enabled.
    void NotifyActiveChanged();
    void NotifyDataSetChanged();
    void NotifyRecordChanged(TField* field);
    void NotifyScrolled(int distance);
    void NotifyLayoutChanged();
    // The dataset goes away: forget it without calling back.
    void DataSetDestroyed();
    void ForEachLink(const std::function<void(TDataLink&)>& notify);

    TDataSet* FDataSet = nullptr;
    bool FEnabled = true;
    std::vector<TDataLink*> FLinks;
};
