// Holdings, deals and turnover against hand-made rows: pledged lots by contract but lots and price
// by deal, closing records of kind "D" only, the deals' average price, and the month's sale
// turnover with inclusive bounds, a quoted account label, a booking without deal id and a
// February whose spliced 29th the database refuses. Inside a run the same values come from one
// grouped statement per lookup.
#include "AppFixture.h"

#include "app/DateLookups.h"
#include "app/HoldingLookups.h"
#include "oracle/Oracle.h"

#include <vector>

namespace {

using apptest::AppTest;

class HoldingLookups : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        Context->ReportDay = EncodeDate(2024, 3, 15);
    }
};

TEST_F(HoldingLookups, PledgedLotsByContractLotsAndPriceByDeal) {
    Run({"INSERT INTO VPSHST VALUES (10, 7, '15.03.2024', 'L', 80, 99, 4)",
         "INSERT INTO VPSHST VALUES (11, 7, '15.03.2024', 'L', 30, 98, 9)",
         "INSERT INTO VPSHST VALUES (10, 7, '15.03.2024', 'Z', 30, 98, 5)",
         "INSERT INTO VPHST (SFVP, DAN, IDVP, IDPOG, SFSVP, LOT, GLVTCJNKP) VALUES (7, '15.03.2024', 100, "
         "11, 'L', 50, "
         "101.5)",
         "INSERT INTO VPHST (SFVP, DAN, IDVP, IDPOG, SFSVP, LOT, GLVTCJNKP) VALUES (7, '15.03.2024', 101, "
         "10, 'L', 20, 97)",
         "INSERT INTO VPHST (SFVP, DAN, IDVP, IDPOG, SFSVP, LOT, GLVTCJNKP) VALUES (7, '14.03.2024', 100, "
         "10, 'L', 60, 96)"});
    EXPECT_DOUBLE_EQ(BeriLote(*Context, 7, 10, 100), 50);
    EXPECT_DOUBLE_EQ(Context->ZST, 4);
    EXPECT_DOUBLE_EQ(Context->GLVTCJNKP, 101.5);
    EXPECT_DOUBLE_EQ(BeriLote(*Context, 7, 12, 999), 0);
    EXPECT_DOUBLE_EQ(Context->ZST, 0);
    EXPECT_DOUBLE_EQ(Context->GLVTCJNKP, 0);
}

TEST_F(HoldingLookups, ClosingRecordOnlyOfKindD) {
    Run({"INSERT INTO ZDNHST VALUES ('15.03.2024', 'L', 'P')",
         "INSERT INTO ZDNHST VALUES ('15.03.2024', 'X', 'D')",
         "INSERT INTO ZDNHST VALUES ('14.03.2024', 'L', 'D')"});
    EXPECT_FALSE(JeVZdnhst(*DM, "15.03.2024", "L"));
    EXPECT_TRUE(JeVZdnhst(*DM, "14.03.2024", "L"));
    EXPECT_THROW(JeVZdnhst(*DM, "no day", "L"), Exception);
    ASSERT_EQ(RecordingUi.Messages.size(), 1u);
    EXPECT_EQ(RecordingUi.Messages[0].rfind("2.\rSELECT count(*) stev from ZDNHST ", 0), 0u);
}

TEST_F(HoldingLookups, AveragePriceOfPurchaseDealsOverAllLots) {
    Run({"INSERT INTO DOG (IDDOG, IDPOG, SFVP, SFPDG, DAN, VP, LOT, REZ, GLVTCJ) VALUES (1, 10, 7, 'A', "
         "'02.02.2020', 10, 10, 2, 100)",
         "INSERT INTO DOG (IDDOG, IDPOG, SFVP, SFPDG, DAN, VP, LOT, REZ, GLVTCJ) VALUES (2, 10, 7, 'V', "
         "'02.02.2021', -4, 4, 0, 120)",
         "INSERT INTO DOG (IDDOG, IDPOG, SFVP, SFPDG, DAN, VP, LOT, REZ, GLVTCJ) VALUES (3, 10, 7, '3', "
         "'01.01.2006', 5, 5, 1, 90)",
         "INSERT INTO DOG (IDDOG, IDPOG, SFVP, SFPDG, DAN, VP, LOT, REZ, GLVTCJ) VALUES (4, 10, 7, '3', "
         "'02.01.2006', 1, 1, 0, 1000)"});
    EXPECT_DOUBLE_EQ(BeriPNC(*Context, 10, 7), 1450.0 / 12);
    EXPECT_DOUBLE_EQ(Context->STEVILO_LOTOV, 12);
    EXPECT_DOUBLE_EQ(Context->DOGZST, 3);
    EXPECT_DOUBLE_EQ(BeriPNC(*Context, 11, 7), 0);
    EXPECT_DOUBLE_EQ(Context->STEVILO_LOTOV, 0);
    EXPECT_DOUBLE_EQ(Context->DOGZST, 0);
}

