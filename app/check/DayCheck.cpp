// The result columns' limits are read from the database's own description of OBLIM and OBLIMD1, so a
// bank whose columns are wider or narrower is checked against its own. A label is offered by the
// statement when it may be too long and counted here by its bytes, as the column counts them.
#include "app/check/DayCheck.h"

#include "app/LookupCycle.h"
#include "app/RepaymentPlan.h"
#include "app/check/CheckKinds.h"
#include "app/check/CheckStatements.h"
#include "app/journal/JournalQuery.h"

#include <cmath>

namespace {

struct TLimit {
    int Size = 0, Precision = 0, Scale = 0;
};

TLimit DescribedLimit(TOracleSession& session, const TCheckedColumn& column) {
    TOracleQuery query("Check");
    query.SetSession(&session);
    query.SetSQLText(std::string("SELECT ") + column.Column + " FROM " + column.Table + " WHERE 1 = 0");
    query.Execute();
    return {query.ColumnSize(0), query.ColumnPrecision(0),
            query.ColumnScale(0) == -127 ? 0 : query.ColumnScale(0)};
}

struct TTested {
    std::vector<TCheckedColumn> Labels, Numbers;
    std::vector<TLimit> LabelLimits;
    TJournalValues Values;
};

// A NUMBER without precision holds every value the run gives it: it is not tested.
TTested TestedColumns(TOracleSession& session) {
    TTested tested;
    for (const TCheckedColumn& column : CheckedLabels()) {
        const TLimit limit = DescribedLimit(session, column);
        tested.Labels.push_back(column);
        tested.LabelLimits.push_back(limit);
        tested.Values.emplace_back(std::string("W_") + column.Column, TVariant::FromInteger(limit.Size));
    }
    for (const TCheckedColumn& column : CheckedNumbers()) {
        const TLimit limit = DescribedLimit(session, column);
        if (limit.Precision <= 0)
            continue;
        tested.Numbers.push_back(column);
        tested.Values.emplace_back(std::string("S_") + column.Column, TVariant::FromInteger(limit.Scale));
        tested.Values.emplace_back(std::string("L_") + column.Column,
                                   TVariant::FromFloat(std::pow(10.0, limit.Precision - limit.Scale)));
    }
    return tested;
}

TJournalValues DayValues(TDateTime reportDay) {
    int year = 0, month = 0, day = 0;
    DecodeDate(reportDay, year, month, day);
    return {{"YEAR_START", TVariant::FromDateTime(EncodeDate(year, 1, 1))},
            {"FIRST_DAY", TVariant::FromDateTime(EncodeDate(2007, 1, 1))},
            {"DAN", DayValue(reportDay)},
            {"MAX_PERIODS", TVariant::FromInteger(MaxKuponov)}};
}

std::string Text(const TOracleQuery& query, const std::string& column) {
    return ColumnText(query, query.ColumnIndex(column));
}

// The position as the user finds it: account label (its number without one), security, contract, deal.
std::string PositionText(const TOracleQuery& row) {
    const std::string label = Text(row, "KONTO");
    std::string text =
        "konto " + (label.empty() ? Text(row, "KKONTO") : label + " (" + Text(row, "KKONTO") + ")");
    if (const std::string sfvp = Text(row, "SFVP"); !sfvp.empty())
        text += ", VP " + Text(row, "KRT") + " (" + sfvp + ")";
    if (const std::string contract = Text(row, "IDPOG"); !contract.empty())
        text += ", pogodba " + contract;
    if (const std::string deal = Text(row, "POSEL"); !deal.empty())
        text += ", posel " + deal;
    return text;
}

void AddRow(TCheckFindings& findings, const TOracleQuery& row, const TTested& tested) {
    const std::string position = PositionText(row);
    for (const TGapColumn& gap : ReferenceGaps())
        if (const std::string key = Text(row, gap.Column); !key.empty())
            findings.Add(gap.Kind, key, position);
    for (std::size_t i = 0; i < tested.Labels.size(); ++i) {
        const TCheckedColumn& column = tested.Labels[i];
        const std::string value = Text(row, LabelColumn(column));
        if (value.size() > static_cast<std::size_t>(tested.LabelLimits[i].Size))
            findings.Add(TooLongLabel(), std::string(column.Table) + "." + column.Column + " = " + value,
                         position);
    }
    for (const TCheckedColumn& column : tested.Numbers)
        if (!Text(row, NumberColumn(column)).empty())
            findings.Add(TooLargeNumber(), std::string(column.Table) + "." + column.Column, position);
}

} // namespace

TCheckFindings PreveriPodatke(TOracleSession& session, TDateTime reportDay) {
    TTested tested = TestedColumns(session);
    TJournalValues values = DayValues(reportDay);
    values.insert(values.end(), tested.Values.begin(), tested.Values.end());
    TJournalQuery query(session);
    query.Run(GapStatement(tested.Labels, tested.Numbers), values);
    TCheckFindings findings;
    for (; !query.Query.Eof(); query.Query.Next())
        AddRow(findings, query.Query, tested);
    return findings;
}
