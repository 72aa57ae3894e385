// Every source row of a demo database of 300 positions goes through the valuation as the run
// sends it: no row fails, every row has its stamp and classes, and the generator's special cases
// (fixed contracts, accounts 257/379 and "0909", the currency without rates) come out as such.
#include "app/Valuation.h"
#include "tests/app/DemoDay.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

TEST(DemoValuation, EverySourceRowIsValuedWithItsSpecialCases) {
    apptest::TDemoDay demo("app-demo-valuation", 300);
    TDataModule& dm = demo.DM;
    TRunContext& context = demo.Context;
    TRowOutput output;
    std::map<std::string, int> maturityTypes;
    const std::map<int, std::string> fixedCodes = {
        {44229, "00044229"}, {4790, "00004790"}, {25283, "00025283"}};
    std::set<int> fixedContracts, specialAccounts, type32Contracts;
    int unconverted = 0;
    for (; !dm.Q1.Eof(); dm.Q1.Next()) {
        output.OblimRow.OPKRTBNK = dm.Q1.FieldByName("OPKRTBNK").AsString();
        const std::string vknt = dm.Q1.FieldByName("VKNT").AsString();
        ASSERT_NO_THROW(PolniPodatke(context, output, KindLetterFromVknt(vknt)));
        const TOblimRow& row = output.OblimRow;
        EXPECT_EQ(row.DAT_STANJA, "15.03.2024");
        ++maturityTypes[vknt + ":" + row.ID_MAT_TIP];
        if (row.ID_MAT_TIP == "32")
            type32Contracts.insert(row.IDPOG);
        if (fixedCodes.count(row.IDPOG)) {
            fixedContracts.insert(row.IDPOG);
            EXPECT_EQ(row.ID_KOM, fixedCodes.at(row.IDPOG));
            EXPECT_EQ(row.DAT_ZAPADLOSTI, vknt == "6" ? row.DAT_OTVORITVE : "15.03.2024");
        }
        const int account = dm.Q1.FieldByName("KKONTO").AsInteger();
        if (account == 257 || account == 379) {
            specialAccounts.insert(account);
            EXPECT_EQ(row.ECB_38, "2");
        }
        if (account == 246) {
            specialAccounts.insert(account);
            EXPECT_EQ(row.DAT_OTVORITVE, "15.03.2024");
            EXPECT_EQ(row.DAT_ZAPAD_POSLA, "15.03.2024");
        }
        if (dm.Q1.FieldByName("KVALUTA").AsString() == "H") {
            ++unconverted;
            EXPECT_EQ(row.ZNSDOMVAL, row.ZNSVAL);
        }
    }
    EXPECT_EQ(demo.RecordingUi.Messages, std::vector<std::string>{});
    EXPECT_EQ(fixedContracts.size(), 3u);
    EXPECT_EQ(specialAccounts, (std::set<int>{246, 257, 379}));
    EXPECT_GT(unconverted, 0);
    EXPECT_GT(maturityTypes["1:30"], 0);
    EXPECT_GT(maturityTypes["1:31"], 0);
    EXPECT_EQ(type32Contracts, std::set<int>{64398});
    EXPECT_GT(maturityTypes["6:33"], 0);
}

} // namespace
