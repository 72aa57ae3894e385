// The reporting schema loaded from schema/ through the translator, and every SQL text the program
// sends (the statement pieces of the transfer run, the clean-up passes, the closing procedure, the
// preview, the lookups and the data access layer's own statements) run on it with values put in.
#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace orasql;
using namespace orasql::test;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Join(std::initializer_list<std::string> pieces) {
    std::string out;
    for (const std::string& p : pieces)
        out += p;
    return out;
}

const std::string kDay = "05.03.2023"; // the report day as the short date format writes it
const std::string kYearStart = "01.01.2023";
const std::string kRisk = "0";

class SchemaStatements : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* file :
             {"01_source_tables.sql", "02_result_tables.sql", "03_indexes.sql", "04_obli_copy.sql"})
            db.Script(ReadFile(std::string(ZORVEKA_SOURCE_DIR) + "/schema/" + file));
        db.Script(R"(
INSERT INTO MATRIKA VALUES (100, '3', '1', 'G1');
INSERT INTO MATRIKA VALUES (200, '3', '6', 'G6');
INSERT INTO SIFKONT VALUES (100, 'K100', '1');
INSERT INTO SIFKONT VALUES (200, 'K200', '1');
INSERT INTO VLT VALUES ('EUR', 'EUR', '978');
INSERT INTO FIN VALUES ('OBV', 'Obveznica', 'D');
INSERT INTO SIF VALUES ('LST', 'D', 'Dolzniski');
INSERT INTO OSB VALUES (10, 'BNK10', 'B1', 'S11', 'M', 'BANKSI2X', 'S', 'SI');
INSERT INTO OSB VALUES (20, 'BNK20', 'B2', 'S12', 'M', 'BANKAT2X', 'S', 'AT');
INSERT INTO ORG VALUES (1, 'OE1', 'K1');
INSERT INTO POG VALUES (500, 'T', 1, 20);
INSERT INTO SFVP VALUES (1, 'ABC_S', 'SI0000000001', '01.01.2030', 'V', 'EUR', 0, 'O', NULL, 'T', 'OBV', NULL, 1000, '%', 'D', 10);
INSERT INTO SFVP VALUES (2, 'A_SB', 'SI0000000002', '01.01.2031', 'V', 'EUR', 0, 'O', NULL, 'T', 'OBV', NULL, 100, 'X', 'N', 10);
INSERT INTO SFVP VALUES (3, 'PLAIN', 'SI0000000003', NULL, 'V', 'EUR', 0, 'O', NULL, 'T', 'OBV', NULL, 100, 'X', 'N', 10);
INSERT INTO DOG VALUES (9000, 1, 77, 500, 1, 'V', 'EUR', '01.02.2023', '01.02.2025', 10, 10, 2, 99.5);
INSERT INTO DOG VALUES (9001, 1, 78, 500, 1, '3', 'EUR', '01.01.2006', NULL, 5, 5, 0, 90);
INSERT INTO KNJIZBE VALUES (1, 100, 1, 77, 500, 9000, 0, 1000, 0, '01.02.2023', NULL, NULL, 'D1', 'EUR');
INSERT INTO KNJIZBE VALUES (2, 100, 2, 77, 500, 9000, 0, 0.02, 0, '02.02.2023', NULL, NULL, 'D1', 'EUR');
INSERT INTO KNJIZBE VALUES (3, 100, 2, 77, 500, 9000, 0, 0, 0.03, '03.02.2023', NULL, NULL, 'D1', 'EUR');
INSERT INTO KNJIZBE VALUES (4, 100, 3, 77, 500, 9000, 0, 0.01, 0.01, '03.02.2023', NULL, NULL, 'D1', 'EUR');
INSERT INTO KNJIZBE VALUES (5, 200, 1, 77, 500, 9000, 0, 500, 0, '15.01.2022', NULL, NULL, 'D6', 'EUR');
INSERT INTO KNJIZBE VALUES (6, 100, 1, 77, 500, 9000, 0, 5, 0, '06.03.2023', NULL, NULL, 'D1', 'EUR');
INSERT INTO VLN VALUES ('USD', '0', '01.03.2023', 1.07);
INSERT INTO VLN VALUES ('USD', '0', '06.03.2023', 1.09);
INSERT INTO KPN VALUES (1, 1, '01.01.2023', '31.03.2023', '360', '=', 'r', NULL, 'R1', 4, 0, 100, 1000);
INSERT INTO KPN VALUES (1, 2, '01.04.2023', '30.06.2023', '360', '=', 'r', 'EURIBOR', 'R1', 4, 0, 100, 900);
INSERT INTO INX VALUES ('EURIBOR', '01.03.2023', 3.25);
INSERT INTO SFINX VALUES ('EURIBOR', 'Euribor 3M');
INSERT INTO ECB_SIFRANTI VALUES ('014', 3, 0, 365, 'do 1 leta');
INSERT INTO ECB_SIFRANTI VALUES ('014', 4, 365.01, NULL, 'nad 1 leto');
INSERT INTO VPHST VALUES (1, '05.03.2023', 77, 500, 'L', 10, 99.5, '01.02.2023');
INSERT INTO VPSHST VALUES (500, 1, '05.03.2023', 'L', 10, 99.5, 2);
INSERT INTO ZDNHST VALUES ('05.03.2023', 'L', 'D');
INSERT INTO TRG VALUES (1, 'XLJU', 'Ljubljanska borza');
INSERT INTO KTC VALUES (1, 1, '01.01.2020', NULL);
)");
        db.Exec("alter session set nls_date_format = 'DD.MM.YYYY'");
    }

    // An OBLIM and OBLIMD1 row as the row writers post them, through the dataset layer's INSERT.
    void PostPosition(int seq, const std::string& konto, const std::string& pogodba,
                      const std::string& opened, const std::string& due, double znsval) {
        db.Exec("savepoint QEL__LOCKPOINT");
        db.Exec(
            "insert into OBLIM\n  (ID_SEQ_OBLIM, DAT_STANJA, POGODBA, DAT_OTVORITVE, STEVILO_LOTOV, OT_LIK, "
            "ID_KONTO, DAT_ZAPADLOSTI, AMORTIZACIJSKI, SFVP)\nvalues\n  (:v1, :v2, :v3, :v4, :v5, :v6, :v7, "
            ":v8, "
            ":v9, :v10)\nreturning rowid into :qel__rowid",
            {{"V1", int64_t{seq}},
             {"V2", kDay},
             {"V3", pogodba},
             {"V4", opened},
             {"V5", 10.0},
             {"V6", int64_t{0}},
             {"V7", konto},
             {"V8", due},
             {"V9", std::string("1")},
             {"V10", int64_t{1}}});
        db.Exec("insert into OBLIMD1\n  (ID_SEQ_OBLIM, DAT_STANJA, OT_LIK, ZNSVAL, ZNSDOMVAL, STEVILO_LOTOV, "
                "DAT_ZAPADLOSTI)\nvalues\n  (:v1, :v2, :v3, :v4, :v5, :v6, :v7)\nreturning rowid into "
                ":qel__rowid",
                {{"V1", int64_t{seq}},
                 {"V2", std::string("2023-03-05 00:00:00")},
                 {"V3", int64_t{0}},
                 {"V4", znsval},
                 {"V5", znsval},
                 {"V6", znsval},
                 {"V7", due}});
        db.Exec("commit");
    }

    TestDatabase db;
};

