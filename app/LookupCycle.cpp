// The lookup cycle and the day conversions the lookups bind with.
#include "app/LookupCycle.h"

#include "platform/settings/DateText.h"

void RunLookup(TOracleDataSet& dataSet, const std::string& text, TLookupVariables variables) {
    dataSet.Close();
    dataSet.SetSQLText(text);
    for (const auto& [name, value] : variables)
        dataSet.AssignVariable(name, value);
    dataSet.Open();
}

std::string NapakaMessage(const std::string& statement) {
    return "Napaka:\r" + statement;
}

TVariant DayValue(TDateTime day) {
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(day, year, month, dayOfMonth);
    return TVariant::FromDateTime(EncodeDate(year, month, dayOfMonth));
}

TVariant DayOfText(const std::string& dayText) {
    return DayValue(ParseShortDate(dayText));
}
