// The positions are grouped by the extraction's own keys and filtered by its balance, so the check
// meets exactly the run's positions; the descriptive columns come from one join per position rather
// than from a maximum over its bookings, which is what makes the check take seconds where the
// extraction takes a minute. Each gap is computed set-wise, per currency, security or period, before
// it meets the positions.
#include "app/check/CheckStatements.h"

namespace {

const char kPositions[] =
    " SELECT K.VP SFVP, K.KONTO KKONTO, K.IDPOG IDPOG, K.IDVP POSEL, M.VKNT VKNT, "
    " SUM(K.BZNESEK - K.DZNESEK) ZNESEK, MAX(K.VALUTA) KVALUTA "
    " FROM KNJIZBE K JOIN MATRIKA M ON (K.KONTO = M.CTRL AND M.VPRC = '3') "
    " WHERE K.DATUMV >= :YEAR_START AND K.DATUMV <= :DAN AND M.VKNT IN ('1') "
    " GROUP BY K.VP, K.KONTO, K.IDPOG, M.VKNT, K.IDVP "
    " HAVING ABS(SUM(K.BZNESEK - K.DZNESEK)) >= 0.01 "
    " UNION ALL "
    " SELECT K.VP, K.KONTO, K.IDPOG, D.IDVP, M.VKNT, SUM(K.BZNESEK - K.DZNESEK), MAX(K.VALUTA) "
    " FROM KNJIZBE K JOIN MATRIKA M ON (K.KONTO = M.CTRL AND M.VPRC = '3') "
    " LEFT OUTER JOIN DOG D ON (K.IDMASTER = D.IDDOG AND K.IDMASTER IS NOT NULL) "
    " WHERE K.DATUMV >= :FIRST_DAY AND K.DATUMV <= :DAN AND K.IDOBD >= 0 AND M.VKNT IN ('6') "
    " GROUP BY K.VP, K.KONTO, K.IDMASTER, K.IDPOG, M.VKNT, D.IDVP "
    " HAVING ABS(SUM(K.BZNESEK - K.DZNESEK)) >= 0.01 ";

// The instrument classes: DEBT as the valuation's debt test (D, K or k registered in list LST),
// COUPONS for the classes that carry coupons (discount paper, k, has none by nature).
const char kClasses[] = " SELECT FIN.SFFIN, FIN.SFLST, "
                        " CASE WHEN FIN.SFLST IN ('D', 'K', 'k') AND EXISTS (SELECT 1 FROM SIF "
                        "   WHERE SIF.SIF = FIN.SFLST AND SIF.SSF = 'LST') THEN 1 ELSE 0 END DEBT, "
                        " CASE WHEN FIN.SFLST IN ('D', 'K') AND EXISTS (SELECT 1 FROM SIF "
                        "   WHERE SIF.SIF = FIN.SFLST AND SIF.SSF = 'LST') THEN 1 ELSE 0 END COUPONS "
                        " FROM FIN WHERE FIN.SFLST IS NOT NULL ";

// A security's schedule: its span and how many of its periods contain the day.
const char kSchedules[] =
    " SELECT SFVP, MIN(PRVDAN) PRVDAN, MAX(ZDNDAN) ZDNDAN, "
    " SUM(CASE WHEN PRVDAN <= :DAN AND ZDNDAN >= :DAN THEN 1 ELSE 0 END) CURRENT_PERIODS "
    " FROM KPN GROUP BY SFVP ";

// The latest rate of each currency on or before the day, where it is not 0.
const char kRates[] =
    " SELECT L.SFVLT, L.TCJ FROM VLN L "
    " JOIN (SELECT SFVLT, MAX(DAN) DAN FROM VLN WHERE SFVLN = '0' AND DAN <= :DAN GROUP BY SFVLT) LATEST "
    " ON (LATEST.SFVLT = L.SFVLT AND LATEST.DAN = L.DAN) "
    " WHERE L.SFVLN = '0' AND L.TCJ <> 0 ";

// Periods of the plan the repayment writer reads (the first MAX_PERIODS, not of kind "A") whose
// index has no value on or before the period's start; STOPS when the index table has no day at all
// on or before it.
const char kIndexGaps[] =
    " SELECT K.SFVP, MIN(TRIM(K.SFINX)) SFINX, "
    " MAX(CASE WHEN NOT EXISTS (SELECT 1 FROM INX A WHERE A.DAN <= K.PRVDAN) THEN 1 ELSE 0 END) STOPS "
    " FROM (SELECT KPN.SFVP, KPN.SFINX, KPN.SFOBR, KPN.PRVDAN, "
    "   ROW_NUMBER() OVER (PARTITION BY KPN.SFVP ORDER BY KPN.STKPN) NR FROM KPN) K "
    " WHERE K.NR <= :MAX_PERIODS AND NVL(K.SFOBR, '-') <> 'A' AND TRIM(K.SFINX) IS NOT NULL "
    " AND NOT EXISTS (SELECT 1 FROM INX I WHERE I.SFINX = TRIM(K.SFINX) AND I.DAN <= K.PRVDAN) "
    " GROUP BY K.SFVP ";

const char kTerm[] = "NVL(KS.ZDNDAN - KS.PRVDAN, 0)";

std::string ReferenceGaps() {
    const std::string term = kTerm;
    return std::string(
               " CASE WHEN NVL(P.KVALUTA, '-') <> 'E' AND R.SFVLT IS NULL THEN NVL(P.KVALUTA, '-') END "
               "G_TECAJ, ") +
           " CASE WHEN P.VKNT = '1' AND F.SFFIN IS NULL THEN NVL(V.SFFIN, '-') END G_RAZRED, " +
           " CASE WHEN F.COUPONS = 1 AND KS.SFVP IS NOT NULL AND KS.CURRENT_PERIODS = 0 "
           " THEN TO_CHAR(P.SFVP) END G_KUPON, " +
           " CASE WHEN F.COUPONS = 1 AND KS.SFVP IS NULL THEN TO_CHAR(P.SFVP) END G_NACRT, " +
           " CASE WHEN V.SFGLVENT = '%' AND XI.STOPS = 0 THEN XI.SFINX END G_INDEKS, " +
           " CASE WHEN V.SFGLVENT = '%' AND XI.STOPS = 1 THEN XI.SFINX END G_INDEKS_DAN, " +
           " CASE WHEN S.CTRL IS NULL THEN TO_CHAR(P.KKONTO) END G_SIFKONT, " +
           " CASE WHEN P.VKNT = '1' AND F.DEBT = 1 AND V.SFGLVENT = '%' AND " + term + " >= 0 " +
           " AND NOT EXISTS (SELECT 1 FROM ECB_SIFRANTI E WHERE E.ECB_SEZNAM_ID = '014' AND E.ECB_SIFR_ID > "
           "0 " +
           " AND E.INTERVAL_OD <= " + term + " AND (E.INTERVAL_DO >= " + term +
           " OR E.INTERVAL_DO IS NULL)) THEN TO_CHAR(" + term + ") END G_ECB ";
}

// Printable ASCII, for counting the characters outside it: each of those takes 2 to 4 bytes.
std::string AsciiLiteral() {
    std::string literal = "'#";
    for (char c = ' '; c <= '~'; ++c)
        literal += c == '\'' ? std::string("''") : std::string(1, c);
    return literal + "'";
}

// A text may exceed its bytes when its characters, each non-ASCII one counted four bytes, do.
std::string LabelCandidate(const TCheckedColumn& column) {
    const std::string x = std::string("(") + column.Source + ")";
    return ", CASE WHEN LENGTH(" + x + ") + 3 * (LENGTH(TRANSLATE('#' || " + x + ", " + AsciiLiteral() +
           ", '#')) - 1) > :W_" + column.Column + " THEN " + x + " END " + LabelColumn(column);
}

std::string NumberOverflow(const TCheckedColumn& column) {
    const std::string name = column.Column;
    return std::string(", CASE WHEN ") + (column.When ? std::string(column.When) + " AND " : "") +
           "ROUND(ABS(" + column.Source + "), :S_" + name + ") >= :L_" + name + " THEN '1' END " +
           NumberColumn(column);
}

std::string AnyGap(const std::vector<TCheckedColumn>& labels, const std::vector<TCheckedColumn>& numbers) {
    std::string any = " G_TECAJ IS NOT NULL OR G_RAZRED IS NOT NULL OR G_KUPON IS NOT NULL "
                      " OR G_NACRT IS NOT NULL OR G_INDEKS IS NOT NULL OR G_INDEKS_DAN IS NOT NULL "
                      " OR G_SIFKONT IS NOT NULL OR G_ECB IS NOT NULL ";
    for (const TCheckedColumn& column : labels)
        any += " OR " + LabelColumn(column) + " IS NOT NULL ";
    for (const TCheckedColumn& column : numbers)
        any += " OR " + NumberColumn(column) + " IS NOT NULL ";
    return any;
}

} // namespace

