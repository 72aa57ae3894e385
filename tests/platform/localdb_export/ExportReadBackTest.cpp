// Exported files read back through the libraries their readers use: dBase through shapelib,
// Paradox through pxlib, fixed-length text through its schema file. Also Cancel in the middle.
#include "ExportTestData.h"

#include "platform/localdb/export/CodePage1250.h"
#include "platform/localdb/export/DataSetExport.h"
#include "platform/localdb/export/ExportSettings.h"
#include "platform/localdb/export/FixedTextWriter.h"
#include "platform/localdb/export/ParadoxWriter.h"
#include "platform/settings/Exceptions.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"
#include "tests/support/PythonReads.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <optional>
extern "C" { // pxlib's header declares C functions without saying so
#include <paradox.h>
}
#include <shapefil.h>
#include <sstream>

namespace {

class ExportReadBack : public ::testing::Test {
protected:
    TRecordingUi ui;
    TScopedUi scopedUi{ui};
    std::unique_ptr<TMemDataSet> source = MakeExportSource();
};

TEST_F(ExportReadBack, DBaseHoldsTheRowsInWindows1250) {
    const std::string file = (FreshFolder("dbf") / "out.dbf").string();
    ExportDataSetToFile(*source, file, TExportFormat::efDBase);

    DBFHandle dbf = DBFOpen(file.c_str(), "rb");
    ASSERT_NE(dbf, nullptr);
    EXPECT_STREQ(DBFGetCodePage(dbf), "LDID/200");
    ASSERT_EQ(DBFGetFieldCount(dbf), 5) << "the hidden field stays out";
    ASSERT_EQ(DBFGetRecordCount(dbf), 2);
    char name[XBASE_FLDNAME_LEN_READ + 1];
    EXPECT_EQ(DBFGetFieldInfo(dbf, 4, name, nullptr, nullptr), FTString) << "LOT is written as its text";
    EXPECT_STREQ(name, "LOT");
    EXPECT_EQ(Cp1250ToUtf8(DBFReadStringAttribute(dbf, 0, 0)), "Čebula žametna");
    EXPECT_EQ(Cp1250ToUtf8(DBFReadStringAttribute(dbf, 1, 0)), "Šipek");
    EXPECT_EQ(DBFReadIntegerAttribute(dbf, 1, 1), -7);
    EXPECT_DOUBLE_EQ(DBFReadDoubleAttribute(dbf, 0, 2), 1.25);
    EXPECT_DOUBLE_EQ(DBFReadDoubleAttribute(dbf, 1, 2), 1000.5);
    EXPECT_STREQ(DBFReadStringAttribute(dbf, 0, 3), "20260101");
    EXPECT_TRUE(DBFIsAttributeNULL(dbf, 1, 3));
    EXPECT_STREQ(DBFReadStringAttribute(dbf, 1, 4), "10 lot");
    DBFClose(dbf);
}

TEST_F(ExportReadBack, DBaseNamesStayUniqueWithinTenCharactersAndTheHeaderIsDatedToday) {
    const std::vector<std::string> names{"DAT_STANJA",     "ID_SEQ_OBLIM", "DAT_STANJA_1",
                                         "ID_SEQ_OBLIM_1", "dat_stan_1",   "STEVILO_LOTOV"};
    TMemDataSet wide("OBLIM");
    for (const std::string& name : names)
        wide.FieldDefs().Add(name, TFieldType::ftInteger);
    wide.Open();
    wide.Append();
    for (int i = 0; i < wide.FieldCount(); ++i)
        wide.Fields(i).SetAsInteger(i + 1);
    wide.Post();
    const std::string file = (FreshFolder("dbf_names") / "names.dbf").string();
    ExportDataSetToFile(wide, file, TExportFormat::efDBase);

    DBFHandle dbf = DBFOpen(file.c_str(), "rb");
    ASSERT_NE(dbf, nullptr);
    const std::vector<std::string> expected{"DAT_STANJA", "ID_SEQ_OBL", "DAT_STAN_1",
                                            "ID_SEQ_O_1", "dat_stan_2", "STEVILO_LO"};
    ASSERT_EQ(DBFGetFieldCount(dbf), static_cast<int>(expected.size()));
    for (int i = 0; i < DBFGetFieldCount(dbf); ++i) {
        EXPECT_EQ(DBFGetFieldIndex(dbf, expected[static_cast<size_t>(i)].c_str()), i) << expected[i];
        EXPECT_EQ(DBFReadIntegerAttribute(dbf, 0, i), i + 1) << expected[i];
    }
    DBFClose(dbf);

    std::ifstream raw(file, std::ios::binary);
    unsigned char header[4] = {};
    raw.read(reinterpret_cast<char*>(header), sizeof header);
    const std::time_t now = std::time(nullptr);
    const std::tm today = *std::localtime(&now);
    EXPECT_EQ((std::vector<int>{header[1] + 1900, header[2], header[3]}),
              (std::vector<int>{today.tm_year + 1900, today.tm_mon + 1, today.tm_mday}));
}

TEST_F(ExportReadBack, ParadoxHoldsTheRowsInWindows1250) {
    const std::string file = (FreshFolder("db") / "out.db").string();
    ExportDataSetToFile(*source, file, TExportFormat::efParadox);

    pxdoc_t* px = PX_new();
    ASSERT_EQ(PX_open_file(px, file.c_str()), 0);
    EXPECT_EQ(px->px_head->px_doscodepage, 1250);
    ASSERT_EQ(PX_get_num_fields(px), 5);
    ASSERT_EQ(PX_get_num_records(px), 2);
    EXPECT_EQ(PX_get_field(px, 1)->px_ftype, pxfLong);
    EXPECT_EQ(PX_get_field(px, 4)->px_ftype, pxfAlpha);
    pxval_t** first = PX_retrieve_record(px, 0);
    pxval_t** second = PX_retrieve_record(px, 1);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(Cp1250ToUtf8(std::string(first[0]->value.str.val, first[0]->value.str.len)), "Čebula žametna");
    EXPECT_EQ(second[1]->value.lval, -7);
    EXPECT_DOUBLE_EQ(second[2]->value.dval, 1000.5);
    EXPECT_EQ(first[3]->value.lval, ParadoxDate(EncodeDate(2026, 1, 1)));
    EXPECT_EQ(first[3]->value.lval, PX_GregorianToSdn(2026, 1, 1) - 1721425);
    // A NULL date is stored as zero bytes, which pxlib hands back with only the sign bit flipped.
    EXPECT_TRUE(second[3]->isnull || second[3]->value.lval == -2147483648L);
    EXPECT_EQ(std::string(second[4]->value.str.val, second[4]->value.str.len), "10 lot");
    PX_close(px);
    PX_delete(px);
}

// The fields of a fixed-length line cut at the offsets and widths the schema names.
std::map<std::string, std::string> ReadFixedLine(const std::string& line, const std::string& schema) {
    std::u32string wide;
    for (size_t i = 0; i < line.size();) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        const size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        wide.push_back(c);
        i += length;
        wide.back() = static_cast<char32_t>(i); // end byte of this character
    }
    std::map<std::string, std::string> fields;
    std::istringstream lines(schema);
    for (std::string entry; std::getline(lines, entry);) {
        if (entry.rfind("Field", 0) != 0)
            continue;
        std::vector<std::string> parts;
        std::istringstream items(entry.substr(entry.find('=') + 1));
        for (std::string item; std::getline(items, item, ',');)
            parts.push_back(item);
        const size_t width = std::stoul(parts[2]), offset = std::stoul(parts[4]);
        const size_t from = offset ? wide[offset - 1] : 0, to = wide[offset + width - 1];
        std::string value = line.substr(from, to - from);
        value.erase(0, value.find_first_not_of(' '));
        value.erase(value.find_last_not_of(' ') + 1);
        fields[parts[0]] = value;
    }
    return fields;
}

