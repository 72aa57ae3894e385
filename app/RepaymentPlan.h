// The repayment plan of an amortising position: its coupon periods read from the security's coupon
// schedule (at most 100) and written as OBLIAM rows of one OBLIM row. The interest of a period is a
// pure function, so the day-count rules are tested apart from the database.
#pragma once

#include "app/DataModule.h"
#include "app/InsertBlock.h"
#include "app/OblimRow.h"

#include <string>

//! The most coupon periods one plan holds; later periods are not read.
constexpr int MaxKuponov = 100;

//! The interest of one period at rate percent a year, for lots of the nominal value, over the days
//! from PRVDAN to ZDNDAN with the schedule's day basis (SFOBD) and end-day rule (SFOBM).
double ObrestiObdobja(double rate, double lots, double nominal, double days, const std::string& sfobd,
                      const std::string& sfobm);

//! The block of a day's OBLIAM rows: a few array INSERTs instead of a savepoint and an INSERT per
//! row. dumpFile and onFailedRow as TInsertBlock takes them.
TInsertBlock ObliamBlock(TDataModule& dm, std::string dumpFile = {},
                         TInsertBlock::TFailedRowEvent onFailedRow = {});

//! Loads the coupon plan of security sfvp and adds one OBLIAM row per period for OBLIM row seq
//! holding lots to the block, each with the tag; sets the output record's ZNESNOM to the nominal
//! value. Adds nothing without coupons. A failed coupon read shows "Napaka:", a CR and the
//! statement, and raises again.
void ZapisVrsticObliam(TDataModule& dm, TRowOutput& output, std::int64_t seq, int sfvp, double lots,
                       TInsertBlock& block, int tag);
//! The same for one plan written at once.
void ZapisVrsticObliam(TDataModule& dm, TRowOutput& output, std::int64_t seq, int sfvp, double lots);
