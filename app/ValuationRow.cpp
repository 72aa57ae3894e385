// Typed reads of the valuation's two current rows; column names are matched case-insensitively by
// the datasets, so the extraction's lower-case second branch reads the same.
#include "app/ValuationRow.h"

#include "app/DateColumn.h"
#include "platform/settings/DateText.h"

std::string TValuationRow::SourceText(const char* column) const {
    return Context.DM.Q1.FieldByName(column).AsString();
}

int TValuationRow::SourceInteger(const char* column) const {
    return Context.DM.Q1.FieldByName(column).AsInteger();
}

std::int64_t TValuationRow::SourceId(const char* column) const {
    return Context.DM.Q1.FieldByName(column).AsLargeInt();
}

double TValuationRow::SourceFloat(const char* column) const {
    return Context.DM.Q1.FieldByName(column).AsFloat();
}

TDateTime TValuationRow::SourceDate(const char* column) const {
    return Context.DM.Q1.FieldByName(column).AsDateTime();
}

std::string TValuationRow::SourceDay(const char* column) const {
    return DayText(Context.DM.Q1.FieldByName(column));
}

std::string TValuationRow::CouponDay(const char* column) const {
    return DayText(Context.DM.Qkpn.FieldByName(column));
}

std::string TValuationRow::CouponText(const char* column) const {
    return Context.DM.Qkpn.FieldByName(column).AsString();
}

int TValuationRow::CouponInteger(const char* column) const {
    return Context.DM.Qkpn.FieldByName(column).AsInteger();
}

double TValuationRow::CouponFloat(const char* column) const {
    return Context.DM.Qkpn.FieldByName(column).AsFloat();
}

std::string TValuationRow::ReportDayText() const {
    return FormatShortDate(Context.ReportDay);
}

bool TValuationRow::HasFixedContract() const {
    return Row.IDPOG == 44229 || Row.IDPOG == 4790 || Row.IDPOG == 25283;
}

bool TValuationRow::HasPrefixedAccount() const {
    const std::string prefix = SourceText("KONTO").substr(0, 4);
    return prefix == "0900" || prefix == "0909";
}
