// The amounts of a position in its booking and the domestic currency, its lots and pledged lots,
// the price of the holding and the share of the month's sale turnover in it. Amounts are rounded
// to cents on the exact value of the double (RoundToCents).
#include "app/ValuationSteps.h"

#include "app/HoldingLookups.h"
#include "app/ReferenceLookups.h"
#include "platform/settings/Rounding.h"

#include <cmath>

namespace {

constexpr double HalfCent = 0.005;

} // namespace

void ValueAmounts(TValuationRow& row) {
    TOblimRow& out = row.Row;
    // The source balance is credit minus debit; the position is its opposite.
    out.ZNSVAL = RoundToCents(-row.SourceFloat("ZNESEK"));
    row.MesecniPromet = 0;
    if (row.IsSecurityAccount())
        row.MesecniPromet =
            BeriPodatke_V(row.Context, out.IDPOG, row.SourceInteger("VP1"), row.SourceText("KONTO"));
    row.TecajValute = BeriTecaj(row.Context.DM, row.SourceText("KVALUTA"), row.ReportDayText());
    // Without a usable rate the amount is taken over unconverted rather than lost.
    double domestic = out.ZNSVAL;
    if (row.TecajValute != 0) {
        domestic = out.ZNSVAL / row.TecajValute;
        row.MesecniPromet = row.MesecniPromet / row.TecajValute;
    }
    out.ZNSDOMVAL = RoundToCents(domestic);
}

void CountLots(TValuationRow& row) {
    TOblimRow& out = row.Row;
    out.STEVILO_LOTOV = BeriLote(row.Context, out.SFVP, out.IDPOG, row.SourceId("POSEL"));
    out.ZST = row.Context.ZST;
    // An unclosed day has no holdings of its own yet: the deals' lot sum stands in.
    if (!JeVZdnhst(row.Context.DM, row.ReportDayText(), "L"))
        out.STEVILO_LOTOV = out.DOGLOT;
}

double TurnoverShare(const TValuationRow& row) {
    if (!row.IsSecurityAccount() || row.SourceText("SFTPF") != "H")
        return 0;
    const double divisor = row.Row.ZNSDOMVAL * (-1) + row.MesecniPromet;
    // The domestic amount is rounded to cents and the converted turnover is not: a divisor under
    // half a cent is a zero amount left as a residue, not a share worth millions of percent.
    if (std::fabs(divisor) < HalfCent)
        return 0;
    const double share = (row.MesecniPromet * 100) / divisor;
    return std::isfinite(share) ? share : 0;
}

void PriceHolding(TValuationRow& row) {
    TOblimRow& out = row.Row;
    out.ZNSPNC = row.Context.GLVTCJNKP;
    if (out.ZNSPNC != 0)
        return;
    // No price in the holdings: the deals give the price, and their lots and pledged lots with it.
    out.ZNSPNC = BeriPNC(row.Context, out.IDPOG, out.SFVP);
    out.STEVILO_LOTOV = row.Context.STEVILO_LOTOV;
    out.ZST = row.Context.DOGZST;
}
