// Each outcome is what the code of the run does, not what it should: a missing rate is a rate of 0
// (BeriTecaj) and leaves the amount unconverted (ValueAmounts); a security without a class is no debt
// (JeDolzniskiVP, BeriSflst), so its maturity type stays empty (MaturityTypeCode) and it falls due on
// the report day (FinalMaturityDates); without a current coupon Qkpn holds NULLs (BeriTekociKupon);
// without any period the span is 0 (RacunajSteviloDni), the opening date empty (OpeningDate) and the
// plan has no rows (LoadPlan); an index without a value counts 0 in a plan's rate, and without any
// index day before the period BeriINX gets an empty day and raises (IndexRate); an account without
// its label gets none and no turnover (FillAccountAndCurrency, BeriPodatke_V); a term no interval of
// list 014 holds gets code 1 (BeriEcb014); a text or number its column cannot hold is refused by
// the INSERT and the run rolls back (TPositionRows).
#include "app/check/CheckKinds.h"

const std::vector<TGapColumn>& ReferenceGaps() {
    using enum TCheckOutcome;
    static const std::vector<TGapColumn> gaps = {
        {"G_TECAJ",
         {"Tečaj valute", ValuesAsZero,
          "tečaj 0: ZNSDOMVAL ostane v valuti posla, mesečni promet nepreračunan"}},
        {"G_RAZRED",
         {"Razred instrumenta", LeavesEmpty,
          "ni dolžniški: ID_MAT_TIP prazen, zapadlost = dan stanja, ECB_40 prazen"}},
        {"G_KUPON",
         {"Tekoči kupon", LeavesEmpty,
          "kupon prazen: brez ZPDVP ni zapadlosti, obrestne mere 0, DAT_REPR prazen"}},
        {"G_NACRT",
         {"Kuponski načrt", LeavesEmpty,
          "DAT_OTVORITVE prazen, trajanje 0 dni, amortizacijski načrt brez vrstic"}},
        {"G_INDEKS",
         {"Vrednost indeksa", ValuesAsZero, "indeks šteje 0 v obrestni meri amortizacijskega načrta"}},
        {"G_INDEKS_DAN",
         {"Dan indeksa", Stops,
          "INX nima dneva pred začetkom kupona: prenos se ustavi pri amortizacijskem načrtu"}},
        {"G_SIFKONT", {"Konto brez SIFKONT", LeavesEmpty, "ID_KONTO prazen, mesečni promet 0 (ECB_42 0)"}},
        {"G_ECB", {"ECB seznam 014", ValuesAsZero, "trajanja ne pokrije noben interval: ECB_14 = 01"}},
    };
    return gaps;
}

const TCheckKind& TooLongLabel() {
    static const TCheckKind kind{"Predolgo besedilo", TCheckOutcome::Stops,
                                 "stolpec ga zavrne (ORA-12899): prenos se ustavi in vrne"};
    return kind;
}

const TCheckKind& TooLargeNumber() {
    static const TCheckKind kind{"Preveliko število", TCheckOutcome::Stops,
                                 "stolpec ga zavrne (ORA-01438): prenos se ustavi in vrne"};
    return kind;
}
