// The findings of a data-quality check of a report day: each gap in the reference data the day's
// positions meet, keyed by its kind and the code that lacks data, with the number of positions it
// touches, the first of them and what the run does with it. Nothing here reads the database.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

//! What the run does with a gap, the worst first.
enum class TCheckOutcome {
    Stops,        //!< the run stops and rolls back
    ValuesAsZero, //!< a missing value counts as 0 (or as the lowest code)
    LeavesEmpty,  //!< the result fields it feeds stay empty
};

//! One kind of gap: its name in the report, the run's outcome and what that means for the rows.
struct TCheckKind {
    std::string Name;
    TCheckOutcome Outcome;
    std::string Effect;
};

struct TCheckFinding {
    TCheckKind Kind;
    std::string Key;
    int Positions = 0;
    std::vector<std::string> First; //!< the first positions met, at most FirstPositions
};

class TCheckFindings {
public:
    static constexpr std::size_t FirstPositions = 5;

    //! Counts position under kind and key; a position must be added once per kind and key.
    void Add(const TCheckKind& kind, const std::string& key, const std::string& position);
    //! The findings, stoppers first, then by kind and key.
    std::vector<TCheckFinding> All() const;
    bool Empty() const { return FFindings.empty(); }
    //! Whether any finding stops the run.
    bool Stops() const;

private:
    std::map<std::pair<std::string, std::string>, TCheckFinding> FFindings;
};
