// Only fixed table and column names are joined into these texts; days, ids and risk types are bound.
// The pivots sum DECODEs over one GROUP BY, so a step without rows for an account counts as zero.
#include "app/journal/JournalStatements.h"

#include "app/LookupCycle.h"
#include "app/journal/RunJournal.h"
#include "oracle/OracleData.h"

namespace {

TVariant Number(long long value) {
    return TVariant::FromInteger(value);
}

std::string StepSum(const char* step, const char* column, const char* name) {
    return std::string("SUM(DECODE(KORAK, '") + step + "', " + column + ", 0)) " + name;
}

// One row per position of a day: which day (0 earlier, 1 later), its key and amounts.
std::string DayRows(int which, const char* oblim, const char* oblimd1, const char* day) {
    return "SELECT " + std::to_string(which) +
           " KATERI, o.ID_KONTO, o.POGODBA, d.ID_VAL, d.ZNSVAL, d.ZNSDOMVAL FROM " + oblim + " o, " +
           oblimd1 + " d WHERE o.DAT_STANJA = :" + day + " AND o.OT_LIK = :OT_LIK" +
           " AND d.DAT_STANJA = o.DAT_STANJA AND d.OT_LIK = o.OT_LIK AND d.ID_SEQ_OBLIM = o.ID_SEQ_OBLIM";
}

std::string BothDays(bool archive) {
    return "(" +
           DayRows(0, archive ? "OBLIM_ARHIV" : "OBLIM", archive ? "OBLIMD1_ARHIV" : "OBLIMD1", "PREJ") +
           " UNION ALL " + DayRows(1, "OBLIM", "OBLIMD1", "ZDAJ") + ")";
}

const std::string kDaySums =
    "SUM(1 - KATERI) N_PREJ, SUM(KATERI) N_ZDAJ, "
    "SUM(DECODE(KATERI, 0, ZNSVAL, 0)) PREJ, SUM(DECODE(KATERI, 1, ZNSVAL, 0)) ZDAJ, "
    "SUM(DECODE(KATERI, 0, ZNSDOMVAL, 0)) PREJ_DOM, "
    "SUM(DECODE(KATERI, 1, ZNSDOMVAL, 0)) ZDAJ_DOM";

TJournalValues DaysAndRisk(TDateTime before, TDateTime after, int riskType) {
    return {{"PREJ", DayValue(before)}, {"ZDAJ", DayValue(after)}, {"OT_LIK", Number(riskType)}};
}

} // namespace

TJournalStatement JournalListing(TDateTime since) {
    return {
        "SELECT ID, DAT_STANJA, OT_LIK, IZID, ZACETEK, KONEC, UPORABNIK, OS_UPORABNIK, RACUNALNIK, PROCES, "
        "PROGRAM, IZVORNIH, ZAPISANO_OBLIM, ZAPISANO_OBLIMD1, ZAPISANO_OBLIAM, FIFO1_OBLIM, FIFO2_OBLIM, "
        "FIFO2_OBLIMD1, PREDZNAKI_OBLIM, PREDZNAKI_OBLIMD1, PREDZNAKI_SPREM, LOTI_SPREM, KONCNO_OBLIM, "
        "KONCNO_OBLIMD1, STATUS, STATUS_TEXT, POZICIJA, NAPAKA FROM OBLI_DNEVNIK WHERE ZACETEK >= :OD "
        "ORDER BY ID DESC",
        {{"OD", TVariant::FromDateTime(since)}}};
}

TJournalStatement LastCompletedRun(TDateTime day, int riskType) {
    return {"SELECT MAX(ID) FROM OBLI_DNEVNIK WHERE DAT_STANJA = :DAN AND OT_LIK = :OT_LIK AND IZID = :IZID",
            {{"DAN", DayValue(day)},
             {"OT_LIK", Number(riskType)},
             {"IZID", TVariant::FromText(journal::kCompleted)}}};
}

