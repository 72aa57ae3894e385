// The plan is read in full before the first OBLIAM row is appended, because each row's outstanding
// principal is the next period's: after the last period nothing is outstanding.
#include "app/RepaymentPlan.h"

#include "app/DateColumn.h"
#include "app/DateLookups.h"
#include "app/LookupCycle.h"
#include "app/NewRowGuard.h"
#include "app/ReferenceLookups.h"
#include "platform/settings/DateText.h"
#include "platform/settings/Rounding.h"

#include <cmath>
#include <vector>

namespace {

struct TKupon {
    TDateTime DueDate = 0;
    double Principal = 0;
    double Interest = 0;
    double Outstanding = 0;
};

struct TPlan {
    std::vector<TKupon> Periods;
    std::string Currency; //!< IDBNK of the last period read
};

// The rate of an indexed coupon adds the index's value on its index day for the period start.
double IndexRate(TDM& dm, const std::string& sfinx, TDateTime periodStart) {
    if (sfinx.find_first_not_of(' ') == std::string::npos)
        return 0;
    const std::string indexDay = BeriPrviDanZaINX(dm, periodStart);
    return indexDay.empty() ? 0 : BeriINX(dm, sfinx, indexDay);
}

TKupon ReadPeriod(TDM& dm, TOblimRow& row, double lots) {
    const TDataSet& q = dm.Qkpn5;
    TKupon period;
    period.DueDate = q.FieldByName("ZDNDAN").AsDateTime();
    const std::string sfobr = q.FieldByName("SFOBR").AsString();
    const std::string sfobm = q.FieldByName("SFOBM").AsString();
    const std::string sfinx = q.FieldByName("SFINX").AsString();
    period.Principal = q.FieldByName("GLVOBR").AsFloat() * lots;
    row.ZNESNOM = q.FieldByName("GLVNMN").AsFloat();
    const TDateTime start = q.FieldByName("PRVDAN").AsDateTime();
    if (sfobr == "A") {
        period.Interest = q.FieldByName("OBROBR").AsFloat() * lots;
    } else {
        const double rate = q.FieldByName("OBRPRC").AsFloat() + IndexRate(dm, sfinx, start);
        period.Interest = ObrestiObdobja(rate, lots, row.ZNESNOM, std::ceil(period.DueDate - start),
                                         q.FieldByName("SFOBD").AsString(), sfobm);
    }
    period.Outstanding = q.FieldByName("GLV").AsFloat() * lots;
    return period;
}

TPlan LoadPlan(TDM& dm, TOblimRow& row, int sfvp, double lots) {
    const std::string text =
        std::string(" SELECT kpn.*, sfvp.glvnmn glvnmn, vlt.idbnk idbnk FROM KPN, sfvp, vlt ") +
        " WHERE kpn.SFVP = :SFVP " + " AND sfvp.sfvp=kpn.sfvp " + " AND sfvp.sfvltnmn=vlt.sfvlt " +
        " ORDER BY kpn.STKPN ";
    return Reported(NapakaMessage(text), [&] {
        TPlan plan;
        RunLookup(dm.Qkpn5, text, {{"SFVP", TVariant::FromInteger(sfvp)}});
        for (dm.Qkpn5.First(); !dm.Qkpn5.Eof() && plan.Periods.size() < MaxKuponov; dm.Qkpn5.Next()) {
            plan.Currency = dm.Qkpn5.FieldByName("IDBNK").AsString();
            plan.Periods.push_back(ReadPeriod(dm, row, lots));
        }
        return plan;
    });
}

void AppendPeriod(TDM& dm, const TRowOutput& output, std::int64_t seq, const TPlan& plan, std::size_t k) {
    const TKupon& period = plan.Periods[k];
    const double outstandingAfter = k + 1 < plan.Periods.size() ? plan.Periods[k + 1].Outstanding : 0;
    TDataSet& q = dm.Qobliam;
    TNewRowGuard newRow(q);
    q.FieldByName("ID_SEQ_OBLIM").SetAsLargeInt(seq);
    q.FieldByName("ID_VAL").SetAsString(plan.Currency);
    q.FieldByName("DATZAP").SetAsDateTime(period.DueDate);
    q.FieldByName("ZNSGL").SetAsFloat(RoundToCents(period.Principal));
    q.FieldByName("ZNSOBRS").SetAsFloat(RoundToCents(period.Interest));
    q.FieldByName("ZNSGLOST").SetAsFloat(RoundToCents(outstandingAfter));
    q.FieldByName("AM_STT").SetAsString("A");
    q.FieldByName("DATZAPVAL").SetAsString("");
    SetDateColumn(q.FieldByName("DAT_STANJA"), output.OblimRow.DAT_STANJA);
    q.FieldByName("OT_LIK").SetAsInteger(output.RiskType);
    newRow.Post();
}

} // namespace

double ObrestiObdobja(double rate, double lots, double nominal, double days, const std::string& sfobd,
                      const std::string& sfobm) {
    const double yearBasis = (sfobd == "100" || sfobd == "360") ? 360 : 365;
    const double adjustment = sfobm == "=" ? 1 : sfobm == "0" ? -1 : 0;
    return rate * lots * nominal * 0.01 * ((days + adjustment) / yearBasis);
}

void ZapisVrsticObliam(TDM& dm, TRowOutput& output, std::int64_t seq, int sfvp, double lots) {
    const TPlan plan = LoadPlan(dm, output.OblimRow, sfvp, lots);
    for (std::size_t k = 0; k < plan.Periods.size(); ++k)
        AppendPeriod(dm, output, seq, plan, k);
}
