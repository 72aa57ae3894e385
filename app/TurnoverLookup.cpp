// BeriPodatke_V: the month's turnover of the sale deals. The account label, the security, the
// deal and the contract are bound rather than spliced, so a label with a quote cannot change the
// statement and a booking without deal id (empty POSEL) binds NULL and counts no turnover instead
// of leaving "K.IDVP=" without a value. The month bounds stay spliced texts. Inside a run the
// turnover of every security, deal, contract and account label comes from one grouped statement,
// which A.SQL then shows.
#include "app/HoldingLookups.h"

#include "app/LookupCycle.h"
#include "app/SetWiseRead.h"
#include "app/StatementDump.h"
#include "platform/settings/DateText.h"

#include <tuple>

namespace {

// No century rule: February 1900 and 2100 get a 29th, which the database then refuses as a date.
int DaysOfMonth(int year, int month) {
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return year % 4 == 0 ? 29 : 28;
    default:
        return 31;
    }
}

// The per-key statement binds the position's keys; the set-wise one selects and groups by them.
struct TTurnoverShape {
    const char* Keys;
    const char* Deal;
    const char* Account;
    const char* Grouping;
};

const TTurnoverShape kPerKey = {"", " AND K.VP= :VP1  AND K.IDVP= :POSEL  AND K.IDPOG= :IDPOG ",
                                " AND SIFKONT.OZNAKA = :KONTO ", ""};
const TTurnoverShape kSetWise = {"K.VP, K.IDVP, K.IDPOG, SIFKONT.OZNAKA, ", "", "",
                                 " GROUP BY K.VP, K.IDVP, K.IDPOG, SIFKONT.OZNAKA "};

std::string TurnoverStatement(TDateTime reportDay, const TTurnoverShape& shape) {
    int year = 0, month = 0, day = 0;
    DecodeDate(reportDay, year, month, day);
    const std::string monthStart = FormatDayMonthYear(1, month, year);
    const std::string monthEnd = FormatDayMonthYear(DaysOfMonth(year, month), month, year);
    return std::string(" SELECT ") + shape.Keys + "SUM(K.DZNESEK-K.BZNESEK) ZNESEK " +
           " FROM KNJIZBE K, DOG D,  OSB O, SFVP V, " + " FIN FIN, SIFKONT SIFKONT   " + ", VLT VLT " +
           ", POG POG " + ", ORG ORG " + " WHERE K.IDMASTER=D.IDDOG (+) " + shape.Deal +
           " AND K.IDPOG=POG.IDPOG(+) " + " AND K.VP=V.SFVP (+) " + " AND V.SFVLTNMN = VLT.SFVLT (+) " +
           " AND V.SFOSBIZD=O.SFOSB (+) " + " AND POG.SFORG=ORG.SFORG (+) " + " AND V.SFFIN=FIN.SFFIN (+) " +
           " AND K.KONTO=SIFKONT.CTRL (+) " + " AND K.DATUMV>='" + monthStart + "' " + " AND K.DATUMV<='" +
           monthEnd + "' " + shape.Account + " AND K.IDOBD>= 0 " + " AND D.SFPDG IN ('V','x') " +
           shape.Grouping;
}

void DeclareTurnoverVariables(TOracleDataSet& q2) {
    q2.MainQuery().DeleteVariables();
    q2.DeclareVariable("VP1", otType::otInteger);
    q2.DeclareVariable("POSEL", otType::otString);
    q2.DeclareVariable("IDPOG", otType::otInteger);
    q2.DeclareVariable("KONTO", otType::otString);
}

// An empty deal id stays NULL, which matches no booking.
TVariant DealOfSourceRow(TDataModule& dm) {
    const std::string posel = dm.Q1.FieldByName("POSEL").AsString();
    return posel.empty() ? TVariant() : TVariant::FromText(posel);
}

// Security, deal, contract and account label of a group of bookings.
using TTurnoverKey = std::tuple<std::int64_t, std::int64_t, std::int64_t, std::string>;
struct TTurnovers : TKeyedValues<TTurnoverKey, double> {};

double TurnoverOfRun(TRunContext& context, std::int64_t idpog, int vp1, const std::string& konto) {
    TDataModule& dm = context.DM;
    const TTurnovers& turnovers = dm.Lookups.Table<TTurnovers>([&](TTurnovers& table) {
        const std::string text = TurnoverStatement(context.ReportDay, kSetWise);
        Reported(text, [&] {
            SaveStatementText(context.AppDir + "A.SQL", text);
            ReadEveryRow(dm.Q2, text, {}, [&](TOracleDataSet& q) {
                if (!AnyNull(q, {"VP", "IDVP", "IDPOG", "OZNAKA"}))
                    table.Add({q.FieldByName("VP").AsLargeInt(), q.FieldByName("IDVP").AsLargeInt(),
                               q.FieldByName("IDPOG").AsLargeInt(), q.FieldByName("OZNAKA").AsString()},
                              q.FieldByName("ZNESEK").AsFloat());
            });
        });
        table.Seal();
    });
    if (dm.Q1.FieldByName("POSEL").IsNull())
        return 0;
    return turnovers.Find({vp1, dm.Q1.FieldByName("POSEL").AsLargeInt(), idpog, konto}, 0.0);
}

} // namespace

double BeriPodatke_V(TRunContext& context, std::int64_t idpog, int vp1, const std::string& konto) {
    TDataModule& dm = context.DM;
    if (dm.Lookups.On())
        return TurnoverOfRun(context, idpog, vp1, konto);
    const std::string text = TurnoverStatement(context.ReportDay, kPerKey);
    return Reported(text, [&] {
        dm.Q2.Close();
        DeclareTurnoverVariables(dm.Q2);
        dm.Q2.SQL().clear();
        dm.Q2.SQL().push_back(text);
        SaveStatementText(context.AppDir + "A.SQL", text);
        dm.Q2.AssignVariable("VP1", TVariant::FromInteger(vp1));
        dm.Q2.AssignVariable("POSEL", DealOfSourceRow(dm));
        dm.Q2.AssignVariable("IDPOG", TVariant::FromInteger(idpog));
        dm.Q2.AssignVariable("KONTO", TVariant::FromText(konto));
        dm.Q2.Open();
        return dm.Q2.FieldByName("ZNESEK").AsFloat();
    });
}
