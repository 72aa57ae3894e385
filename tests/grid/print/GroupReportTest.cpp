// The grouping form's queries run by the local engine over a copy of a dataset: total rows and
// their ordering by type, the single copy, LOT in the copy and in the export, Cancel during the
// copy, and the temporary table's life.
#include "grid/print/GroupReport.h"
#include "grid/print/GroupResult.h"
#include "platform/localdb/export/ExportField.h"
#include "platform/localdb/temp/LocalDates.h"
#include "platform/localdb/temp/PlaceholderCollation.h"
#include "platform/settings/Exceptions.h"
#include "platform/settings/Locale.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

class GroupReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        Locale() = TLocale::Slovenian();
        InstallPlaceholderCollation(db);
        source.FieldDefs().Add("VRSTA", TFieldType::ftString, 8);
        source.FieldDefs().Add("RAZRED", TFieldType::ftInteger);
        source.FieldDefs().Add("DAN", TFieldType::ftDate);
        source.FieldDefs().Add("ZNESEK", TFieldType::ftFloat);
        source.FieldDefs().Add("LOT", TFieldType::ftFloat);
        source.Open();
        source.FieldByName("LOT").SetOnGetText(
            [](const TField& f) { return std::to_string(f.AsInteger()) + " lot"; });
        Add("Žito", 5, 3, 10.0, 1);
        Add("Čebula", 100, 1, 20.0, 2);
        Add("Čebula", -40000, 2, 30.0, 3);
        Add("Zelje", 5, 1, 40.0, 4);
    }

    void Add(const char* kind, int grade, int day, double amount, int lot) {
        source.Append();
        source.FieldByName("VRSTA").SetAsString(kind);
        source.FieldByName("RAZRED").SetAsInteger(grade);
        source.FieldByName("DAN").SetAsDateTime(EncodeDate(2026, 1, day));
        source.FieldByName("ZNESEK").SetAsFloat(amount);
        source.FieldByName("LOT").SetAsFloat(lot);
        source.Post();
    }

    // The display texts of a result column, top to bottom.
    static std::vector<std::string> Column(TDataSet& result, const char* name) {
        std::vector<std::string> texts;
        for (result.First(); !result.Eof(); result.Next())
            texts.push_back(result.FieldByName(name).DisplayText());
        return texts;
    }

    // Groups by the named fields (with subtotals), sums ZNESEK and counts.
    void GroupBy(std::initializer_list<const char*> names) {
        report.Prepare(source);
        report.Settings().Clear();
        for (const char* name : names)
            report.Settings().AddGroup(report.Temp().FieldByName(name), true);
        report.Settings().AddSum(report.Temp().FieldByName("ZNESEK"), 1);
        report.Settings().AddSum(report.Temp().FieldByName("N"), 1);
        report.TotalMarker() = "Skupaj";
    }

    TRecordingUi ui;
    TScopedUi scopedUi{ui};
    TLocalDatabase db{":memory:"};
    TMemDataSet source{"SRC"};
    TGroupReport report{db, "/private"};
};

TEST_F(GroupReportTest, StringTotalsSortAfterEveryLetterIncludingCaronLetters) {
    GroupBy({"VRSTA"});
    report.RunSortQuery();
    EXPECT_EQ(Column(report.Sorted(), "VRSTA"),
              (std::vector<std::string>{"Zelje", "Čebula", "Čebula", "Žito", "Skupaj"}));
    EXPECT_EQ(Column(report.Sorted(), "ZNESEK").back(), "100");
    EXPECT_EQ(report.Sorted().FieldByName("ZNESEK").DisplayLabel(), "SUM ZNESEK");
}

TEST_F(GroupReportTest, IntegerTotalsSortAtMinus32000BeforeLargerValues) {
    GroupBy({"RAZRED"});
    report.RunSortQuery();
    EXPECT_EQ(Column(report.Sorted(), "RAZRED"),
              (std::vector<std::string>{"-40000", "Skupaj", "5", "5", "100"}));
    report.RunGroupQuery();
    EXPECT_EQ(Column(report.Grouped(), "RAZRED"), (std::vector<std::string>{"-40000", "Skupaj", "5", "100"}));
    EXPECT_EQ(Column(report.Grouped(), "N"), (std::vector<std::string>{"1", "4", "2", "1"}));
}

