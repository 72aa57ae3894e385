// A grid's column persistence over its dataset's fields: the `selected` lines (name, width, label
// of each visible field), their application, the column chooser's on/off lists and the captions
// of sort items that have none.
#pragma once

#include <string>
#include <vector>

class TDataSet;
class TField;
class TSortInfo;

//! A column chooser entry: a caption with the field it stands for (nullptr: none).
struct TColumnEntry {
    std::string Caption;
    TField* Field = nullptr;
};

//! One line per visible field in field order: name TAB width TAB label.
std::vector<std::string> SelectedLines(const TDataSet& dataSet);
//! With lines: hides every field, then shows those named in the order listed (unknown names
//! skipped); width and label in a line are not applied. No lines: nothing changes.
void ApplySelectedLines(TDataSet& dataSet, const std::vector<std::string>& lines);
//! (display label, field) of the visible fields ("on") and of the others ("off"), in field order.
void BuildColumnLists(const TDataSet& dataSet, std::vector<TColumnEntry>& on, std::vector<TColumnEntry>& off);
//! The i-th "on" field gets index i and is shown, the "off" fields follow hidden.
void ApplyColumnLists(const std::vector<TColumnEntry>& on, const std::vector<TColumnEntry>& off);
//! Fills every empty DisplayText with its columns' captions (field display label, else the name).
void FillSortCaptions(TSortInfo& sortInfo, const TDataSet* dataSet);
