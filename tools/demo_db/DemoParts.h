// The parts of the demo data, one file each, in the order GenerateDemoData runs them. Reference data
// comes first because positions are built on its securities, accounts and contracts.
#pragma once

#include "tools/demo_db/DemoWorld.h"

// The contracts the valuation names by number (Contracts.cpp).
extern const std::vector<std::int64_t> kNamedContracts;

// DemoCalendar.cpp
bool IsWorkingDay(TDateTime day);
TDateTime AddMonths(TDateTime day, int months);

void GenerateCurrencies(TDemoWorld& world);           // Currencies.cpp: VLT, VLN
void GenerateInstruments(TDemoWorld& world);          // Instruments.cpp: SIF, FIN, SFVP
void GenerateCoupons(TDemoWorld& world);              // Coupons.cpp: KPN, SFINX, INX
void GenerateMarketLists(TDemoWorld& world);          // MarketLists.cpp: ECB_SIFRANTI, TRG, KTC
void GenerateAccounts(TDemoWorld& world);             // Accounts.cpp: MATRIKA, SIFKONT
void GenerateContracts(TDemoWorld& world);            // Contracts.cpp: ORG, OSB, POG
int GenerateSpecialCases(TDemoWorld& world);          // NamedCases.cpp; returns the positions it made
void GeneratePositions(TDemoWorld& world, int count); // Positions.cpp
void GenerateClosings(TDemoWorld& world);             // Holdings.cpp: VPSHST from the holdings, ZDNHST

// Deals.cpp: one DOG row; returns its IDDOG.
std::int64_t AddDeal(TDemoWorld& world, const TDemoPosition& position, char type, TDateTime day, double lots);
// Bookings.cpp: one KNJIZBE row; a positive amount is a debit, a negative one a credit.
void AddBooking(TDemoWorld& world, const TDemoPosition& position, std::int64_t deal, TDateTime valueDate,
                double amount, int closingKind = 0);
// Bookings of a holding bought on `opened`: the purchase, and for earlier years the year-end transfer
// that carries the balance into the report year.
void AddHoldingBookings(TDemoWorld& world, const TDemoPosition& position, std::int64_t deal, TDateTime opened,
                        double amount);
// Holdings.cpp: the VPHST row of the report day; it also counts towards the contract's VPSHST row.
void AddHolding(TDemoWorld& world, const TDemoPosition& position, double lots, double pledged,
                TDateTime bought);
