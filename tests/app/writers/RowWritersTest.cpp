// OBLIM and OBLIMD1 rows written through the result datasets and read back from the database: the
// row pair with its columns, the amortisation values, the deal-account rules, the exchange code,
// the zero day stored as no date, and rejected rows (a failed exchange lookup among them) that leave
// nothing behind.
#include "WritersFixture.h"

#include "app/RowWriters.h"

namespace {

using writerstest::WritersTest;

class RowWriters : public WritersTest {
protected:
    void FillPosition() {
        TOblimRow& row = Output.OblimRow;
        row.ID_APLI = "VP";
        row.ORGEN = "100";
        row.SM = "S1";
        row.ID_KOM = "K1";
        row.POGODBA = "POG-1";
        row.DAT_OTVORITVE = "01.02.2020";
        row.DAT_ZAPADLOSTI = "01.02.2030";
        row.ECB_14 = "3";
        row.STEVILO_LOTOV = 12.5;
        row.ID_REFE = "R1";
        row.DAT_VPISA = "14.03.2024";
        row.ISIN = "SI0000000001";
        row.SFVP = 7;
        row.ID_KONTO = "K-1";
        row.ID_VAL = "EUR";
        row.ZNSVAL = 1250.25;
        row.ZNSDOMVAL = 1300.75;
        row.ECB_22 = "2";
        row.REAL_OBRM = 4.25;
        row.ZNSPNC = 100.125;
        row.DAT_REPR = "01.08.2024";
        row.ECB_42 = 1.5;
        row.ZNESNOM = 1000;
        row.ZST = 3;
    }

    void WritePair(int seq) {
        ZapisVrsticeOblim(*DM, Output, seq);
        ZapisVrsticeOblimD1(*DM, Output, seq);
    }

    std::string Oblim(const std::string& column) {
        return Value("SELECT " + column + " FROM OBLIM WHERE ID_SEQ_OBLIM=1");
    }
    std::string OblimD1(const std::string& column) {
        return Value("SELECT " + column + " FROM OBLIMD1 WHERE ID_SEQ_OBLIM=1");
    }
};

TEST_F(RowWriters, RowPairReadBackLinkedBySequenceNumber) {
    FillPosition();
    Output.RiskType = 2;
    WritePair(1);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM OBLIM"), "1");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM OBLIMD1"), "1");
    EXPECT_EQ(Oblim("POGODBA"), "POG-1");
    EXPECT_EQ(Oblim("DAT_STANJA"), kDay);
    EXPECT_EQ(Oblim("DAT_OTVORITVE"), "01.02.2020");
    EXPECT_EQ(Oblim("STEVILO_LOTOV"), "12,5");
    EXPECT_EQ(Oblim("SFVP"), "7");
    EXPECT_EQ(Oblim("OT_LIK"), "2");
    EXPECT_NE(Oblim("ID"), "");
    EXPECT_EQ(OblimD1("PSDVRS"), "003");
    EXPECT_EQ(OblimD1("ZNSDOMVAL"), "1300,75");
    EXPECT_EQ(OblimD1("DAT_REPR"), "01.08.2024");
    EXPECT_EQ(OblimD1("DAT_ZAPADLOSTI"), "01.02.2030");
    EXPECT_EQ(OblimD1("OT_LIK"), "2");
    EXPECT_EQ(OblimD1("STEVILO_LOTOV"), "12,5");
    EXPECT_EQ(OblimD1("ZAST_LOTI"), "3");
    EXPECT_EQ(OblimD1("BAN_TRG"), "");
    EXPECT_EQ(OblimD1("IDKONVEN"), "");
    EXPECT_EQ(OblimD1("LIN_KON"), "");
    EXPECT_EQ(Oblim("AMORTIZACIJSKI"), "");
    EXPECT_EQ(Oblim("AM_VREDNOST"), "");
}

TEST_F(RowWriters, AmortisingSecurityGetsItsValueAndRepaymentKind) {
    FillPosition();
    SourceRow("1", "%", "T");
    CurrentCoupon("EURIBOR", "r");
    Output.OblimRow.IDKONVEN = 4;
    Output.OblimRow.IDPOG = 67015;
    WritePair(1);
    EXPECT_EQ(Oblim("AMORTIZACIJSKI"), "1");
    EXPECT_EQ(Oblim("AM_VREDNOST"), "162");
    EXPECT_EQ(OblimD1("LIN_KON"), "1");
    EXPECT_EQ(OblimD1("BAN_TRG"), "1");
    EXPECT_EQ(OblimD1("IDKONVEN"), "4");

    CurrentCoupon("", "b");
    WritePair(2);
    EXPECT_EQ(Value("SELECT AM_VREDNOST FROM OBLIM WHERE ID_SEQ_OBLIM=2"), "161");
    EXPECT_EQ(Value("SELECT LIN_KON FROM OBLIMD1 WHERE ID_SEQ_OBLIM=2"), "2");
}

