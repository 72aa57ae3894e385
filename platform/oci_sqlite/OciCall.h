// The frame of every entry point: exceptions never cross the C boundary. An engine or translator
// error is recorded in the error handle (record 1 of OCIErrorGet, until the next error) and answers
// OCI_ERROR; a bad handle answers OCI_INVALID_HANDLE.
#pragma once

#include "platform/oci_sqlite/Handles.h"

#include "platform/oci_sqlite/sql/Translator.h"

#include <new>

namespace ocisqlite {

void RecordError(OCIError* errhp, int code, const std::string& message);
inline void RecordError(OCIError* errhp, const EngineError& error) {
    RecordError(errhp, error.code(), error.what());
}

// As with Oracle, a successful call leaves the error handle's record alone: a client reads an
// execute's error after asking the statement for its parse error offset.
template <class Body> sword OciCall(OCIError* errhp, Body&& body) noexcept {
    try {
        return body();
    } catch (const InvalidHandle&) {
        return OCI_INVALID_HANDLE;
    } catch (const EngineError& e) {
        RecordError(errhp, e);
    } catch (const orasql::OracleError& e) {
        RecordError(errhp, e.code(), e.what());
    } catch (const std::bad_alloc&) {
        RecordError(errhp, ora::Make(4030, "out of process memory"));
    } catch (const std::exception& e) {
        RecordError(errhp, ora::Internal(e.what()));
    }
    return OCI_ERROR;
}

} // namespace ocisqlite
