// A client's buffer as OCIBindByName and OCIDefineByPos describe it: the value array with its element
// size and external type, and the parallel arrays of indicators, actual lengths and return codes.
#pragma once

#include "platform/oci_sqlite/OciApi.h"

namespace ocisqlite {

struct ClientBuffer {
    void* value = nullptr;
    sb4 size = 0; // bytes per element
    ub2 type = 0; // SQLT_ code
    sb2* indicator = nullptr;
    ub2* length = nullptr;
    ub2* returnCode = nullptr;
};

} // namespace ocisqlite
