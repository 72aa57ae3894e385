// Local tables: creation from definitions, write-through of posted records, index definitions
// read back in creation order, and the re-sort by index field names.
#include "platform/localdb/Table.h"

#include "platform/dataset/DatabaseError.h"

#include <gtest/gtest.h>

namespace {

class TableTest : public ::testing::Test {
protected:
    TLocalDatabase db{":memory:"};

    std::unique_ptr<TTable> CreatePeople(const std::string& name = "PEOPLE") {
        auto table = std::make_unique<TTable>(db, name);
        table->FieldDefs().Add("NAME", TFieldType::ftString, 20);
        table->FieldDefs().Add("AGE", TFieldType::ftInteger);
        table->FieldDefs().Add("BORN", TFieldType::ftDate);
        table->IndexDefs().Add("ByAge", "AGE");
        table->IndexDefs().Add("ByNameAge", "NAME;AGE");
        table->CreateTable();
        table->Open();
        for (auto [person, age] : {std::pair{"Cene", 40}, {"Ana", 30}, {"Bor", 20}}) {
            table->Append();
            table->FieldByName("NAME").SetAsString(person);
            table->FieldByName("AGE").SetAsInteger(age);
            table->FieldByName("BORN").SetAsDateTime(40000 + age);
            table->Post();
        }
        return table;
    }

    static std::vector<std::string> Names(TTable& table) {
        std::vector<std::string> names;
        for (table.First(); !table.Eof(); table.Next())
            names.push_back(table.FieldByName("NAME").AsString());
        return names;
    }
};

TEST_F(TableTest, PostedRecordsAreStoredAndReadBackWithTheirTypes) {
    auto table = CreatePeople();
    table->First();
    table->Edit();
    table->FieldByName("AGE").SetAsInteger(41);
    table->Post();
    table->Last();
    table->Delete();
    table->Close();

    TTable reopened(db, "PEOPLE"); // definitions come from the stored columns
    reopened.Open();
    EXPECT_EQ(Names(reopened), (std::vector<std::string>{"Cene", "Ana"}));
    reopened.First();
    EXPECT_EQ(reopened.FieldByName("AGE").AsInteger(), 41);
    EXPECT_EQ(reopened.FieldByName("BORN").DataType(), TFieldType::ftDate);
    EXPECT_DOUBLE_EQ(reopened.FieldByName("BORN").AsDateTime(), 40040);
    EXPECT_EQ(reopened.FieldByName("NAME").Size(), 20);
}

TEST_F(TableTest, IndexFieldNamesResortAnOpenTableAndNameTheCurrentIndex) {
    auto table = CreatePeople();
    table->SetIndexFieldNames("AGE");
    EXPECT_EQ(Names(*table), (std::vector<std::string>{"Bor", "Ana", "Cene"}));
    table->SetIndexFieldNames("NAME;AGE");
    EXPECT_EQ(Names(*table), (std::vector<std::string>{"Ana", "Bor", "Cene"}));
    ASSERT_EQ(table->IndexFieldCount(), 2);
    EXPECT_EQ(table->IndexFields(1).FieldName(), "AGE");

    EXPECT_THROW(table->SetIndexFieldNames("MISSING"), EDatabaseError);
    EXPECT_EQ(table->IndexFieldNames(), "NAME;AGE");
}

TEST_F(TableTest, IndexDefinitionsReadBackInCreationOrder) {
    auto table = CreatePeople();
    table->IndexDefs().Clear();
    table->UpdateIndexDefs();
    ASSERT_EQ(table->IndexDefs().Count(), 2);
    EXPECT_EQ(table->IndexDefs()[0].Name, "ByAge");
    EXPECT_EQ(table->IndexDefs()[1].Fields, "NAME;AGE");
}

TEST_F(TableTest, CreateAndDeleteOnRequestAndNamesCannotBreakOutOfQuoting) {
    auto table = CreatePeople("odd\"name; DROP TABLE x");
    EXPECT_TRUE(table->Exists());
    table->Close();
    table->DeleteTable();
    EXPECT_FALSE(table->Exists());
    EXPECT_THROW(table->Open(), EDatabaseError);

    table->IndexDefs().Add("ByNothing", "NAME;NOSUCH");
    EXPECT_THROW(table->CreateTable(), EDatabaseError);
}

TEST(SplitFieldNamesTest, DropsEmptyPiecesAndBlanks) {
    EXPECT_EQ(SplitFieldNames(" A;;B ;"), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(SplitFieldNames("").empty());
}

} // namespace
