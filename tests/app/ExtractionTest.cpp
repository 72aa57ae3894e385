// The day's source rows: the balance threshold, the "_S" rule of the short code, the lower date
// bounds of both branches (1 January, 2007, reversed bookings), the dump in the program directory,
// the referent, the labels, and a failure that shows the statement.
#include "AppFixture.h"

#include "app/SourceExtraction.h"
#include "platform/settings/DateText.h"

#include <fstream>
#include <map>

namespace {

using apptest::AppTest;
using apptest::TRecordedLabels;

std::string Booking(int id, int account, int security, const std::string& deal, const std::string& amount,
                    const std::string& day, int idobd = 0) {
    return "INSERT INTO KNJIZBE (IDKNJ, KONTO, VP, IDVP, IDPOG, IDMASTER, IDOBD, BZNESEK, DZNESEK, DATUMV) "
           "VALUES (" +
           std::to_string(id) + ", " + std::to_string(account) + ", " + std::to_string(security) + ", " +
           deal + ", 10, " + deal + ", " + std::to_string(idobd) + ", " + amount + ", 0, '" + day + "')";
}

class Extraction : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        Run({"INSERT INTO MATRIKA (CTRL, VPRC, VKNT) VALUES (201, '3', '1')",
             "INSERT INTO MATRIKA (CTRL, VPRC, VKNT) VALUES (301, '3', '6')",
             "INSERT INTO MATRIKA (CTRL, VPRC, VKNT) VALUES (401, '3', '2')",
             "INSERT INTO SIFKONT (CTRL, OZNAKA) VALUES (201, '2010')",
             "INSERT INTO SIFKONT (CTRL, OZNAKA) VALUES (301, '3010')",
             "INSERT INTO SFVP (SFVP, KRT) VALUES (1, 'ABC')",
             "INSERT INTO SFVP (SFVP, KRT) VALUES (2, 'A_SB')",
             "INSERT INTO SFVP (SFVP, KRT) VALUES (3, 'NLBR_S')",
             "INSERT INTO DOG (IDDOG, IDVP, SFVP, IDPOG) VALUES (500, 500, 1, 10)",
             "INSERT INTO POG (IDPOG) VALUES (10)"});
        Context->Labels = &labels_;
    }
    // Source rows of the day: "code account deal" -> balance.
    std::map<std::string, double> Extract(TDateTime day) {
        Context->ReportDay = day;
        BeriPodatke(*Context);
        std::map<std::string, double> rows;
        for (TOracleDataSet& q1 = DM->Q1; !q1.Eof(); q1.Next())
            rows[q1.FieldByName("SFVPKRT").AsString() + " " + q1.FieldByName("KKONTO").AsString() + " " +
                 q1.FieldByName("POSEL").AsString()] = q1.FieldByName("ZNESEK1").AsFloat();
        return rows;
    }

    TRecordedLabels labels_;
};

TEST_F(Extraction, BalancesBelowOneCentAreLeftOutNegativeCentStays) {
    Run({Booking(1, 201, 1, "100", "0.004", "05.03.2024"), Booking(2, 201, 1, "101", "0.01", "05.03.2024"),
         Booking(3, 201, 1, "102", "0.10", "05.03.2024"), Booking(4, 201, 1, "102", "0.20", "05.03.2024"),
         Booking(5, 201, 1, "102", "-0.30", "05.03.2024"), Booking(6, 301, 1, "500", "-0.01", "05.03.2024")});
    const auto rows = Extract(EncodeDate(2024, 3, 15));
    EXPECT_EQ(rows, (std::map<std::string, double>{{"ABC 201 101", 0.01}, {"ABC 301 500", -0.01}}));
}

