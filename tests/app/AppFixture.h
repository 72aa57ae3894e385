// A fresh engine database per test with the reporting schema and no rows, a data module logged on
// to it with the session reading day.month.year, a program directory of the test's own and a
// recording user interface; rows are put in by hand, each test with its fixed report day.
#pragma once

#include "app/RunContext.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace apptest {

//! The run's labels as a list of calls: "show <text>", "hide", "count <text>", "rows <text>",
//! "step <name>" and "grid <dataset name or ->", in order.
class TRecordedLabels : public IRunLabels {
public:
    std::vector<std::string> Calls;
    void ShowSporocilo(const std::string& text) override { Calls.push_back("show " + text); }
    void HideSporocilo() override { Calls.push_back("hide"); }
    void SetStevec(const std::string& text) override { Calls.push_back("count " + text); }
    void SetStevilo(const std::string& text) override { Calls.push_back("rows " + text); }
    void SetKorak(const std::string& step) override { Calls.push_back("step " + step); }
    void SetGridSource(TDataSource& source) override {
        Calls.push_back("grid " + (source.DataSet() ? source.DataSet()->Name() : std::string("-")));
    }
};

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    //! Runs each statement on the data module's session and commits.
    void Run(const std::vector<std::string>& statements);
    //! The text of a file of the test's program directory.
    std::string ReadAppFile(const std::string& name) const;

    std::string Folder; //!< the program directory, ending in "/"
    TRecordingUi RecordingUi;
    std::unique_ptr<TDataModule> DM;
    std::unique_ptr<TRunContext> Context;

private:
    std::unique_ptr<TScopedUi> FUiScope;
};

} // namespace apptest
