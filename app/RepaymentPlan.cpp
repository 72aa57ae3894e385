// The plan is read in full before the first OBLIAM row is appended, because each row's outstanding
// principal is the next period's: after the last period nothing is outstanding.
#include "app/RepaymentPlan.h"

#include "app/DateLookups.h"
#include "app/LookupCycle.h"
#include "app/ReferenceLookups.h"
#include "oracle/OracleData.h"
#include "platform/settings/DateText.h"
#include "platform/settings/Rounding.h"
#include "platform/settings/TextUtils.h"

#include <algorithm>
#include <cmath>
#include <map>
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

// The rate of an indexed coupon adds the index's value on its index day for the period start. An
// index table with no day on or before the start gives no day, which BeriINX refuses: a rate of 0
// there would be a wrong interest nobody sees.
double IndexRate(TDataModule& dm, const std::string& sfinx, TDateTime periodStart) {
    if (sfinx.empty())
        return 0;
    return BeriINX(dm, sfinx, BeriPrviDanZaINX(dm, periodStart));
}

// A coupon period's columns as the plan reads them, with the dataset's own conversions; the codes
// trimmed, as they key lookups and the plan's currency.
struct TKuponColumns {
    TDateTime Prvdan = 0, Zdndan = 0;
    std::string Sfobr, Sfobm, Sfinx, Sfobd, Idbnk;
    double Glvobr = 0, Glvnmn = 0, Obrobr = 0, Obrprc = 0, Glv = 0;
};

using TKuponi = std::vector<TKuponColumns>;

// The coupon schedules a run has read, by security: KPN does not change during a run.
struct TRunKuponi : std::map<int, TKuponi> {};

TKuponColumns ReadColumns(const TDataSet& q) {
    TKuponColumns c;
    c.Zdndan = q.FieldByName("ZDNDAN").AsDateTime();
    c.Sfobr = q.FieldByName("SFOBR").AsString();
    c.Sfobm = q.FieldByName("SFOBM").AsString();
    c.Sfinx = TrimBlanksAndControls(q.FieldByName("SFINX").AsString());
    c.Glvobr = q.FieldByName("GLVOBR").AsFloat();
    c.Glvnmn = q.FieldByName("GLVNMN").AsFloat();
    c.Prvdan = q.FieldByName("PRVDAN").AsDateTime();
    c.Obrobr = q.FieldByName("OBROBR").AsFloat();
    c.Obrprc = q.FieldByName("OBRPRC").AsFloat();
    c.Sfobd = q.FieldByName("SFOBD").AsString();
    c.Glv = q.FieldByName("GLV").AsFloat();
    c.Idbnk = TrimBlanksAndControls(q.FieldByName("IDBNK").AsString());
    return c;
}

TKupon ReadPeriod(TDataModule& dm, TOblimRow& row, double lots, const TKuponColumns& c) {
    TKupon period;
    period.DueDate = std::trunc(c.Zdndan);
    period.Principal = c.Glvobr * lots;
    row.ZNESNOM = c.Glvnmn;
    if (c.Sfobr == "A") {
        period.Interest = c.Obrobr * lots;
    } else {
        const double rate = c.Obrprc + IndexRate(dm, c.Sfinx, c.Prvdan);
        period.Interest =
            ObrestiObdobja(rate, lots, row.ZNESNOM, std::ceil(c.Zdndan - c.Prvdan), c.Sfobd, c.Sfobm);
    }
    period.Outstanding = c.Glv * lots;
    return period;
}

TKuponi ReadKuponi(TDataModule& dm, int sfvp, const std::string& text) {
    TKuponi kuponi;
    RunLookup(dm.Qkpn5, text, {{"SFVP", TVariant::FromInteger(sfvp)}});
    for (dm.Qkpn5.First(); !dm.Qkpn5.Eof() && kuponi.size() < MaxKuponov; dm.Qkpn5.Next())
        kuponi.push_back(ReadColumns(dm.Qkpn5));
    return kuponi;
}

// Inside a run each security's schedule is read once; many positions share a security.
TKuponi Kuponi(TDataModule& dm, int sfvp, const std::string& text) {
    if (!dm.Lookups.On())
        return ReadKuponi(dm, sfvp, text);
    TRunKuponi& read = dm.Lookups.Store<TRunKuponi>();
    auto found = read.find(sfvp);
    if (found == read.end())
        found = read.emplace(sfvp, ReadKuponi(dm, sfvp, text)).first;
    return found->second;
}

