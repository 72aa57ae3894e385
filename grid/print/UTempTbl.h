// The grouping form's temporary table: a local table in the process's private directory, created
// when opened and deleted when closed (platform/localdb/temp).
#pragma once

#include "platform/localdb/temp/TempTable.h"