TEST_F(GroupReportTest, DateTotalsReadAsTheirDateAndSortLast) {
    GroupBy({"DAN"});
    report.RunGroupQuery();
    EXPECT_EQ(Column(report.Grouped(), "DAN"),
              (std::vector<std::string>{"01.01.2026", "02.01.2026", "03.01.2026", "Skupaj"}));
    report.Grouped().Last();
    EXPECT_DOUBLE_EQ(report.Grouped().FieldByName("DAN").AsDateTime(), EncodeDate(2999, 3, 10));
}

TEST_F(GroupReportTest, GroupQueryGivesSubtotalsPerLevelAndAGrandTotal) {
    GroupBy({"VRSTA", "RAZRED"});
    report.RunGroupQuery();
    EXPECT_EQ(
        Column(report.Grouped(), "VRSTA"),
        (std::vector<std::string>{"Zelje", "Zelje", "Čebula", "Čebula", "Čebula", "Žito", "Žito", "Skupaj"}));
    EXPECT_EQ(Column(report.Grouped(), "RAZRED"),
              (std::vector<std::string>{"Skupaj", "5", "-40000", "Skupaj", "100", "Skupaj", "5", "Skupaj"}))
        << "an integer subtotal (-32000) comes before the values above it";
    EXPECT_EQ(Column(report.Grouped(), "ZNESEK"),
              (std::vector<std::string>{"40", "40", "30", "50", "20", "10", "10", "100"}));
}

TEST_F(GroupReportTest, SumsAndAveragesOfAmountsShowNoBinaryResidueAndFitTheirColumn) {
    for (double amount : {-605277756.46, 52381396.35, 357096350.03, 158692396.07})
        Add("Sol", 1, 1, amount, 5);
    GroupBy({"VRSTA"});
    report.Settings().AddSum(report.Temp().FieldByName("LOT"), 2);
    report.RunGroupQuery();
    report.Grouped().First();
    EXPECT_EQ(report.Grouped().FieldByName("ZNESEK").DisplayText(), "-37107614,01")
        << "not -37107614,0100001";
    EXPECT_EQ(report.Grouped().FieldByName("LOT").DisplayText(), "5");
    report.RunSortQuery();
    report.Sorted().Last();
    EXPECT_EQ(report.Sorted().FieldByName("ZNESEK").DisplayText(), "-37107514,01");
    EXPECT_EQ(report.Sorted().FieldByName("ZNESEK").DisplayWidth(), 13) << "-605277756,46 is not cut";
}

TEST_F(GroupReportTest, TwoSortQueriesCopyTheDataOnce) {
    GroupBy({"VRSTA"});
    report.RunSortQuery();
    report.RunSortQuery();
    report.RunGroupQuery();
    EXPECT_EQ(std::count(ui.ProgressCalls.begin(), ui.ProgressCalls.end(), "Start Copy to local table 4"), 1);
    EXPECT_TRUE(report.Copied());
    report.Prepare(source);
    EXPECT_FALSE(report.Copied());
}

TEST_F(GroupReportTest, LotKeepsItsValueInTheCopyButIsExportedAsText) {
    GroupBy({"VRSTA"});
    report.RunSortQuery();
    TField& lot = report.Temp().FieldByName("LOT");
    EXPECT_EQ(lot.DataType(), TFieldType::ftFloat);
    report.Temp().First();
    EXPECT_DOUBLE_EQ(lot.AsFloat(), 1.0);
    const auto exported = ExportFieldsOf(source);
    EXPECT_EQ(exported.back().DataType, TFieldType::ftString);
    source.First();
    EXPECT_EQ(ExportValueOf(source.FieldByName("LOT")).Text(), "1 lot");
}

TEST_F(GroupReportTest, OtherFieldsWithADisplayHandlerAreCopiedAsTheirText) {
    source.FieldByName("RAZRED").SetOnGetText([](const TField& f) { return "r" + f.AsString(); });
    source.FieldByName("RAZRED").SetDisplayWidth(7);
    GroupBy({"RAZRED"});
    EXPECT_EQ(report.Temp().FieldByName("RAZRED").DataType(), TFieldType::ftString);
    EXPECT_EQ(report.Temp().FieldByName("RAZRED").Size(), 7);
    report.RunSortQuery();
    EXPECT_EQ(Column(report.Sorted(), "RAZRED").front(), "r-40000");
}

