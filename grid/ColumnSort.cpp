// The column sort orders and the comparison of two values of a column.
#include "grid/ColumnSort.h"

#include "grid/SlovenianCollation.h"
#include "grid/SortComboBox.h"
#include "platform/dataset/DataSet.h"
#include "platform/dataset/DataSetGuards.h"

namespace {

bool IsNumber(const TVariant& value) {
    return value.Kind() == TVarKind::Integer || value.Kind() == TVarKind::Float ||
           value.Kind() == TVarKind::DateTime;
}

double NumberOf(const TVariant& value) {
    switch (value.Kind()) {
    case TVarKind::Integer:
        return static_cast<double>(value.Integer());
    case TVarKind::DateTime:
        return value.DateTime();
    default:
        return value.Float();
    }
}

// Empty first, then numbers, then texts; within a kind by value.
int Compare(const TVariant& a, const TVariant& b, const QCollator& collator) {
    const auto rank = [](const TVariant& v) { return v.IsNull() ? 0 : IsNumber(v) ? 1 : 2; };
    if (rank(a) != rank(b))
        return rank(a) < rank(b) ? -1 : 1;
    if (a.IsNull())
        return 0;
    if (IsNumber(a)) {
        if (a.Kind() == TVarKind::Integer && b.Kind() == TVarKind::Integer)
            return a.Integer() < b.Integer() ? -1 : a.Integer() > b.Integer() ? 1 : 0;
        return NumberOf(a) < NumberOf(b) ? -1 : NumberOf(a) > NumberOf(b) ? 1 : 0;
    }
    if (a.Kind() != TVarKind::Text || b.Kind() != TVarKind::Text)
        return 0;
    return collator.compare(QString::fromStdString(a.Text()), QString::fromStdString(b.Text()));
}

} // namespace

void FillColumnSortOrders(const TDataSet& dataSet, TSortInfo& orders) {
    orders.Clear();
    for (int i = 0; i < dataSet.FieldCount(); ++i) {
        const TField& field = dataSet.Fields(i);
        if (!field.Visible())
            continue;
        TSortInfoItem& item = orders.Add();
        item.DisplayText = field.DisplayLabel();
        item.ColumnInfoList().Add().ColumnName = field.FieldName();
    }
}

void SortByField(TDataSet& dataSet, const std::string& fieldName) {
    const size_t at = static_cast<size_t>(dataSet.FieldByName(fieldName).FieldNo());
    QCollator collator = SlovenianCollator(true);
    collator.setNumericMode(true);
    TDisableControlsGuard controls(dataSet);
    dataSet.SortRecords(
        [&](const TRecordBuffer& a, const TRecordBuffer& b) { return Compare(a[at], b[at], collator) < 0; });
}
