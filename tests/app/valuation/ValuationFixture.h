// A fresh engine database with the reference data most positions need (account classes and
// labels, instrument classes, currencies and rates, issuer and counterparty, contracts), helpers
// that put securities, coupons, deals and bookings in, and the run's own way to a valued row: the
// extraction opens Q1 for the report day and every source row goes through PolniPodatke.
#pragma once

#include "../AppFixture.h"

#include "app/OblimRow.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace valuationtest {

//! Column name -> SQL literal.
using TColumns = std::vector<std::pair<std::string, std::string>>;

//! One booking; by default a credit of 1000 in the domestic currency on security account 201.
struct TBooking {
    int konto = 201;
    int vp = 1;
    std::string idvp = "100";      //!< the deal the booking belongs to (the row's POSEL)
    int idpog = 10;                //!< the contract
    std::string idmaster = "NULL"; //!< the deal row of DOG
    std::string credit = "1000";   //!< BZNESEK
    std::string debit = "0";       //!< DZNESEK
    std::string day = "05.03.2024";
    std::string currency = "E";
};

class ValuationTest : public apptest::AppTest {
protected:
    //! The report day of every case.
    static constexpr const char* kDay = "15.03.2024";

    void SetUp() override;
    void Insert(const std::string& table, const TColumns& columns);
    //! Security sfvp: a bond of class D quoted in percent, issuer 1, currency 978, unless the
    //! columns say otherwise.
    void Security(int sfvp, const TColumns& columns = {});
    //! A coupon period of security sfvp; the columns add SFOBD, REFOBM, OBRPRC and the like.
    void Coupon(int sfvp, int number, const std::string& from, const std::string& to,
                const TColumns& columns = {});
    void Book(const TBooking& booking);

    //! Opens Q1 on the report day's source rows and values each in turn, as the run does.
    std::vector<TOblimRow> ValueAll();
    //! The valuation of the day's one source row.
    TOblimRow Value();
    //! The valuation of a source row made of literals, for values the source tables cannot hold
    //! (amounts below a cent, a NULL value date): a security-account row of security 1 on
    //! contract 10, unless the columns say otherwise.
    TOblimRow ValueLiteralRow(const TColumns& columns);

    //! Values Q1's current row into Output, with OPKRTBNK and the kind letter set as the run sets them.
    TOblimRow ValueCurrentRow();

    TRowOutput Output;
    apptest::TRecordedLabels Labels;

private:
    int FNextBooking = 1;
};

} // namespace valuationtest
