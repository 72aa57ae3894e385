// The deterministic synthetic data of a bank's securities back office around one report day: the
// same options always give the same rows. Qt-free and database-free; the rows go to a TDemoSink.
#pragma once

#include "tools/demo_db/DemoWorld.h"

// Generates every source table's rows; returns the number of positions made (options.positions,
// or the special cases alone when they already reach it).
int GenerateDemoData(const TDemoOptions& options, TDemoSink& sink);
