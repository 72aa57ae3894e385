// Datasets of chart rows for the chart tests.
#include "ChartRows.h"

void FillChartRows(TMemDataSet& dataSet, const std::vector<TChartRow>& rows) {
    dataSet.FieldDefs().Add("REGION", TFieldType::ftString, 20);
    dataSet.FieldDefs().Add("PRODUCT", TFieldType::ftString, 20);
    dataSet.FieldDefs().Add("AMOUNT", TFieldType::ftFloat);
    dataSet.FieldDefs().Add("QUANTITY", TFieldType::ftFloat);
    dataSet.Open();
    dataSet.FieldByName("REGION").SetDisplayLabel("Regija");
    dataSet.FieldByName("PRODUCT").SetDisplayLabel("Izdelek");
    dataSet.FieldByName("AMOUNT").SetDisplayLabel("Znesek");
    dataSet.FieldByName("QUANTITY").SetDisplayLabel("Količina");
    for (const TChartRow& row : rows) {
        dataSet.Append();
        dataSet.FieldByName("REGION").SetAsString(row.Region);
        dataSet.FieldByName("PRODUCT").SetAsString(row.Product);
        dataSet.FieldByName("AMOUNT").SetAsFloat(row.Amount);
        dataSet.FieldByName("QUANTITY").SetAsFloat(row.Quantity);
        dataSet.Post();
    }
    dataSet.First();
}
