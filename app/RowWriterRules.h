// The classification values the OBLIM/OBLIMD1 writers derive themselves from the source row and the
// security's current coupon period; pure functions, so the rules are tested without a database.
#pragma once

#include <cstdint>
#include <string>

//! AM_VREDNOST of an amortising security ("%"): 162 with a reference rate, else 161; 0 otherwise.
int AmVrednost(const std::string& sfglvent, const std::string& refobm);

//! LIN_KON: "" for a non-amortising security, "1" for a linear repayment kind, else "2".
std::string LinKon(const std::string& sfglvent, const std::string& sfobr);

//! BAN_TRG from the counterparty's contract id, the account class and the counterparty kind; the
//! rules apply in order and a later match wins.
std::string BanTrg(std::int64_t idpog, const std::string& vknt, const std::string& sftpf);

//! PSDVRS by account class: "003" for "1", "005" for "6", empty (not stored) otherwise.
std::string Psdvrs(const std::string& vknt);