TPlan LoadPlan(TDataModule& dm, TOblimRow& row, int sfvp, double lots) {
    const std::string text =
        std::string(" SELECT kpn.*, sfvp.glvnmn glvnmn, vlt.idbnk idbnk FROM KPN, sfvp, vlt ") +
        " WHERE kpn.SFVP = :SFVP " + " AND sfvp.sfvp=kpn.sfvp " + " AND sfvp.sfvltnmn=vlt.sfvlt " +
        " ORDER BY kpn.STKPN ";
    return Reported(NapakaMessage(text), [&] {
        TPlan plan;
        for (const TKuponColumns& columns : Kuponi(dm, sfvp, text)) {
            plan.Currency = columns.Idbnk;
            plan.Periods.push_back(ReadPeriod(dm, row, lots, columns));
        }
        return plan;
    });
}

// The plan's INSERT sends these columns; DATZAPVAL is left NULL.
const TInsertColumn kColumns[] = {
    {"ID_SEQ_OBLIM", otType::otInteger}, {"ID_VAL", otType::otString},   {"DATZAP", otType::otDate},
    {"ZNSGL", otType::otFloat},          {"ZNSOBRS", otType::otFloat},   {"ZNSGLOST", otType::otFloat},
    {"AM_STT", otType::otString},        {"DAT_STANJA", otType::otDate}, {"OT_LIK", otType::otInteger}};

// An empty text or the zero day goes in as NULL, as a posted row leaves such fields out.
TVariant TextOrNull(const std::string& text) {
    return text.empty() ? TVariant() : TVariant::FromText(text);
}

TVariant DayOrNull(const std::string& dayText) {
    const TDateTime day = dayText.empty() ? 0 : ParseShortDate(dayText);
    return day == 0 ? TVariant() : TVariant::FromDateTime(day);
}

void AddPlan(TInsertBlock& block, const TRowOutput& output, std::int64_t seq, const TPlan& plan, int tag) {
    const std::size_t n = plan.Periods.size();
    const TVariant datStanja = DayOrNull(output.OblimRow.DAT_STANJA);
    for (std::size_t k = 0; k < n; ++k) {
        const TKupon& period = plan.Periods[k];
        const double outstandingAfter = k + 1 < n ? plan.Periods[k + 1].Outstanding : 0;
        block.AddRow({TVariant::FromInteger(seq), TextOrNull(plan.Currency),
                      TVariant::FromDateTime(period.DueDate),
                      TVariant::FromFloat(RoundToCents(period.Principal)),
                      TVariant::FromFloat(RoundToCents(period.Interest)),
                      TVariant::FromFloat(RoundToCents(outstandingAfter)), TVariant::FromText("A"), datStanja,
                      TVariant::FromInteger(output.RiskType)},
                     tag);
    }
}

} // namespace

double ObrestiObdobja(double rate, double lots, double nominal, double days, const std::string& sfobd,
                      const std::string& sfobm) {
    const double yearBasis = (sfobd == "100" || sfobd == "360") ? 360 : 365;
    const double adjustment = sfobm == "=" ? 1 : sfobm == "0" ? -1 : 0;
    return rate * lots * nominal * 0.01 * ((days + adjustment) / yearBasis);
}

TInsertBlock ObliamBlock(TDataModule& dm, std::string dumpFile, TInsertBlock::TFailedRowEvent onFailedRow) {
    return TInsertBlock(dm.Qobliam.Session(), "OBLIAM", {std::begin(kColumns), std::end(kColumns)},
                        std::move(dumpFile), std::move(onFailedRow));
}

void ZapisVrsticObliam(TDataModule& dm, TRowOutput& output, std::int64_t seq, int sfvp, double lots,
                       TInsertBlock& block, int tag) {
    AddPlan(block, output, seq, LoadPlan(dm, output.OblimRow, sfvp, lots), tag);
}

void ZapisVrsticObliam(TDataModule& dm, TRowOutput& output, std::int64_t seq, int sfvp, double lots) {
    TInsertBlock block = ObliamBlock(dm);
    ZapisVrsticObliam(dm, output, seq, sfvp, lots, block, 0);
    block.Flush();
}