TEST_F(GroupReportTest, CancelDuringTheCopyLeavesNothingCopiedAndRestoresTheSource) {
    GroupBy({"VRSTA"});
    source.SetRecNo(3);
    ui.CancelAtStep = 2;
    EXPECT_THROW(report.RunSortQuery(), EAbort);
    EXPECT_FALSE(report.Copied());
    EXPECT_EQ(source.RecNo(), 3);
    EXPECT_FALSE(source.ControlsDisabled());
    EXPECT_FALSE(report.Temp().ControlsDisabled());
    EXPECT_EQ(ui.WaitCursorDepth, 0);
    EXPECT_EQ(ui.ProgressCalls.back(), "Stop");
    EXPECT_TRUE(report.Temp().IsEmpty());

    ui.CancelAtStep = 0;
    report.RunSortQuery();
    report.Sorted().Last();
    EXPECT_EQ(report.Sorted().FieldByName("N").AsInteger(), 4)
        << "the rows of the broken copy do not count again";
}

TEST_F(GroupReportTest, TemporaryTableLivesFromPrepareUntilDiscard) {
    report.Prepare(source);
    const std::string name = report.Temp().TableName();
    EXPECT_EQ(name.rfind("/private/_TMP", 0), 0u) << name;
    EXPECT_TRUE(report.Temp().Exists());
    report.Prepare(source);
    EXPECT_NE(report.Temp().TableName(), name) << "each table takes the next number";
    TTable old(db, name);
    EXPECT_FALSE(old.Exists()) << "a new Prepare deletes the previous table";
    const std::string current = report.Temp().TableName();
    report.Discard();
    EXPECT_FALSE(TTable(db, current).Exists());
}

TEST(TempTableName, PrivateDirectoryPrefixesTheName) {
    EXPECT_EQ(TempTableName("/tmp/p", 3), "/tmp/p/_TMP3");
    EXPECT_EQ(TempTableName("", 0), "_TMP0");
}

TEST(PlaceholderCollation, PlaceholderCharacterSortsAfterEveryOther) {
    EXPECT_GT(ComparePlaceholderLast("ÿ", "ž"), 0);
    EXPECT_GT(ComparePlaceholderLast("ÿ", "\xE4\xB8\xAD"), 0);
    EXPECT_LT(ComparePlaceholderLast("Z", "Č"), 0);
    EXPECT_LT(ComparePlaceholderLast("ab", "abc"), 0);
    EXPECT_EQ(ComparePlaceholderLast("ÿÿ", "ÿÿ"), 0);
}

TEST(LocalDates, QueryLiteralsAndStoredTextsReadAsTheSameDates) {
    TDateTime value = 0;
    ASSERT_TRUE(ParseDateText("03/10/2999", value));
    EXPECT_DOUBLE_EQ(value, EncodeDate(2999, 3, 10));
    ASSERT_TRUE(ParseDateText("2999-03-10 10:10:10", value));
    EXPECT_DOUBLE_EQ(value, EncodeDate(2999, 3, 10) + EncodeTime(10, 10, 10, 0));
    EXPECT_FALSE(ParseDateText("13/40/2999", value));
    EXPECT_FALSE(ParseDateText("Čebula", value));
    EXPECT_EQ(WithStoredDateLiterals("SELECT '03/10/2999' AS D,'03/10/2999 10:10:10' AS T,'x/y' FROM t"),
              "SELECT '2999-03-10' AS D,'2999-03-10 10:10:10' AS T,'x/y' FROM t");
    EXPECT_EQ(StoredDateText(TFieldType::ftDate, EncodeDate(2026, 1, 2) + 0.5), "2026-01-02");
}

TEST_F(GroupReportTest, TemporaryTableStoresDatesAsTextAndKeepsThemAsDates) {
    GroupBy({"DAN"});
    report.RunSortQuery();
    TLocalStatement stored(db,
                           "SELECT DAN, typeof(DAN) FROM " + report.Temp().QuotedName() + " ORDER BY DAN");
    ASSERT_TRUE(stored.Step());
    EXPECT_EQ(stored.ColumnText(0), "2026-01-01");
    EXPECT_EQ(stored.ColumnText(1), "text");
    report.Temp().First();
    EXPECT_DOUBLE_EQ(report.Temp().FieldByName("DAN").AsDateTime(), EncodeDate(2026, 1, 3));
}

} // namespace
