// The account matrix and the account codes. Security accounts have VKNT '1', deal accounts VKNT '6',
// both under VPRC '3', the matrix the extraction reads; accounts 257 and 379 and the labels starting
// "0900" and "0909" are ones the valuation treats apart. Accounts of other kinds and rows of other
// matrices are there so that the filters have something to leave out.
#include "tools/demo_db/DemoParts.h"

#include <cstdio>

namespace {

std::string Label(const char* prefix, std::int64_t ctrl) {
    char text[16];
    std::snprintf(text, sizeof text, "%s%04lld", prefix, static_cast<long long>(ctrl));
    return text;
}

void AddAccount(TDemoWorld& world, const TDemoAccount& account, const char* grupiraj) {
    world.Emit("MATRIKA", {Id(account.ctrl), Text("3"), Text(std::string(1, account.vknt)), Text(grupiraj)});
    world.Emit("SIFKONT",
               {Id(account.ctrl), Text(account.label), Text(world.random.Chance(0.9) ? "D" : "N")});
    if (account.vknt == '1')
        world.securityAccounts.push_back(account);
    else if (account.vknt == '6')
        world.dealAccounts.push_back(account);
}

} // namespace

void GenerateAccounts(TDemoWorld& world) {
    for (std::int64_t ctrl = 201; ctrl <= 224; ++ctrl)
        AddAccount(world, {ctrl, Label("0600", ctrl), '1'}, ctrl == 224 ? "D" : "");
    AddAccount(world, {257, Label("0610", 257), '1'}, "");
    AddAccount(world, {379, Label("0610", 379), '1'}, "");
    AddAccount(world, {245, Label("0900", 245), '1'}, "");
    AddAccount(world, {246, Label("0909", 246), '1'}, "");
    for (std::int64_t ctrl = 301; ctrl <= 316; ++ctrl)
        AddAccount(world, {ctrl, Label("1810", ctrl), '6'}, ctrl == 316 ? "D" : "");
    for (std::int64_t ctrl = 401; ctrl <= 404; ++ctrl)
        AddAccount(world, {ctrl, Label("0700", ctrl), '2'}, "");
    // The same security accounts under the cost-accounting matrix, which the extraction skips.
    for (std::int64_t ctrl = 201; ctrl <= 204; ++ctrl)
        world.Emit("MATRIKA", {Id(ctrl), Text("1"), Text("6"), TDemoValue{}});
}
