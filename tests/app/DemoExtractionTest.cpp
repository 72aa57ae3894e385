// The extraction over a demo database of 2,000 positions: rows of both account classes for its
// report day, with the generator's special cases arriving as the valuation will meet them.
#include "tests/app/DemoDay.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

TEST(DemoExtraction, BothAccountClassesForTheDemoDay) {
    apptest::TDemoDay demo("app-demo", 2000);
    TDataModule& dm = demo.DM;
    std::map<std::string, int> byClass;
    std::set<std::string> codes;
    for (; !dm.Q1.Eof(); dm.Q1.Next()) {
        ++byClass[dm.Q1.FieldByName("VKNT").AsString()];
        codes.insert(dm.Q1.FieldByName("SFVPKRT").AsString());
    }
    EXPECT_GT(byClass["1"], 1000);
    EXPECT_GT(byClass["6"], 100);
    EXPECT_EQ(byClass.size(), 2u);
    EXPECT_TRUE(codes.count("A_"));
    EXPECT_TRUE(codes.count("NLBR"));
    EXPECT_FALSE(codes.count("A_SB"));
}

} // namespace
