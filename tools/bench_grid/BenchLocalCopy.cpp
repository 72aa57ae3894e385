// Times the grouping form's copy of a dataset into the local table as the program makes it: the
// private database file and the progress window (offscreen unless a platform is chosen).
// Target: 200,000 rows copied in a few seconds. "bench_local_copy [rows]".
#include "grid/print/LocalCopy.h"
#include "platform/dataset/MemDataSet.h"
#include "platform/localdb/temp/TempTable.h"
#include "platform/ui/UiGuards.h"
#include "platform/ui_qt/QtUserInterface.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

namespace {

using TClock = std::chrono::steady_clock;

double SecondsSince(TClock::time_point start) {
    return std::chrono::duration<double>(TClock::now() - start).count();
}

// Processor time of the process, which other load on the machine does not stretch.
double CpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// Positions of a report day: a few group columns, amounts and dates, twenty fields in all.
std::unique_ptr<TMemDataSet> Positions(int rows) {
    auto dataSet = std::make_unique<TMemDataSet>("OBLIM");
    for (const char* name : {"OZNAKA", "VRSTA", "VALUTA", "PORTFELJ"})
        dataSet->FieldDefs().Add(name, TFieldType::ftString, 12);
    for (const char* name : {"ID_SEQ_OBLIM", "ID_KOM", "OT_LIK", "KNT"})
        dataSet->FieldDefs().Add(name, TFieldType::ftInteger);
    for (const char* name : {"DAT_STANJA", "DAT_OTVORITVE", "DAT_ZAPADLOSTI"})
        dataSet->FieldDefs().Add(name, TFieldType::ftDate);
    for (const char* name : {"ZNESEK", "ZNESEK_EUR", "NOMINALA", "TECAJ", "OBRESTI", "STEVILO_LOTOV", "CENA",
                             "DONOS", "ODPLACILO"})
        dataSet->FieldDefs().Add(name, TFieldType::ftFloat);
    dataSet->Open();
    for (int i = 0; i < rows; ++i) {
        dataSet->Append();
        for (int f = 0; f < dataSet->FieldCount(); ++f) {
            TField& field = dataSet->Fields(f);
            if (f < 4)
                field.SetAsString("K" + std::to_string((i * 7 + f) % (50 + f * 10)));
            else if (f < 8)
                field.SetAsInteger(i * (f + 1));
            else if (f < 11)
                field.SetAsDateTime(46000 + (i + f) % 900);
            else
                field.SetAsFloat((i % 100000) * 12.37 - f * 0.01);
        }
        dataSet->Post();
    }
    return dataSet;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TQtUserInterface ui;
    TScopedUi scopedUi(ui);
    const int rows = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200000;
    const auto source = Positions(rows);

    // The grouping form's copy as its first query makes it: a temporary table in the private
    // database, filled under the progress window.
    TTempTable table;
    DefineLocalFields(*source, table.FieldDefs());
    table.Open();
    const auto start = TClock::now();
    const double cpu = CpuSeconds();
    CopyToLocal(*source, table);
    std::printf("rows: %d, fields: %d, copied rows: %d\n", rows, source->FieldCount(), table.RecordCount());
    std::printf("copy to the local table: %.2f s (processor %.2f s; target: a few seconds at 200,000 rows)\n",
                SecondsSince(start), CpuSeconds() - cpu);
    return 0;
}
