// Datasets of chart rows for the chart tests: a region, a product, a month and amounts, filled
// from short row lists.
#pragma once

#include "platform/dataset/MemDataSet.h"

#include <string>
#include <vector>

struct TChartRow {
    std::string Region;
    std::string Product;
    double Amount;
    double Quantity = 0;
};

//! Open dataset with fields REGION, PRODUCT (strings), AMOUNT, QUANTITY (floats) labelled
//! "Regija", "Izdelek", "Znesek", "Količina", holding the rows in order.
void FillChartRows(TMemDataSet& dataSet, const std::vector<TChartRow>& rows);
