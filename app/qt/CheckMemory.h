// The outcome of the last data-quality check of each report day, kept with the window's other
// settings, so that the window can offer the check again before a run of a day whose data stopped.
#pragma once

#include "platform/settings/DateTime.h"

void RememberCheck(TDateTime reportDay, bool stops);
//! Whether the last check of the day found a gap that stops the run; false when none was made.
bool LastCheckStops(TDateTime reportDay);
