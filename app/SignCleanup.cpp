// The scan of the sign-based clean-up: a group is settled as soon as the next account or contract
// begins, so only one group's rows are held at a time. A failure shows the scan statement.
#include "app/SignCleanup.h"

#include "app/LookupCycle.h"
#include "app/StatementDump.h"
#include "platform/settings/DateText.h"

namespace {

std::string ScanStatement(const std::string& day, const std::string& n) {
    return std::string(
               "SELECT  o.id id, d.znsval znsval, d.znsdomval znsdomval, o.id_konto id_konto, o.pogodba "
               "pogodba, o.dat_zapadlosti dat_zapadlosti,  dat_otvoritve dat_otvoritve") +
           "    FROM oblim o, oblimd1 d, sifkont s, matrika m " + "   WHERE m.ctrl = s.ctrl " +
           "     AND o.id_seq_oblim=d.id_seq_oblim " + "     AND m.vknt IN ('6') " +
           "     AND m.vprc = '3' " + "     AND o.id_konto = s.oznaka " + "     AND o.dat_stanja='" + day +
           "' " + "     AND d.dat_stanja='" + day + "' " + "     AND o.OT_LIK=" + n +
           "     AND d.OT_LIK=" + n + " ORDER BY o.id_konto, o.pogodba, o.dat_zapadlosti, o.dat_otvoritve ";
}

class TGroup {
public:
    TGroup(TRunContext& context, int otLik) : FContext(context), FOtLik(otLik) {}

    bool Holds() const { return !FPositive.empty() || !FNonPositive.empty(); }
    bool SettledAny() const { return FSettledAny; }
    void Add(const TSignRow& row) { (row.Znsval > 0 ? FPositive : FNonPositive).push_back(row); }
    void Settle() {
        for (const TSignSettlement& settlement : SettleGroup(FPositive, FNonPositive)) {
            SpremenivBazivknt6(FContext, FOtLik, settlement);
            FSettledAny = true;
        }
        FPositive.clear();
        FNonPositive.clear();
    }

private:
    TRunContext& FContext;
    const int FOtLik;
    std::vector<TSignRow> FPositive, FNonPositive;
    bool FSettledAny = false;
};

TSignRow CurrentRow(TOracleDataSet& scan) {
    return {scan.FieldByName("id").AsLargeInt(), scan.FieldByName("znsval").AsFloat(),
            scan.FieldByName("znsdomval").AsFloat(), scan.FieldByName("dat_zapadlosti").AsDateTime()};
}

} // namespace

void BrisanjePoPredznakih(TRunContext& context, int otLik) {
    TOracleDataSet& scan = context.DM.Qoblim_fifo;
    const std::string statement = ScanStatement(FormatShortDate(context.ReportDay), std::to_string(otLik));
    Reported(statement, [&] {
        scan.Close();
        scan.SetSQLText(statement);
        SaveStatementText(context.AppDir + "popredznakihvknt6.SQL", statement);
        scan.Open();
        TGroup group(context, otLik);
        std::string konto, pogodba;
        for (scan.First(); !scan.Eof(); scan.Next()) {
            const std::string rowKonto = scan.FieldByName("id_konto").AsString();
            const std::string rowPogodba = scan.FieldByName("pogodba").AsString();
            if (group.Holds() && (rowKonto != konto || rowPogodba != pogodba))
                group.Settle();
            group.Add(CurrentRow(scan));
            konto = rowKonto;
            pogodba = rowPogodba;
        }
        group.Settle();
        scan.Close();
        if (group.SettledAny())
            NastaviZapadlostiOblimD1(context, otLik);
    });
}