std::string ExtractionQuery() {
    const std::string joins = Join({
        " LEFT OUTER JOIN dog d ON (k.idmaster = d.iddog and k.idmaster is not null) ",
        " LEFT OUTER JOIN sifkont sifkont ON (k.konto = sifkont.ctrl and k.konto is not null) ",
        " LEFT OUTER JOIN sfvp v ON (k.vp = v.sfvp and k.vp is not null) ",
        " LEFT OUTER JOIN osb o ON (v.sfosbizd = o.sfosb and v.sfosbizd is not null) ",
        " LEFT OUTER JOIN pog pog ON (k.idpog = pog.idpog and k.idpog is not null) ",
    });
    const std::string org = " LEFT OUTER JOIN org org ON (pog.sforg = org.sforg) ";
    const std::string op = " LEFT OUTER JOIN osb op ON (pog.sfosb = op.sfosb and pog.sfosb is not null) ";
    const std::string tail = " LEFT OUTER JOIN fin fin ON (v.sffin = fin.sffin) "
                             " LEFT OUTER JOIN vlt vlt ON (v.sfvltnmn = vlt.sfvlt) ";
    return Join({
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
        joins,
        org,
        op,
        tail,
        " WHERE K.DATUMV>='" + kYearStart + "' ",
        " AND k.datumv <= '" + kDay + "' ",
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
        joins,
        op,
        org,
        tail,
        " WHERE k.datumv >= '01.01.2007' ",
        " AND k.datumv <= '" + kDay + "' ",
        " AND k.idobd >= 0 ",
        " AND m.vknt IN ('6') ",
        "GROUP BY k.vp, k.konto, k.idmaster, k.idpog, m.vknt, d.idvp ",
        " HAVING abs(SUM(K.BZNESEK-K.DZNESEK))>=0.01  ",
        " ORDER BY SFVPKRT,  KONTO, IDPOG, VKNT ",
    });
}

} // namespace

