// The statements of the reference-data lookups as the valuation sends them, with the message each
// shows when it fails. Only bound values reach the statements.
#include "app/ReferenceLookups.h"

#include "app/LookupCycle.h"
#include "app/SetWiseRead.h"

#include <cstdint>
#include <cstdio>

double BeriTecaj(TDataModule& dm, const std::string& currency, const std::string& dayText) {
    if (currency == "E")
        return 1.0;
    const std::string text = std::string("SELECT TCJ FROM VLN ") + " WHERE SFVLT= :SFVLT " +
                             " AND SFVLN = '0' " + " AND DAN <= :DAN " + " ORDER BY DAN DESC ";
    return dm.Lookups.Value<double>(TLookupCache::Key({"VLN", currency, dayText}), [&] {
        return Reported(text, [&] {
            RunLookup(dm.Qvln, text, {{"SFVLT", TVariant::FromText(currency)}, {"DAN", DayOfText(dayText)}});
            return dm.Qvln.IsEmpty() ? 0.0 : dm.Qvln.FieldByName("TCJ").AsFloat();
        });
    });
}

bool JeDolzniskiVP(TDataModule& dm, const std::string& sffin) {
    const std::string text = std::string("SELECT COUNT(SIF.KRT) STEV FROM FIN, SIF ") +
                             " WHERE FIN.SFFIN= :SFFIN " + " AND FIN.SFLST IN ('D', 'K', 'k') " +
                             " AND FIN.SFLST=SIF.SIF " + " AND SIF.SSF='LST' ";
    return dm.Lookups.Value<bool>(TLookupCache::Key({"FIN,SIF", sffin}), [&] {
        return Reported(NapakaMessage(text), [&] {
            RunLookup(dm.Qfin, text, {{"SFFIN", TVariant::FromText(sffin)}});
            return dm.Qfin.FieldByName("STEV").AsInteger() > 0;
        });
    });
}

std::string BeriSflst(TDataModule& dm, const std::string& sffin) {
    const std::string text = std::string("SELECT FIN.SFLST SFLST FROM FIN ") + " WHERE FIN.SFFIN= :SFFIN ";
    return dm.Lookups.Value<std::string>(TLookupCache::Key({"FIN", sffin}), [&] {
        return Reported(NapakaMessage(text), [&] {
            RunLookup(dm.Qfin, text, {{"SFFIN", TVariant::FromText(sffin)}});
            return dm.Qfin.FieldByName("SFLST").AsString();
        });
    });
}

namespace {

const char* const kCouponColumns =
    " MAX(ZDNDAN) ZDNDAN, MAX(SFOBD) SFOBD, MAX(SFINX) SFINX , MAX(REFOBM) REFOBM "
    ", MAX(GLVOBR) GLVOBR , MAX(SFOBR) SFOBR , MAX(OBRPRC) OBRPRC, MAX(OBROBR) OBROBR ";

// Qkpn's records by security after the run's one read of every current coupon period; the one
// record of NULLs stands for a security without a period.
struct TCouponRecords {
    TKeyedValues<std::int64_t, int> BySecurity;
    int NoPeriod = 0;
};

void LoadCouponRecords(TRunContext& context, TCouponRecords& records) {
    TOracleDataSet& qkpn = context.DM.Qkpn;
    const std::string text =
        std::string("SELECT SFVP, ") + kCouponColumns + " FROM KPN " +
        " WHERE PRVDAN <= :report_date AND ZDNDAN >= :report_date  " + " GROUP BY SFVP " +
        " UNION ALL SELECT NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL FROM DUAL ";
    Reported(NapakaMessage(text), [&] {
        RunLookup(qkpn, text, {{"REPORT_DATE", DayValue(context.ReportDay)}});
        for (qkpn.First(); !qkpn.Eof(); qkpn.Next()) {
            if (qkpn.FieldByName("SFVP").IsNull())
                records.NoPeriod = qkpn.RecNo();
            else
                records.BySecurity.Add(qkpn.FieldByName("SFVP").AsLargeInt(), qkpn.RecNo());
        }
    });
    records.BySecurity.Seal();
}

} // namespace

void BeriTekociKupon(TRunContext& context, int sfvp) {
    TDataModule& dm = context.DM;
    if (dm.Lookups.On()) {
        const TCouponRecords& records = dm.Lookups.Table<TCouponRecords>(
            [&](TCouponRecords& table) { LoadCouponRecords(context, table); });
        dm.Qkpn.SetRecNo(records.BySecurity.Find(sfvp, records.NoPeriod));
        return;
    }
    const std::string text = std::string("SELECT ") + kCouponColumns + " FROM KPN " + " WHERE SFVP= :SFVP " +
                             " AND PRVDAN <= :report_date AND ZDNDAN >= :report_date  ";
    Reported(NapakaMessage(text), [&] {
        RunLookup(dm.Qkpn, text,
                  {{"SFVP", TVariant::FromInteger(sfvp)}, {"REPORT_DATE", DayValue(context.ReportDay)}});
    });
}

double BeriINX(TDataModule& dm, const std::string& sfinx, const std::string& dayText) {
    const std::string text = std::string("SELECT INX FROM INX ") + " WHERE SFINX= :SFINX " +
                             " AND DAN <= :DAN " + " ORDER BY DAN DESC ";
    return dm.Lookups.Value<double>(TLookupCache::Key({"INX", sfinx, dayText}), [&] {
        return Reported("Napaka: sfvp:\r" + text, [&] {
            RunLookup(dm.Qinx, text, {{"SFINX", TVariant::FromText(sfinx)}, {"DAN", DayOfText(dayText)}});
            return dm.Qinx.FieldByName("INX").AsFloat();
        });
    });
}

std::string BeriNazivIndeksa(TDataModule& dm, const std::string& sfinx) {
    const std::string text = std::string("SELECT NZV FROM SFINX ") + " WHERE SFINX= :SFINX ";
    return dm.Lookups.Value<std::string>(TLookupCache::Key({"SFINX", sfinx}), [&] {
        return Reported(text, [&] {
            RunLookup(dm.Qsfinx, text, {{"SFINX", TVariant::FromText(sfinx)}});
            return dm.Qsfinx.FieldByName("NZV").AsString();
        });
    });
}

int BeriEcb014(TDataModule& dm, double days) {
    const std::string text = std::string("SELECT  ECB_SIFR_ID  COL14 FROM ECB_SIFRANTI ") +
                             " WHERE ECB_SEZNAM_ID='014' " + " AND INTERVAL_OD <= :VALUE " +
                             " AND (INTERVAL_DO>= :VALUE OR INTERVAL_DO IS NULL) ";
    char daysText[32];
    std::snprintf(daysText, sizeof daysText, "%.17g", days);
    return dm.Lookups.Value<int>(TLookupCache::Key({"ECB014", daysText}), [&] {
        int code = 0;
        try {
            RunLookup(dm.Qecb, text, {{"VALUE", TVariant::FromFloat(days)}});
            code = dm.Qecb.FieldByName("COL14").AsInteger();
        } catch (...) {
            // A missing list must not stop the run: the first code stands in.
        }
        return code > 0 ? code : 1;
    });
}
