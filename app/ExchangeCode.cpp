// The exchange-code lookup on Qtrg: only the bound security id reaches the statement.
#include "app/ExchangeCode.h"

#include "app/LookupCycle.h"

std::string BeriKodaBorze(TDataModule& dm, int sfvp) {
    const std::string text =
        std::string("SELECT mic ") + "  FROM trg " + "  WHERE sftrg IN " + "          (SELECT sftrg " +
        "             FROM ktc " + "            WHERE danprk IS NULL " + "              AND sfvp = :SFVP " +
        "              AND dan = (SELECT MAX (dan) " + "                       FROM ktc " +
        "                          WHERE danprk IS NULL AND sfvp = :SFVP)) ";
    return dm.Lookups.Value<std::string>(TLookupCache::Key({"KTC", std::to_string(sfvp)}), [&] {
        return Reported(std::to_string(sfvp) + "\r" + text, [&] {
            RunLookup(dm.Qtrg, text, {{"SFVP", TVariant::FromInteger(sfvp)}});
            return dm.Qtrg.IsEmpty() ? std::string() : dm.Qtrg.FieldByName("mic").AsString();
        });
    });
}
