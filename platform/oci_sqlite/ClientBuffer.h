// A client's buffer as OCIBindByName and OCIDefineByPos describe it: the value array with its element
// size and external type, and the parallel arrays of indicators, actual lengths and return codes.
// OCIBindArrayOfStruct sets skips: element i of each array then lies i skips past its first one,
// so the client may keep its rows as an array of structs.
#pragma once

#include "platform/oci_sqlite/OciApi.h"

#include <cstddef>

namespace ocisqlite {

struct ClientBuffer {
    void* value = nullptr;
    sb4 size = 0; // bytes per element
    ub2 type = 0; // SQLT_ code
    sb2* indicator = nullptr;
    ub2* length = nullptr;
    ub2* returnCode = nullptr;
    // Bytes from one element to the next; 0 keeps the plain array's step.
    ub4 valueSkip = 0, indicatorSkip = 0, lengthSkip = 0, returnCodeSkip = 0;

    unsigned char* ValueAt(ub4 i) const {
        return At<unsigned char>(value, valueSkip, static_cast<size_t>(size), i);
    }
    sb2* IndicatorAt(ub4 i) const { return At<sb2>(indicator, indicatorSkip, sizeof(sb2), i); }
    ub2* LengthAt(ub4 i) const { return At<ub2>(length, lengthSkip, sizeof(ub2), i); }
    ub2* ReturnCodeAt(ub4 i) const { return At<ub2>(returnCode, returnCodeSkip, sizeof(ub2), i); }

private:
    // Null stays null: an absent array has no elements.
    template <class T> static T* At(void* first, ub4 skip, size_t step, ub4 i) {
        if (!first)
            return nullptr;
        return reinterpret_cast<T*>(static_cast<unsigned char*>(first) + (skip ? skip : step) * i);
    }
};

} // namespace ocisqlite
