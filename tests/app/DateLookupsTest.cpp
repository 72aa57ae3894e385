// The coupon schedule's span, the next coupon strictly after a day, the latest index day and the
// purchase date of a holding, against hand-made rows.
#include "AppFixture.h"

#include "app/DateLookups.h"

#include <vector>

namespace {

using apptest::AppTest;

class DateLookups : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        Run({"INSERT INTO KPN (SFVP, STKPN, PRVDAN, ZDNDAN) VALUES (7, 1, '01.01.2010', '31.12.2012')",
             "INSERT INTO KPN (SFVP, STKPN, PRVDAN, ZDNDAN) VALUES (7, 2, '01.01.2013', '31.12.2014')"});
    }
};

TEST_F(DateLookups, SpanOfTheScheduleWhateverTheDay) {
    Context->ReportDay = EncodeDate(2024, 3, 15);
    RacunajSteviloDni(*Context, 7);
    EXPECT_DOUBLE_EQ(Context->SteviloDni, 1825);
    EXPECT_EQ(DM->Qkpn2.FieldByName("PRVDAN").AsString(), "01.01.2010");
}

TEST_F(DateLookups, NoCouponsGiveZeroDaysAndAnEmptyStart) {
    Context->SteviloDni = 99;
    RacunajSteviloDni(*Context, 8);
    EXPECT_DOUBLE_EQ(Context->SteviloDni, 0);
    EXPECT_EQ(DM->Qkpn2.RecordCount(), 1);
    EXPECT_EQ(DM->Qkpn2.FieldByName("PRVDAN").AsString(), "");
    EXPECT_TRUE(RecordingUi.Messages.empty());
}

TEST_F(DateLookups, NextCouponStartsStrictlyAfterTheDay) {
    EXPECT_EQ(BeriNaslednjiKupon(*DM, 7, EncodeDate(2010, 1, 1)), "01.01.2013");
    EXPECT_EQ(BeriNaslednjiKupon(*DM, 7, EncodeDate(2009, 12, 31)), "01.01.2010");
    EXPECT_EQ(BeriNaslednjiKupon(*DM, 7, EncodeDate(2013, 1, 1)), "");
}

TEST_F(DateLookups, LatestIndexDayOfAnyIndex) {
    Run({"INSERT INTO INX VALUES ('E3M', '14.03.2024', 3.9)",
         "INSERT INTO INX VALUES ('E6M', '11.03.2024', 3.7)"});
    EXPECT_EQ(BeriPrviDanZaINX(*DM, EncodeDate(2024, 3, 14)), "14.03.2024");
    EXPECT_EQ(BeriPrviDanZaINX(*DM, EncodeDate(2024, 3, 13)), "11.03.2024");
    EXPECT_EQ(BeriPrviDanZaINX(*DM, EncodeDate(2024, 3, 10)), "");
}

TEST_F(DateLookups, RunReadsTheLatestIndexDayAsEachDayAloneReads) {
    Run({"INSERT INTO INX VALUES ('E3M', '14.03.2024', 3.9)",
         "INSERT INTO INX VALUES ('E6M', '11.03.2024', 3.7)",
         "INSERT INTO INX VALUES ('E3M', '11.03.2024', 3.8)",
         "INSERT INTO INX VALUES ('E6M', TO_DATE('12.03.2024 15:00', 'DD.MM.YYYY HH24:MI'), 3.6)"});
    const TDateTime noon = 0.5, threePm = 15.0 / 24, fourPm = 16.0 / 24;
    const std::vector<TDateTime> days = {EncodeDate(2024, 3, 10),          EncodeDate(2024, 3, 11) + noon,
                                         EncodeDate(2024, 3, 12),          EncodeDate(2024, 3, 12) + threePm,
                                         EncodeDate(2024, 3, 12) + fourPm, EncodeDate(2024, 3, 20)};
    std::vector<std::string> alone;
    for (TDateTime day : days)
        alone.push_back(BeriPrviDanZaINX(*DM, day));
    EXPECT_EQ(alone[3], "12.03.2024");
    const TLookupCacheScope run(DM->Lookups);
    for (size_t i = 0; i < days.size(); ++i)
        EXPECT_EQ(BeriPrviDanZaINX(*DM, days[i]), alone[i]) << i;
}

TEST_F(DateLookups, PurchaseDateOfTheHoldingOnTheReportDay) {
    Run({"INSERT INTO VPHST (SFVP, DAN, IDVP, IDPOG, SFSVP, DANNKP) VALUES (7, '15.03.2024', 1, 10, 'L', "
         "'02.02.2022')",
         "INSERT INTO VPHST (SFVP, DAN, IDVP, IDPOG, SFSVP, DANNKP) VALUES (7, '15.03.2024', 2, 10, 'L', "
         "'05.05.2023')",
         "INSERT INTO VPHST (SFVP, DAN, IDVP, IDPOG, SFSVP, DANNKP) VALUES (7, '14.03.2024', 3, 10, 'L', "
         "'06.06.2023')"});
    Context->ReportDay = EncodeDate(2024, 3, 15);
    EXPECT_DOUBLE_EQ(RacunajDanNKPMAX(*Context, 7, 10), EncodeDate(2023, 5, 5));
    EXPECT_DOUBLE_EQ(RacunajDanNKPMAX(*Context, 7, 11), 0);
}

TEST_F(DateLookups, FailureShowsNapakaAndTheStatement) {
    Run({"DROP TABLE KPN"});
    EXPECT_THROW(BeriNaslednjiKupon(*DM, 7, EncodeDate(2010, 1, 1)), Exception);
    ASSERT_EQ(RecordingUi.Messages.size(), 1u);
    EXPECT_EQ(RecordingUi.Messages[0], "Napaka:\rSELECT  PRVDAN    FROM KPN  WHERE SFVP= :SFVP  AND PRVDAN > "
                                       ":report_date    ORDER BY PRVDAN ");
}

} // namespace
