// Client bind buffers to engine values and SQLite parameters. The parameters of a SQLite statement
// are matched to the client's binds by name, whatever case either was written in.
#include "platform/oci_sqlite/Binding.h"

#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/Handles.h"
#include "platform/oci_sqlite/OracleDate.h"
#include "platform/oci_sqlite/OracleNumber.h"

#include <cmath>
#include <cstring>
#include <sqlite3.h>

namespace ocisqlite {

BindSlot& BindSet::Set(const std::string& upperName, const BindSlot& slot) {
    return slots_[upperName] = slot;
}

const BindSlot* BindSet::Find(const std::string& upperName) const {
    const auto found = slots_.find(upperName);
    return found == slots_.end() ? nullptr : &found->second;
}

namespace {

bool IsNull(const BindSlot& slot, ub4 iteration) {
    const sb2* indicator = slot.IndicatorAt(iteration);
    return !slot.value || (indicator && *indicator == OCI_IND_NULL);
}

// The text's length: up to the terminator for STR and AVC, else the actual length or the buffer size.
size_t TextLength(const BindSlot& slot, ub4 iteration, const char* text) {
    if (slot.type == SQLT_STR || slot.type == SQLT_AVC)
        return strnlen(text, static_cast<size_t>(slot.size));
    if (const ub2* length = slot.LengthAt(iteration))
        return *length;
    return static_cast<size_t>(slot.size);
}

int64_t ReadInteger(const unsigned char* data, sb4 size) {
    switch (size) {
    case 1:
        return *reinterpret_cast<const int8_t*>(data);
    case 2: {
        int16_t v;
        std::memcpy(&v, data, 2);
        return v;
    }
    case 4: {
        int32_t v;
        std::memcpy(&v, data, 4);
        return v;
    }
    case 8: {
        int64_t v;
        std::memcpy(&v, data, 8);
        return v;
    }
    default:
        throw ora::InvalidNumber();
    }
}

double ReadFloat(const unsigned char* data, sb4 size) {
    double v;
    if (size == sizeof(float)) {
        float f;
        std::memcpy(&f, data, sizeof f);
        v = f;
    } else if (size == sizeof(double)) {
        std::memcpy(&v, data, sizeof v);
    } else {
        throw ora::InvalidNumber();
    }
    if (!std::isfinite(v) || std::fabs(v) >= 1e126) // NUMBER holds neither
        throw ora::NumericOverflow();
    return v;
}

} // namespace

void BindValue(sqlite3_stmt* stmt, int index, const Value& value) {
    if (const auto* i = std::get_if<int64_t>(&value))
        sqlite3_bind_int64(stmt, index, *i);
    else if (const auto* d = std::get_if<double>(&value))
        sqlite3_bind_double(stmt, index, *d);
    else if (const auto* text = std::get_if<std::string>(&value))
        sqlite3_bind_text(stmt, index, text->data(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
    else
        sqlite3_bind_null(stmt, index);
}

std::vector<const BindSlot*> ParameterSlots(const std::vector<std::string>& parameters, const BindSet& binds,
                                            const std::string& returningBind) {
    std::vector<const BindSlot*> slots;
    slots.reserve(parameters.size());
    for (const std::string& upper : parameters) {
        const BindSlot* slot = binds.Find(upper);
        // A returning bind may also be read, as in "where rowid = :r returning rowid into :r".
        if (!slot && upper != returningBind)
            throw ora::NotAllVariablesBound();
        slots.push_back(slot);
    }
    return slots;
}

void BindParameters(sqlite3_stmt* stmt, const std::vector<const BindSlot*>& slots, ub4 iteration) {
    for (size_t i = 0; i < slots.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        if (slots[i])
            BindValue(stmt, index, ReadBindValue(*slots[i], iteration));
        else
            sqlite3_bind_null(stmt, index);
    }
}

void BindParameters(sqlite3_stmt* stmt, const std::vector<std::string>& parameters, const BindSet& binds,
                    ub4 iteration, const std::string& returningBind) {
    BindParameters(stmt, ParameterSlots(parameters, binds, returningBind), iteration);
}

void RequireBound(const BindSet& binds, const std::vector<std::string>& names,
                  const std::string& returningBind) {
    for (const std::string& name : names)
        if (name != returningBind && !binds.Find(name))
            throw ora::NotAllVariablesBound();
}

Value ReadBindValue(const BindSlot& slot, ub4 iteration) {
    if (IsNull(slot, iteration))
        return std::monostate{};
    const unsigned char* data = slot.ValueAt(iteration);
    switch (slot.type) {
    case SQLT_STR:
    case SQLT_CHR:
    case SQLT_AFC:
    case SQLT_AVC:
    case SQLT_LNG: {
        const char* text = reinterpret_cast<const char*>(data);
        const size_t length = TextLength(slot, iteration, text);
        if (length == 0)
            return std::monostate{};
        return std::string(text, length);
    }
    case SQLT_INT:
        return ReadInteger(data, slot.size);
    case SQLT_FLT:
        return ReadFloat(data, slot.size);
    case SQLT_DAT: {
        const auto parts = slot.size >= 7 ? FromOracleDate(data) : std::nullopt;
        if (!parts)
            throw ora::InvalidDate();
        return FormatStoredDate(*parts);
    }
    case SQLT_ODT: {
        const auto parts = slot.size >= kOciDateSize ? FromOciDate(data) : std::nullopt;
        if (!parts)
            throw ora::InvalidDate();
        return FormatStoredDate(*parts);
    }
    case SQLT_VNU: {
        const auto number = slot.size >= kOciNumberSize ? FromOciNumber(data) : std::nullopt;
        if (!number)
            throw ora::InvalidNumber();
        return NumberValue(*number);
    }
    case SQLT_RDD: { // the element is a pointer to a ROWID descriptor
        OCIRowid* descriptor = nullptr;
        std::memcpy(&descriptor, data, sizeof descriptor);
        const RowidHandle* rowid = As<RowidHandle>(descriptor, OCI_DTYPE_ROWID);
        if (!rowid->address)
            return std::monostate{};
        return EncodeRowid(*rowid->address);
    }
    default:
        throw ora::Unimplemented();
    }
}

} // namespace ocisqlite
