// A demo database of the report day 15.03.2024 in a folder of the test's own, a data module logged on
// to it as the program logs on (dates as day.month.year) and the day's source rows opened in Q1 by the
// real extraction. The folder goes with the object.
#pragma once

#include "app/RunContext.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"

#include <string>

namespace apptest {

//! A folder of the test's own, removed with its contents when the object goes.
struct TTestFolder {
    explicit TTestFolder(const std::string& name);
    ~TTestFolder();
    TTestFolder(const TTestFolder&) = delete;
    TTestFolder& operator=(const TTestFolder&) = delete;
    const std::string Path; //!< ends in "/"
};

class TDemoDay {
public:
    TDemoDay(const std::string& name, int positions);

    // Declared first, so it goes after the data module has closed the database.
    const TTestFolder Folder;
    TRecordingUi RecordingUi;

private:
    TScopedUi FUiScope{RecordingUi};

public:
    TDataModule DM;
    TRunContext Context{DM};
};

} // namespace apptest