TEST_F(ExportReadBack, FixedTextReadsBackThroughItsSchema) {
    const auto folder = FreshFolder("txt");
    const std::string file = (folder / "out.txt").string();
    ExportDataSetToFile(*source, file, TExportFormat::efText);

    std::ifstream schemaFile(folder / "out.sch");
    const std::string schema((std::istreambuf_iterator<char>(schemaFile)), {});
    EXPECT_EQ(schema.substr(0, schema.find("Field1")),
              "[out]\nFiletype=Fixed\nDelimiter=\"\nSeparator=,\nCharSet=UTF-8\n");
    std::ifstream data(file);
    std::vector<std::map<std::string, std::string>> rows;
    for (std::string line; std::getline(data, line);)
        rows.push_back(ReadFixedLine(line, schema));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0]["NAZIV"], "Čebula žametna");
    EXPECT_EQ(rows[0]["KOLICINA"], "3");
    EXPECT_EQ(rows[0]["CENA"], "1.250000");
    EXPECT_EQ(rows[0]["DATUM"], "01.01.2026");
    EXPECT_EQ(rows[0]["LOT"], "2 lot");
    EXPECT_EQ(rows[1]["NAZIV"], "Šipek");
    EXPECT_EQ(rows[1]["KOLICINA"], "-7");
    EXPECT_EQ(rows[1]["DATUM"], "");
    EXPECT_EQ(rows[1].count("SKRITO"), 0u);
}

