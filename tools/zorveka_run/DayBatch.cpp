// Every run gets a fresh copy of the logged-on context, so that the valuation's intermediate values
// of one day never reach the first position of the next; the data module and its session are the
// batch's. A failed run does not end the batch unless --stop-on-error; a stop ends it after the run.
#include "DayBatch.h"

#include "BatchResume.h"
#include "BatchRun.h"
#include "BatchSummary.h"
#include "ConsoleLabels.h"

#include "app/TransferRun.h"
#include "app/journal/RunJournal.h"
#include "platform/settings/DateText.h"
#include "platform/ui/UserInterface.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>

namespace {

std::atomic<bool> gBatchStop{false};

// A stop that arrives between two runs would be forgotten when the next run clears its cancel; the
// run's first progress text passes it on.
class TBatchLabels : public TConsoleLabels {
public:
    using TConsoleLabels::TConsoleLabels;
    void ShowSporocilo(const std::string& text) override {
        if (gBatchStop)
            RequestRunStop();
        TConsoleLabels::ShowSporocilo(text);
    }
};

std::vector<TDateTime> DaysOf(const TRunArguments& arguments) {
    return arguments.Days.empty() ? std::vector<TDateTime>{arguments.Day} : arguments.Days;
}

std::vector<TBatchRun> Plan(const TRunArguments& arguments) {
    std::vector<TBatchRun> runs;
    for (TDateTime day : DaysOf(arguments))
        for (int risk : arguments.RiskTypes) {
            TBatchRun run;
            run.Day = day;
            run.RiskType = risk;
            runs.push_back(run);
        }
    return runs;
}

// Without the journal nothing is known to be complete: every run is made again, which replaces the
// day's results with the same ones.
void SkipCompleted(TOracleSession& session, TDateTime since, std::vector<TBatchRun>& runs) {
    try {
        for (TBatchRun& run : runs)
            if (CompletedSince(session, since, run.Day, run.RiskType))
                run.Outcome = batch::kSkipped;
    } catch (const std::exception& error) {
        for (TBatchRun& run : runs)
            run.Outcome = batch::kNotRun;
        Ui().ShowMessage(std::string("Dnevnika prenosov (OBLI_DNEVNIK) ni mogoče brati: ") + error.what() +
                         "; paket izvede vse prenose.");
    }
}

// The state of a batch with a summary: read back on --resume, else written anew. Returns false when
// the batch cannot begin.
bool BatchBegins(TRunContext& logon, const TRunArguments& arguments, std::vector<TBatchRun>& runs) {
    if (arguments.Summary.empty())
        return true;
    const std::string stateFile = BatchStateFile(arguments.Summary);
    try {
        if (arguments.Resume && std::filesystem::exists(stateFile)) {
            const TBatchState state = ReadBatchState(stateFile);
            if (state.Days != DaysOf(arguments) || state.RiskTypes != arguments.RiskTypes)
                throw Exception("Stanje " + stateFile + " je paketa drugih dni ali vrst tveganja.");
            SkipCompleted(logon.DM.OracleSession1, state.Start, runs);
            return true;
        }
        if (arguments.Resume)
            Ui().ShowMessage("Stanja " + stateFile + " ni: paket izvede vse prenose.");
        WriteBatchState(stateFile, StartingBatch(DaysOf(arguments), arguments.RiskTypes));
        return true;
    } catch (const std::exception& error) {
        Ui().ShowError(error.what());
        return false;
    }
}

// One run as a single zorveka-run makes it; a day without data is told by its source row count.
void RunOne(TRunContext& logon, TBatchRun& run, std::ostream& err) {
    TRunContext context(logon);
    TBatchLabels labels(err);
    context.Labels = &labels;
    context.ReportDay = run.Day;
    TRowOutput output;
    output.RiskType = run.RiskType;
    const auto start = std::chrono::steady_clock::now();
    try {
        StartPrenosa(context, output);
        const bool noData = labels.SourceRows() == 0;
        run.Outcome = noData ? journal::kNoData : journal::kCompleted;
        run.Rows = noData ? 0 : labels.GridRows();
    } catch (const std::exception& error) {
        Ui().ShowError(error.what());
        run.Outcome = RunCancelRequested(context) ? journal::kCancelled : journal::kFailed;
    }
    run.Ran = true;
    run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    logon.JournalMissingShown = context.JournalMissingShown;
}

void RunAll(TRunContext& logon, const TRunArguments& arguments, std::vector<TBatchRun>& runs,
            std::ostream& err) {
    for (std::size_t i = 0; i < runs.size() && !gBatchStop; ++i) {
        TBatchRun& run = runs[i];
        err << "Prenos dneva " << FormatDayMonthYear(run.Day) << " za vrsto tveganja " << run.RiskType << " ("
            << i + 1 << " / " << runs.size() << ")"
            << (run.Outcome == batch::kSkipped ? ": že zaključen" : "") << std::endl;
        if (run.Outcome == batch::kSkipped)
            continue;
        RunOne(logon, run, err);
        if (arguments.StopOnError && !CountsAsCompleted(run))
            break;
    }
}

// The runs are committed: a summary that cannot be written must not make a scheduler repeat them.
int Finished(const TRunArguments& arguments, const std::vector<TBatchRun>& runs, std::ostream& out) {
    PrintSummary(runs, out);
    const bool completed = std::all_of(runs.begin(), runs.end(), CountsAsCompleted);
    const int status = completed ? TRunExit::Completed : TRunExit::Stopped;
    if (arguments.Summary.empty())
        return status;
    if (completed) {
        std::error_code ignored; // a state left behind only makes a later --resume skip these runs
        std::filesystem::remove(BatchStateFile(arguments.Summary), ignored);
    }
    try {
        WriteSummaryCsv(runs, arguments.Summary);
    } catch (const std::exception& error) {
        Ui().ShowError(std::string("Paket je končan, povzetka ni bilo mogoče zapisati: ") + error.what());
        return completed ? TRunExit::ReportLost : status;
    }
    return status;
}

} // namespace

void RequestBatchStop() noexcept {
    gBatchStop = true;
}

int RunDayBatch(TRunContext& logon, const TRunArguments& arguments, std::ostream& err, std::ostream& out) {
    std::vector<TBatchRun> runs = Plan(arguments);
    if (!BatchBegins(logon, arguments, runs))
        return TRunExit::UsageOrLogon;
    RunAll(logon, arguments, runs, err);
    return Finished(arguments, runs, out);
}
