// The extraction statement of the transfer run, piece by piece as the run joins it, so that the
// check sees what the run will see; and a reader of a query's rows as texts for the check.
#include "tools/demo_db/ExtractionCheck.h"

#include <cstdio>

namespace {

std::string DayText(TDateTime day) {
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(day, year, month, dayOfMonth);
    char text[16];
    std::snprintf(text, sizeof text, "%2.2d.%2.2d.%4.4d", dayOfMonth, month, year);
    return text;
}

} // namespace

std::string ExtractionStatement(TDateTime day) {
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(day, year, month, dayOfMonth);
    const std::string yearStart = DayText(EncodeDate(year, 1, 1));
    const std::string firstDay = DayText(EncodeDate(2007, 1, 1));
    const std::string reportDay = DayText(day);
    const std::string pieces[] = {
        " SELECT ",
        " DECODE(INSTR(MAX(V.KRT), '_S'), 0, MAX(V.KRT), SUBSTR(MAX(V.KRT), 1, Length(MAX(V.KRT))-2)) "
        "SFVPKRT, ",
        " MAX(SIFKONT.OZNAKA) KONTO , ",
        " MAX(VLT.KRT) VLTKRT , ",
        " MAX(VLT.IDBNK) VLTIDBNK , ",
        " ROUND(SUM(K.BZNESEK-K.DZNESEK), 4) ZNESEK1, ",
        " MAX(V.ZPDVP) ZPDVP, ",
        " MAX(K.DATUMV) DATUMV, ",
        " MAX(K.DATUMZ) DATUMZ, ",
        " MAX(FIN.NZV) FINNZV , ",
        " MAX(O.KRTBNK) CLIENT_NO , ",
        " MAX(O.SFBON) SFBON , ",
        " MAX(O.SEKTORIZACIJA) SEKTORIZACIJA , ",
        " MAX(K.DEJAVNOST) DEJAVNOST, ",
        " MAX(OP.KRTBNK) KRTBNK, ",
        " MAX(V.ISIN) ISIN, ",
        " MAX(OP.MTS) MTS, ",
        " MAX(OP.SWIFT) SWIFT, ",
        " MAX(OP.SFOSB) SFOSB, ",
        " MAX(D.IDPSL) IDPSL, ",
        " MAX(D.SFVLT)  SFVLT, ",
        " MAX(V.SFVLP) SFVLP , ",
        " MAX(K.VALUTA) KVALUTA, ",
        " K.IDVP POSEL, MAX(ORG.KRT) OE  , ",
        " MAX(V.SFVLTNMN)  VSFVLT, ",
        " MAX(K.DATUMK) DATUMK, ",
        " MAX(V.FIXOBR) FIXOBR , ",
        " MAX(V.SFODP) SFODP, ",
        " MAX(V.DANODP) DANODP, ",
        " MAX(V.TIPPST) TIPPST, ",
        " MAX(POG.SFTPF) SFTPF, ",
        " MAX(V.SFFIN) SFFIN, ",
        " MIN(D.DAN) DOGDAN, ",
        " MAX(D.GLVTCJ) GLVTCJ, ",
        " K.IDPOG IDPOG, ",
        " MAX(K.IDMASTER) IDMASTER, ",
        " MAX(OP.SFSOS) SFSOS, ",
        " MAX(OP.SFDRZ) SFDRZ, ",
        " MAX(OP.KRTBNK) OPKRTBNK, ",
        " SUM(K.BZNESEK-K.DZNESEK) ZNESEK, ",
        " MAX(D.ZPD) DOGZPD, ",
        " MAX(SIFKONT.AKTIVEN) AKTIVEN , ",
        " K.VP VP1, ",
        " MAX(V.REFINXNZV) REFINXNZV, ",
        " MAX(V.GLVNMN) GLVNMN, ",
        " MAX(V.SFGLVENT) SFGLVENT, ",
        " K.VP SFVP, ",
        " M.VKNT VKNT, ",
        " MIN(M.GRUPIRAJ) GRUPIRAJ, ",
        " MAX(org.kntorg) kntorg, ",
        " MAX(V.ECB_ELIGIBLE_DN) ECB_ELIGIBLE_DN, ",
        " K.KONTO KKONTO, ",
        " SUM(D.VP) DOGLOT ",
        " FROM KNJIZBE K ",
        " JOIN matrika m ON (k.konto = m.ctrl AND m.vprc = '3') ",
        " LEFT OUTER JOIN dog d ON (k.idmaster = d.iddog and k.idmaster is not null) ",
        " LEFT OUTER JOIN sifkont sifkont ON (k.konto = sifkont.ctrl and k.konto is not null) ",
        " LEFT OUTER JOIN sfvp v ON (k.vp = v.sfvp and k.vp is not null) ",
        " LEFT OUTER JOIN osb o ON (v.sfosbizd = o.sfosb and v.sfosbizd is not null) ",
        " LEFT OUTER JOIN pog pog ON (k.idpog = pog.idpog and k.idpog is not null) ",
        " LEFT OUTER JOIN org org ON (pog.sforg = org.sforg) ",
        " LEFT OUTER JOIN osb op ON (pog.sfosb = op.sfosb and pog.sfosb is not null) ",
        " LEFT OUTER JOIN fin fin ON (v.sffin = fin.sffin) ",
        " LEFT OUTER JOIN vlt vlt ON (v.sfvltnmn = vlt.sfvlt) ",
        std::string(" WHERE K.DATUMV>='") + yearStart + "' ",
        std::string(" AND k.datumv <= '") + reportDay + "' ",
        " AND M.VKNT IN ('1') ",
        " GROUP BY K.VP,  K.KONTO, K.IDPOG, M.VKNT, K.IDVP ",
        " HAVING abs(SUM(K.BZNESEK-K.DZNESEK))>=0.01  ",
        " UNION ",
        " SELECT   DECODE (INSTR (MAX (v.krt), '_S'), ",
        "             0, MAX (v.krt), ",
        " SUBSTR (MAX (v.krt), 1, LENGTH (MAX (v.krt)) - 2)  ) sfvpkrt, ",
        " MAX (sifkont.oznaka) konto, MAX (vlt.krt) vltkrt, ",
        " MAX (vlt.idbnk) vltidbnk, ",
        " ROUND (SUM (k.bznesek - k.dznesek), 4) znesek1, MAX (v.zpdvp) zpdvp, ",
        " MAX (k.datumv) datumv, ",
        " MAX (k.datumz) datumz, ",
        " MAX (fin.nzv) finnzv, MAX (o.krtbnk) client_no, ",
        " MAX (op.sfbon) sfbon, ",
        " MAX(O.SEKTORIZACIJA) SEKTORIZACIJA , ",
        " MAX(K.DEJAVNOST) DEJAVNOST, ",
        " MAX (op.krtbnk) krtbnk, MAX (v.isin) isin, ",
        " MAX (op.mts) mts, MAX (op.swift) swift, MAX (op.sfosb) sfosb, ",
        " MAX (d.idpsl) idpsl, MAX (d.sfvlt) sfvlt, MAX (v.sfvlp) sfvlp, ",
        " MAX (k.valuta) kvaluta, d.idvp posel, MAX (org.krt) oe, ",
        " MAX (v.sfvltnmn) vsfvlt, MAX (k.datumk) datumk, MAX (v.fixobr) fixobr, ",
        " MAX (v.sfodp) sfodp, MAX (v.danodp) danodp,  ",
        " MAX(V.TIPPST) TIPPST, ",
        " MAX (pog.sftpf) sftpf, ",
        " MAX (v.sffin) sffin, MIN (d.dan) dogdan, MAX (d.glvtcj) glvtcj, ",
        " k.idpog idpog, k.idmaster idmaster, MAX (op.sfsos) sfsos, ",
        " MAX (op.sfdrz) sfdrz, MAX (op.krtbnk) opkrtbnk, ",
        " SUM (k.bznesek - k.dznesek) znesek, MAX (d.zpd) dogzpd, ",
        " MAX (sifkont.aktiven) aktiven, k.vp vp1, MAX (v.refinxnzv) refinxnzv, ",
        " MAX (v.glvnmn) glvnmn, ",
        " MAX(V.SFGLVENT) SFGLVENT, ",
        " k.vp sfvp, m.vknt vknt, ",
        " MIN (m.grupiraj) grupiraj, ",
        " MAX(org.kntorg) kntorg, ",
        " MAX(V.ECB_ELIGIBLE_DN) ECB_ELIGIBLE_DN, ",
        " k.konto kkonto, ",
        " SUM(D.VP) DOGLOT ",
        " FROM knjizbe k JOIN matrika m ON (k.konto = m.ctrl AND m.vprc = '3') ",
        " LEFT OUTER JOIN dog d ON (k.idmaster = d.iddog and k.idmaster is not null) ",
        " LEFT OUTER JOIN sifkont sifkont ON (k.konto = sifkont.ctrl and k.konto is not null) ",
        " LEFT OUTER JOIN sfvp v ON (k.vp = v.sfvp and k.vp is not null) ",
        " LEFT OUTER JOIN osb o ON (v.sfosbizd = o.sfosb and v.sfosbizd is not null) ",
        " LEFT OUTER JOIN pog pog ON (k.idpog = pog.idpog and k.idpog is not null) ",
        " LEFT OUTER JOIN osb op ON (pog.sfosb = op.sfosb and pog.sfosb is not null) ",
        " LEFT OUTER JOIN org org ON (pog.sforg = org.sforg) ",
        " LEFT OUTER JOIN fin fin ON (v.sffin = fin.sffin) ",
        " LEFT OUTER JOIN vlt vlt ON (v.sfvltnmn = vlt.sfvlt) ",
        std::string(" WHERE k.datumv >= '") + firstDay + "' ",
        std::string(" AND k.datumv <= '") + reportDay + "' ",
        " AND k.idobd >= 0 ",
        " AND m.vknt IN ('6') ",
        "GROUP BY k.vp, k.konto, k.idmaster, k.idpog, m.vknt, d.idvp ",
        " HAVING abs(SUM(K.BZNESEK-K.DZNESEK))>=0.01  ",
        " ORDER BY SFVPKRT,  KONTO, IDPOG, VKNT ",
    };
    std::string statement;
    for (const std::string& piece : pieces)
        statement += piece;
    return statement;
}

std::vector<std::vector<std::string>> QueryRows(TOracleSession& session, const std::string& sql) {
    TOracleQuery query("Check");
    query.SetSession(&session);
    query.SetSQLText(sql);
    query.Execute();
    std::vector<std::vector<std::string>> rows;
    for (; !query.Eof(); query.Next()) {
        std::vector<std::string>& row = rows.emplace_back();
        for (int i = 0; i < query.ColumnCount(); ++i)
            row.push_back(query.ColumnAsString(i));
    }
    return rows;
}

std::map<std::string, int> ExtractedRowsByClass(TOracleSession& session, TDateTime day) {
    QueryRows(session, "ALTER SESSION SET NLS_DATE_FORMAT = 'DD.MM.YYYY'");
    std::map<std::string, int> counts;
    for (const auto& row : QueryRows(session, ExtractionStatement(day)))
        ++counts[row[47]]; // VKNT is the 48th column of both branches
    return counts;
}
