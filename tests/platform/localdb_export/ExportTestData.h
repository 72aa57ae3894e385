// The dataset the export tests write: Slovene text, numbers, dates, a hidden field and a field
// with a display-text handler, in a fresh temporary folder per test.
#pragma once

#include "platform/dataset/MemDataSet.h"
#include "platform/settings/DateTime.h"

#include <filesystem>
#include <memory>
#include <string>

// NAZIV string(20), KOLICINA integer, CENA float, DATUM date, SKRITO (hidden), LOT float shown
// as "<n> lot"; rows: ("Čebula žametna", 3, 1.25, 1.1.2026, 2), ("Šipek", -7, 1000.5, NULL, 10).
inline std::unique_ptr<TMemDataSet> MakeExportSource() {
    auto ds = std::make_unique<TMemDataSet>("SRC");
    ds->FieldDefs().Add("NAZIV", TFieldType::ftString, 20);
    ds->FieldDefs().Add("KOLICINA", TFieldType::ftInteger);
    ds->FieldDefs().Add("CENA", TFieldType::ftFloat);
    ds->FieldDefs().Add("DATUM", TFieldType::ftDate);
    ds->FieldDefs().Add("SKRITO", TFieldType::ftString, 5);
    ds->FieldDefs().Add("LOT", TFieldType::ftFloat);
    ds->Open();
    ds->FieldByName("SKRITO").SetVisible(false);
    ds->FieldByName("LOT").SetDisplayWidth(8);
    ds->FieldByName("LOT").SetOnGetText(
        [](const TField& f) { return std::to_string(f.AsInteger()) + " lot"; });
    struct Row {
        const char* Name;
        int Qty;
        double Price;
        double Day;
        int Lot;
    };
    for (const Row& row :
         {Row{"Čebula žametna", 3, 1.25, EncodeDate(2026, 1, 1), 2}, Row{"Šipek", -7, 1000.5, 0, 10}}) {
        ds->Append();
        ds->FieldByName("NAZIV").SetAsString(row.Name);
        ds->FieldByName("KOLICINA").SetAsInteger(row.Qty);
        ds->FieldByName("CENA").SetAsFloat(row.Price);
        if (row.Day)
            ds->FieldByName("DATUM").SetAsDateTime(row.Day);
        ds->FieldByName("SKRITO").SetAsString("x");
        ds->FieldByName("LOT").SetAsFloat(row.Lot);
        ds->Post();
    }
    return ds;
}

// A fresh, empty folder for one test's files.
inline std::filesystem::path FreshFolder(const std::string& name) {
    const auto folder = std::filesystem::temp_directory_path() / ("zorveka-export-" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}