TEST_F(ExportReadBack, CancelKeepsTheRecordsWrittenAndRestoresTheDataSet) {
    const std::string file = (FreshFolder("cancel") / "out.dbf").string();
    source->Last();
    ui.CancelAtStep = 1;
    EXPECT_THROW(ExportDataSetToFile(*source, file, TExportFormat::efDBase), EAbort);

    EXPECT_EQ(source->RecNo(), 2);
    EXPECT_FALSE(source->ControlsDisabled());
    EXPECT_EQ(ui.WaitCursorDepth, 0);
    EXPECT_EQ(ui.ProgressCalls, (std::vector<std::string>{"Start Export 2", "Step 1", "Stop"}));
    DBFHandle dbf = DBFOpen(file.c_str(), "rb");
    ASSERT_NE(dbf, nullptr);
    EXPECT_EQ(DBFGetRecordCount(dbf), 1);
    DBFClose(dbf);
}

// Python's own CSV reader and openpyxl, as spreadsheets would, read the grid's values back: CSV with
// its byte-order mark, ';' and decimal comma, a quote and a separator inside a text kept; XLSX with
// real number and date cells, the column's decimals in its format, a frozen heading and the title.
TEST_F(ExportReadBack, SpreadsheetsReadTheGridsValuesBack) {
    struct Row {
        const char* Name;
        std::optional<double> Amount;
        int Day; // of January 2026, 0 = empty
    };
    const Row rows[] = {
        {"Čebula", 1.25, 1}, {"Šipek; \"Ž\"", {}, 0}, {"Žir", -123456789.12, 31}, {"Kaki", 0.0001234567, 2}};
    TMemDataSet grid("OBLIM");
    grid.FieldDefs().Add("NAZIV", TFieldType::ftString, 20);
    grid.FieldDefs().Add("AM_VREDNOST", TFieldType::ftFloat);
    grid.FieldDefs().Add("DAT_STANJA", TFieldType::ftDateTime);
    grid.Open();
    for (const Row& row : rows) {
        grid.Append();
        grid.FieldByName("NAZIV").SetAsString(row.Name);
        if (row.Amount)
            grid.FieldByName("AM_VREDNOST").SetAsFloat(*row.Amount);
        if (row.Day)
            grid.FieldByName("DAT_STANJA").SetAsDateTime(EncodeDate(2026, 1, row.Day));
        grid.Post();
    }
    struct Case {
        TExportFormat Format;
        const char* File;
        const char* Script;
        std::vector<std::string> Read;
    };
    const Case cases[] = {
        {TExportFormat::efCsv,
         "grid.csv",
         "import sys, csv\n"
         "for r in csv.reader(open(sys.argv[1], encoding='utf-8-sig', newline=''), delimiter=';'):\n"
         "    print('|'.join(r))\n",
         {"NAZIV|AM_VREDNOST|DAT_STANJA", "Čebula|1,25|01.01.2026", "Šipek; \"Ž\"||",
          "Žir|-123456789,12|31.01.2026", "Kaki|0,0001234567|02.01.2026"}},
        {TExportFormat::efXlsx,
         "grid.xlsx",
         "import sys, openpyxl\n"
         "wb = openpyxl.load_workbook(sys.argv[1]); ws = wb.active\n"
         "print(wb.properties.title, ws.freeze_panes, ws['B2'].number_format, ws['C2'].number_format)\n"
         "for r in ws.iter_rows(values_only=True):\n"
         "    print('|'.join('' if v is None else v.isoformat() if hasattr(v, 'isoformat') else repr(v) "
         "for v in r))\n",
         {"OBLIM A2 #,##0.0000000000 dd.mm.yyyy", "'NAZIV'|'AM_VREDNOST'|'DAT_STANJA'",
          "'Čebula'|1.25|2026-01-01T00:00:00", "'Šipek; \"Ž\"'||", "'Žir'|-123456789.12|2026-01-31T00:00:00",
          "'Kaki'|0.0001234567|2026-01-02T00:00:00"}},
    };
    for (const Case& at : cases) {
        SCOPED_TRACE(at.File);
        const std::string file = (FreshFolder("spreadsheet") / at.File).string();
        ExportDataSetToFile(grid, file, at.Format);
        std::istringstream read(PythonReads(at.Script, file));
        for (const std::string& expected : at.Read) {
            std::string line;
            std::getline(read, line);
            EXPECT_EQ(line, expected);
        }
    }
}

} // namespace