TEST_F(RowWriters, DealAccountCarriesDomesticAmountAndNoExchange) {
    Run({"INSERT INTO TRG VALUES (1, 'XLJU', 'Ljubljana')",
         "INSERT INTO KTC VALUES (7, 1, '01.01.2020', NULL)"});
    FillPosition();
    SourceRow("6", "N", "X");
    WritePair(1);
    EXPECT_EQ(Oblim("KODA_BORZE"), "XXXX");
    EXPECT_EQ(Oblim("STEVILO_LOTOV"), "12,5");
    EXPECT_EQ(OblimD1("PSDVRS"), "005");
    EXPECT_EQ(OblimD1("STEVILO_LOTOV"), "1300,75");
    EXPECT_EQ(OblimD1("ZAST_LOTI"), "0");
    EXPECT_EQ(OblimD1("BAN_TRG"), "5");
}

TEST_F(RowWriters, ExchangeCodeOfTheLatestOpenListing) {
    Run({"INSERT INTO TRG VALUES (1, 'XLJU', 'Ljubljana')", "INSERT INTO TRG VALUES (2, 'XETR', 'Xetra')",
         "INSERT INTO TRG VALUES (3, 'XWBO', 'Wien')", "INSERT INTO KTC VALUES (7, 1, '01.01.2019', NULL)",
         "INSERT INTO KTC VALUES (7, 2, '01.01.2020', NULL)",
         "INSERT INTO KTC VALUES (7, 3, '01.01.2021', '01.06.2021')"});
    FillPosition();
    WritePair(1);
    EXPECT_EQ(Oblim("KODA_BORZE"), "XETR");

    Output.OblimRow.SFVP = 8;
    ZapisVrsticeOblim(*DM, Output, 2);
    EXPECT_EQ(Value("SELECT KODA_BORZE FROM OBLIM WHERE ID_SEQ_OBLIM=2"), "");

    Run({"DROP TABLE TRG"});
    EXPECT_ANY_THROW(ZapisVrsticeOblim(*DM, Output, 3));
    ASSERT_EQ(RecordingUi.Messages.size(), 1u);
    EXPECT_EQ(RecordingUi.Messages[0].rfind("8\rSELECT mic   FROM trg   WHERE sftrg IN ", 0), 0u);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM OBLIM WHERE ID_SEQ_OBLIM=3"), "0");
}

TEST_F(RowWriters, ZeroAndEmptyDaysAreStoredAsNoDate) {
    FillPosition();
    Output.OblimRow.DAT_OTVORITVE = "30.12.1899";
    Output.OblimRow.DAT_ZAPAD_POSLA = "";
    Output.OblimRow.DAT_REPR = "30.12.1899";
    WritePair(1);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM OBLIM WHERE DAT_OTVORITVE IS NULL AND DAT_ZAPAD_POSLA IS NULL"),
              "1");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM OBLIMD1 WHERE DAT_REPR IS NULL"), "1");
}

TEST_F(RowWriters, RejectedRowIsNotStoredAndTheDataSetIsFreeAgain) {
    FillPosition();
    Output.OblimRow.DAT_VPISA = "not a day";
    EXPECT_ANY_THROW(ZapisVrsticeOblim(*DM, Output, 1));
    EXPECT_EQ(DM->Qoblim.State(), TDataSetState::dsBrowse);
    Output.OblimRow.DAT_VPISA = "14.03.2024";
    ZapisVrsticeOblim(*DM, Output, 2);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM OBLIM"), "1");
    EXPECT_EQ(Value("SELECT ID_SEQ_OBLIM FROM OBLIM"), "2");
}

// A bound text ends at its first NUL, so such a value is refused rather than stored cut.
TEST_F(RowWriters, TextWithANulIsRefusedNamingPositionColumnAndValue) {
    FillPosition();
    const std::string nul(1, '\0');
    const std::pair<std::string, const char*> cases[] = {{"18" + nul + "01", "18\\001"},
                                                         {nul + "abc", "\\0abc"}};
    for (const auto& [konto, shown] : cases) {
        Output.OblimRow.ID_KONTO = konto;
        std::string error;
        try {
            ZapisVrsticeOblim(*DM, Output, 1);
        } catch (const std::exception& refused) {
            error = refused.what();
        }
        EXPECT_EQ(error, std::string("Pozicija 1, konto ") + shown +
                             ", pogodba POG-1: OBLIM.ID_KONTO = " + shown + ": znak NUL v besedilu");
    }
    EXPECT_EQ(Value("SELECT COUNT(*) FROM OBLIM"), "0");
}

} // namespace
