// What the axis dialog offers and returns, apart from its widgets: the fields fit for categories
// and groups (texts, integers, dates) and for values (floats), each list with its field names,
// the check of a choice, and the titles a choice gives the axes.
#pragma once

#include <string>
#include <vector>

class TDataSet;

//! A list of the dialog: display labels shown, field names behind them.
struct TAxisFieldList {
    std::vector<std::string> Labels;
    std::vector<std::string> Names;
    //! Position of the field of that name, or -1.
    int IndexOf(const std::string& name) const;
};

struct TAxisFieldLists {
    TAxisFieldList Categories; //!< offered for X and for grouping
    TAxisFieldList Values;     //!< offered for Y
};

//! The visible fields of the dataset in field order, sorted into the two lists; currency and
//! other fields are offered in neither.
TAxisFieldLists AxisFieldLists(const TDataSet& dataSet);

//! Raises "Missing X or Y" unless an X field is chosen and at least one Y field selected.
void CheckAxisChoice(int xIndex, int ySelected);

//! Display labels of the named fields joined with ", ".
std::string JoinedDisplayLabels(const TDataSet& dataSet, const std::vector<std::string>& names);
