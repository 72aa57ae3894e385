// The logon makes exactly one automatic attempt: Retries 0 ends the loop after it, and the default
// logon dialog of a console program cancels, so a wrong password can neither hang nor ask. Messages
// go through the console Ui installed for the whole batch.
#include "BatchRun.h"

#include "BatchArguments.h"
#include "CheckCommand.h"
#include "ConsoleLabels.h"
#include "DayBatch.h"
#include "JournalCommands.h"
#include "RunArguments.h"

#include "app/PasswordArgument.h"
#include "app/ReferentFile.h"
#include "app/Startup.h"
#include "app/TransferRun.h"
#include "oracle/OracleCI.h"
#include "oracle/OracleCounters.h"
#include "platform/localdb/export/DataSetExport.h"
#include "platform/localdb/export/ExportSettings.h"
#include "platform/settings/ConfigPaths.h"
#include "platform/ui/ConsoleUi.h"
#include "platform/ui/UiGuards.h"

#include <functional>
#include <iostream>

namespace {

bool LogOn(TRunContext& context, const TRunArguments& arguments) {
    context.Arguments = arguments.Positional;
    context.AliasName = arguments.Positional[0];
    context.UserName = arguments.Positional[1];
    // "-" or "@FILE" keep the password out of the process list, where a scheduler's user sees it.
    context.UserPassword = PasswordOf(arguments.Positional[2], std::cin);
    context.DatabaseName = ResolveAlias(TAliasConfiguration(), context.AliasName);
    context.DM.OracleLogon1.Retries = 0;
    try {
        if (PrijavaVBazo(context))
            return true;
    } catch (const std::exception& error) {
        Ui().ShowError(error.what());
    }
    Ui().ShowError("Prijava v " + context.DatabaseName + " ni uspela!");
    return false;
}

void PrintStats(std::ostream& err, const TOracleCounters& before, long long sourceRows) {
    const TOracleCounters after = OracleCounters();
    err << "stats: source rows " << sourceRows << ", statements " << after.Statements - before.Statements
        << ", commits " << after.Commits - before.Commits;
    if (after.RoundTrips >= 0) // only a client library that counts them tells
        err << ", round trips " << after.RoundTrips - before.RoundTrips;
    err << std::endl;
}

// Listing the journal or comparing two days reads only; nothing is run.
int ReadOnly(TRunContext& context, const TRunArguments& arguments) {
    try {
        if (arguments.Journal && !arguments.Export.empty())
            ExportJournal(context, arguments.JournalDays, arguments.Export);
        else if (arguments.Journal)
            PrintJournal(context, arguments.JournalDays, std::cout);
        else
            PrintComparison(context, arguments.CompareDay, arguments.Day, arguments.RiskType, std::cout);
    } catch (const std::exception& error) {
        Ui().ShowError(error.what());
        return TRunExit::Stopped;
    }
    return TRunExit::Completed;
}

// The run is committed by now: a scheduler must not take a lost file for a run to repeat.
int WrittenAfterTheRun(const char* lost, const std::function<void()>& write) {
    try {
        write();
        return TRunExit::Completed;
    } catch (const std::exception& error) {
        Ui().ShowError(lost + std::string(error.what()));
        return TRunExit::ReportLost;
    }
}

// The reconciliation, then the result grid as the window's export writes it (format by suffix).
int WrittenFiles(TRunContext& context, const TRunArguments& arguments) {
    if (!arguments.Report.empty() &&
        WrittenAfterTheRun("Prenos je uspel, poročila ni bilo mogoče zapisati: ",
                           [&] { WriteRunReport(context, arguments.Report); }) != TRunExit::Completed)
        return TRunExit::ReportLost;
    if (arguments.Export.empty())
        return TRunExit::Completed;
    return WrittenAfterTheRun("Prenos je uspel, izvoza ni bilo mogoče zapisati: ", [&] {
        ExportSettings().Subject = ReportSubject(context.ReportDay, arguments.RiskType);
        ExportDataSetToFile(context.DM.Q1, arguments.Export, ExportFormatOfFile(arguments.Export));
    });
}

int Run(TDataModule& dm, const TRunArguments& arguments, std::ostream& err) {
    TRunContext context(dm);
    TConsoleLabels labels(err);
    context.Labels = &labels;
    context.AppDir = AppDir();
    ReadExportSettings(ReferentFileName(context.AppDir, context.ProgramName));
    if (!LogOn(context, arguments))
        return TRunExit::UsageOrLogon;
    if (IsDayBatch(arguments))
        return RunDayBatch(context, arguments, err, std::cout);
    context.ReportDay = arguments.Day;
    if (arguments.Check)
        return RunCheck(context, std::cout);
    if (arguments.Journal || arguments.Compare)
        return ReadOnly(context, arguments);
    TRowOutput output;
    output.RiskType = arguments.RiskType;
    const TOracleCounters before = OracleCounters();
    try {
        StartPrenosa(context, output);
    } catch (const std::exception& error) {
        Ui().ShowError(error.what());
        return TRunExit::Stopped;
    }
    if (arguments.Stats)
        PrintStats(err, before, labels.SourceRows());
    return WrittenFiles(context, arguments);
}

} // namespace

int RunBatch(const std::vector<std::string>& commandLine, std::ostream& err) {
    TConsoleUi console(err);
    TScopedUi scope(console);
    TRunArguments arguments;
    try {
        arguments = ParseRunArguments(commandLine);
    } catch (const EUsageError& error) {
        err << error.what() << '\n' << kRunUsage << std::endl;
        return TRunExit::UsageOrLogon;
    }
    SetOracleCommandLine(commandLine);
    try {
        TDataModule dm;
        return Run(dm, arguments, err);
    } catch (const std::exception& error) {
        // An unknown alias or an unusable client library: no logon was possible.
        Ui().ShowError(error.what());
        return TRunExit::UsageOrLogon;
    }
}
