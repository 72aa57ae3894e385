// Identity and reference fields: what is copied from the source row, the counterparty code by
// account class and contract, the contract key with its cuts and groupings, and the maturity type
// by instrument class.
#include "ValuationFixture.h"

#include "platform/settings/DateText.h"

namespace {

using valuationtest::TBooking;
using valuationtest::ValuationTest;

class Identity : public ValuationTest {};

TEST_F(Identity, SourceValuesAndTheStampOfTheRun) {
    Context->Arguments = {"DEMO", "demo", "demo", "REF0001-LJUBLJANA"}; // a user code without referent entry
    Security(1, {{"GLVNMN", "500"}});
    Book({});
    const TOblimRow row = Value();
    EXPECT_EQ(row.VKNT, "1");
    EXPECT_EQ(row.SFVP, 1);
    EXPECT_EQ(row.ISIN, "SI0031100001");
    EXPECT_EQ(row.SFGLVENT, "%");
    EXPECT_EQ(row.IDPOG, 10);
    EXPECT_EQ(row.ZNESNOM, 500);
    EXPECT_EQ(row.VP_BORZNAOZN, "OBV1");
    EXPECT_EQ(row.ID_STO, "T1");
    EXPECT_EQ(row.ORGEN, "100");
    EXPECT_EQ(row.ID_APLI, "34");
    EXPECT_EQ(row.DAT_STANJA, "15.03.2024");
    EXPECT_EQ(row.SM, "SM01");
    EXPECT_EQ(row.ID_REFE, "REF0001-LJ");
    EXPECT_EQ(row.DAT_VPISA, FormatShortDate(Today()));
    EXPECT_EQ(row.ID_KONTO, "2010");
    EXPECT_EQ(row.ECB_ELIGIBLE_DN, "D");
}

TEST_F(Identity, SecurityAccountTakesTheIssuerCodeUntrimmedAndCut) {
    // The issuer's code has ten characters, two of them leading blanks.
    Security(1);
    Book({});
    EXPECT_EQ(Value().ID_KOM, "  ISS000");
}

TEST_F(Identity, IssuerCodeIsCutToWholeCharactersWithinTheColumnsEightBytes) {
    Security(1);
    Book({});
    const std::pair<const char*, const char*> cases[] = {
        {"ČŽŠČŽŠČŽŠ", "ČŽŠČ"}, {"ABCDEFGČX", "ABCDEFG"}, {"ABCDEFGHČ", "ABCDEFGH"}, {"ABCDEFČ", "ABCDEFČ"}};
    for (const auto& [issuer, code] : cases) {
        Run({std::string("UPDATE OSB SET KRTBNK = '") + issuer + "' WHERE SFOSB = 1"});
        EXPECT_EQ(Value().ID_KOM, code) << issuer;
    }
}

TEST_F(Identity, DealIdsPast32BitsReachTheContractKeyAndTheHoldingLookup) {
    Security(1);
    for (const char* deal : {"2147483647", "2147483648", "999999999999"}) {
        Run({"DELETE FROM KNJIZBE", "DELETE FROM VPHST"});
        Book({.idvp = deal});
        Insert("VPHST", {{"SFVP", "1"},
                         {"DAN", "'15.03.2024'"},
                         {"IDVP", deal},
                         {"IDPOG", "10"},
                         {"SFSVP", "'L'"},
                         {"LOT", "7"},
                         {"GLVTCJNKP", "98.5"}});
        const TOblimRow row = Value();
        EXPECT_EQ(row.POGODBA, std::string("10") + deal + "OBV1");
        EXPECT_EQ(row.ZNSPNC, 98.5) << deal;
    }
}

TEST_F(Identity, DealAccountTakesTheCounterpartyCodeTrimmed) {
    Security(1);
    Book({.konto = 601});
    EXPECT_EQ(Value().ID_KOM, "CP0042");
}

TEST_F(Identity, FixedContractsHaveFixedCounterpartyAndContractKeys) {
    Security(1);
    for (const auto& [contract, code, key] :
         {std::tuple{44229, "00044229", "44229"}, std::tuple{4790, "00004790", "4790"},
          // 25283 keeps the general contract key.
          std::tuple{25283, "00025283", "25283100OBV1"}}) {
        Run({"DELETE FROM KNJIZBE"});
        Book({.idpog = contract});
        const TOblimRow row = Value();
        EXPECT_EQ(row.ID_KOM, code) << contract;
        EXPECT_EQ(row.POGODBA, key) << contract;
    }
}

TEST_F(Identity, ContractKeyJoinsContractDealAndTrimmedSecurityCode) {
    Security(1, {{"KRT", "'  OBV1  '"}});
    Book({});
    EXPECT_EQ(Value().POGODBA, "10100OBV1");
}

TEST_F(Identity, ContractKeyIsCutToThirtyCharacters) {
    Security(1, {{"KRT", "'ABCDEFGHIJKLMNOPQRSTUVWXYZ0123'"}});
    Book({});
    EXPECT_EQ(Value().POGODBA, "10100ABCDEFGHIJKLMNOPQRSTUVWXY");
}

TEST_F(Identity, InstrumentGAndGroupedAccountsKeyByContractOnly) {
    Security(1, {{"SFFIN", "'G'"}});
    Security(2);
    Book({});
    // Account 202 groups its rows: the key is the contract whatever the instrument.
    Book({.konto = 202, .vp = 2, .idvp = "200"});
    // The fixed key of 4790 gives way to the grouping as well.
    Book({.konto = 202, .vp = 2, .idvp = "201", .idpog = 4790});
    const std::vector<TOblimRow> rows = ValueAll();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].POGODBA, "10");
    EXPECT_EQ(rows[1].POGODBA, "10");
    EXPECT_EQ(rows[2].POGODBA, "4790");
    EXPECT_EQ(rows[2].ID_KOM, "00004790");
}

TEST_F(Identity, MaturityTypeByInstrumentClass) {
    const std::tuple<const char*, int, int, const char*> cases[] = {
        {"'OBV'", 10, 201, "30"},    {"'KOM'", 10, 201, "30"}, {"'ZAP'", 10, 201, "30"},
        {"'PID'", 10, 201, "31"},    {"'DEL'", 10, 201, "31"}, {"'DEL'", 64398, 201, "32"},
        {"'PID'", 64398, 201, "32"}, {"NULL", 10, 201, ""},    {"'DEL'", 10, 601, "33"}};
    for (const auto& [instrument, contract, account, expected] : cases) {
        Run({"DELETE FROM KNJIZBE", "DELETE FROM SFVP"});
        Security(1, {{"SFFIN", instrument}});
        Book({.konto = account, .idpog = contract});
        EXPECT_EQ(Value().ID_MAT_TIP, expected) << instrument << " " << contract << " " << account;
    }
}

} // namespace
