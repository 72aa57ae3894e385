// The cut list of a FIFO pass: fed with the scanned rows in account, contract and date order, it
// records for each account and contract the last date at which the running sum of the amounts is
// back at zero between two dates. Pure logic; the pass reads the rows and sends the deletes.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

struct TFifoCut {
    std::string Date; //!< the key date as the dataset renders it; rows up to it are closed out
    std::string Konto;
    std::string Pogodba;
    bool operator==(const TFifoCut&) const = default;
};

class TFifoCutList {
public:
    //! One scanned row: its key date text, account, contract and amount.
    void Add(const std::string& date, const std::string& konto, const std::string& pogodba, double znsval);
    //! Closes the scan: a last group back at zero adds its own entry. The entries in order.
    std::vector<TFifoCut> Finish();

private:
    void RecordCut();

    std::vector<TFifoCut> FCuts;
    //! Entry of each account and contract, so a later cut of the group replaces its date.
    std::map<std::pair<std::string, std::string>, std::size_t> FIndex;
    std::string FDate, FKonto, FPogodba;
    // Extended precision, so long chains of cents sum back to exactly zero.
    long double FSum = 0;
};
