// Building blocks of positions, shared by the ordinary positions and the special cases: a holding on
// a security account with its deals, bookings and holdings row, and a deal on a deal account.
#pragma once

#include "tools/demo_db/DemoWorld.h"

// A holding of random size bought on a random day; sold in part in the report month now and then.
void AddSecurityPosition(TDemoWorld& world, const TDemoPosition& position, bool withHolding);
// One deal of the given amount on `day`, booked on the position's deal account; returns the deal.
std::int64_t AddDealPosition(TDemoWorld& world, const TDemoPosition& position, TDateTime day, double amount);
void AddRandomDealPosition(TDemoWorld& world, const TDemoPosition& position);
// A random security, an account of `accounts`, a random contract and a new holding id.
TDemoPosition RandomPosition(TDemoWorld& world, const std::vector<TDemoAccount>& accounts);