TEST_F(SchemaStatements, SchemaHasEveryTableTheProgramReads) {
    for (const char* table :
         {"KNJIZBE", "MATRIKA",      "SIFKONT", "DOG",         "POG",           "ORG",         "OSB",
          "SFVP",    "FIN",          "SIF",     "VLT",         "VLN",           "KPN",         "INX",
          "SFINX",   "ECB_SIFRANTI", "VPHST",   "VPSHST",      "ZDNHST",        "TRG",         "KTC",
          "OBLIM",   "OBLIMD1",      "OBLIAM",  "OBLIM_ARHIV", "OBLIMD1_ARHIV", "OBLIAM_ARHIV"})
        EXPECT_TRUE(db.FindTable(table)) << table;
    EXPECT_TRUE(db.ProcedureSource("OBLI_COPY"));
}

TEST_F(SchemaStatements, ExtractionQueryGivesOneRowPerPositionInOrder) {
    const Rows rows = db.Exec(ExtractionQuery());
    // SFVPKRT, KONTO, ZNESEK1 of each row in binary text order: a code with _S loses its last two
    // characters, a net of -0.01 is extracted, a net of 0 and a booking after the report day are not.
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ((std::vector<std::string>{rows[0][0], rows[0][1], rows[0][4]}),
              (std::vector<std::string>{"ABC", "K100", "1000"}));
    EXPECT_EQ((std::vector<std::string>{rows[1][0], rows[1][1], rows[1][4]}),
              (std::vector<std::string>{"ABC", "K200", "500"}));
    EXPECT_EQ((std::vector<std::string>{rows[2][0], rows[2][1], rows[2][4]}),
              (std::vector<std::string>{"A_", "K100", "-0.01"}));
    EXPECT_EQ(rows[1][22], "77"); // POSEL of the second branch is the deal's IDVP
}

TEST_F(SchemaStatements, TransferRunStatementsAndRowWriters) {
    PostPosition(1, "K200", "P1", "01.03.2023", "01.03.2024", 100);
    PostPosition(2, "K200", "P1", "01.03.2023", "01.04.2024", -100);
    PostPosition(3, "K200", "P1", "05.03.2023", "01.05.2024", 50);
    const std::string cond = " WHERE DAT_STANJA='" + kDay + "' " + " AND OT_LIK=" + kRisk;
    EXPECT_EQ(db.Exec("SELECT OBLIM.*, OBLIM.ROWID FROM OBLIM " + cond).size(), 3u);
    EXPECT_EQ(db.Exec("SELECT OBLIMD1.*, OBLIMD1.ROWID FROM OBLIMD1 " + cond).size(), 3u);
    EXPECT_EQ(db.Exec("SELECT OBLIAM.*, OBLIAM.ROWID FROM OBLIAM  WHERE DAT_STANJA='" + kDay + "' ").size(),
              0u);
    EXPECT_EQ(db.Exec("SELECT * FROM OBLIM " + cond).size(), 3u);
    EXPECT_EQ(db.Exec("SELECT OBLIM.ID FROM OBLIM " + cond + " ORDER BY ID"), (Rows{{"1"}, {"2"}, {"3"}}));
    // BeriKodaBorze
    EXPECT_EQ(db.One(Join({"SELECT mic ", "  FROM trg ", "  WHERE sftrg IN ", "          (SELECT sftrg ",
                           "             FROM ktc ", "            WHERE danprk IS NULL ",
                           "              AND sfvp = :SFVP ", "              AND dan = (SELECT MAX (dan) ",
                           "                       FROM ktc ",
                           "                          WHERE danprk IS NULL AND sfvp = :SFVP)) "}),
                     {{"SFVP", int64_t{1}}}),
              "XLJU");
    // The repayment plan's coupons
    EXPECT_EQ(db.Exec(" SELECT kpn.*, sfvp.glvnmn glvnmn, vlt.idbnk idbnk FROM KPN, sfvp, vlt "
                      " WHERE kpn.SFVP = :SFVP  AND sfvp.sfvp=kpn.sfvp  AND sfvp.sfvltnmn=vlt.sfvlt "
                      " ORDER BY kpn.STKPN ",
                      {{"SFVP", std::string("1")}})
                  .size(),
              2u);
    db.Exec("insert into OBLIAM\n  (ID_SEQ_OBLIM, ID_VAL, DATZAP, ZNSGL, ZNSOBRS, ZNSGLOST, AM_STT, "
            "DAT_STANJA, OT_LIK)"
            "\nvalues\n  (:v1, :v2, :v3, :v4, :v5, :v6, :v7, :v9, :v10)\nreturning rowid into :qel__rowid",
            {{"V1", int64_t{1}},
             {"V2", std::string("978")},
             {"V3", std::string("2023-03-31 00:00:00")},
             {"V4", 100.0},
             {"V5", 101.11},
             {"V6", 0.0},
             {"V7", std::string("A")},
             {"V9", kDay},
             {"V10", int64_t{0}}});
    // The preview and the plan detail
    const Rows preview =
        db.Exec("SELECT OBLIM.*, OBLIMD1.* FROM OBLIM, OBLIMD1  WHERE OBLIM.DAT_STANJA='" + kDay + "' " +
                " AND OBLIM.ID_SEQ_OBLIM=OBLIMD1.ID_SEQ_OBLIM  AND OBLIM.OT_LIK=" + kRisk +
                " AND OBLIM.DAT_STANJA=OBLIMD1.DAT_STANJA  AND OBLIM.OT_LIK=OBLIMD1.OT_LIK  ORDER BY "
                "OBLIM.ID_SEQ_OBLIM");
    EXPECT_EQ(preview.size(), 3u);
    EXPECT_EQ(db.One("SELECT ZNSOBRS FROM OBLIAM  WHERE DAT_STANJA = :DAT_STANJA  AND OT_LIK= :OT_LIK "
                     " AND ID_SEQ_OBLIM = :ID_SEQ_OBLIM ",
                     {{"DAT_STANJA", std::string("2023-03-05 00:00:00")},
                      {"OT_LIK", std::string("0")},
                      {"ID_SEQ_OBLIM", int64_t{1}}}),
              "101.11");
    // The day's earlier rows go before a new run
    for (const char* table : {"OBLIM", "OBLIMD1", "OBLIAM"})
        db.Exec(std::string("DELETE FROM ") + table + " WHERE DAT_STANJA='" + kDay + "' " +
                " AND OT_LIK=" + kRisk);
    EXPECT_EQ(db.One("SELECT count(*) FROM OBLIMD1"), "0");
}

