// The query texts of the grouping form, line by line, and the default choices they start from.
#include "grid/print/GroupQuery.h"
#include "grid/print/GroupSettings.h"
#include "platform/dataset/MemDataSet.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;
const std::string Table = "\"/p/_TMP0\"";

TEST(GroupQueryText, WithoutGroupsNoOrderAndNoGroupBy) {
    const std::vector<TSumColumn> sums{{"ZNESEK", 1}, {"N", 1}};
    EXPECT_EQ(SortQueryText({}, sums, Table),
              (Lines{"SELECT ZNESEK,N FROM " + Table, "UNION ALL",
                     "SELECT SUM(ZNESEK) AS ZNESEK,SUM(N) AS N FROM " + Table}));
    EXPECT_EQ(GroupQueryText({}, sums, Table),
              (Lines{"SELECT SUM(ZNESEK) AS ZNESEK,SUM(N) AS N", "FROM " + Table}));
}

TEST(GroupQueryText, SubtotalGroupsGiveOneBranchEachAndMergeThoseWithout) {
    const std::vector<TGroupColumn> groups{{"A", TFieldType::ftString, 2, true},
                                           {"B", TFieldType::ftInteger, 0, false},
                                           {"C", TFieldType::ftDate, 0, true}};
    const std::vector<TSumColumn> sums{{"X", 2}, {"N", 1}};
    EXPECT_EQ(
        GroupQueryText(groups, sums, Table),
        (Lines{"SELECT 'ÿÿ' AS A,CAST(-32000 AS INTEGER) AS B,'03/10/2999' AS C,AVG(X) AS X,SUM(N) AS N",
               "FROM " + Table, "UNION", "SELECT A,B,'03/10/2999' AS C,AVG(X) AS X,SUM(N) AS N",
               "FROM " + Table, "GROUP BY A,B", "UNION", "SELECT A,B,C,AVG(X) AS X,SUM(N) AS N",
               "FROM " + Table, "GROUP BY A,B,C", "ORDER BY A,B,C"}));
    EXPECT_EQ(
        SortQueryText(groups, sums, Table),
        (Lines{
            "SELECT A,B,C,X,N FROM " + Table, "UNION ALL",
            "SELECT 'ÿÿ' AS A,CAST(-32000 AS INTEGER) AS B,'03/10/2999' AS C,AVG(X) AS X,SUM(N) AS N FROM " +
                Table,
            "ORDER BY A,B,C"}));
}

TEST(GroupQueryText, LeadingGroupWithoutSubtotalKeysTheGrandTotal) {
    const std::vector<TGroupColumn> groups{{"A", TFieldType::ftString, 1, false},
                                           {"B", TFieldType::ftFloat, 0, true}};
    EXPECT_EQ(
        GroupQueryText(groups, {{"N", 1}}, Table),
        (Lines{"SELECT A,CAST(68719476736+0 AS NUMERIC) AS B,SUM(N) AS N", "FROM " + Table, "GROUP BY A",
               "UNION", "SELECT A,B,SUM(N) AS N", "FROM " + Table, "GROUP BY A,B", "ORDER BY A,B"}));
}

TEST(GroupQueryText, PlaceholdersByTypeAndNamesThatAreNoIdentifiersQuoted) {
    EXPECT_EQ(GroupPlaceholder({"T", TFieldType::ftDateTime}), "'03/10/2999 10:10:10' AS T");
    EXPECT_EQ(GroupPlaceholder({"M", TFieldType::ftMemo}), "");
    EXPECT_EQ(SqlName("DAT_OTVORITVE"), "DAT_OTVORITVE");
    EXPECT_EQ(SqlName("#"), "\"#\"");
    EXPECT_EQ(SqlName("a\" FROM x --"), "\"a\"\" FROM x --\"");
}

class GroupSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        temp.FieldDefs().Add("N", TFieldType::ftInteger);
        temp.FieldDefs().Add("VRSTA", TFieldType::ftString, 5);
        temp.FieldDefs().Add("DAN", TFieldType::ftDate);
        temp.FieldDefs().Add("ZNESEK", TFieldType::ftFloat);
        temp.FieldDefs().Add("KOMITENT", TFieldType::ftString, 5);
        temp.FieldDefs().Add("CENA", TFieldType::ftFloat);
        temp.Open();
        temp.FieldByName("CENA").SetDisplayLabel("Nabavna cena");
    }
    TMemDataSet temp;
    TGroupSettings settings;
};

