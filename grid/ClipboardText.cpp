// Building the clipboard text of a dataset with its controls disabled and a progress window.
#include "grid/ClipboardText.h"

#include "platform/dataset/DataSet.h"
#include "platform/dataset/DataSetGuards.h"
#include "platform/ui/UiGuards.h"

#include <algorithm>

namespace {

void RemoveAll(std::string& text, char c) {
    text.erase(std::remove(text.begin(), text.end(), c), text.end());
}

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

// Returns to the first record on every path, Cancel included.
class TFirstRecordOnExit {
public:
    explicit TFirstRecordOnExit(TDataSet& dataSet) : FDataSet(dataSet) {}
    ~TFirstRecordOnExit() {
        try {
            FDataSet.First();
        } catch (...) {
            // Cannot report from here; the position is all that is lost.
        }
    }

private:
    TDataSet& FDataSet;
};

} // namespace

std::string ClipboardCellText(const TField& field) {
    std::string text = field.DisplayText();
    if (IsTextType(field.DataType())) {
        RemoveAll(text, '\r');
        text = Quoted(text);
    }
    RemoveAll(text, '\t');
    return text;
}

std::string GridClipboardText(TDataSet& dataSet, const std::string& title) {
    TDisableControlsGuard controls(dataSet);
    TWaitCursor wait;
    TFirstRecordOnExit firstOnExit(dataSet);
    dataSet.First();
    TProgressScope progress("Copy to clipboard", dataSet.RecordCount());

    std::string text = title + "\r\n";
    for (int i = 0; i < dataSet.FieldCount(); ++i)
        if (dataSet.Fields(i).Visible())
            text += dataSet.Fields(i).DisplayLabel() + "\t";
    text += "\r\n";
    for (; !dataSet.Eof(); dataSet.Next()) {
        for (int i = 0; i < dataSet.FieldCount(); ++i)
            if (dataSet.Fields(i).Visible())
                text += ClipboardCellText(dataSet.Fields(i)) + "\t";
        text += "\r\n";
        progress.Step();
    }
    return text;
}
