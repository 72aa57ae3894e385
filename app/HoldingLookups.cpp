// The holdings and deal lookups: every value is bound, the statements are the run's own. Inside a
// run each is one set-wise statement per run, grouped by the keys the per-key statement binds; the
// engine and the server sum NUMBERs exactly, so a group's sum is the per-key statement's sum.
#include "app/HoldingLookups.h"

#include "app/LookupCycle.h"
#include "app/SetWiseRead.h"

#include <cstdint>
#include <optional>
#include <utility>

namespace {

using TKeyPair = std::pair<std::int64_t, std::int64_t>;

// The row's key, or none when a part is NULL: such a group matches no bound key.
std::optional<TKeyPair> KeyPair(const TOracleDataSet& q, const char* first, const char* second) {
    if (AnyNull(q, {first, second}))
        return std::nullopt;
    return TKeyPair(q.FieldByName(first).AsLargeInt(), q.FieldByName(second).AsLargeInt());
}

// Pledged lots by contract and security (VPSHST).
struct TPledgedLots : TKeyedValues<TKeyPair, double> {};
// Lots and purchase price by security and deal (VPHST).
struct THoldingLots : TKeyedValues<TKeyPair, std::pair<double, double>> {};
// Lots and pledged lots by contract and security (DOG).
struct TDealLots : TKeyedValues<TKeyPair, std::pair<double, double>> {};
// Purchase value by contract and security (DOG).
struct TDealValues : TKeyedValues<TKeyPair, double> {};

double PledgedLots(TRunContext& context, int sfvp, std::int64_t idpog) {
    TDataModule& dm = context.DM;
    const TVariant day = DayValue(context.ReportDay);
    if (dm.Lookups.On()) {
        const std::string text = std::string(" SELECT IDPOG, SFVP, SUM (zst) zst FROM VPSHST  ") +
                                 " WHERE DAN= :DAN " + " AND SFSVP='L' " + " GROUP BY IDPOG, SFVP ";
        return RunTable<TPledgedLots>(dm.Lookups, dm.Qvpshst, NapakaMessage(text), text, {{"DAN", day}},
                                      [](TPledgedLots& table, const TOracleDataSet& q) {
                                          if (const auto key = KeyPair(q, "IDPOG", "SFVP"))
                                              table.Add(*key, q.FieldByName("ZST").AsFloat());
                                      })
            .Find({idpog, sfvp}, 0.0);
    }
    const std::string text =
        std::string(" SELECT SUM(LOT) LOT, MAX(GLVTCJNKP) GLVTCJNKP, SUM (zst) zst FROM VPSHST  ") +
        " WHERE IDPOG= :IDPOG " + "  AND SFVP= :SFVP " + "  AND DAN= :DAN " + " AND SFSVP='L' ";
    return Reported(NapakaMessage(text), [&] {
        RunLookup(
            dm.Qvpshst, text,
            {{"SFVP", TVariant::FromInteger(sfvp)}, {"DAN", day}, {"IDPOG", TVariant::FromInteger(idpog)}});
        return dm.Qvpshst.FieldByName("ZST").AsFloat();
    });
}

// The lots and the purchase price of the deal's holding.
std::pair<double, double> HoldingLots(TRunContext& context, int sfvp, std::int64_t posel) {
    TDataModule& dm = context.DM;
    const TVariant day = DayValue(context.ReportDay);
    if (dm.Lookups.On()) {
        const std::string text =
            std::string(" SELECT SFVP, IDVP, SUM(LOT) LOT, MAX(GLVTCJNKP) GLVTCJNKP FROM VPHST  ") +
            " WHERE " + "  DAN= :DAN " + " AND SFSVP='L' " + " GROUP BY SFVP, IDVP ";
        return RunTable<THoldingLots>(dm.Lookups, dm.Qvphst3, NapakaMessage(text), text, {{"DAN", day}},
                                      [](THoldingLots& table, const TOracleDataSet& q) {
                                          if (const auto key = KeyPair(q, "SFVP", "IDVP"))
                                              table.Add(*key, {q.FieldByName("LOT").AsFloat(),
                                                               q.FieldByName("GLVTCJNKP").AsFloat()});
                                      })
            .Find({sfvp, posel}, {0.0, 0.0});
    }
    const std::string text = std::string(" SELECT SUM(LOT) LOT, MAX(GLVTCJNKP) GLVTCJNKP FROM VPHST  ") +
                             " WHERE " + "  SFVP= :SFVP " + "  AND DAN= :DAN " + "  AND IDVP = :IDVP " +
                             " AND SFSVP='L' ";
    return Reported(NapakaMessage(text), [&] {
        RunLookup(
            dm.Qvphst3, text,
            {{"SFVP", TVariant::FromInteger(sfvp)}, {"DAN", day}, {"IDVP", TVariant::FromInteger(posel)}});
        return std::pair(dm.Qvphst3.FieldByName("LOT").AsFloat(),
                         dm.Qvphst3.FieldByName("GLVTCJNKP").AsFloat());
    });
}

std::pair<double, double> DealLots(TDataModule& dm, std::int64_t idpog, int sfvp) {
    if (dm.Lookups.On()) {
        const std::string text =
            std::string("select  d.idpog, d.sfvp, sum(d.vp) as doglot, SUM (d.rez) AS dogzst ") +
            " from DOG D" + " GROUP BY D.IDPOG, D.SFVP ";
        return RunTable<TDealLots>(dm.Lookups, dm.Qdog, text, text, {},
                                   [](TDealLots& table, const TOracleDataSet& q) {
                                       if (const auto key = KeyPair(q, "IDPOG", "SFVP"))
                                           table.Add(*key, {q.FieldByName("DOGLOT").AsFloat(),
                                                            q.FieldByName("DOGZST").AsFloat()});
                                   })
            .Find({idpog, sfvp}, {0.0, 0.0});
    }
    const std::string text = std::string("select  sum(d.vp) as doglot, SUM (d.rez) AS dogzst ") +
                             " from DOG D" + " WHERE D.IDPOG= :IDPOG " + " AND D.SFVP = :SFVP ";
    return Reported(text, [&] {
        RunLookup(dm.Qdog, text,
                  {{"IDPOG", TVariant::FromInteger(idpog)}, {"SFVP", TVariant::FromInteger(sfvp)}});
        return std::pair(dm.Qdog.FieldByName("DOGLOT").AsFloat(), dm.Qdog.FieldByName("DOGZST").AsFloat());
    });
}

// The purchase deals: their kinds, and the opening balances booked as kind 3 on 01.01.2006.
const char* const kPurchaseDeals = " (  (SFPDG IN ('}', 'A', 'B', 'N', 'W','+'))  "
                                   "          OR (sfpdg IN ('3') AND (dan = '01.01.2006') )   ) ";

double DealValue(TDataModule& dm, std::int64_t idpog, int sfvp) {
    if (dm.Lookups.On()) {
        const std::string text = std::string("SELECT IDPOG, SFVP, SUM(LOT*GLVTCJ) PNC  FROM DOG ") +
                                 " WHERE " + kPurchaseDeals + " GROUP BY IDPOG, SFVP ";
        return RunTable<TDealValues>(dm.Lookups, dm.Qdog, text, text, {},
                                     [](TDealValues& table, const TOracleDataSet& q) {
                                         if (const auto key = KeyPair(q, "IDPOG", "SFVP"))
                                             table.Add(*key, q.FieldByName("PNC").AsFloat());
                                     })
            .Find({idpog, sfvp}, 0.0);
    }
    const std::string text = std::string("SELECT SUM(LOT*GLVTCJ) PNC  FROM DOG ") + " WHERE IDPOG= :IDPOG " +
                             " AND SFVP = :SFVP " + " AND" + kPurchaseDeals;
    return Reported(text, [&] {
        RunLookup(dm.Qdog, text,
                  {{"IDPOG", TVariant::FromInteger(idpog)}, {"SFVP", TVariant::FromInteger(sfvp)}});
        return dm.Qdog.FieldByName("PNC").AsFloat();
    });
}

} // namespace

double BeriLote(TRunContext& context, int sfvp, std::int64_t idpog, std::int64_t posel) {
    context.GLVTCJNKP = 0;
    context.ZST = PledgedLots(context, sfvp, idpog);
    context.GLVTCJNKP = 0;
    const auto [lots, price] = HoldingLots(context, sfvp, posel);
    context.GLVTCJNKP = price;
    return lots;
}

bool JeVZdnhst(TDataModule& dm, const std::string& dayText, const std::string& sfdjv) {
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
    const auto [lots, pledged] = DealLots(context.DM, idpog, sfvp);
    context.DOGZST = pledged;
    context.STEVILO_LOTOV = lots;
    const double pnc = DealValue(context.DM, idpog, sfvp);
    return lots != 0 ? pnc / lots : 0.0;
}
