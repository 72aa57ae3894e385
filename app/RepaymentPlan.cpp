// The plan is read in full before the first OBLIAM row is appended, because each row's outstanding
// principal is the next period's: after the last period nothing is outstanding.
#include "app/RepaymentPlan.h"

#include "app/DateLookups.h"
#include "app/LookupCycle.h"
#include "app/ReferenceLookups.h"
#include "app/StatementDump.h"
#include "oracle/OracleData.h"
#include "platform/dataset/DatabaseError.h"
#include "platform/settings/DateText.h"
#include "platform/settings/Rounding.h"

#include <algorithm>
#include <cmath>
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

// The rate of an indexed coupon adds the index's value on its index day for the period start.
double IndexRate(TDM& dm, const std::string& sfinx, TDateTime periodStart) {
    if (sfinx.find_first_not_of(' ') == std::string::npos)
        return 0;
    const std::string indexDay = BeriPrviDanZaINX(dm, periodStart);
    return indexDay.empty() ? 0 : BeriINX(dm, sfinx, indexDay);
}

TKupon ReadPeriod(TDM& dm, TOblimRow& row, double lots) {
    const TDataSet& q = dm.Qkpn5;
    TKupon period;
    period.DueDate = q.FieldByName("ZDNDAN").AsDateTime();
    const std::string sfobr = q.FieldByName("SFOBR").AsString();
    const std::string sfobm = q.FieldByName("SFOBM").AsString();
    const std::string sfinx = q.FieldByName("SFINX").AsString();
    period.Principal = q.FieldByName("GLVOBR").AsFloat() * lots;
    row.ZNESNOM = q.FieldByName("GLVNMN").AsFloat();
    const TDateTime start = q.FieldByName("PRVDAN").AsDateTime();
    if (sfobr == "A") {
        period.Interest = q.FieldByName("OBROBR").AsFloat() * lots;
    } else {
        const double rate = q.FieldByName("OBRPRC").AsFloat() + IndexRate(dm, sfinx, start);
        period.Interest = ObrestiObdobja(rate, lots, row.ZNESNOM, std::ceil(period.DueDate - start),
                                         q.FieldByName("SFOBD").AsString(), sfobm);
    }
    period.Outstanding = q.FieldByName("GLV").AsFloat() * lots;
    return period;
}

TPlan LoadPlan(TDM& dm, TOblimRow& row, int sfvp, double lots) {
    const std::string text =
        std::string(" SELECT kpn.*, sfvp.glvnmn glvnmn, vlt.idbnk idbnk FROM KPN, sfvp, vlt ") +
        " WHERE kpn.SFVP = :SFVP " + " AND sfvp.sfvp=kpn.sfvp " + " AND sfvp.sfvltnmn=vlt.sfvlt " +
        " ORDER BY kpn.STKPN ";
    return Reported(NapakaMessage(text), [&] {
        TPlan plan;
        RunLookup(dm.Qkpn5, text, {{"SFVP", TVariant::FromInteger(sfvp)}});
        for (dm.Qkpn5.First(); !dm.Qkpn5.Eof() && plan.Periods.size() < MaxKuponov; dm.Qkpn5.Next()) {
            plan.Currency = dm.Qkpn5.FieldByName("IDBNK").AsString();
            plan.Periods.push_back(ReadPeriod(dm, row, lots));
        }
        return plan;
    });
}

// One column of the plan's INSERT: every period's value, bound as one array.
struct TColumn {
    const char* Name;
    int Type;
    std::vector<TVariant> Values;
};