TEST_F(SchemaStatements, FifoPassesDeleteClosedOutRows) {
    PostPosition(1, "K200", "P1", "01.03.2023", "01.03.2024", 100);
    PostPosition(2, "K200", "P1", "01.03.2023", "01.04.2024", -100);
    PostPosition(3, "K200", "P1", "05.03.2023", "01.05.2024", 50);
    const std::string day = "'" + kDay + "' ";
    const Rows scan1 =
        db.Exec(Join({"SELECT   d.znsval znsval, o.id_konto id_konto, o.pogodba pogodba, "
                      "o.dat_otvoritve dat_otvoritve ",
                      "    FROM oblim o, oblimd1 d, sifkont s, matrika m ", "   WHERE m.ctrl = s.ctrl ",
                      "     AND o.id_seq_oblim=d.id_seq_oblim ", "     AND o.ot_lik=" + kRisk,
                      "     AND d.ot_lik=" + kRisk, "     AND m.vknt IN ('6') ", "     AND m.vprc = '3' ",
                      "     AND o.id_konto = s.oznaka ", "     AND o.dat_stanja=" + day,
                      "     AND d.dat_stanja=" + day, "     AND o.OT_LIK=" + kRisk,
                      "     AND d.OT_LIK=" + kRisk, " ORDER BY o.id_konto, o.pogodba, o.dat_otvoritve "}));
    ASSERT_EQ(scan1.size(), 3u);
    EXPECT_EQ(scan1[0][3], "2023-03-01 00:00:00"); // DATE values travel in their stored form
    const Rows scan2 = db.Exec(Join(
        {"SELECT  d.znsval znsval, o.id_konto id_konto, o.pogodba pogodba, o.dat_zapadlosti dat_zapadlosti,  "
         "dat_otvoritve dat_otvoritve",
         "    FROM oblim o, oblimd1 d, sifkont s, matrika m ", "   WHERE m.ctrl = s.ctrl ",
         "     AND o.id_seq_oblim=d.id_seq_oblim ", "     AND m.vknt IN ('6') ", "     AND m.vprc = '3' ",
         "     AND o.id_konto = s.oznaka ", "     AND o.dat_stanja=" + day, "     AND d.dat_stanja=" + day,
         "     AND o.OT_LIK=" + kRisk, "     AND d.OT_LIK=" + kRisk,
         " ORDER BY o.id_konto, o.pogodba, o.dat_zapadlosti, o.dat_otvoritve "}));
    EXPECT_EQ(scan2.size(), 3u);
    db.Exec(Join({"DELETE FROM oblim ", "   WHERE oblim.dat_otvoritve <= '", "01.03.2023", "' ",
                  "     AND oblim.id_konto='K200' ", "     AND oblim.pogodba='P1' ",
                  "     AND oblim.dat_stanja=" + day, "     AND oblim.OT_LIK=" + kRisk}));
    db.Exec("commit");
    db.Exec(Join({" delete from oblimd1 ", " where dat_stanja=" + day, " and ot_lik=" + kRisk,
                  " and id_seq_oblim not in ( ", " select id_seq_oblim  from oblim ",
                  " where dat_stanja=" + day, " and ot_lik=" + kRisk, " ) "}));
    EXPECT_EQ(db.Exec("select id_seq_oblim from oblimd1"), (Rows{{"3"}}));
}

