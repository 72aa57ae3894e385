// The run's labels on a console: each progress text of lblSporocilo becomes a line, and the counts of
// source rows and of the grid's rows are kept for the run's statistics and a batch's summary. Hiding
// and the grid's data source mean nothing here.
#pragma once

#include "app/RunContext.h"

#include <ostream>

class TConsoleLabels : public IRunLabels {
public:
    explicit TConsoleLabels(std::ostream& out) : out_(out) {}

    void ShowSporocilo(const std::string& text) override;
    void HideSporocilo() override {}
    void SetStevec(const std::string& text) override;
    void SetStevilo(const std::string& text) override;
    void SetKorak(const std::string&) override {}
    void SetGridSource(TDataSource&) override {}

    //! The last count of source rows shown (lblStevec); 0 before the extraction.
    long long SourceRows() const { return sourceRows_; }
    //! The last count of the grid's rows shown (lblStevilo): the rows of the day after the run.
    long long GridRows() const { return gridRows_; }

private:
    std::ostream& out_;
    long long sourceRows_ = 0;
    long long gridRows_ = 0;
};
