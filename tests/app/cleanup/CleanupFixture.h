// Stored positions for the clean-up tests: a VKNT '6' account "A" (and any further account the test
// names), OBLIM rows with their OBLIMD1 details put in by hand on the report day 31.03.2026, and
// readers of what the passes left.
#pragma once

#include "tests/app/AppFixture.h"

#include <gmock/gmock.h>

#include <optional>
#include <string>
#include <vector>

namespace cleanuptest {

struct TPosition {
    int Id = 0;
    std::string Konto = "A";
    std::string Pogodba = "P";
    std::string Opening;  //!< dd.mm.yyyy, "" for NULL
    std::string Maturity; //!< dd.mm.yyyy, "" for NULL
    double Znsval = 0;
    double Znsdomval = 0;
    int OtLik = 0;
};

//! Builds a position field by field: Row(1).Opening("01.03.2026").Znsval(100).
class Row {
public:
    explicit Row(int id) { P.Id = id; }
    Row& Konto(std::string v) { return P.Konto = std::move(v), *this; }
    Row& Pogodba(std::string v) { return P.Pogodba = std::move(v), *this; }
    Row& Opening(std::string v) { return P.Opening = std::move(v), *this; }
    Row& Maturity(std::string v) { return P.Maturity = std::move(v), *this; }
    Row& Znsval(double v) { return P.Znsval = v, *this; }
    Row& Znsdomval(double v) { return P.Znsdomval = v, *this; }
    Row& OtLik(int v) { return P.OtLik = v, *this; }
    operator const TPosition&() const { return P; }

private:
    TPosition P;
};

class CleanupTest : public apptest::AppTest {
protected:
    void SetUp() override;
    //! An account of the given class; "A" of class '6' exists already.
    void Account(int ctrl, const std::string& konto, char vknt);
    //! One OBLIM row and its detail, sharing ID_SEQ_OBLIM = Id; the detail's lots are its domestic amount.
    void Store(const TPosition& position);
    //! OBLIM ids of the day and risk type, ascending.
    std::vector<int> OblimIds(int otLik = 0);
    //! OBLIMD1 ID_SEQ_OBLIM of the day and risk type, ascending.
    std::vector<int> DetailIds(int otLik = 0);
    //! The first column of the first row of a query; nullopt for NULL.
    std::optional<double> Number(const std::string& query);

    const std::string Day = "31.03.2026";
};

} // namespace cleanuptest
