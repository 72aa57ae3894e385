// Prepis strings the run's steps together in their fixed order; StartPrenosa wraps it the way the
// start button does. Pending window messages are processed only at the listed points, as the
// run has no thread of its own.
#include "app/TransferRun.h"

#include "app/ClosingProcedure.h"
#include "app/FifoCleanup.h"
#include "app/LookupCycle.h"
#include "app/LotCopy.h"
#include "app/Preview.h"
#include "app/SignCleanup.h"
#include "app/SourceExtraction.h"
#include "app/TransferRunSteps.h"
#include "platform/settings/DateText.h"

namespace {

void Sporocilo(TRunContext& context, const std::string& text) {
    context.Labels->ShowSporocilo(text);
    Ui().ProcessMessages();
}

void BrisanjeNultihPodatkov(TRunContext& context, int riskType) {
    Ui().ProcessMessages();
    Sporocilo(context, "Brisanje nultih podatkov ...");
    FIFOBrisanje1(context, riskType);
    FIFOBrisanje2(context, riskType);
    BrisanjePoPredznakih(context, riskType);
    RedundancnoFilanjeStevilaLotov(context, riskType);
}

} // namespace

void Prepis(TRunContext& context, TRowOutput& output) {
    BeriPodatke(context);
    Sporocilo(context, "Prepis podatkov ...");
    const int n = Reported("Napaka pri izvajanju :\r", [&] { return context.DM.Q1.RecordCount(); });
    if (n == 0) {
        Ui().ShowMessage("Za izbrani dan " + FormatShortDate(context.ReportDay) + " ni podatkov!");
        return;
    }
    output.OblimRow.DAT_STANJA = FormatDayMonthYear(context.ReportDay);
    BrisanjeStarihRezultatov(context, output);
    OdpriRezultateZaDodajanje(context, output);
    // The valuation of the previous run may have left the system's rendering of the day.
    output.OblimRow.DAT_STANJA = FormatDayMonthYear(context.ReportDay);
    ZapisPozicij(context, output, n);
    BrisanjeNultihPodatkov(context, output.RiskType);
    ZapisAmortizacijskihNacrtov(context, output);
    Sporocilo(context, "Branje podatkov v grid  ...");
    Predogled(context, output.RiskType);
    context.Labels->HideSporocilo();
}

void StartPrenosa(TRunContext& context, TRowOutput& output) {
    context.Labels->SetGridSource(context.DM.dsNull);
    Ui().ProcessMessages();
    Prepis(context, output);
    context.Labels->SetGridSource(context.DM.DSecb);
    context.Labels->HideSporocilo();
    Ui().ProcessMessages();
    Predogled(context, output.RiskType);
    PrepissProceduro(context, output.RiskType);
}