class Turnover : public HoldingLookups {
protected:
    void SetUp() override {
        HoldingLookups::SetUp();
        Run({"INSERT INTO SIFKONT (CTRL, OZNAKA) VALUES (201, '2010')",
             "INSERT INTO SIFKONT (CTRL, OZNAKA) VALUES (202, 'O''X')",
             "INSERT INTO DOG (IDDOG, SFPDG) VALUES (100, 'V')",
             "INSERT INTO DOG (IDDOG, SFPDG) VALUES (101, 'x')",
             "INSERT INTO DOG (IDDOG, SFPDG) VALUES (102, 'A')",
             Booking(1, 201, 100, 100, "30", "01.03.2024"), Booking(2, 201, 100, 101, "5", "31.03.2024"),
             Booking(3, 201, 100, 100, "700", "29.02.2024"), Booking(4, 201, 100, 100, "800", "01.04.2024"),
             Booking(5, 201, 100, 102, "900", "15.03.2024"), Booking(6, 201, 200, 100, "50", "15.03.2024"),
             Booking(7, 202, 100, 100, "7", "15.03.2024"), Booking(8, 201, 100, 100, "600", "15.03.2024", -1),
             Booking(9, 201, "NULL", "NULL", "8", "15.03.2024")});
    }
    static std::string Booking(int id, int account, int deal, int master, const std::string& amount,
                               const std::string& day, int idobd = 0) {
        return Booking(id, account, std::to_string(deal), std::to_string(master), amount, day, idobd);
    }
    static std::string Booking(int id, int account, const std::string& deal, const std::string& master,
                               const std::string& amount, const std::string& day, int idobd = 0) {
        return "INSERT INTO KNJIZBE (IDKNJ, KONTO, VP, IDVP, IDPOG, IDMASTER, IDOBD, DZNESEK, DATUMV) VALUES "
               "(" +
               std::to_string(id) + ", " + std::to_string(account) + ", 7, " + deal + ", 10, " + master +
               ", " + std::to_string(idobd) + ", " + amount + ", '" + day + "')";
    }
    // Q1 on a source row whose POSEL is the deal id of booking id.
    void SourceRowOfBooking(int id) {
        DM->Q1.SetSQLText("SELECT IDVP POSEL FROM KNJIZBE WHERE IDKNJ = " + std::to_string(id));
        DM->Q1.Open();
    }
};

TEST_F(Turnover, SaleDealsOfTheMonthWithInclusiveBounds) {
    SourceRowOfBooking(1);
    EXPECT_DOUBLE_EQ(BeriPodatke_V(*Context, 10, 7, "2010"), 35);
    EXPECT_DOUBLE_EQ(BeriPodatke_V(*Context, 11, 7, "2010"), 0);
    EXPECT_EQ(ReadAppFile("A.SQL"), DM->Q2.SQL()[0] + "\n");
    EXPECT_NE(DM->Q2.SQL()[0].find(" AND K.DATUMV>='01.03.2024'  AND K.DATUMV<='31.03.2024' "),
              std::string::npos);
}

TEST_F(Turnover, LabelWithAQuoteIsAValueNotStatementText) {
    SourceRowOfBooking(1);
    EXPECT_DOUBLE_EQ(BeriPodatke_V(*Context, 10, 7, "O'X"), 7);
    EXPECT_DOUBLE_EQ(BeriPodatke_V(*Context, 10, 7, "x' OR 'a'='a"), 0);
    EXPECT_TRUE(RecordingUi.Messages.empty());
}

TEST_F(Turnover, EmptyDealIdCountsNoTurnoverAndRaisesNothing) {
    SourceRowOfBooking(9);
    EXPECT_EQ(DM->Q1.FieldByName("POSEL").AsString(), "");
    EXPECT_DOUBLE_EQ(BeriPodatke_V(*Context, 10, 7, "2010"), 0);
    EXPECT_TRUE(RecordingUi.Messages.empty());
}

