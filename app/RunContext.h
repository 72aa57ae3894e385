// The values the main window's module works on: the shell values of the start-up, the referent of
// the run, the report day of the day picker and the valuation's intermediate values. One object per
// main window (a test makes a fresh one); the window fills it and shows the run's labels.
#pragma once

#include "app/DataModule.h"
#include "platform/dataset/DataSource.h"
#include "platform/settings/DateTime.h"

#include <string>
#include <vector>

//! The labels a run writes into; the window shows them, the batch runner and tests may ignore them.
class IRunLabels {
public:
    virtual ~IRunLabels() = default;
    //! lblSporocilo shown with a progress text.
    virtual void ShowSporocilo(const std::string& text) = 0;
    virtual void HideSporocilo() = 0;
    //! lblStevec: the number of source rows read.
    virtual void SetStevec(const std::string& text) = 0;
    //! lblStevilo: the number of rows in the main grid.
    virtual void SetStevilo(const std::string& text) = 0;
    //! lblKorak: the name of the valuation step under way (the window keeps it hidden).
    virtual void SetKorak(const std::string& step) = 0;
    //! The data source the main grid shows.
    virtual void SetGridSource(TDataSource& source) = 0;
};

//! Labels nobody sees.
IRunLabels& NoRunLabels();

//! Raised at a progress point of the run once its cancel has been asked for.
class ERunCancelled : public EAbort {};

class TRunContext {
public:
    explicit TRunContext(TDataModule& dm) : DM(dm) {}

    TDataModule& DM;
    IRunLabels* Labels = &NoRunLabels();
    //! Set by the window's Cancel while a run lets pending window messages through.
    bool CancelRequested = false;
    //! The run journal's row of the last run (0: none), and whether its missing tables were reported.
    long long JournalId = 0;
    bool JournalMissingShown = false;

    // Shell values.
    const std::string ProgramName = "ZORVEKA";
    std::string AppDir; //!< ends in "/" when not empty
    std::string DatabaseName;
    std::string AliasName;
    std::string UserName;
    std::string UserPassword;
    //! The positional command-line arguments (alias, user, password, optional user code).
    std::vector<std::string> Arguments;
    //! The referent of the run (BeriPodatke).
    std::string Referent;

    //! The date of the day picker eDan, without time of day.
    TDateTime ReportDay = 0;

    // Values the lookups leave for the valuation.
    double SteviloDni = 0;    //!< span of the coupon schedule in days
    double ZST = 0;           //!< pledged lots of the contract's holding
    double GLVTCJNKP = 0;     //!< purchase price of the deal's holding
    double STEVILO_LOTOV = 0; //!< lots from the deals; becomes the output row's value
    double DOGZST = 0;        //!< pledged lots from the deals
};

//! Asks the run in progress to stop, as the window's Cancel does; safe in a signal handler.
void RequestRunStop() noexcept;
//! Whether the run's cancel was asked for, by the window's Cancel or by RequestRunStop.
bool RunCancelRequested(const TRunContext& context);
//! Forgets an earlier cancel, before a run starts.
void ClearRunCancel(TRunContext& context);

//! Shows a progress text of the run, lets pending window messages through and then raises
//! ERunCancelled when the run's cancel was asked for.
void ShowProgress(TRunContext& context, const std::string& text);
