// The dates of a position: opening, maturity, maturity of the deal and the next repricing, all as
// date texts of the day alone: a source date with a time of day is taken by its day. A missing day (no
// purchase recorded, no value date) is the empty text, which the writers store as NULL, rather than the zero
// day 30.12.1899.
#include "app/ValuationSteps.h"

#include "app/DateLookups.h"
#include "platform/settings/DateText.h"
#include "platform/settings/TextUtils.h"

namespace {

std::string DateTextOrEmpty(TDateTime day) {
    return day == 0 ? std::string() : FormatShortDate(day);
}

// The end of the coupon period holding the report day; empty when there is none.
std::string CouponEnd(const TValuationRow& row) {
    return row.CouponDay("ZDNDAN");
}

} // namespace

std::string FirstMaturityDate(const TValuationRow& row) {
    // A deal-account row takes its dates from the value date, after the opening date is known.
    if (!row.IsSecurityAccount())
        return "";
    const std::string maturity = row.SourceDay("ZPDVP");
    return maturity.empty() ? CouponEnd(row) : maturity;
}

std::string OpeningDate(const TValuationRow& row) {
    std::string day;
    if (row.IsSecurityAccount())
        day = row.DolzniskiVP ? row.PrviDanKupona : row.SourceDay("DOGDAN");
    else if (row.IsDealAccount())
        day = row.SourceDay("DOGDAN");
    if (row.HasFixedContract())
        day = row.ReportDayText();
    if (row.SFLST == "L" && row.IsSecurityAccount())
        day = DateTextOrEmpty(RacunajDanNKPMAX(row.Context, row.Row.SFVP, row.Row.IDPOG));
    if (row.IsDealAccount())
        day = DateTextOrEmpty(row.SourceDate("DATUMV"));
    if (row.HasPrefixedAccount())
        day = row.Row.DAT_STANJA;
    return day;
}

void FinalMaturityDates(TValuationRow& row) {
    TOblimRow& out = row.Row;
    if (row.HasFixedContract())
        out.DAT_ZAPADLOSTI = row.ReportDayText();
    out.DAT_ZAPAD_POSLA = out.DAT_ZAPADLOSTI;
    if (row.IsDealAccount()) {
        out.DAT_ZAPAD_POSLA = out.DAT_OTVORITVE;
        out.DAT_ZAPADLOSTI = out.DAT_OTVORITVE;
    }
    // Without a maturity of its own the position is due on the report day.
    if (row.IsSecurityAccount() && !row.HasDebtClass()) {
        out.DAT_ZAPAD_POSLA = out.DAT_STANJA;
        out.DAT_ZAPADLOSTI = out.DAT_STANJA;
    }
    if (row.HasPrefixedAccount())
        out.DAT_ZAPAD_POSLA = out.DAT_STANJA;
}

std::string RepricingDate(const TValuationRow& row) {
    if (TrimBlanksAndControls(row.CouponText("REFOBM")).empty())
        return "";
    const std::string next = BeriNaslednjiKupon(row.Context.DM, row.Row.SFVP, row.Context.ReportDay);
    // In its last period the coupon reprices at the period's end.
    return TrimBlanksAndControls(next).empty() ? CouponEnd(row) : next;
}