TEST_F(Turnover, FebruaryHasNoCenturyRule) {
    SourceRowOfBooking(1);
    Context->ReportDay = EncodeDate(2008, 2, 17);
    EXPECT_DOUBLE_EQ(BeriPodatke_V(*Context, 10, 7, "2010"), 0);
    EXPECT_NE(ReadAppFile("A.SQL").find("'01.02.2008'  AND K.DATUMV<='29.02.2008' "), std::string::npos);
    Context->ReportDay = EncodeDate(1900, 2, 17);
    EXPECT_THROW(BeriPodatke_V(*Context, 10, 7, "2010"), EOracleError);
    ASSERT_EQ(RecordingUi.Messages.size(), 1u);
    EXPECT_NE(RecordingUi.Messages[0].find("K.DATUMV<='29.02.1900' "), std::string::npos);
}

// Several rows of one key, amounts whose binary sums drift, a NULL contract and keys without rows.
TEST_F(Turnover, RunReadsEachKeyAsTheKeyAloneReads) {
    Run({"INSERT INTO VPSHST VALUES (10, 7, '15.03.2024', 'L', 80, 99, 0.1)",
         "INSERT INTO VPSHST VALUES (10, 7, '15.03.2024', 'L', 1, 1, 0.2)",
         "INSERT INTO VPSHST VALUES (11, 7, '15.03.2024', 'L', 30, 98, 9)",
         "INSERT INTO VPHST VALUES (7, '15.03.2024', 100, 10, 'L', 0.1, 101.5, '01.02.2024')",
         "INSERT INTO VPHST VALUES (7, '15.03.2024', 100, 10, 'L', 0.2, 99, '05.02.2024')",
         "INSERT INTO VPHST VALUES (7, '15.03.2024', 101, NULL, 'L', 20, 97, '06.02.2024')",
         "INSERT INTO VPHST VALUES (7, '14.03.2024', 100, 11, 'L', 60, 96, '07.02.2024')",
         "INSERT INTO DOG (IDDOG, IDPOG, SFVP, SFPDG, DAN, VP, LOT, REZ, GLVTCJ) VALUES (11, 10, 7, 'A', "
         "'02.02.2020', 0.1, 0.1, 0.7, 100.3)",
         "INSERT INTO DOG (IDDOG, IDPOG, SFVP, SFPDG, DAN, VP, LOT, REZ, GLVTCJ) VALUES (12, 10, 7, '3', "
         "'01.01.2006', 0.2, 0.2, 0.1, 90.1)",
         Booking(21, 201, 100, 100, "0.1", "02.03.2024"), Booking(22, 201, 100, 100, "0.2", "03.03.2024")});
    struct TCase {
        int Sfvp;
        std::int64_t Idpog, Posel;
        int Booking;
        const char* Konto;
    };
    const auto readAll = [&](const TCase& c) {
        SourceRowOfBooking(c.Booking);
        std::vector<double> values = {BeriLote(*Context, c.Sfvp, c.Idpog, c.Posel), Context->ZST,
                                      Context->GLVTCJNKP};
        values.push_back(BeriPNC(*Context, c.Idpog, c.Sfvp));
        values.insert(values.end(), {Context->STEVILO_LOTOV, Context->DOGZST});
        values.push_back(BeriPodatke_V(*Context, c.Idpog, c.Sfvp, c.Konto));
        values.push_back(RacunajDanNKPMAX(*Context, c.Sfvp, c.Idpog));
        return values;
    };
    for (const TCase& c :
         {TCase{7, 10, 100, 1, "2010"}, TCase{7, 11, 100, 7, "O'X"}, TCase{7, 12, 101, 9, "2010"},
          TCase{8, 10, 100, 1, "2010"}, TCase{7, 0, 101, 1, "none"}}) {
        SCOPED_TRACE(std::to_string(c.Sfvp) + "/" + std::to_string(c.Idpog) + "/" + std::to_string(c.Posel));
        const std::vector<double> alone = readAll(c);
        const TLookupCacheScope run(DM->Lookups);
        EXPECT_EQ(readAll(c), alone);
    }
    EXPECT_NE(readAll({7, 10, 100, 1, "2010"}), std::vector<double>(8, 0.0));
    EXPECT_TRUE(RecordingUi.Messages.empty());
}

TEST_F(Turnover, FailedReadOfARunShowsItsGroupedStatement) {
    SourceRowOfBooking(1);
    Context->ReportDay = EncodeDate(1900, 2, 17);
    const TLookupCacheScope run(DM->Lookups);
    EXPECT_THROW(BeriPodatke_V(*Context, 10, 7, "2010"), EOracleError);
    ASSERT_EQ(RecordingUi.Messages.size(), 1u);
    EXPECT_NE(RecordingUi.Messages[0].find(" GROUP BY K.VP, K.IDVP, K.IDPOG, SIFKONT.OZNAKA "),
              std::string::npos);
    EXPECT_EQ(ReadAppFile("A.SQL"), RecordingUi.Messages[0] + "\n");
}

} // namespace