TEST_F(GroupSettingsTest, DefaultAggregatesFollowTypeAndLabel) {
    EXPECT_EQ(DefaultAggregate(temp.FieldByName("CENA")), 2);
    EXPECT_EQ(DefaultAggregate(temp.FieldByName("ZNESEK")), 1);
    temp.FieldByName("ZNESEK").SetDisplayLabel("Tečaj EUR");
    EXPECT_EQ(DefaultAggregate(temp.FieldByName("ZNESEK")), 2);
    temp.FieldByName("ZNESEK").SetDisplayLabel("index rasti");
    EXPECT_EQ(DefaultAggregate(temp.FieldByName("ZNESEK")), 2);
    EXPECT_EQ(DefaultAggregate(temp.FieldByName("DAN")), 4);
    EXPECT_EQ(DefaultAggregate(temp.FieldByName("VRSTA")), 0);
}

TEST_F(GroupSettingsTest, AutoSetupGroupsTheLeadingKeysAndSumsLaterFloats) {
    settings.AutoSetup(temp);
    EXPECT_EQ(settings.GroupCaptions(), (std::vector<std::string>{"VRSTA", "DAN"}));
    EXPECT_EQ(settings.SumCaptions(), (std::vector<std::string>{"SUM ZNESEK", "AVG Nabavna cena", "SUM N"}));
    EXPECT_TRUE(settings.None().empty()) << "KOMITENT after the first float is left out of every list";
    settings.SetShowSumOp(false);
    EXPECT_EQ(settings.SumCaptions()[1], "Nabavna cena");
}

TEST_F(GroupSettingsTest, ClickOnTheLastTitleGroupsEveryFieldAndLeavesOnlyTheCount) {
    settings.TitleClick(temp, temp.FieldCount() - 1);
    EXPECT_EQ(settings.Groups().size(), 5u);
    ASSERT_EQ(settings.Sums().size(), 1u);
    EXPECT_EQ(settings.Sums()[0]->FieldName(), "N");
    EXPECT_EQ(temp.Fields(0).FieldName(), "N");
}

TEST_F(GroupSettingsTest, ClickOnATitleSplitsGroupsFromSummariesAndOrdersTheColumns) {
    settings.TitleClick(temp, 2); // VRSTA, DAN group; ZNESEK, CENA sums; KOMITENT none
    EXPECT_EQ(settings.GroupCaptions(), (std::vector<std::string>{"VRSTA", "DAN"}));
    EXPECT_EQ(settings.SumCaptions(), (std::vector<std::string>{"SUM ZNESEK", "AVG Nabavna cena", "SUM N"}));
    ASSERT_EQ(settings.None().size(), 1u);
    EXPECT_EQ(settings.None()[0]->FieldName(), "KOMITENT");
    std::vector<std::string> order;
    for (int i = 0; i < temp.FieldCount(); ++i)
        order.push_back(temp.Fields(i).FieldName());
    EXPECT_EQ(order, (std::vector<std::string>{"N", "VRSTA", "DAN", "ZNESEK", "KOMITENT", "CENA"}));
}

TEST_F(GroupSettingsTest, ListClicksToggleSubtotalAndCycleAggregates) {
    settings.AutoSetup(temp);
    settings.ToggleSubtotal(1);
    EXPECT_EQ(settings.GroupCaptions()[1], "××DAN");
    EXPECT_FALSE(settings.GroupColumns()[1].Subtotal);
    settings.ToggleSubtotal(1);
    EXPECT_TRUE(settings.GroupColumns()[1].Subtotal);
    std::vector<std::string> seen;
    for (int i = 0; i < 4; ++i) {
        settings.CycleAggregate(0);
        seen.push_back(settings.SumCaptions()[0]);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"AVG ZNESEK", "MIN ZNESEK", "MAX ZNESEK", "SUM ZNESEK"}));
}

TEST(ColumnMove, TheCountColumnStaysFirst) {
    EXPECT_EQ(SettledColumnIndex(0, 3), 0);
    EXPECT_EQ(SettledColumnIndex(3, 0), 1);
    EXPECT_EQ(SettledColumnIndex(3, 2), 2);
}

} // namespace