TJournalStatement Reconciliation(long long journalId) {
    const std::string steps =
        "SELECT ID_KONTO, ID_VAL, " + StepSum("IZVOR", "ZNSVAL", "I") + ", " +
        StepSum("ZAPIS", "ZNSVAL", "Z") + ", " + StepSum("ZAPIS", "ZNSDOMVAL", "ZD") + ", " +
        StepSum("FIFO1", "ZNSVAL", "F1") + ", " + StepSum("FIFO1", "ZNSDOMVAL", "F1D") + ", " +
        StepSum("FIFO2", "ZNSVAL", "F2") + ", " + StepSum("FIFO2", "ZNSDOMVAL", "F2D") + ", " +
        StepSum("PREDZNAKI", "ZNSVAL", "P") + ", " + StepSum("PREDZNAKI", "ZNSDOMVAL", "PD") + ", " +
        StepSum("KONCNO", "ZNSVAL", "K") + ", " + StepSum("KONCNO", "ZNSDOMVAL", "KD") +
        " FROM OBLI_USKLADITEV WHERE ID_DNEVNIK = :ID GROUP BY ID_KONTO, ID_VAL";
    return {"SELECT ID_KONTO, ID_VAL, ROUND(I, 2) IZVOR, ROUND(Z, 2) ZAPISANO, ROUND(ZD, 2) ZAPISANO_DOM, "
            "ROUND(Z - F1, 2) FIFO1, ROUND(ZD - F1D, 2) FIFO1_DOM, ROUND(F1 - F2, 2) FIFO2, "
            "ROUND(F1D - F2D, 2) FIFO2_DOM, ROUND(F2 - P, 2) PREDZNAKI, ROUND(F2D - PD, 2) PREDZNAKI_DOM, "
            "ROUND(K, 2) KONCNO, ROUND(KD, 2) KONCNO_DOM, "
            "CASE WHEN ABS(Z + I) < 0.005 AND ABS(P - K) < 0.005 AND ABS(PD - KD) < 0.005 "
            "THEN 'DA' ELSE 'NE' END USKLAJENO FROM (" +
                steps + ") ORDER BY ID_KONTO, ID_VAL",
            {{"ID", Number(journalId)}}};
}

TJournalStatement DayComparison(TDateTime before, TDateTime after, int riskType, bool archive) {
    return {"SELECT CASE WHEN N_PREJ = 0 THEN 'nova' WHEN N_ZDAJ = 0 THEN 'ukinjena' ELSE 'spremenjena' END "
            "SPREMEMBA, ID_KONTO, POGODBA, ID_VAL, ROUND(PREJ, 2) PREJ, ROUND(ZDAJ, 2) ZDAJ, "
            "ROUND(ZDAJ - PREJ, 2) RAZLIKA, ROUND(PREJ_DOM, 2) PREJ_DOM, ROUND(ZDAJ_DOM, 2) ZDAJ_DOM, "
            "ROUND(ZDAJ_DOM - PREJ_DOM, 2) RAZLIKA_DOM FROM (SELECT ID_KONTO, POGODBA, ID_VAL, " +
                kDaySums + " FROM " + BothDays(archive) +
                " GROUP BY ID_KONTO, POGODBA, ID_VAL) WHERE N_PREJ = 0 OR N_ZDAJ = 0 "
                "OR ABS(ZDAJ - PREJ) >= 0.005 OR ABS(ZDAJ_DOM - PREJ_DOM) >= 0.005 "
                "ORDER BY ABS(ZDAJ_DOM - PREJ_DOM) DESC, ID_KONTO, POGODBA, ID_VAL",
            DaysAndRisk(before, after, riskType)};
}

TJournalStatement AccountComparison(TDateTime before, TDateTime after, int riskType, bool archive) {
    return {"SELECT ID_KONTO, N_PREJ, N_ZDAJ, ROUND(PREJ_DOM, 2) PREJ_DOM, ROUND(ZDAJ_DOM, 2) ZDAJ_DOM, "
            "ROUND(ZDAJ_DOM - PREJ_DOM, 2) RAZLIKA_DOM FROM (SELECT ID_KONTO, " +
                kDaySums + " FROM " + BothDays(archive) +
                " GROUP BY ID_KONTO) ORDER BY ABS(ZDAJ_DOM - PREJ_DOM) DESC, ID_KONTO",
            DaysAndRisk(before, after, riskType)};
}

void OpenJournalDataSet(TOracleDataSet& dataSet, const TJournalStatement& statement) {
    dataSet.Close();
    dataSet.ReadOnly = true;
    dataSet.SetSQLText(statement.Sql);
    BindJournalValues(dataSet.MainQuery(), statement.Sql, statement.Values);
    dataSet.Open();
}
