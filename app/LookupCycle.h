// The statement cycle the valuation's lookups, the preview and the run's result tables follow on
// their data-module datasets: close, one line of text, variables by name, open; and the guard that
// shows a failed step's message before the error goes on to end the run.
#pragma once

#include "oracle/OracleData.h"
#include "platform/settings/DateTime.h"
#include "platform/ui/UserInterface.h"

#include <initializer_list>
#include <string>
#include <utility>

using TLookupVariables = std::initializer_list<std::pair<const char*, TVariant>>;

//! Closes the dataset, sets the text as its one line, assigns the variables and opens it.
void RunLookup(TOracleDataSet& dataSet, const std::string& text, TLookupVariables variables = {});

//! Runs step; on any error shows message (when not empty) and raises the error again. A Cancel is
//! no error and passes on without a message.
template <typename TStep> auto Reported(const std::string& message, TStep&& step) -> decltype(step()) {
    try {
        return step();
    } catch (const EAbort&) {
        throw;
    } catch (...) {
        if (!message.empty())
            Ui().ShowMessage(message);
        throw;
    }
}

//! "Napaka:" + CR + the statement: the message of most lookups.
std::string NapakaMessage(const std::string& statement);

//! The calendar day a short-date text names, as a bound date; raises for an unreadable text.
TVariant DayOfText(const std::string& dayText);
//! The calendar day of a date, as a bound date.
TVariant DayValue(TDateTime day);
