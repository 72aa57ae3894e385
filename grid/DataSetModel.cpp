// The grid's model: columns and rows rebuilt on the dataset's notifications, cells read lazily.
#include "grid/DataSetModel.h"

#include "grid/FieldAlignment.h"
#include "platform/dataset/DataSet.h"
#include "platform/dataset/DataSetGuards.h"

namespace {

// Rows a lazily fetching dataset reads ahead when the view scrolls past what it holds.
constexpr int FetchBlock = 256;

} // namespace

TDataSetModel::TDataSetModel(QObject* parent) : QAbstractTableModel(parent) {}

TField* TDataSetModel::FieldAt(int column) const {
    return column >= 0 && column < static_cast<int>(FColumns.size()) ? FColumns[static_cast<size_t>(column)]
                                                                     : nullptr;
}

int TDataSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FRows;
}

int TDataSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FColumns.size());
}

QVariant TDataSetModel::data(const QModelIndex& index, int role) const {
    TField* field = FieldAt(index.column());
    if (!field || !Active() || index.row() >= FRows)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(HorizontalAlignment(field->Alignment()) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    try {
        TRecordViewGuard view(*DataSet(), index.row());
        return QString::fromStdString(field->DisplayText());
    } catch (const std::exception&) {
        return {}; // a record a unidirectional source discarded shows empty
    }
}

QVariant TDataSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    TField* field = FieldAt(section);
    if (orientation != Qt::Horizontal || !field)
        return {};
    if (role == Qt::ToolTipRole)
        return QString::fromUtf8("Klik na naslov stolpca pokaže ali skrije orodja");
    if (role != Qt::DisplayRole)
        return {};
    return QString::fromStdString(field->DisplayLabel());
}

bool TDataSetModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && Active() && DataSet()->FetchUpTo(FRows);
}

void TDataSetModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || !Active())
        return;
    DataSet()->FetchUpTo(FRows + FetchBlock - 1);
    const int held = DataSet()->RecordCount();
    if (held <= FRows)
        return;
    beginInsertRows({}, FRows, held - 1);
    FRows = held;
    endInsertRows();
}

void TDataSetModel::Rebuild() {
    beginResetModel();
    FColumns.clear();
    FRows = 0;
    if (Active()) {
        for (int i = 0; i < DataSet()->FieldCount(); ++i)
            if (DataSet()->Fields(i).Visible())
                FColumns.push_back(&DataSet()->Fields(i));
        FRows = DataSet()->RecordCount();
    }
    endResetModel();
    emit LayoutRebuilt();
    emit CurrentRecordChanged(CurrentRow());
}

int TDataSetModel::CurrentRow() const {
    return Active() ? DataSet()->RecNo() - 1 : -1;
}

void TDataSetModel::RecordChanged(TField*) {
    const int row = CurrentRow();
    if (row >= 0 && row < FRows)
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void TDataSetModel::DataSetScrolled(int) {
    const int held = Active() ? DataSet()->RecordCount() : 0;
    if (held > FRows) {
        beginInsertRows({}, FRows, held - 1);
        FRows = held;
        endInsertRows();
    }
    emit CurrentRecordChanged(CurrentRow());
}
