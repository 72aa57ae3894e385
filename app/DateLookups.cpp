// The date lookups' statements and messages. The contract is spliced into RacunajDanNKPMAX's text
// as the run always did; it is an integer, so no text from data reaches the statement.
#include "app/DateLookups.h"

#include "app/DateColumn.h"
#include "app/LookupCycle.h"
#include "platform/settings/DateText.h"
#include "platform/settings/Exceptions.h"

namespace {

std::string CouponBound(TOracleDataSet& dataSet, const std::string& text, int sfvp, const char* column) {
    return Reported(NapakaMessage(text), [&] {
        RunLookup(dataSet, text, {{"SFVP", TVariant::FromInteger(sfvp)}});
        return DayText(dataSet.FieldByName(column));
    });
}

} // namespace

void RacunajSteviloDni(TRunContext& context, int sfvp) {
    TOracleDataSet& qkpn2 = context.DM.Qkpn2;
    const std::string lastEnd = CouponBound(
        qkpn2,
        std::string("SELECT  MAX(ZDNDAN) ZDNDAN,  max(GLVOBR) GLVOBR  FROM KPN ") + " WHERE SFVP= :SFVP ",
        sfvp, "ZDNDAN");
    const std::string firstStart = CouponBound(
        qkpn2, std::string("SELECT  MIN(PRVDAN) PRVDAN  FROM KPN ") + " WHERE SFVP= :SFVP ", sfvp, "PRVDAN");
    context.SteviloDni = 0;
    try {
        context.SteviloDni = ParseShortDate(lastEnd) - ParseShortDate(firstStart);
    } catch (const Exception&) {
        // A security without coupons has no span; the valuation reads 0.
    }
}

TDateTime RacunajDanNKPMAX(TRunContext& context, int sfvp, std::int64_t idpog) {
    TOracleDataSet& qvphst = context.DM.Qvphst;
    const std::string text = std::string(" SELECT MAX(dannkp) DANNKP FROM VPHST ") + " WHERE DAN = :DAN " +
                             " AND SFVP= :SFVP " + " AND IDPOG = " + std::to_string(idpog);
    return Reported(NapakaMessage(text), [&] {
        RunLookup(qvphst, text,
                  {{"SFVP", TVariant::FromInteger(sfvp)}, {"DAN", DayValue(context.ReportDay)}});
        return qvphst.FieldByName("DANNKP").AsDateTime();
    });
}

std::string BeriNaslednjiKupon(TDM& dm, int sfvp, TDateTime day) {
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

std::string BeriPrviDanZaINX(TDM& dm, TDateTime day) {
    const std::string text = std::string(" SELECT MAX(dan) DAN ") + " FROM inx " + " WHERE dan <= :PRVDAN ";
    return dm.Lookups.Value<std::string>(TLookupCache::Key({"INX<=", FormatDateTime(day)}), [&] {
        return Reported(text, [&] {
            RunLookup(dm.INX1, text, {{"PRVDAN", TVariant::FromDateTime(day)}});
            return DayText(dm.INX1.FieldByName("DAN"));
        });
    });
}