// The profile's CSV style, the run's day and risk type in the spreadsheet's subject, a grouped
// report's total rows in bold; a style that would make the file unreadable is refused by its key.
TEST_F(ExportReadBack, ProfileStyleSubjectAndTotalRowsReachTheFiles) {
    TMemDataSet grid("Skupine");
    grid.FieldDefs().Add("VRSTA", TFieldType::ftString, 10);
    grid.FieldDefs().Add("ZNESEK", TFieldType::ftFloat);
    grid.Open();
    for (const auto& [kind, amount] : {std::pair{"Čebula", 1.5}, {"Žir", 2.25}, {"×××", 3.75}}) {
        grid.Append();
        grid.FieldByName("VRSTA").SetAsString(kind);
        grid.FieldByName("ZNESEK").SetAsFloat(amount);
        grid.Post();
    }
    const auto folder = FreshFolder("settings");
    const TExportSettings saved = ExportSettings();
    std::ofstream(folder / "zorveka.ini") << "[IZVOZ]\nCSV_LOCILO=TAB\nCSV_DECIMALKA=.\n";
    ReadExportSettings((folder / "zorveka.ini").string());
    ExportSettings().Subject = ReportSubject(EncodeDate(2024, 3, 15), 1);
    const auto isTotal = [](const TDataSet& d) { return d.FieldByName("VRSTA").AsString() == "×××"; };
    const std::string csv = (folder / "grid.csv").string(), xlsx = (folder / "grid.xlsx").string();
    ExportDataSetToFile(grid, csv, TExportFormat::efCsv, isTotal);
    ExportDataSetToFile(grid, xlsx, TExportFormat::efXlsx, isTotal);
    EXPECT_EQ(PythonReads("import sys, csv\n"
                          "for r in csv.reader(open(sys.argv[1], encoding='utf-8-sig'), delimiter='\\t'):\n"
                          "    print('|'.join(r))\n",
                          csv),
              "VRSTA|ZNESEK\nČebula|1.5\nŽir|2.25\n×××|3.75\n");
    EXPECT_EQ(
        PythonReads("import sys, openpyxl\n"
                    "wb = openpyxl.load_workbook(sys.argv[1]); ws = wb.active\n"
                    "print(wb.properties.subject)\n"
                    "print([(r[0].value, r[0].font.b, r[1].font.b) for r in ws.iter_rows(min_row=2)])\n",
                    xlsx),
        "Dan poročila 15.03.2024, vrsta tveganja 1\n"
        "[('Čebula', False, False), ('Žir', False, False), ('×××', True, True)]\n");
    for (const auto& [separator, decimal] : {std::pair{";", ";"}, {"\"", ","}, {";;", ","}}) {
        ExportSettings().CsvSeparator = separator;
        ExportSettings().CsvDecimalPoint = decimal;
        EXPECT_THROW(ExportDataSetToFile(grid, csv, TExportFormat::efCsv), Exception) << separator;
    }
    ExportSettings() = saved;
}

