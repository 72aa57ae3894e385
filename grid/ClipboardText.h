// The text a grid copies to the clipboard: its title, a header of display labels and one line per
// record of the visible fields, every cell followed by a TAB. Built with the progress window,
// whose Cancel raises EAbort before anything reaches the clipboard.
#pragma once

#include <string>

class TDataSet;
class TField;

//! A cell's text: text fields lose CR and are quoted (inner quotes doubled); every type loses TAB.
std::string ClipboardCellText(const TField& field);
//! The whole text, CR LF line ends; the dataset ends on its first record.
std::string GridClipboardText(TDataSet& dataSet, const std::string& title);
