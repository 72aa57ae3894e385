// Paradox columns: Alpha up to 255 characters, Short, Long, Number, Currency, Date, Time and
// Timestamp; values go in through pxlib's typed records.
#include "platform/localdb/export/ParadoxWriter.h"

#include "platform/localdb/export/CodePage1250.h"
#include "platform/settings/Exceptions.h"

#include <cmath>
#include <cstring>
extern "C" { // pxlib's header declares C functions without saying so
#include <paradox.h>
}

namespace {

constexpr int MaxAlphaWidth = 255;
constexpr int MaxNameLength = 25;
constexpr double MillisecondsPerDay = 86400000.0;

struct TParadoxColumn {
    char Type;
    int Length;
};

TParadoxColumn ColumnOf(const TExportField& field) {
    switch (field.DataType) {
    case TFieldType::ftSmallint:
        return {pxfShort, 2};
    case TFieldType::ftInteger:
        return {pxfLong, 4};
    case TFieldType::ftFloat:
        return {pxfNumber, 8};
    case TFieldType::ftCurrency:
        return {pxfCurrency, 8};
    case TFieldType::ftDate:
        return {pxfDate, 4};
    case TFieldType::ftTime:
        return {pxfTime, 4};
    case TFieldType::ftDateTime:
        return {pxfTimestamp, 8};
    default:
        return {pxfAlpha, field.Size > 0 && field.Size < MaxAlphaWidth ? field.Size : MaxAlphaWidth};
    }
}

// pxlib keeps the field array and frees its names with its own allocator.
pxfield_t* FieldArray(px_doc* doc, const std::vector<TExportField>& fields) {
    auto* array = static_cast<pxfield_t*>(doc->malloc(doc, fields.size() * sizeof(pxfield_t), "fields"));
    for (size_t i = 0; i < fields.size(); ++i) {
        const TParadoxColumn column = ColumnOf(fields[i]);
        const std::string name = Utf8ToCp1250(fields[i].Name).substr(0, MaxNameLength);
        array[i].px_fname = static_cast<char*>(doc->malloc(doc, name.size() + 1, "field name"));
        std::memcpy(array[i].px_fname, name.c_str(), name.size() + 1);
        array[i].px_ftype = column.Type;
        array[i].px_flen = column.Length;
        array[i].px_fdc = 0;
    }
    return array;
}

// Paradox keeps the most negative value of a short or long column as its NULL.
std::int64_t ParadoxHighest(TFieldType type) {
    return type == TFieldType::ftSmallint ? 32767 : 2147483647;
}

std::int64_t ParadoxLowest(TFieldType type) {
    return -ParadoxHighest(type);
}

long MillisecondsOfDay(TDateTime value) {
    return std::lround((value - std::floor(value)) * MillisecondsPerDay);
}

} // namespace

long ParadoxDate(TDateTime value) {
    constexpr long DaysBefore1900 = 693594; // 30.12.1899, TDateTime's day 0, counted from 1.1.0001 as 1
    return static_cast<long>(std::floor(value)) + DaysBefore1900;
}

TParadoxWriter::TParadoxWriter(const std::string& fileName, const std::vector<TExportField>& fields)
    : FDoc(PX_new()), FFields(fields) {
    if (!FDoc)
        throw Exception("Datoteke " + fileName + " ni mogoče ustvariti");
    if (PX_create_file(FDoc, FieldArray(FDoc, FFields), static_cast<int>(FFields.size()), fileName.c_str(),
                       pxfFileTypNonIndexDB) < 0) {
        PX_delete(FDoc);
        throw Exception("Datoteke " + fileName + " ni mogoče ustvariti");
    }
    PX_set_value(FDoc, "codepage", 1250);
}

TParadoxWriter::~TParadoxWriter() {
    PX_close(FDoc);
    PX_delete(FDoc);
}

void TParadoxWriter::Append(const TRecordBuffer& values) {
    std::vector<pxval_t> cells(FFields.size());
    std::vector<pxval_t*> pointers(FFields.size());
    std::vector<std::string> texts(FFields.size());
    for (size_t i = 0; i < FFields.size(); ++i) {
        pxval_t& cell = cells[i];
        pointers[i] = &cell;
        const TVariant& value = values[i];
        const TFieldType type = FFields[i].DataType;
        cell.type = ColumnOf(FFields[i]).Type;
        cell.isnull = value.IsNull();
        if (cell.isnull)
            continue;
        if (IsIntegerType(type))
            cell.value.lval = static_cast<long>(
                ExportIntegerOf(FFields[i], value, ParadoxLowest(type), ParadoxHighest(type)));
        else if (IsFloatType(type))
            cell.value.dval = value.Float();
        else if (type == TFieldType::ftDate)
            cell.value.lval = ParadoxDate(value.DateTime());
        else if (type == TFieldType::ftTime)
            cell.value.lval = MillisecondsOfDay(value.DateTime());
        else if (type == TFieldType::ftDateTime)
            cell.value.dval =
                ParadoxDate(value.DateTime()) * MillisecondsPerDay + MillisecondsOfDay(value.DateTime());
        else {
            texts[i] = Utf8ToCp1250(value.Text()).substr(0, static_cast<size_t>(ColumnOf(FFields[i]).Length));
            cell.value.str.val = texts[i].data();
            cell.value.str.len = static_cast<int>(texts[i].size());
        }
    }
    if (PX_insert_record(FDoc, pointers.data()) < 0)
        throw Exception("Zapisa v tabelo Paradox ni mogoče zapisati");
}
