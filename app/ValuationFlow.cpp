// The order of the valuation of one source row. It is binding where a step reads what an earlier
// one left (the classification before the rates, the amounts before the turnover share, the
// opening date before the final maturities, the holding's price before the price fallback).
#include "app/Valuation.h"
#include "app/ValuationSteps.h"

#include "app/DateLookups.h"
#include "app/ReferenceLookups.h"

#include <cassert>

std::string KindLetterFromVknt(const std::string& vknt) {
    return vknt == "6" ? "M" : "E";
}

namespace {

void Step(const TValuationRow& row, const char* name) {
    row.Context.Labels->SetKorak(name);
}

// A blank record, so that no value of the previous row can reach this one; OPKRTBNK and the
// run's report day are the run's own and stay.
void StartRow(TOblimRow& out) {
    TOblimRow blank;
    blank.OPKRTBNK = out.OPKRTBNK;
    blank.DAT_STANJA = out.DAT_STANJA;
    out = blank;
}

void ClassifyAndValueAmounts(TValuationRow& row) {
    TOblimRow& out = row.Row;
    Step(row, "ZAVAROVANJE");
    const std::string instrument = row.SourceText("SFFIN");
    row.DolzniskiVP = JeDolzniskiVP(row.Context.DM, instrument);
    row.SFLST = BeriSflst(row.Context.DM, instrument);
    Step(row, "DAT_ZAPAD");
    out.DAT_ZAPADLOSTI = FirstMaturityDate(row);
    FillAccountAndCurrency(row);
    Step(row, "ZNESEK_VAL");
    ValueAmounts(row);
    Step(row, "REVAL_DML");
    out.REAL_DML = RateKind(row);
    Step(row, "REVAL_OBRM");
    out.REAL_OBRM = RealRate(row);
}

void OpenAndClassifyTerm(TValuationRow& row) {
    TOblimRow& out = row.Row;
    FillReferenceFields(row);
    row.PrviDanKupona = RacunajSteviloDni(row.Context, out.SFVP);
    out.DAT_OTVORITVE = OpeningDate(row);
    Step(row, "ECB_14");
    out.ECB_14 = TermCode(row);
    Step(row, "ECB_15");
    out.ECB_16 = Ecb16Code(row);
    Step(row, "ECB_17");
    Step(row, "ECB_29");
    CountLots(row);
    Step(row, "ECB_21");
    out.ECB_21 = IndexKind(row);
    out.ECB_22 = TermBandCode(row);
    out.ECB_24 = ReferenceRateCode(row);
}

void CloseRow(TValuationRow& row) {
    TOblimRow& out = row.Row;
    Step(row, "ECB_34");
    FinalMaturityDates(row);
    out.ECB_38 = DebtCode(row);
    out.ECB_40 = RedemptionCode(row);
    out.ECB_42 = TurnoverShare(row);
    out.IDKONVEN = DayCountConvention(row);
    out.DAT_REPR = RepricingDate(row);
    out.SKUPNA_OBRM = TotalRate(row);
    out.REFER_OBRM = ReferenceRateMargin(row);
    PriceHolding(row);
    out.ECB_ELIGIBLE_DN = row.SourceText("ECB_ELIGIBLE_DN");
    out.ID_MAT_TIP = MaturityTypeCode(row);
}

} // namespace

void PolniPodatke(TRunContext& context, TRowOutput& output, [[maybe_unused]] const std::string& kindLetter) {
    // The rules go by the account class itself; the kind letter only mirrors it.
    assert(kindLetter == "E" || kindLetter == "M");
    TOblimRow& out = output.OblimRow;
    StartRow(out);
    TValuationRow row(context, out);
    Step(row, "KUPONI");
    CopySourceValues(row);
    BeriTekociKupon(context, out.SFVP);
    out.ORGEN = "100";
    Step(row, "ID_KOM");
    out.ID_KOM = CounterpartyCode(row);
    Step(row, "ID_BONITETA");
    out.POGODBA = ContractKey(row);
    ClassifyAndValueAmounts(row);
    OpenAndClassifyTerm(row);
    CloseRow(row);
}
