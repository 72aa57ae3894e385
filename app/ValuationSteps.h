// The steps of the valuation of one source row, grouped as they are built: identity and reference
// fields (ValuationIdentity.cpp), amounts, lots and prices (ValuationAmounts.cpp), position dates
// (ValuationDates.cpp), and the interest-rate and ECB codes (ValuationRates.cpp). PolniPodatke
// (ValuationFlow.cpp) calls them in their binding order; each reads only what earlier steps left.
#pragma once

#include "app/ValuationRow.h"

#include <string>

// Identity and reference fields.
//! VKNT, SFVP, ISIN, SFGLVENT, IDPOG, ZNESNOM, VP_BORZNAOZN, ID_STO and DOGLOT from the source row.
void CopySourceValues(TValuationRow& row);
std::string CounterpartyCode(const TValuationRow& row); //!< ID_KOM
std::string ContractKey(const TValuationRow& row);      //!< POGODBA
//! ID_KONTO and ID_VAL.
void FillAccountAndCurrency(TValuationRow& row);
//! DAT_STANJA, SM, ID_APLI, ID_REFE and DAT_VPISA.
void FillReferenceFields(TValuationRow& row);
std::string MaturityTypeCode(const TValuationRow& row); //!< ID_MAT_TIP

// Amounts, lots and prices.
//! ZNSVAL, MesecniPromet, TecajValute and ZNSDOMVAL.
void ValueAmounts(TValuationRow& row);
//! STEVILO_LOTOV and ZST of the holding, the deal lot sum when the day is not closed.
void CountLots(TValuationRow& row);
double TurnoverShare(const TValuationRow& row); //!< ECB_42
//! ZNSPNC; from the deals (with their lots and pledged lots) when the holdings have no price.
void PriceHolding(TValuationRow& row);

// Position dates.
std::string FirstMaturityDate(const TValuationRow& row); //!< DAT_ZAPADLOSTI before the opening date
std::string OpeningDate(const TValuationRow& row);       //!< DAT_OTVORITVE
//! The final DAT_ZAPADLOSTI and DAT_ZAPAD_POSLA.
void FinalMaturityDates(TValuationRow& row);
std::string RepricingDate(const TValuationRow& row); //!< DAT_REPR

// Interest-rate and ECB codes.
std::string RateKind(const TValuationRow& row);          //!< REAL_DML
double RealRate(const TValuationRow& row);               //!< REAL_OBRM
std::string TermCode(const TValuationRow& row);          //!< ECB_14
std::string Ecb16Code(const TValuationRow& row);         //!< ECB_16
std::string IndexKind(const TValuationRow& row);         //!< ECB_21
std::string TermBandCode(const TValuationRow& row);      //!< ECB_22
std::string ReferenceRateCode(const TValuationRow& row); //!< ECB_24
std::string DebtCode(const TValuationRow& row);          //!< ECB_38
std::string RedemptionCode(const TValuationRow& row);    //!< ECB_40
int DayCountConvention(const TValuationRow& row);        //!< IDKONVEN
double TotalRate(const TValuationRow& row);              //!< SKUPNA_OBRM
double ReferenceRateMargin(const TValuationRow& row);    //!< REFER_OBRM

//! The term band of a coupon schedule of so many days: "2" up to a year, "3" up to five, "4" up
//! to ten, "5" above.
std::string TermBand(double days);
