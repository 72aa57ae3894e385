// The layout decisions of the export: columns of fields with display-text handlers, the schema
// file's field lines with their running offsets, the save dialog's filters and the code page.
#include "ExportTestData.h"

#include "platform/localdb/export/CodePage1250.h"
#include "platform/localdb/export/DataSetExport.h"
#include "platform/localdb/export/ExportField.h"
#include "platform/localdb/export/FixedTextWriter.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"

#include <fstream>

#include <gtest/gtest.h>

namespace {

TEST(ExportLayout, FieldsWithADisplayHandlerBecomeTextOfTheirDisplayWidth) {
    const auto source = MakeExportSource();
    const auto fields = ExportFieldsOf(*source);
    ASSERT_EQ(fields.size(), 5u);
    EXPECT_EQ(fields[4].Name, "LOT");
    EXPECT_EQ(fields[4].DataType, TFieldType::ftString);
    EXPECT_EQ(fields[4].Size, 8);
    EXPECT_EQ(fields[2].DataType, TFieldType::ftFloat);
}

TEST(ExportLayout, SchemaLinesCarryTypeWidthDecimalsAndRunningOffset) {
    const std::vector<TExportField> fields{{"A", TFieldType::ftString, 12}, {"B", TFieldType::ftSmallint},
                                           {"C", TFieldType::ftInteger},    {"D", TFieldType::ftCurrency},
                                           {"E", TFieldType::ftDateTime},   {"F", TFieldType::ftTime},
                                           {"G", TFieldType::ftMemo}};
    EXPECT_EQ(SchemaText("T", fields), "[T]\nFiletype=Fixed\nDelimiter=\"\nSeparator=,\nCharSet=UTF-8\n"
                                       "Field1=A,CHAR,12,00,00\n"
                                       "Field2=B,SHORTINT,6,00,12\n"
                                       "Field3=C,LONGINT,11,00,18\n"
                                       "Field4=D,NUMBER,20,02,29\n"
                                       "Field5=E,TIMESTAMP,19,00,49\n"
                                       "Field6=F,TIME,8,00,68\n"
                                       "Field7=G,CHAR,255,00,76\n");
    EXPECT_EQ(SchemaFileName("/x/y/report.TXT"), "/x/y/report.sch");
}

TEST(ExportLayout, FilterIndexChoosesTheFormat) {
    EXPECT_EQ(ExportFormatOfFilter(1), TExportFormat::efDBase);
    EXPECT_EQ(ExportFormatOfFilter(2), TExportFormat::efParadox);
    EXPECT_EQ(ExportFormatOfFilter(3), TExportFormat::efText);
}

// The overwrite question is asked for the name that is written, the suffix already on it.
TEST(ExportLayout, TheFinalFileNameCarriesTheSuffixAndAnExistingOneIsAskedFor) {
    const std::string folder = FreshFolder("export_name").string();
    EXPECT_EQ(ExportFileName(folder + "/pozicije", TExportFormat::efDBase), folder + "/pozicije.dbf");
    EXPECT_EQ(ExportFileName(folder + "/pozicije", TExportFormat::efParadox), folder + "/pozicije.db");
    EXPECT_EQ(ExportFileName(folder + "/pozicije", TExportFormat::efText), folder + "/pozicije.txt");
    EXPECT_EQ(ExportFileName(folder + "/pozicije.DBF", TExportFormat::efDBase), folder + "/pozicije.DBF");

    const std::string existing = ExportFileName(folder + "/pozicije", TExportFormat::efDBase);
    std::ofstream(existing) << "x";
    TRecordingUi ui;
    TScopedUi scopedUi(ui);
    EXPECT_TRUE(MayWriteExportFile(folder + "/drugo.dbf"));
    EXPECT_TRUE(ui.Questions.empty());
    ui.Answers = {false, true};
    EXPECT_FALSE(MayWriteExportFile(existing));
    EXPECT_TRUE(MayWriteExportFile(existing));
    ASSERT_EQ(ui.Questions.size(), 2u);
    EXPECT_EQ(ui.Questions[0], "Datoteka " + existing + " že obstaja. Jo želite zamenjati?");
}

TEST(ExportLayout, Windows1250RoundTripsSloveneAndMarksWhatItLacks) {
    EXPECT_EQ(Utf8ToCp1250("čšž ČŠŽ"), "\xE8\x9A\x9E \xC8\x8A\x8E");
    EXPECT_EQ(Cp1250ToUtf8(Utf8ToCp1250("Tečaj €")), "Tečaj €");
    EXPECT_EQ(Utf8ToCp1250("a中b"), "a?b");
}

} // namespace