// Ids pass 2^31: a column holds them whole or the export says which value it cannot hold.
TEST_F(ExportReadBack, IntegersPast32BitsAreWrittenWholeOrRefusedNamingTheValue) {
    struct Case {
        TExportFormat Format;
        std::int64_t Value;
        bool Fits;
    };
    for (const Case& c :
         {Case{TExportFormat::efDBase, 3000000000, true}, Case{TExportFormat::efDBase, 99999999999, true},
          Case{TExportFormat::efDBase, 100000000000, false}, Case{TExportFormat::efParadox, 2147483647, true},
          Case{TExportFormat::efParadox, 2147483648, false}}) {
        SCOPED_TRACE(c.Value);
        TMemDataSet ids("IDS");
        ids.FieldDefs().Add("ID", TFieldType::ftInteger);
        ids.Open();
        ids.Append();
        ids.FieldByName("ID").SetAsLargeInt(c.Value);
        ids.Post();
        const char* suffix = c.Format == TExportFormat::efDBase ? "ids.dbf" : "ids.db";
        const std::string file = (FreshFolder("ids") / suffix).string();
        if (!c.Fits) {
            try {
                ExportDataSetToFile(ids, file, c.Format);
                ADD_FAILURE() << "no error";
            } catch (const Exception& e) {
                EXPECT_NE(std::string(e.what()).find(std::to_string(c.Value)), std::string::npos) << e.what();
            }
            continue;
        }
        ExportDataSetToFile(ids, file, c.Format);
        if (c.Format == TExportFormat::efDBase) {
            DBFHandle dbf = DBFOpen(file.c_str(), "rb");
            ASSERT_NE(dbf, nullptr);
            EXPECT_EQ(std::stoll(DBFReadStringAttribute(dbf, 0, 0)), c.Value);
            DBFClose(dbf);
        }
    }
}

// An independent dBase reader sees the grid's values: empty numbers and dates empty, dates as
// dates, every decimal the grid shows.
TEST_F(ExportReadBack, AnotherDBaseReaderReadsTheGridsValuesBack) {
    struct Row {
        const char* Name;
        std::optional<int> Qty;
        std::optional<double> Amount;
        int Day; // of January 2026, 0 = empty
        const char* Read;
    };
    const Row rows[] = {
        {"Čebula", 3, 1.25, 1, "Čebula|3|1.25|2026-01-01"},
        {"Šipek", {}, {}, 0, "Šipek|None|None|None"},
        {"Žir", -7, 123456789.12, 31, "Žir|-7|123456789.12|2026-01-31"},
        {"Kaki", 0, 0.0001234567, 2, "Kaki|0|0.0001234567|2026-01-02"},
        {"Oreh", 12, -0.5, 3, "Oreh|12|-0.5|2026-01-03"},
    };
    TMemDataSet grid("OBLIM");
    grid.FieldDefs().Add("NAZIV", TFieldType::ftString, 10);
    grid.FieldDefs().Add("KOLICINA", TFieldType::ftInteger);
    grid.FieldDefs().Add("AM_VREDNOST", TFieldType::ftFloat);
    grid.FieldDefs().Add("DAT_STANJA", TFieldType::ftDateTime);
    grid.Open();
    for (const Row& row : rows) {
        grid.Append();
        grid.FieldByName("NAZIV").SetAsString(row.Name);
        if (row.Qty)
            grid.FieldByName("KOLICINA").SetAsInteger(*row.Qty);
        if (row.Amount)
            grid.FieldByName("AM_VREDNOST").SetAsFloat(*row.Amount);
        if (row.Day)
            grid.FieldByName("DAT_STANJA").SetAsDateTime(EncodeDate(2026, 1, row.Day));
        grid.Post();
    }
    const std::string file = (FreshFolder("dbfread") / "grid.dbf").string();
    ExportDataSetToFile(grid, file, TExportFormat::efDBase);

    const std::string script =
        "import sys, dbfread\n"
        "for r in dbfread.DBF(sys.argv[1], encoding='cp1250'):\n"
        "    print('|'.join(v.isoformat() if hasattr(v, 'isoformat') else str(v) for v in r.values()))\n";
    const std::string lines = PythonReads(script, file);
    std::ifstream raw(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(raw)), {});
    EXPECT_EQ(bytes.find('*'), std::string::npos) << "an empty number is blank, not an overflow mark";
    std::istringstream read(lines);
    for (const Row& row : rows) {
        std::string line;
        std::getline(read, line);
        EXPECT_EQ(line, row.Read);
    }
}