TEST_F(SchemaStatements, SignBasedCleanUpLotCopyAndClosingProcedure) {
    PostPosition(1, "K200", "P1", "01.03.2023", "01.03.2024", 100);
    PostPosition(2, "K200", "P1", "02.03.2023", "01.04.2024", -30);
    PostPosition(3, "K200", "P1", "03.03.2023", "01.05.2024", -80);
    const std::string day = "'" + kDay + "' ";
    EXPECT_EQ(
        db
            .Exec(Join(
                {"SELECT  o.id id, d.znsval znsval, d.znsdomval znsdomval, o.id_konto id_konto, o.pogodba "
                 "pogodba, o.dat_zapadlosti dat_zapadlosti,  dat_otvoritve dat_otvoritve",
                 "    FROM oblim o, oblimd1 d, sifkont s, matrika m ", "   WHERE m.ctrl = s.ctrl ",
                 "     AND o.id_seq_oblim=d.id_seq_oblim ", "     AND m.vknt IN ('6') ",
                 "     AND m.vprc = '3' ", "     AND o.id_konto = s.oznaka ", "     AND o.dat_stanja=" + day,
                 "     AND d.dat_stanja=" + day, "     AND o.OT_LIK=" + kRisk, "     AND d.OT_LIK=" + kRisk,
                 " ORDER BY o.id_konto, o.pogodba, o.dat_zapadlosti, o.dat_otvoritve "}))
            .size(),
        3u);
    const std::string ids = "2,3";
    db.Exec(Join({"DELETE FROM oblimd1 d ", " WHERE d.id_seq_oblim in ",
                  "   ( SELECT o.id_seq_oblim FROM oblim o ", "       WHERE o.id in (" + ids + ")  ",
                  "       AND o.dat_stanja=" + day, "       AND o.OT_LIK=" + kRisk, "   )",
                  "   AND d.dat_stanja=" + day, "   AND d.OT_LIK=" + kRisk}));
    db.Exec(Join({"DELETE FROM oblim ", " WHERE oblim.id in (" + ids + ")  ", " AND oblim.dat_stanja=" + day,
                  " AND oblim.OT_LIK=" + kRisk}));
    db.Exec(Join({"UPDATE oblimd1 d ", " SET d.znsval=-10", " ,   d.znsdomval=-10",
                  " ,   d.stevilo_lotov=-10", " , d.dat_zapadlosti='01.05.2024' ",
                  " WHERE d.id_seq_oblim in ", "   ( SELECT o.id_seq_oblim FROM oblim o ",
                  "       WHERE o.id =  1", "       AND o.dat_stanja=" + day, "       AND o.OT_LIK=" + kRisk,
                  "   )", "   AND d.dat_stanja=" + day, "   AND d.OT_LIK=" + kRisk}));
    db.Exec(Join({"UPDATE oblimd1 d ", " SET d.dat_zapadlosti= ", "  (select max(o.dat_zapadlosti) ",
                  "   from oblim o ", "   where o.dat_stanja=   d.dat_stanja ",
                  "   AND   o.ot_lik=       d.ot_lik ", "   AND   o.id_seq_oblim= d.id_seq_oblim ", " ) ",
                  "   WHERE d.dat_stanja=" + day, "   AND d.ot_lik=" + kRisk}));
    db.Exec("commit");
    db.Exec(Join({"UPDATE oblim d ", " SET d.stevilo_lotov= ", "  (select max(o.stevilo_lotov) ",
                  "   from oblimd1 o ", "   where o.dat_stanja=   d.dat_stanja ",
                  "   AND   o.ot_lik=       d.ot_lik ", "   AND   o.id_seq_oblim= d.id_seq_oblim ", " ) ",
                  "   WHERE d.dat_stanja=" + day, "   AND d.ot_lik=" + kRisk}));
    db.Exec("commit");
    EXPECT_EQ(db.Exec("select o.stevilo_lotov, d.znsval, d.dat_zapadlosti from oblim o, oblimd1 d "
                      "where o.id_seq_oblim = d.id_seq_oblim"),
              (Rows{{"-10", "-10", "2024-03-01 00:00:00"}}));

    const std::string call = Join({" begin ", "OBLI_COPY( ", " '" + kDay + "', ", " " + kRisk + ", ",
                                   " :status, ", " :StatusText ", " ) ", " ; end; "});
    db.Exec(call);
    EXPECT_EQ(Text(db.lastBinds.at("STATUS")), "0");
    EXPECT_EQ(Text(db.lastBinds.at("STATUSTEXT")), "Kopirano: OBLIM 1, OBLIMD1 1, OBLIAM 0.");
    db.Exec(call); // a second copy replaces the archived rows of the day
    EXPECT_EQ(db.One("select count(*) from oblim_arhiv where dat_stanja = '" + kDay + "' and ot_lik = 0"),
              "1");
    EXPECT_EQ(db.One("select count(*) from oblimd1_arhiv"), "1");
    db.Exec(Join({" begin ", "OBLI_COPY( ", " '06.03.2023', ", " 2, ", " :status, ", " :StatusText ", " ) ",
                  " ; end; "}));
    EXPECT_EQ(Text(db.lastBinds.at("STATUS")), "1");
    EXPECT_EQ(Text(db.lastBinds.at("STATUSTEXT")),
              "Za dan 06.03.2023 in tip tveganja 2 ni podatkov za kopiranje.");
}