std::vector<TColumn> PlanColumns(const TRowOutput& output, std::int64_t seq, const TPlan& plan) {
    const std::size_t n = plan.Periods.size();
    std::vector<TColumn> columns = {
        {"ID_SEQ_OBLIM", otType::otInteger, {}}, {"ID_VAL", otType::otString, {}},
        {"DATZAP", otType::otDate, {}},          {"ZNSGL", otType::otFloat, {}},
        {"ZNSOBRS", otType::otFloat, {}},        {"ZNSGLOST", otType::otFloat, {}},
        {"AM_STT", otType::otString, {}},        {"DAT_STANJA", otType::otDate, {}},
        {"OT_LIK", otType::otInteger, {}}};
    const std::string& day = output.OblimRow.DAT_STANJA;
    const TDateTime datStanja = day.empty() ? 0 : ParseShortDate(day);
    for (std::size_t k = 0; k < n; ++k) {
        const TKupon& period = plan.Periods[k];
        const double outstandingAfter = k + 1 < n ? plan.Periods[k + 1].Outstanding : 0;
        columns[0].Values.push_back(TVariant::FromInteger(seq));
        columns[1].Values.push_back(TVariant::FromText(plan.Currency));
        columns[2].Values.push_back(TVariant::FromDateTime(period.DueDate));
        columns[3].Values.push_back(TVariant::FromFloat(RoundToCents(period.Principal)));
        columns[4].Values.push_back(TVariant::FromFloat(RoundToCents(period.Interest)));
        columns[5].Values.push_back(TVariant::FromFloat(RoundToCents(outstandingAfter)));
        columns[6].Values.push_back(TVariant::FromText("A"));
        columns[7].Values.push_back(TVariant::FromDateTime(datStanja));
        columns[8].Values.push_back(TVariant::FromInteger(output.RiskType));
    }
    // A blank currency and the zero day are left out, as a posted row leaves out empty fields,
    // so the columns take NULL; DATZAPVAL is always left out.
    const bool noCurrency = plan.Currency.find_first_not_of(' ') == std::string::npos;
    columns.erase(std::remove_if(columns.begin(), columns.end(),
                                 [&](const TColumn& column) {
                                     const std::string name = column.Name;
                                     return (name == "ID_VAL" && noCurrency) ||
                                            (name == "DAT_STANJA" && datStanja == 0);
                                 }),
                  columns.end());
    return columns;
}

// All periods go in one array INSERT: one round trip per plan instead of a savepoint and an
// INSERT per period.
void InsertPlan(TDM& dm, const TRowOutput& output, std::int64_t seq, const TPlan& plan,
                const std::string& dumpFile) {
    TOracleQuery insert("ObliamInsert");
    insert.SetSession(dm.Qobliam.Session());
    std::string names, places;
    const std::vector<TColumn> columns = PlanColumns(output, seq, plan);
    for (const TColumn& column : columns) {
        names += (names.empty() ? "" : ", ") + std::string(column.Name);
        places += (places.empty() ? ":" : ", :") + std::string(column.Name);
        insert.AddVariable(column.Name, column.Type);
        insert.AssignVariableArray(column.Name, column.Values);
    }
    insert.SetSQLText("INSERT INTO OBLIAM (" + names + ") VALUES (" + places + ")");
    if (!dumpFile.empty())
        SaveStatementText(dumpFile, insert.PreparedText() + insert.VariablesText());
    try {
        insert.Execute();
    } catch (const EOracleError& error) {
        std::string constraint;
        throw EDatabaseError(TranslateOracleMessage(error.what(), error.ErrorCode(), constraint));
    }
}

} // namespace

double ObrestiObdobja(double rate, double lots, double nominal, double days, const std::string& sfobd,
                      const std::string& sfobm) {
    const double yearBasis = (sfobd == "100" || sfobd == "360") ? 360 : 365;
    const double adjustment = sfobm == "=" ? 1 : sfobm == "0" ? -1 : 0;
    return rate * lots * nominal * 0.01 * ((days + adjustment) / yearBasis);
}

void ZapisVrsticObliam(TDM& dm, TRowOutput& output, std::int64_t seq, int sfvp, double lots,
                       const std::string& dumpFile) {
    const TPlan plan = LoadPlan(dm, output.OblimRow, sfvp, lots);
    if (!plan.Periods.empty())
        InsertPlan(dm, output, seq, plan, dumpFile);
}
