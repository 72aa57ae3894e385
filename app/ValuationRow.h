// What one valuation carries from step to step: the run's context, the output record, typed reads
// of Q1's current row and of the current coupon period on Qkpn, and the classification values
// derived for this row only. The step functions (ValuationSteps.h) read and fill it.
#pragma once

#include "app/OblimRow.h"
#include "app/RunContext.h"

#include <cstdint>
#include <string>

class TValuationRow {
public:
    TValuationRow(TRunContext& context, TOblimRow& row) : Context(context), Row(row) {}

    TRunContext& Context;
    TOblimRow& Row;

    // Classification values of this row; a new valuation starts them afresh.
    bool DolzniskiVP = false;  //!< the security's class is D, K or k (registered in LST)
    std::string SFLST;         //!< the instrument class code
    double TecajValute = 0;    //!< units of the booking currency per unit of domestic currency
    double MesecniPromet = 0;  //!< the month's sale turnover of a security-account row
    std::string PrviDanKupona; //!< the security's first coupon start as date text, "" when none

    // Columns of the source row (Q1), NULL read as "", 0 or day 0.
    std::string SourceText(const char* column) const;
    int SourceInteger(const char* column) const;
    //! An id or count: 64 bits, a value beyond them raises the conversion error naming it.
    std::int64_t SourceId(const char* column) const;
    double SourceFloat(const char* column) const;
    TDateTime SourceDate(const char* column) const;
    //! A date column as the day's short-date text, whatever time of day it carries; "" when NULL.
    std::string SourceDay(const char* column) const;

    // Columns of the current coupon period (Qkpn), NULL read as "" or 0.
    std::string CouponText(const char* column) const;
    int CouponInteger(const char* column) const;
    double CouponFloat(const char* column) const;
    std::string CouponDay(const char* column) const;

    //! The report day as the locale's short date.
    std::string ReportDayText() const;

    bool IsSecurityAccount() const { return Row.VKNT == "1"; }
    bool IsDealAccount() const { return Row.VKNT == "6"; }
    //! The security is quoted in percent of its nominal value.
    bool InPercent() const { return Row.SFGLVENT == "%"; }
    //! The instrument class is a debt class, D, K or k, whether registered in LST or not.
    bool HasDebtClass() const { return SFLST == "D" || SFLST == "K" || SFLST == "k"; }
    //! The contracts 44229, 4790 and 25283 run on the report day whatever their bookings say.
    bool HasFixedContract() const;
    //! The account label begins with "0900" or "0909" (as read, not trimmed).
    bool HasPrefixedAccount() const;
};
