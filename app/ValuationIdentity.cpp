// The identity and reference fields of a position: what is copied from the source row, the
// counterparty code, the contract key, the account and currency, the stamp of the run and the
// maturity type. Three contracts carry fixed codes that the reporting side expects.
#include "app/ResultKeys.h"
#include "app/ValuationSteps.h"

#include "platform/settings/DateText.h"
#include "platform/settings/TextUtils.h"

#include <cstdio>

namespace {

// The contract number as text, without blanks.
std::string ContractText(const TValuationRow& row) {
    return TrimBlanksAndControls(row.SourceText("IDPOG"));
}

} // namespace

void CopySourceValues(TValuationRow& row) {
    TOblimRow& out = row.Row;
    out.VKNT = row.SourceText("VKNT");
    out.SFVP = row.SourceInteger("SFVP");
    out.ISIN = row.SourceText("ISIN");
    out.SFGLVENT = row.SourceText("SFGLVENT");
    out.IDPOG = row.SourceId("IDPOG");
    out.ZNESNOM = row.SourceFloat("GLVNMN");
    out.VP_BORZNAOZN = row.SourceText("SFVPKRT");
    out.ID_STO = row.SourceText("TIPPST");
    out.DOGLOT = row.SourceFloat("DOGLOT");
}

std::string CounterpartyCode(const TValuationRow& row) {
    std::string code;
    // The issuer's code keeps its blanks: the reporting side matches it as stored.
    if (row.IsSecurityAccount())
        code = FirstBytes(row.SourceText("CLIENT_NO"), 8);
    else if (row.IsDealAccount())
        code = FirstBytes(TrimBlanksAndControls(row.Row.OPKRTBNK), 8);
    if (row.HasFixedContract()) {
        char fixed[16];
        std::snprintf(fixed, sizeof fixed, "%8.8lld", static_cast<long long>(row.Row.IDPOG));
        code = fixed;
    }
    return code;
}

std::string ContractKey(const TValuationRow& row) {
    std::string key = row.SourceText("SFFIN") == "G"
                          ? FirstBytes(ContractText(row), 30)
                          : FirstBytes(ContractText(row) + row.SourceText("POSEL") +
                                           TrimBlanksAndControls(row.SourceText("SFVPKRT")),
                                       30);
    if (row.Row.IDPOG == 44229 || row.Row.IDPOG == 4790)
        key = std::to_string(row.Row.IDPOG);
    if (row.SourceText("GRUPIRAJ") == "D")
        key = FirstBytes(ContractText(row), 30);
    return key;
}

void FillAccountAndCurrency(TValuationRow& row) {
    row.Row.ID_KONTO = ResultAccount(row.SourceText("KONTO"));
    row.Row.ID_VAL = ResultCurrency(row.SourceText("VLTIDBNK"));
}

void FillReferenceFields(TValuationRow& row) {
    TOblimRow& out = row.Row;
    out.DAT_STANJA = row.ReportDayText();
    out.SM = row.SourceText("KNTORG");
    out.ID_APLI = "34";
    out.ID_REFE = FirstBytes(row.Context.Referent, 10);
    out.DAT_VPISA = FormatShortDate(Today());
}

std::string MaturityTypeCode(const TValuationRow& row) {
    if (row.IsDealAccount())
        return "33";
    if (!row.IsSecurityAccount())
        return "";
    if (row.SFLST == "L" || row.SFLST == "P")
        return row.Row.IDPOG == 64398 ? "32" : "31";
    if (row.HasDebtClass())
        return "30";
    return "";
}
