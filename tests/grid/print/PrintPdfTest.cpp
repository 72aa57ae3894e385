// Printing through a real QPrinter into PDF files at 300 dpi with the font pinned to Liberation
// Sans: the page range, the page header, and a demo printout turned into PNG pages for review.
#include "PrintTestSupport.h"

#include "grid/print/GroupReport.h"
#include "grid/print/ListPrint.h"
#include "platform/localdb/temp/PlaceholderCollation.h"
#include "platform/settings/DateTime.h"
#include "platform/settings/Exceptions.h"
#include "platform/settings/Locale.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"

#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace {

std::string RunCommand(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return output;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    pclose(pipe);
    return output;
}

int PdfPages(const std::string& pdf) {
    const std::string info = RunCommand("pdfinfo '" + pdf + "'");
    const size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

std::string PdfPageText(const std::string& pdf, int page) {
    const std::string n = std::to_string(page);
    return RunCommand("pdftotext -f " + n + " -l " + n + " '" + pdf + "' -");
}

// Whether number stands in text with no digit or comma glued to either side.
bool HasWholeNumber(const std::string& text, const std::string& number) {
    auto apart = [](char c) { return !std::isdigit(static_cast<unsigned char>(c)) && c != ','; };
    for (size_t at = text.find(number); at != std::string::npos; at = text.find(number, at + 1))
        if ((at == 0 || apart(text[at - 1])) &&
            (at + number.size() == text.size() || apart(text[at + number.size()])))
            return true;
    return false;
}

class PrintPdfTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsurePrintApplication();
        Locale() = TLocale::Slovenian();
        folder = std::filesystem::path(ZORVEKA_TEST_OUTPUT_DIR) / "grid_print";
        std::filesystem::create_directories(folder);
    }

    std::string PrintToPdf(const std::string& name, TDataSet& dataSet, int first = 1,
                           int last = TPageEngine::AllPagesLast, int dpi = 300, bool fitToWidth = false,
                           QPageLayout::Orientation orientation = QPageLayout::Portrait) {
        const std::string pdf = (folder / name).string();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        printer.setResolution(dpi);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(orientation);
        BeginPrintOn(printer, "Pregled pozicij", QFont("Arial CE", 8, QFont::Bold), first, last,
                     fitToWidth ? &dataSet : nullptr);
        PrintDataSet("Pregled pozicij", dataSet);
        EndPrint();
        return pdf;
    }

    std::filesystem::path folder;
};

constexpr int FivePages = 280;

TEST_F(PrintPdfTest, RangeTwoToThreeOfAFivePageListGivesTwoSheets) {
    const auto list = MakeList(FivePages);
    ASSERT_EQ(PdfPages(PrintToPdf("all.pdf", *list)), 5);

    const std::string pdf = PrintToPdf("range.pdf", *list, 2, 3);
    ASSERT_EQ(PdfPages(pdf), 2);
    const std::string first = PdfPageText(pdf, 1);
    const std::string header = first.substr(0, first.find('\n'));
    EXPECT_NE(header.find(", Stran 2"), std::string::npos) << header;
    EXPECT_EQ(header.find(", Stran 1"), std::string::npos);
    EXPECT_NE(PdfPageText(pdf, 2).find(", Stran 3"), std::string::npos);
    EXPECT_EQ(first.find("Postavka 1\n"), std::string::npos);
}

// Adjacent columns, a right-aligned number beside a left-aligned text, at a printer's own
// resolutions: the gaps are the same on paper, so a reader never joins "7" and "34" into "734".
TEST_F(PrintPdfTest, ColumnsStayApartAtEveryResolution) {
    TMemDataSet ds("OBLIM");
    ds.FieldDefs().Add("ID_KOM", TFieldType::ftInteger);
    ds.FieldDefs().Add("OZNAKA", TFieldType::ftString, 6);
    ds.FieldDefs().Add("ZNESEK", TFieldType::ftFloat);
    ds.Open();
    ds.FieldByName("ID_KOM").SetDisplayWidth(2);
    ds.FieldByName("ZNESEK").SetDisplayWidth(15);
    for (int i = 0; i < 3; ++i) {
        ds.Append();
        ds.FieldByName("ID_KOM").SetAsInteger(7);
        ds.FieldByName("OZNAKA").SetAsString("34");
        ds.FieldByName("ZNESEK").SetAsFloat(-4234940036.75);
        ds.Post();
    }
    std::vector<double> lefts;
    for (const int dpi : {300, 600, 1200}) {
        const std::string pdf = PrintToPdf("apart-" + std::to_string(dpi) + ".pdf", ds, 1, 999, dpi);
        const std::string text = PdfPageText(pdf, 1);
        EXPECT_EQ(text.find("734"), std::string::npos) << dpi << " dpi:\n" << text;
        EXPECT_NE(text.find("-4234940036,75"), std::string::npos) << dpi << " dpi:\n" << text;
        // Where the text column starts on paper, in points.
        const std::string box = RunCommand("pdftotext -bbox -f 1 -l 1 '" + pdf + "' -");
        const size_t word = box.find(">34<");
        ASSERT_NE(word, std::string::npos) << dpi << " dpi";
        lefts.push_back(std::stod(box.substr(box.rfind("xMin=\"", word) + 6)));
    }
    EXPECT_NEAR(lefts[1], lefts[0], 0.5);
    EXPECT_NEAR(lefts[2], lefts[0], 0.5);
}

