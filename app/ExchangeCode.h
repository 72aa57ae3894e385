// The market identifier code of a security's current exchange listing, read for the OBLIM row.
#pragma once

#include "app/DataModule.h"

#include <string>

//! The MIC of the exchange of the security's latest open listing; empty without a listing. On a
//! failure shows the security id, a CR and the statement, and raises again.
std::string BeriKodaBorze(TDataModule& dm, int sfvp);
