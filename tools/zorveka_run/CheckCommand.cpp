// The report goes to standard output, as the journal's listings do; errors go through the console Ui.
#include "CheckCommand.h"

#include "BatchRun.h"

#include "app/check/CheckReport.h"
#include "app/check/DayCheck.h"
#include "platform/ui/UserInterface.h"

int RunCheck(TRunContext& context, std::ostream& out) {
    try {
        const TCheckFindings findings = PreveriPodatke(context.DM.OracleSession1, context.ReportDay);
        out << CheckReportText(findings, context.ReportDay) << std::flush;
        if (findings.Stops())
            return TCheckExit::StopsRun;
        return findings.Empty() ? TCheckExit::Clean : TCheckExit::ChangesFigures;
    } catch (const std::exception& error) {
        Ui().ShowError(error.what());
        return TRunExit::Stopped;
    }
}