TEST_F(PrintPdfTest, FontComesThroughTheSubstitution) {
    const auto list = MakeList(3);
    const std::string pdf = PrintToPdf("fonts.pdf", *list);
    EXPECT_NE(RunCommand("pdffonts '" + pdf + "'").find("LiberationSans"), std::string::npos);
}

TEST_F(PrintPdfTest, CancelInThePrintWindowDiscardsTheDocument) {
    const auto list = MakeList(200);
    const std::string pdf = (folder / "cancelled.pdf").string();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    BeginPrintOn(printer, "Seznam", QFont("Arial CE", 8, QFont::Bold));
    QTimer::singleShot(0, [] { PrintMessageWindow().btnCancel->click(); });
    EXPECT_THROW(PrintDataSet("Seznam", *list), EAbort);
    EXPECT_FALSE(PrintEngine().Printing()) << "the printout is over";
    EXPECT_FALSE(PrintMessageWindow().isVisible());
    EndPrint();
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

// Twelve amount columns are wider than a page: fitted to the width, all of them print, on either
// orientation; without it the columns past the right edge are left out.
TEST_F(PrintPdfTest, FitToWidthPrintsEveryColumnOnThePage) {
    TMemDataSet wide("OBLIM");
    for (int c = 1; c <= 12; ++c)
        wide.FieldDefs().Add("ZNESEK_" + std::to_string(c), TFieldType::ftFloat);
    wide.Open();
    for (int c = 0; c < 12; ++c)
        wide.Fields(c).SetDisplayWidth(16);
    wide.Append();
    for (int c = 0; c < 12; ++c)
        wide.Fields(c).SetAsFloat(1234567890.25 + c);
    wide.Post();
    struct Case {
        bool Fit;
        QPageLayout::Orientation Orientation;
        bool LastColumnPrinted;
    };
    for (const Case& c :
         {Case{false, QPageLayout::Landscape, false}, Case{true, QPageLayout::Landscape, true},
          Case{true, QPageLayout::Portrait, true}}) {
        const std::string pdf = PrintToPdf("fit.pdf", wide, 1, 999, 300, c.Fit, c.Orientation);
        const std::string text = PdfPageText(pdf, 1);
        EXPECT_EQ(PdfPages(pdf), 1);
        EXPECT_TRUE(HasWholeNumber(text, "1234567890,25")) << text;
        EXPECT_EQ(HasWholeNumber(text, "1234567901,25"), c.LastColumnPrinted) << c.Fit << "\n" << text;
    }
}

// Totals of 200,000 amounts have more digits than any amount: the grouped printout shows every
// total whole, as the sums the test adds up in cents itself.
TEST_F(PrintPdfTest, GroupedPrintoutOf200000RowsShowsEveryTotalWhole) {
    constexpr int Rows = 200000;
    const char* kinds[] = {"Delnice", "Obveznice", "Zapisi", "Menice"};
    TMemDataSet source("OBLIM");
    source.FieldDefs().Add("VRSTA", TFieldType::ftString, 10);
    source.FieldDefs().Add("ZNESEK", TFieldType::ftFloat);
    source.Open();
    source.FieldByName("ZNESEK").SetDisplayWidth(10);
    std::map<std::string, std::int64_t> cents;
    for (int i = 0; i < Rows; ++i) {
        const std::int64_t amount = 987654321 + i % 997;
        source.Append();
        source.FieldByName("VRSTA").SetAsString(kinds[i % 4]);
        source.FieldByName("ZNESEK").SetAsFloat(amount / 100.0);
        source.Post();
        cents[kinds[i % 4]] += amount;
        cents["Skupaj"] += amount;
    }
    TRecordingUi ui;
    TScopedUi scopedUi{ui};
    TLocalDatabase db{":memory:"};
    InstallPlaceholderCollation(db);
    TGroupReport report{db, "/private"};
    report.Prepare(source);
    report.Settings().Clear();
    report.Settings().AddGroup(report.Temp().FieldByName("VRSTA"), true);
    report.Settings().AddSum(report.Temp().FieldByName("ZNESEK"), 1);
    report.Settings().AddSum(report.Temp().FieldByName("N"), 1);
    report.TotalMarker() = "Skupaj";
    report.RunGroupQuery();

    const std::string text = PdfPageText(PrintToPdf("grouped-200k.pdf", report.Grouped()), 1);
    ASSERT_EQ(cents.size(), 5u);
    for (const auto& [kind, sum] : cents) {
        std::string whole = std::to_string(sum / 100);
        if (const int c = static_cast<int>(sum % 100))
            whole += "," + std::to_string(c / 10) + (c % 10 ? std::to_string(c % 10) : "");
        EXPECT_TRUE(HasWholeNumber(text, whole)) << kind << " " << whole << "\n" << text;
    }
    EXPECT_TRUE(HasWholeNumber(text, "200000")) << text;
}

// Demo-like positions for a printout a person looks at: PDF and PNG pages in the build folder.
TEST_F(PrintPdfTest, DemoPrintoutForReview) {
    TMemDataSet ds("OBLIM");
    ds.FieldDefs().Add("#", TFieldType::ftInteger);
    ds.FieldDefs().Add("ID_KOM", TFieldType::ftString, 12);
    ds.FieldDefs().Add("NAZIV", TFieldType::ftString, 30);
    ds.FieldDefs().Add("DAT_OTVORITVE", TFieldType::ftDate);
    ds.FieldDefs().Add("STEVILO_LOTOV", TFieldType::ftFloat);
    ds.FieldDefs().Add("TECAJ", TFieldType::ftFloat);
    ds.FieldDefs().Add("ZNESEK", TFieldType::ftCurrency);
    ds.Open();
    ds.FieldByName("#").SetDisplayWidth(4);
    ds.FieldByName("NAZIV").SetDisplayLabel("Naziv vrednostnega papirja");
    ds.FieldByName("NAZIV").SetDisplayWidth(24);
    ds.FieldByName("DAT_OTVORITVE").SetDisplayLabel("Datum otvoritve");
    ds.FieldByName("STEVILO_LOTOV").SetDisplayLabel("Število lotov");
    ds.FieldByName("TECAJ").SetDisplayLabel("Tečaj");
    ds.FieldByName("TECAJ").SetDisplayFormat("#,##0.0000");
    ds.FieldByName("ZNESEK").SetDisplayLabel("Znesek v EUR");
    ds.FieldByName("ZNESEK").SetDisplayWidth(16);
    const char* names[] = {"Obveznica RS 2030", "Delnica Krka",   "Zakladna menica 12M",
                           "Obveznica NLB",     "Delnica Petrol", "Komercialni zapis Šumi"};
    for (int i = 0; i < 180; ++i) {
        ds.Append();
        ds.FieldByName("ID_KOM").SetAsString("K" + std::to_string(10000 + i * 7));
        ds.FieldByName("NAZIV").SetAsString(names[i % 6]);
        ds.FieldByName("DAT_OTVORITVE").SetAsDateTime(EncodeDate(2025, 1 + i % 12, 1 + i % 28));
        ds.FieldByName("STEVILO_LOTOV").SetAsFloat((i % 9 + 1) * 10);
        ds.FieldByName("TECAJ").SetAsFloat(98.5 + (i % 13) * 0.125);
        ds.FieldByName("ZNESEK").SetAsFloat(1000.0 * (i % 17 + 1) + i * 0.37);
        ds.Post();
    }
    const std::string pdf = PrintToPdf("demo-list.pdf", ds);
    EXPECT_GE(PdfPages(pdf), 3);
    RunCommand("pdftoppm -r 60 -png '" + pdf + "' '" + (folder / "demo-list").string() + "'");
    EXPECT_TRUE(std::filesystem::exists(folder / "demo-list-1.png"));
}

} // namespace
