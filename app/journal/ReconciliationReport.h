// A run's reconciliation as the batch runner hands it on: read from the journal into lines, then
// written as CSV or as a self-contained HTML page with the figures and a chart of the final totals
// per account.
#pragma once

#include "app/journal/JournalStatements.h"

#include <string>
#include <vector>

struct TReconciliationLine {
    std::string Konto, Valuta;
    //! The amount columns from Izvor to KoncnoDom, rounded to cents.
    double Amounts[reconciliation::Usklajeno - reconciliation::Izvor] = {};
    bool Balanced = false;
};

struct TReconciliationReport {
    std::string Title;
    std::vector<TReconciliationLine> Lines;
    bool Balanced() const;
};

//! The reconciliation of the journal row id; the title names the run, its day and risk type.
TReconciliationReport ReadReconciliation(TOracleSession& session, long long journalId);

//! HTML for a name ending in ".html" or ".htm", else CSV; raises Exception when the file cannot be written.
void WriteReconciliationReport(const std::string& fileName, const TReconciliationReport& report);