TEST_F(SchemaStatements, ValuationLookups) {
    const BindMap day{{"DAN", std::string("2023-03-05 00:00:00")}};
    EXPECT_EQ(
        db.One(
            "SELECT TCJ FROM VLN  WHERE SFVLT= :SFVLT  AND SFVLN = '0'  AND DAN <= :DAN  ORDER BY DAN DESC ",
            {{"SFVLT", std::string("USD")}, {"DAN", std::string("2023-03-05 00:00:00")}}),
        "1.07");
    EXPECT_EQ(
        db.One("SELECT COUNT(SIF.KRT) STEV FROM FIN, SIF  WHERE FIN.SFFIN= :SFFIN  AND FIN.SFLST IN ('D', "
               "'K', 'k')  AND FIN.SFLST=SIF.SIF  AND SIF.SSF='LST' ",
               {{"SFFIN", std::string("OBV")}}),
        "1");
    EXPECT_EQ(
        db.One("SELECT FIN.SFLST SFLST FROM FIN  WHERE FIN.SFFIN= :SFFIN ", {{"SFFIN", std::string("OBV")}}),
        "D");
    const BindMap coupon{{"SFVP", int64_t{1}}, {"REPORT_DATE", std::string("2023-03-31 00:00:00")}};
    EXPECT_EQ(
        db.Exec("SELECT  MAX(ZDNDAN) ZDNDAN, MAX(SFOBD) SFOBD, MAX(SFINX) SFINX , MAX(REFOBM) REFOBM "
                ", MAX(GLVOBR) GLVOBR , MAX(SFOBR) SFOBR , MAX(OBRPRC) OBRPRC, MAX(OBROBR) OBROBR  FROM KPN "
                " WHERE SFVP= :SFVP  AND PRVDAN <= :report_date AND ZDNDAN >= :report_date  ",
                coupon),
        (Rows{{"2023-03-31 00:00:00", "360", "NULL", "R1", "100", "r", "4", "0"}}));
    EXPECT_EQ(db.One("SELECT INX FROM INX  WHERE SFINX= :SFINX  AND DAN <= :DAN  ORDER BY DAN DESC ",
                     {{"SFINX", std::string("EURIBOR")}, {"DAN", std::string("2023-03-05 00:00:00")}}),
              "3.25");
    EXPECT_EQ(db.One("SELECT NZV FROM SFINX  WHERE SFINX= :SFINX ", {{"SFINX", std::string("EURIBOR")}}),
              "Euribor 3M");
    EXPECT_EQ(
        db.One("SELECT  ECB_SIFR_ID  COL14 FROM ECB_SIFRANTI  WHERE ECB_SEZNAM_ID='014'  AND INTERVAL_OD <= "
               ":VALUE  AND (INTERVAL_DO>= :VALUE OR INTERVAL_DO IS NULL) ",
               {{"VALUE", 400.0}}),
        "4");
    // Dates and terms
    EXPECT_EQ(db.One("SELECT  MAX(ZDNDAN) ZDNDAN,  max(GLVOBR) GLVOBR  FROM KPN  WHERE SFVP= :SFVP ",
                     {{"SFVP", int64_t{1}}}),
              "2023-06-30 00:00:00");
    EXPECT_EQ(db.One("SELECT  MIN(PRVDAN) PRVDAN  FROM KPN  WHERE SFVP= :SFVP ", {{"SFVP", int64_t{1}}}),
              "2023-01-01 00:00:00");
    EXPECT_EQ(
        db.One(" SELECT MAX(dannkp) DANNKP FROM VPHST  WHERE DAN = :DAN  AND SFVP= :SFVP  AND IDPOG = 500",
               {{"DAN", std::string("2023-03-05 00:00:00")}, {"SFVP", int64_t{1}}}),
        "2023-02-01 00:00:00");
    EXPECT_EQ(
        db.One("SELECT  PRVDAN    FROM KPN  WHERE SFVP= :SFVP  AND PRVDAN > :report_date    ORDER BY PRVDAN ",
               {{"SFVP", int64_t{1}}, {"REPORT_DATE", std::string("2023-01-01 00:00:00")}}),
        "2023-04-01 00:00:00");
    EXPECT_EQ(db.One(" SELECT MAX(dan) DAN  FROM inx  WHERE dan <= :PRVDAN ",
                     {{"PRVDAN", std::string("2023-03-04 00:00:00")}}),
              "2023-03-01 00:00:00");
}