const std::vector<TCheckedColumn>& CheckedLabels() {
    static const std::vector<TCheckedColumn> labels = {
        {"OBLIM", "SM", "ORG.KNTORG"},
        {"OBLIM", "VP_BORZNAOZN",
         "DECODE(INSTR(V.KRT, '_S'), 0, V.KRT, SUBSTR(V.KRT, 1, LENGTH(V.KRT) - 2))"},
        {"OBLIM", "ID_STO", "V.TIPPST"},
        {"OBLIM", "ISIN", "V.ISIN"},
        {"OBLIM", "ECB_ELIGIBLE_DN", "V.ECB_ELIGIBLE_DN"},
    };
    return labels;
}

const std::vector<TCheckedColumn>& CheckedNumbers() {
    static const std::vector<TCheckedColumn> numbers = {
        {"OBLIMD1", "ZNSVAL", "P.ZNESEK"},
        {"OBLIMD1", "ZNSDOMVAL", "P.ZNESEK / CASE WHEN P.KVALUTA = 'E' THEN 1 ELSE NVL(R.TCJ, 1) END"},
        {"OBLIMD1", "REAL_OBRM", "V.FIXOBR", "V.SFGLVENT = '%' AND F.DEBT = 1"},
        {"OBLIMD1", "ZNESNOM", "V.GLVNMN"},
    };
    return numbers;
}

