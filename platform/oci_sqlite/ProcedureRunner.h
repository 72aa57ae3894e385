// Runs PL/SQL blocks and stored procedures for a session: the translator's interpreter walks the
// block and hands every SQL statement back here, where it runs on the session's connection inside
// the session's transaction. Bind values go in from the client's buffers and OUT values come back.
#pragma once

#include "platform/oci_sqlite/Binding.h"
#include "platform/oci_sqlite/Session.h"

namespace ocisqlite {

void RunBlock(Session& session, const orasql::Translation& translation, const BindSet& binds);

} // namespace ocisqlite
