// Opens a tool grid on 100,000 records and prints how long the first painted screen and the
// scroll to the last record take (targets: under 300 ms and under 100 ms). Runs offscreen unless
// a platform is chosen; "bench_grid [records] [runs]".
#include "grid/ToolGrid.h"
#include "platform/dataset/DataSource.h"
#include "platform/dataset/MemDataSet.h"

#include <QApplication>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

double MillisecondsSince(TClock::time_point start) {
    return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

std::unique_ptr<TMemDataSet> LargeDataSet(int records) {
    auto dataSet = std::make_unique<TMemDataSet>("OBLIM");
    dataSet->FieldDefs().Add("ID_KOM", TFieldType::ftInteger);
    dataSet->FieldDefs().Add("OZNAKA", TFieldType::ftString, 20);
    dataSet->FieldDefs().Add("ZNESEK", TFieldType::ftFloat);
    dataSet->FieldDefs().Add("DAT_OTVORITVE", TFieldType::ftDate);
    dataSet->FieldDefs().Add("OPIS", TFieldType::ftString, 40);
    dataSet->Open();
    for (int i = 0; i < records; ++i) {
        dataSet->Append();
        dataSet->Fields(0).SetAsInteger(i + 1);
        dataSet->Fields(1).SetAsString("SI" + std::to_string(1000000 + i));
        dataSet->Fields(2).SetAsFloat(i * 1.25);
        dataSet->Fields(3).SetAsDateTime(45000 + i % 365);
        dataSet->Fields(4).SetAsString("pozicija " + std::to_string(i % 977));
        dataSet->Post();
    }
    dataSet->First();
    return dataSet;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int records = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    auto dataSet = LargeDataSet(records);
    TDataSource source(dataSet.get());

    int rowsShown = 0;
    std::vector<double> firstScreen;
    std::vector<double> lastRecord;
    for (int run = 0; run < runs; ++run) {
        QWidget window;
        window.resize(1024, 700);
        const auto start = TClock::now();
        auto* grid = new TToolGrid(&window);
        grid->SetAlign(TAlign::alClient);
        grid->SetDataSource(&source);
        grid->Loaded();
        window.show();
        grid->grab(); // paints the first screen
        firstScreen.push_back(MillisecondsSince(start));

        const auto scroll = TClock::now();
        dataSet->Last();
        grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
        grid->grab();
        lastRecord.push_back(MillisecondsSince(scroll));
        rowsShown = grid->model()->rowCount();
        dataSet->First();
    }
    std::printf("records: %d, rows in the grid: %d, runs: %d\n", records, rowsShown, runs);
    std::printf("first painted screen: median %.1f ms (target < 300 ms)\n", Median(firstScreen));
    std::printf("to the last record:   median %.1f ms (target < 100 ms)\n", Median(lastRecord));
    return 0;
}
