// The holdings and deal lookups: every value is bound, the statements are the run's own.
#include "app/HoldingLookups.h"

#include "app/LookupCycle.h"

double BeriLote(TRunContext& context, int sfvp, std::int64_t idpog, std::int64_t posel) {
    TDM& dm = context.DM;
    const TVariant day = DayValue(context.ReportDay);
    context.GLVTCJNKP = 0;
    const std::string pledged =
        std::string(" SELECT SUM(LOT) LOT, MAX(GLVTCJNKP) GLVTCJNKP, SUM (zst) zst FROM VPSHST  ") +
        " WHERE IDPOG= :IDPOG " + "  AND SFVP= :SFVP " + "  AND DAN= :DAN " + " AND SFSVP='L' ";
    context.ZST = Reported(NapakaMessage(pledged), [&] {
        RunLookup(
            dm.Qvpshst, pledged,
            {{"SFVP", TVariant::FromInteger(sfvp)}, {"DAN", day}, {"IDPOG", TVariant::FromInteger(idpog)}});
        return dm.Qvpshst.FieldByName("ZST").AsFloat();
    });
    context.GLVTCJNKP = 0;
    const std::string lots = std::string(" SELECT SUM(LOT) LOT, MAX(GLVTCJNKP) GLVTCJNKP FROM VPHST  ") +
                             " WHERE " + "  SFVP= :SFVP " + "  AND DAN= :DAN " + "  AND IDVP = :IDVP " +
                             " AND SFSVP='L' ";
    return Reported(NapakaMessage(lots), [&] {
        RunLookup(
            dm.Qvphst3, lots,
            {{"SFVP", TVariant::FromInteger(sfvp)}, {"DAN", day}, {"IDVP", TVariant::FromInteger(posel)}});
        context.GLVTCJNKP = dm.Qvphst3.FieldByName("GLVTCJNKP").AsFloat();
        return dm.Qvphst3.FieldByName("LOT").AsFloat();
    });
}

bool JeVZdnhst(TDM& dm, const std::string& dayText, const std::string& sfdjv) {
    const std::string text = std::string("SELECT count(*) stev from ZDNHST ") + " WHERE DAN = :DAN " +
                             " AND SFDJV= :SFDJV " + " AND VRDOK= 'D' ";
    return dm.Lookups.Value<bool>(TLookupCache::Key({"ZDNHST", dayText, sfdjv}), [&] {
        return Reported("2.\r" + text, [&] {
            RunLookup(dm.Qzdnhst, text, {{"SFDJV", TVariant::FromText(sfdjv)}, {"DAN", DayOfText(dayText)}});
            return dm.Qzdnhst.FieldByName("stev").AsInteger() > 0;
        });
    });
}

double BeriPNC(TRunContext& context, std::int64_t idpog, int sfvp) {
    TOracleDataSet& qdog = context.DM.Qdog;
    const TLookupVariables keys = {{"IDPOG", TVariant::FromInteger(idpog)},
                                   {"SFVP", TVariant::FromInteger(sfvp)}};
    const std::string sums = std::string("select  sum(d.vp) as doglot, SUM (d.rez) AS dogzst ") +
                             " from DOG D" + " WHERE D.IDPOG= :IDPOG " + " AND D.SFVP = :SFVP ";
    const double lots = Reported(sums, [&] {
        RunLookup(qdog, sums, keys);
        context.DOGZST = qdog.FieldByName("DOGZST").AsFloat();
        return qdog.FieldByName("DOGLOT").AsFloat();
    });
    context.STEVILO_LOTOV = lots;
    const std::string value = std::string("SELECT SUM(LOT*GLVTCJ) PNC  FROM DOG ") + " WHERE IDPOG= :IDPOG " +
                              " AND SFVP = :SFVP " + " AND (  (SFPDG IN ('}', 'A', 'B', 'N', 'W','+'))  " +
                              "          OR (sfpdg IN ('3') AND (dan = '01.01.2006') )   ) ";
    const double pnc = Reported(value, [&] {
        RunLookup(qdog, value, keys);
        return qdog.FieldByName("PNC").AsFloat();
    });
    return lots != 0 ? pnc / lots : 0.0;
}
