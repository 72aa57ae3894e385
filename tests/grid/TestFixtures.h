// Shared pieces of the grid tests: the one application object and a small dataset of people.
#pragma once

#include "platform/dataset/MemDataSet.h"

#include <QApplication>
#include <memory>
#include <string>
#include <vector>

QApplication& TestApp();

struct TPerson {
    std::string Name;
    double Amount;
    int Code;
};

//! Fields NAME (string 20), AMOUNT (float), CODE (integer), open, with the people appended.
std::unique_ptr<TMemDataSet> PeopleDataSet(const std::vector<TPerson>& people);
//! The NAME of the current record.
std::string CurrentName(const TDataSet& dataSet);