TEST_F(SchemaStatements, HoldingsDealsAndTurnoverLookups) {
    EXPECT_EQ(
        db.Exec(
            " SELECT SUM(LOT) LOT, MAX(GLVTCJNKP) GLVTCJNKP, SUM (zst) zst FROM VPSHST   WHERE IDPOG= :IDPOG "
            "  AND SFVP= :SFVP   AND DAN= :DAN  AND SFSVP='L' ",
            {{"IDPOG", int64_t{500}}, {"SFVP", int64_t{1}}, {"DAN", std::string("2023-03-05 00:00:00")}}),
        (Rows{{"10", "99.5", "2"}}));
    EXPECT_EQ(
        db.Exec(
            " SELECT SUM(LOT) LOT, MAX(GLVTCJNKP) GLVTCJNKP FROM VPHST   WHERE   SFVP= :SFVP   AND DAN= :DAN "
            "  AND IDVP = :IDVP  AND SFSVP='L' ",
            {{"SFVP", int64_t{1}}, {"DAN", std::string("2023-03-05 00:00:00")}, {"IDVP", int64_t{77}}}),
        (Rows{{"10", "99.5"}}));
    EXPECT_EQ(db.One("SELECT count(*) stev from ZDNHST  WHERE DAN = :DAN  AND SFDJV= :SFDJV  AND VRDOK= 'D' ",
                     {{"DAN", std::string("2023-03-05 00:00:00")}, {"SFDJV", std::string("L")}}),
              "1");
    EXPECT_EQ(db.Exec("select  sum(d.vp) as doglot, SUM (d.rez) AS dogzst  from DOG D WHERE D.IDPOG= :IDPOG "
                      " AND D.SFVP = :SFVP ",
                      {{"IDPOG", int64_t{500}}, {"SFVP", int64_t{1}}}),
              (Rows{{"15", "2"}}));
    EXPECT_EQ(
        db.One(
            "SELECT SUM(LOT*GLVTCJ) PNC  FROM DOG  WHERE IDPOG= :IDPOG  AND SFVP = :SFVP  AND (  (SFPDG IN "
            "('}', 'A', 'B', 'N', 'W','+'))           OR (sfpdg IN ('3') AND (dan = '01.01.2006') )   ) ",
            {{"IDPOG", int64_t{500}}, {"SFVP", int64_t{1}}}),
        "450");
    const std::string turnover = Join({" SELECT SUM(K.DZNESEK-K.BZNESEK) ZNESEK ",
                                       " FROM KNJIZBE K, DOG D,  OSB O, SFVP V, ",
                                       " FIN FIN, SIFKONT SIFKONT   ",
                                       ", VLT VLT ",
                                       ", POG POG ",
                                       ", ORG ORG ",
                                       " WHERE K.IDMASTER=D.IDDOG (+) ",
                                       " AND K.VP=1",
                                       " AND K.IDVP=77",
                                       " AND K.IDPOG=500",
                                       " AND K.IDPOG=POG.IDPOG(+) ",
                                       " AND K.VP=V.SFVP (+) ",
                                       " AND V.SFVLTNMN = VLT.SFVLT (+) ",
                                       " AND V.SFOSBIZD=O.SFOSB (+) ",
                                       " AND POG.SFORG=ORG.SFORG (+) ",
                                       " AND V.SFFIN=FIN.SFFIN (+) ",
                                       " AND K.KONTO=SIFKONT.CTRL (+) ",
                                       " AND K.DATUMV>='01.02.2023' ",
                                       " AND K.DATUMV<='28.02.2023' ",
                                       " AND SIFKONT.OZNAKA = 'K100' ",
                                       " AND K.IDOBD>= 0 ",
                                       " AND D.SFPDG IN ('V','x') "});
    EXPECT_EQ(db.One(turnover), "-1000");
    const std::string plan =
        Text(db.Run("EXPLAIN QUERY PLAN " + Translate(turnover, db.context).sqlite[0], {})[0].back());
    EXPECT_NE(plan.find("INDEX"), std::string::npos) << plan;
}