std::string LabelColumn(const TCheckedColumn& column) {
    return std::string("L_") + column.Column;
}

std::string NumberColumn(const TCheckedColumn& column) {
    return std::string("N_") + column.Column;
}

std::string GapStatement(const std::vector<TCheckedColumn>& labels,
                         const std::vector<TCheckedColumn>& numbers) {
    std::string tested;
    for (const TCheckedColumn& column : labels)
        tested += LabelCandidate(column);
    for (const TCheckedColumn& column : numbers)
        tested += NumberOverflow(column);
    return std::string(
               " SELECT * FROM ( SELECT P.KKONTO, S.OZNAKA KONTO, P.SFVP, V.KRT, P.IDPOG, P.POSEL, ") +
           ReferenceGaps() + tested + " FROM (" + kPositions + ") P " +
           " LEFT OUTER JOIN SFVP V ON (V.SFVP = P.SFVP) " +
           " LEFT OUTER JOIN SIFKONT S ON (S.CTRL = P.KKONTO) " +
           " LEFT OUTER JOIN POG ON (POG.IDPOG = P.IDPOG) " +
           " LEFT OUTER JOIN ORG ON (ORG.SFORG = POG.SFORG) " + " LEFT OUTER JOIN (" + kClasses +
           ") F ON (F.SFFIN = V.SFFIN) " + " LEFT OUTER JOIN (" + kSchedules + ") KS ON (KS.SFVP = P.SFVP) " +
           " LEFT OUTER JOIN (" + kRates + ") R ON (R.SFVLT = P.KVALUTA) " + " LEFT OUTER JOIN (" +
           kIndexGaps + ") XI ON (XI.SFVP = P.SFVP) " + " ) WHERE " + AnyGap(labels, numbers) +
           " ORDER BY KKONTO, SFVP, IDPOG, POSEL ";
}
