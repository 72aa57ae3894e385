// The repayment plan of an amortising position: its coupon periods read from the security's coupon
// schedule (at most 100) and written as OBLIAM rows of one OBLIM row. The interest of a period is a
// pure function, so the day-count rules are tested apart from the database.
#pragma once

#include "app/OblimRow.h"
#include "app/uDM.h"

#include <functional>
#include <string>
#include <vector>

//! The most coupon periods one plan holds; later periods are not read.
constexpr int MaxKuponov = 100;

//! The interest of one period at rate percent a year, for lots of the nominal value, over the days
//! from PRVDAN to ZDNDAN with the schedule's day basis (SFOBD) and end-day rule (SFOBM).
double ObrestiObdobja(double rate, double lots, double nominal, double days, const std::string& sfobd,
                      const std::string& sfobm);

//! OBLIAM rows gathered from several plans and sent as one array INSERT of up to ObliamBlockRows
//! rows, so a day's plans cost a few round trips instead of a savepoint and an INSERT per row.
class TObliamBlock {
public:
    //! Given a dumpFile, each INSERT's text and values are saved there before it is sent. When a row
    //! fails, onFailedRow gets the tag it was added with before the error is raised.
    TObliamBlock(TDM& dm, std::string dumpFile, std::function<void(int tag)> onFailedRow = {});
    //! One row's values in the INSERT's column order.
    void AddRow(std::vector<TVariant> values, int tag);
    //! Sends the rows gathered so far.
    void Flush();

private:
    TDM& FDM;
    const std::string FDumpFile;
    const std::function<void(int)> FOnFailedRow;
    std::vector<std::vector<TVariant>> FColumns;
    std::vector<int> FTags;
};

//! The most rows one OBLIAM INSERT sends.
constexpr std::size_t ObliamBlockRows = 1000;

//! Loads the coupon plan of security sfvp and adds one OBLIAM row per period for OBLIM row seq
//! holding lots to the block, each with the tag; sets the output record's ZNESNOM to the nominal
//! value. Adds nothing without coupons. A failed coupon read shows "Napaka:", a CR and the
//! statement, and raises again.
void ZapisVrsticObliam(TDM& dm, TRowOutput& output, std::int64_t seq, int sfvp, double lots,
                       TObliamBlock& block, int tag);
//! The same for one plan written at once.
void ZapisVrsticObliam(TDM& dm, TRowOutput& output, std::int64_t seq, int sfvp, double lots);