TEST_F(SchemaStatements, DataAccessLayerStatements) {
    EXPECT_EQ(db.One("select 'x' from dual"), "x");
    std::string lengths;
    for (int month = 1; month <= 12; ++month) {
        char line[120];
        std::snprintf(line, sizeof line,
                      "select to_char(to_date('10-%d-1999 10:10:10', 'dd-mm-yyyy hh24:mi:ss')) from dual",
                      month);
        lengths += (month > 1 ? "\nunion all\n" : "") + std::string(line);
    }
    const Rows months = db.Exec(lengths);
    ASSERT_EQ(months.size(), 12u);
    EXPECT_EQ(months[11][0], "10.12.1999");
    db.Exec("alter session set sql_trace = false");
    db.Exec("alter session set optimizer_mode = choose");
    db.Exec("alter session set isolation_level = read committed");
    db.Exec("insert into OBLIM\n  (ID_SEQ_OBLIM, DAT_STANJA, OT_LIK)\nvalues\n  (:v1, :v2, :v3)\nreturning "
            "rowid into "
            ":qel__rowid",
            {{"V1", int64_t{9}}, {"V2", kDay}, {"V3", int64_t{1}}});
    const BindMap rowid{{"QEL__ROWID", db.lastBinds.at("QEL__ROWID")}};
    EXPECT_EQ(db.Exec("select * from OBLIM where rowid = :qel__rowid\nfor update nowait", rowid).size(), 1u);
    db.Exec("update OBLIM\nset ID_KONTO = :v1\nwhere rowid = :qel__rowid",
            {{"V1", std::string("K9")}, {"QEL__ROWID", db.lastBinds.at("QEL__ROWID")}});
    EXPECT_EQ(db.One("select rowid from OBLIM where\nID_SEQ_OBLIM = :ID_SEQ_OBLIM\nand ID_KONTO = :ID_KONTO",
                     {{"ID_SEQ_OBLIM", int64_t{9}}, {"ID_KONTO", std::string("K9")}}),
              Text(db.lastBinds.at("QEL__ROWID")));
    EXPECT_EQ(db.One("select count(*) from (SELECT OBLIM.*, OBLIM.ROWID FROM OBLIM  WHERE OT_LIK=1)"), "1");
    db.Exec("savepoint QEL__LOCKPOINT");
    db.Exec("delete from OBLIM\nwhere rowid = :qel__rowid", rowid);
    EXPECT_EQ(db.One("select count(*) from OBLIM"), "0");
    db.Exec("rollback to savepoint QEL__LOCKPOINT");
    EXPECT_EQ(db.One("select count(*) from OBLIM"), "1");
}

// The statements that run once per position (200,000 a day) must find their rows by index.
TEST_F(SchemaStatements, PerPositionStatementsUseIndexes) {
    auto plan = [&](const std::string& oracleSql) {
        std::string text;
        for (const SqlRow& row :
             db.Run("EXPLAIN QUERY PLAN " + Translate(oracleSql, db.context).sqlite[0], {}))
            text += Text(row.back()) + "\n";
        return text;
    };
    const char* statements[] = {
        "SELECT TCJ FROM VLN  WHERE SFVLT= :SFVLT  AND SFVLN = '0'  AND DAN <= :DAN  ORDER BY DAN DESC ",
        "SELECT FIN.SFLST SFLST FROM FIN  WHERE FIN.SFFIN= :SFFIN ",
        "SELECT  MAX(ZDNDAN) ZDNDAN FROM KPN  WHERE SFVP= :SFVP  AND PRVDAN <= :report_date AND ZDNDAN >= "
        ":report_date ",
        "SELECT INX FROM INX  WHERE SFINX= :SFINX  AND DAN <= :DAN  ORDER BY DAN DESC ",
        " SELECT MAX(dannkp) DANNKP FROM VPHST  WHERE DAN = :DAN  AND SFVP= :SFVP  AND IDPOG = 500",
        " SELECT SUM(LOT) LOT FROM VPSHST   WHERE IDPOG= :IDPOG   AND SFVP= :SFVP   AND DAN= :DAN  AND "
        "SFSVP='L' ",
        " SELECT SUM(LOT) LOT FROM VPHST   WHERE   SFVP= :SFVP   AND DAN= :DAN   AND IDVP = :IDVP  AND "
        "SFSVP='L' ",
        "SELECT count(*) stev from ZDNHST  WHERE DAN = :DAN  AND SFDJV= :SFDJV  AND VRDOK= 'D' ",
        "select  sum(d.vp) as doglot from DOG D WHERE D.IDPOG= :IDPOG  AND D.SFVP = :SFVP ",
        "SELECT mic FROM trg WHERE sftrg IN (SELECT sftrg FROM ktc WHERE danprk IS NULL AND sfvp = :SFVP)",
        "SELECT * FROM OBLIAM  WHERE DAT_STANJA = :DAT_STANJA  AND OT_LIK= :OT_LIK  AND ID_SEQ_OBLIM = "
        ":ID_SEQ_OBLIM ",
        "SELECT OBLIM.*, OBLIM.ROWID FROM OBLIM  WHERE DAT_STANJA='05.03.2023'  AND OT_LIK=0",
    };
    for (const char* sql : statements) {
        const std::string p = plan(sql);
        EXPECT_EQ(p.find("SCAN "), std::string::npos) << sql << "\n" << p;
        // The latest rate or index value comes from walking the key backwards, not from a sort.
        EXPECT_EQ(p.find("TEMP B-TREE"), std::string::npos) << sql << "\n" << p;
    }
    const std::string extraction = plan(ExtractionQuery());
    EXPECT_NE(extraction.find("SEARCH K USING INDEX KNJIZBE_DATUMV"), std::string::npos) << extraction;
}
