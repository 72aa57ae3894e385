// The run's labels on a console: each progress text of lblSporocilo becomes a line, and the count of
// source rows is kept for the run's statistics. Hiding and the grid's data source mean nothing here.
#pragma once

#include "app/RunContext.h"

#include <ostream>

class TConsoleLabels : public IRunLabels {
public:
    explicit TConsoleLabels(std::ostream& out) : out_(out) {}

    void ShowSporocilo(const std::string& text) override;
    void HideSporocilo() override {}
    void SetStevec(const std::string& text) override;
    void SetStevilo(const std::string&) override {}
    void SetKorak(const std::string&) override {}
    void SetGridSource(TDataSource&) override {}

    //! The last count of source rows shown (lblStevec); 0 before the extraction.
    long long SourceRows() const { return sourceRows_; }

private:
    std::ostream& out_;
    long long sourceRows_ = 0;
};
