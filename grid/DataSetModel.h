// The virtual table model of a data-aware grid: one column per visible field, one row per record
// the dataset holds, and a cell's text read only when the view asks for it (through the
// dataset's random access), so a large dataset opens and scrolls without reading every record.
#pragma once

#include "platform/dataset/DataSource.h"

#include <QAbstractTableModel>
#include <vector>

class TDataSetModel : public QAbstractTableModel, public TDataLink {
    Q_OBJECT
public:
    explicit TDataSetModel(QObject* parent = nullptr);

    //! The field shown in a column, or nullptr.
    TField* FieldAt(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

signals:
    //! The columns or the rows were rebuilt.
    void LayoutRebuilt();
    //! The dataset's current record moved or was changed.
    void CurrentRecordChanged(int row);

protected:
    void ActiveChanged() override { Rebuild(); }
    void DataSetChanged() override { Rebuild(); }
    void LayoutChanged() override { Rebuild(); }
    void RecordChanged(TField* field) override;
    void DataSetScrolled(int distance) override;

private:
    void Rebuild();
    int CurrentRow() const;

    std::vector<TField*> FColumns;
    int FRows = 0;
};
