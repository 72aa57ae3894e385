// Locating a record by the display text of one field.
#include "grid/LocateSearch.h"

#include "platform/dataset/DataSet.h"
#include "platform/dataset/DataSetGuards.h"

#include <set>

namespace {

// Only a-z: letters such as č, š, ž keep their case, as the search always treated them.
std::string UpperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace

bool LocateMatches(const std::string& displayText, const std::string& value, bool exact) {
    if (exact)
        return displayText == value;
    return !value.empty() && UpperAscii(displayText).starts_with(UpperAscii(value));
}

bool LocateRecord(TDataSet& dataSet, int fieldIndex, const std::string& value, bool exact, bool fromFirst) {
    TDisableControlsGuard controls(dataSet);
    if (fromFirst)
        dataSet.First();
    else
        dataSet.Next();
    const TField& field = dataSet.Fields(fieldIndex);
    for (; !dataSet.Eof(); dataSet.Next())
        if (LocateMatches(field.DisplayText(), value, exact))
            return true;
    return false;
}

std::string LocateNotFoundText(const std::string& value, bool exact) {
    return "Ne najdem \"" + value + (exact ? "" : "...") + "\"";
}

std::vector<int> LocateFieldIndexes(const TDataSet& dataSet) {
    std::vector<int> indexes;
    std::set<std::string> names;
    for (int i = 0; i < dataSet.FieldCount(); ++i) {
        const std::string& name = dataSet.Fields(i).FieldName();
        const size_t mark = name.find_last_of('_');
        const bool numbered = mark != std::string::npos && mark + 1 < name.size() &&
                              name.find_first_not_of("0123456789", mark + 1) == std::string::npos;
        if (!(numbered && names.count(name.substr(0, mark))))
            indexes.push_back(i);
        names.insert(name);
    }
    return indexes;
}
