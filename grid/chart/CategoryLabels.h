// The two label lists of the category axis. Staggered over a period, labels go to the second
// list with leading line breaks so that neighbours sit on different lines; otherwise the first
// list holds the category texts and the second their numbers.
#pragma once

#include <string>
#include <vector>

struct TCategoryLabels {
    std::vector<std::string> Legend; //!< the first list
    std::vector<std::string> KeyLeg; //!< the second list
};

//! Labels of the categories; a period above 0 staggers them over that many lines.
TCategoryLabels CategoryLabels(const std::vector<std::string>& categories, int period);

//! The period the chart type allows: 0 for the types that lay labels out on their own.
int LabelPeriod(int xLegPeriod, int chartType, int typeBits);
