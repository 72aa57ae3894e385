// The date lookups' statements and messages. The contract is spliced into RacunajDanNKPMAX's text
// as the run always did; it is an integer, so no text from data reaches the statement. Inside a run
// the coupon spans of all securities, the purchase dates of the day's holdings and the days of the
// index table come from one grouped statement each.
#include "app/DateLookups.h"

#include "app/DateColumn.h"
#include "app/LookupCycle.h"
#include "app/SetWiseRead.h"
#include "platform/settings/DateText.h"
#include "platform/settings/Exceptions.h"

#include <utility>

namespace {

std::string CouponBound(TDataModule& dm, const std::string& text, int sfvp, const char* column) {
    return Reported(NapakaMessage(text), [&] {
        RunLookup(dm.Qkpn2, text, {{"SFVP", TVariant::FromInteger(sfvp)}});
        return DayText(dm.Qkpn2.FieldByName(column));
    });
}

// The first coupon start and the last coupon end by security, as date texts.
struct TCouponSpans : TKeyedValues<std::int64_t, std::pair<std::string, std::string>> {};

std::pair<std::string, std::string> CouponSpanOfRun(TDataModule& dm, int sfvp) {
    const std::string text =
        std::string("SELECT  SFVP, MIN(PRVDAN) PRVDAN, MAX(ZDNDAN) ZDNDAN  FROM KPN ") + " GROUP BY SFVP ";
    return RunTable<TCouponSpans>(
               dm.Lookups, dm.Qkpn2, NapakaMessage(text), text, {},
               [](TCouponSpans& table, const TOracleDataSet& q) {
                   table.Add(q.FieldByName("SFVP").AsLargeInt(),
                             {DayText(q.FieldByName("PRVDAN")), DayText(q.FieldByName("ZDNDAN"))});
               })
        .Find(sfvp, {});
}

// The first coupon start and the last coupon end of the security; empty texts when it has none.
std::pair<std::string, std::string> CouponSpan(TDataModule& dm, int sfvp) {
    if (dm.Lookups.On())
        return CouponSpanOfRun(dm, sfvp);
    const std::string lastEnd = CouponBound(
        dm, std::string("SELECT  MAX(ZDNDAN) ZDNDAN,  max(GLVOBR) GLVOBR  FROM KPN ") + " WHERE SFVP= :SFVP ",
        sfvp, "ZDNDAN");
    return {CouponBound(dm, std::string("SELECT  MIN(PRVDAN) PRVDAN  FROM KPN ") + " WHERE SFVP= :SFVP ",
                        sfvp, "PRVDAN"),
            lastEnd};
}

// The latest purchase date by security and contract (VPHST) on the report day.
struct TPurchaseDays : TKeyedValues<std::pair<std::int64_t, std::int64_t>, TDateTime> {};

TDateTime PurchaseDayOfRun(TRunContext& context, int sfvp, std::int64_t idpog) {
    TDataModule& dm = context.DM;
    const std::string text = std::string(" SELECT SFVP, IDPOG, MAX(dannkp) DANNKP FROM VPHST ") +
                             " WHERE DAN = :DAN " + " GROUP BY SFVP, IDPOG ";
    return RunTable<TPurchaseDays>(
               dm.Lookups, dm.Qvphst, NapakaMessage(text), text, {{"DAN", DayValue(context.ReportDay)}},
               [](TPurchaseDays& table, const TOracleDataSet& q) {
                   if (!AnyNull(q, {"SFVP", "IDPOG"}))
                       table.Add({q.FieldByName("SFVP").AsLargeInt(), q.FieldByName("IDPOG").AsLargeInt()},
                                 q.FieldByName("DANNKP").AsDateTime());
               })
        .Find({sfvp, idpog}, 0);
}

// Every day with a value of some index, in order, with its date text.
struct TIndexDays : TKeyedValues<TDateTime, std::string> {};

std::string IndexDayOfRun(TDataModule& dm, TDateTime day) {
    const std::string text = std::string(" SELECT dan DAN ") + " FROM inx " + " GROUP BY dan ";
    return RunTable<TIndexDays>(dm.Lookups, dm.INX1, text, text, {},
                                [](TIndexDays& table, const TOracleDataSet& q) {
                                    table.Add(q.FieldByName("DAN").AsDateTime(),
                                              DayText(q.FieldByName("DAN")));
                                })
        .AtOrBefore(day, {});
}

} // namespace

std::string RacunajSteviloDni(TRunContext& context, int sfvp) {
    const auto [firstStart, lastEnd] = CouponSpan(context.DM, sfvp);
    context.SteviloDni = 0;
    try {
        context.SteviloDni = ParseShortDate(lastEnd) - ParseShortDate(firstStart);
    } catch (const Exception&) {
        // A security without coupons has no span; the valuation reads 0.
    }
    return firstStart;
}

TDateTime RacunajDanNKPMAX(TRunContext& context, int sfvp, std::int64_t idpog) {
    if (context.DM.Lookups.On())
        return PurchaseDayOfRun(context, sfvp, idpog);
    TOracleDataSet& qvphst = context.DM.Qvphst;
    const std::string text = std::string(" SELECT MAX(dannkp) DANNKP FROM VPHST ") + " WHERE DAN = :DAN " +
                             " AND SFVP= :SFVP " + " AND IDPOG = " + std::to_string(idpog);
    return Reported(NapakaMessage(text), [&] {
        RunLookup(qvphst, text,
                  {{"SFVP", TVariant::FromInteger(sfvp)}, {"DAN", DayValue(context.ReportDay)}});
        return qvphst.FieldByName("DANNKP").AsDateTime();
    });
}

std::string BeriNaslednjiKupon(TDataModule& dm, int sfvp, TDateTime day) {
    const std::string text = std::string("SELECT  PRVDAN ") + "   FROM KPN " + " WHERE SFVP= :SFVP " +
                             " AND PRVDAN > :report_date   " + " ORDER BY PRVDAN ";
    return dm.Lookups.Value<std::string>(
        TLookupCache::Key({"KPN>", std::to_string(sfvp), FormatDateTime(day)}), [&] {
            return Reported(NapakaMessage(text), [&] {
                RunLookup(dm.Qkpn6, text,
                          {{"SFVP", TVariant::FromInteger(sfvp)}, {"REPORT_DATE", DayValue(day)}});
                return dm.Qkpn6.RecordCount() > 0 ? DayText(dm.Qkpn6.FieldByName("PRVDAN")) : std::string();
            });
        });
}

std::string BeriPrviDanZaINX(TDataModule& dm, TDateTime day) {
    if (dm.Lookups.On())
        return IndexDayOfRun(dm, day);
    const std::string text = std::string(" SELECT MAX(dan) DAN ") + " FROM inx " + " WHERE dan <= :PRVDAN ";
    return Reported(text, [&] {
        RunLookup(dm.INX1, text, {{"PRVDAN", TVariant::FromDateTime(day)}});
        return DayText(dm.INX1.FieldByName("DAN"));
    });
}
