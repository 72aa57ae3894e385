// Shared fixtures of the print tests.
#include "PrintTestSupport.h"

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>

int TFakeCanvas::WrappedHeight(const std::string& text, int width) const {
    // Whole words per line; a word longer than the line takes a line of its own.
    int lines = 1, used = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const int word = 10 * static_cast<int>(end - start);
        if (used > 0 && used + 10 + word > width) {
            ++lines;
            used = word;
        } else
            used += (used ? 10 : 0) + word;
        start = end + 1;
    }
    return 20 * lines;
}

std::vector<std::string> TFakeCanvas::Texts() const {
    std::vector<std::string> texts;
    for (const TCell& cell : Cells)
        texts.push_back(cell.Text);
    return texts;
}

const TFakeCanvas::TCell* TFakeCanvas::Find(const std::string& text) const {
    for (const TCell& cell : Cells)
        if (cell.Text == text)
            return &cell;
    return nullptr;
}

std::unique_ptr<TMemDataSet> MakeList(int rows) {
    auto ds = std::make_unique<TMemDataSet>("LIST");
    ds->FieldDefs().Add("#", TFieldType::ftInteger);
    ds->FieldDefs().Add("NAZIV", TFieldType::ftString, 30);
    ds->FieldDefs().Add("ZNESEK", TFieldType::ftFloat);
    ds->Open();
    ds->FieldByName("#").SetDisplayWidth(3);
    ds->FieldByName("NAZIV").SetDisplayWidth(10);
    ds->FieldByName("ZNESEK").SetDisplayWidth(8);
    ds->FieldByName("ZNESEK").SetDisplayFormat("#,##0.00");
    for (int i = 1; i <= rows; ++i) {
        ds->Append();
        ds->FieldByName("NAZIV").SetAsString("Postavka " + std::to_string(i));
        ds->FieldByName("ZNESEK").SetAsFloat(i * 1.5);
        ds->Post();
    }
    ds->First();
    return ds;
}

void EnsurePrintApplication() {
    if (QApplication::instance())
        return;
    const auto folder = std::filesystem::temp_directory_path() / "zorveka-print-fonts";
    std::filesystem::create_directories(folder);
    const auto conf = folder / "fonts.conf";
    std::ofstream(conf)
        << "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
           "  <include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n"
           "  <alias binding=\"same\"><family>Arial CE</family><prefer><family>Liberation "
           "Sans</family></prefer></alias>\n"
           "  <alias binding=\"same\"><family>Arial</family><prefer><family>Liberation "
           "Sans</family></prefer></alias>\n"
           "</fontconfig>\n";
    setenv("FONTCONFIG_FILE", conf.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0); // no display needed, whoever runs the test
    static int argc = 1;
    static char name[] = "test_grid_print";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}