TEST_F(Extraction, ShortCodeLosesItsLastTwoCharactersWhenItHoldsUnderscoreS) {
    Run({Booking(1, 201, 1, "100", "5", "05.03.2024"), Booking(2, 201, 2, "101", "5", "05.03.2024"),
         Booking(3, 201, 3, "102", "5", "05.03.2024")});
    const auto rows = Extract(EncodeDate(2024, 3, 15));
    EXPECT_EQ(rows.size(), 3u);
    EXPECT_TRUE(rows.count("ABC 201 100"));
    EXPECT_TRUE(rows.count("A_ 201 101"));
    EXPECT_TRUE(rows.count("NLBR 201 102"));
}

TEST_F(Extraction, FirstOfJanuaryTakesOnlyThatDayForSecurityAccounts) {
    Run({Booking(1, 201, 1, "100", "7", "31.12.2023"), Booking(2, 201, 1, "101", "8", "01.01.2024"),
         Booking(3, 201, 1, "102", "9", "02.01.2024"), Booking(4, 301, 1, "500", "6", "31.12.2023")});
    const auto rows = Extract(EncodeDate(2024, 1, 1));
    EXPECT_EQ(rows, (std::map<std::string, double>{{"ABC 201 101", 8}, {"ABC 301 500", 6}}));
}

TEST_F(Extraction, DealAccountsSince2007WithoutReversedBookings) {
    Run({Booking(1, 301, 1, "500", "6", "31.12.2006"), Booking(2, 301, 1, "500", "4", "01.01.2007"),
         Booking(3, 301, 1, "500", "100", "05.03.2024", -1), Booking(4, 401, 1, "500", "3", "05.03.2024")});
    const auto rows = Extract(EncodeDate(2024, 3, 15));
    EXPECT_EQ(rows, (std::map<std::string, double>{{"ABC 301 500", 4}}));
}

TEST_F(Extraction, StatementIsDumpedAndLabelsFollowTheSteps) {
    Run({Booking(1, 201, 1, "100", "5", "15.03.2024"), Booking(2, 201, 1, "100", "5", "16.03.2024")});
    const auto rows = Extract(EncodeDate(2024, 3, 15));
    EXPECT_EQ(rows, (std::map<std::string, double>{{"ABC 201 100", 5}}));
    const std::string statement = ExtractionStatement(EncodeDate(2024, 3, 15));
    EXPECT_EQ(ReadAppFile("ZORVEKA.SQL"), statement + "\n");
    EXPECT_NE(statement.find(" WHERE K.DATUMV>='01.01.2024'  AND k.datumv <= '15.03.2024' "),
              std::string::npos);
    EXPECT_NE(statement.find(" WHERE k.datumv >= '01.01.2007'  AND k.datumv <= '15.03.2024' "),
              std::string::npos);
    EXPECT_EQ(labels_.Calls,
              (std::vector<std::string>{"show Poteka branje podatkov ...", "count 1", "hide"}));
}

TEST_F(Extraction, ReferentComesFromTheFourthArgument) {
    std::ofstream(Folder + "zorveka.ini") << "[REFERENT]\nJN=REF0001\n";
    Context->Arguments = {"DEMO", "demo", "demo"};
    Extract(EncodeDate(2024, 3, 15));
    EXPECT_EQ(Context->Referent, "");
    Context->Arguments.push_back("JN");
    Extract(EncodeDate(2024, 3, 15));
    EXPECT_EQ(Context->Referent, "REF0001");
    Context->Arguments.back() = "XX";
    Extract(EncodeDate(2024, 3, 15));
    EXPECT_EQ(Context->Referent, "XX");
}

TEST_F(Extraction, FailureShowsTheStatementAndLeavesTheMessageUp) {
    Run({"DROP TABLE MATRIKA"});
    Context->ReportDay = EncodeDate(2024, 3, 15);
    EXPECT_THROW(BeriPodatke(*Context), EOracleError);
    EXPECT_EQ(RecordingUi.Messages, std::vector<std::string>{ExtractionStatement(EncodeDate(2024, 3, 15))});
    EXPECT_EQ(labels_.Calls, std::vector<std::string>{"show Poteka branje podatkov ..."});
}

} // namespace
