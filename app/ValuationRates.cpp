// The interest-rate fields and the ECB codes of a position. Most apply to securities quoted in
// percent of nominal only and are emptied (or 0) for the others; codes are compared exactly,
// case-sensitively.
#include "app/ValuationSteps.h"

#include "app/ReferenceLookups.h"
#include "platform/settings/TextUtils.h"

#include <cstdio>

std::string RateKind(const TValuationRow& row) {
    std::string kind = "0";
    if (row.DolzniskiVP)
        kind = row.CouponFloat("OBRPRC") != 0 ? "3" : "0";
    const int dayCount = row.CouponInteger("SFOBD");
    if (dayCount == 6 || dayCount == 3)
        kind = "3";
    return kind;
}

double RealRate(const TValuationRow& row) {
    if (!row.InPercent() || !row.DolzniskiVP)
        return 0;
    const double fixedRate = row.SourceFloat("FIXOBR");
    return fixedRate != 0 ? fixedRate : row.CouponFloat("OBRPRC");
}

std::string TermCode(const TValuationRow& row) {
    std::string code;
    if (row.IsDealAccount())
        code = "01";
    if (row.IsSecurityAccount() && row.DolzniskiVP) {
        const double days = row.Context.SteviloDni;
        if (days >= 0) {
            char text[16];
            std::snprintf(text, sizeof text, "%2.2d", BeriEcb014(row.Context.DM, days));
            code = FirstBytes(text, 2);
        } else {
            code = "01";
        }
    }
    if (TrimBlanksAndControls(code).empty())
        code = "01";
    return row.InPercent() ? code : "";
}

std::string Ecb16Code(const TValuationRow& row) {
    return row.IsDealAccount() ? "99" : "";
}

std::string IndexKind(const TValuationRow& row) {
    std::string kind;
    if (row.IsDealAccount()) {
        kind = "NOM";
    } else if (row.IsSecurityAccount()) {
        const std::string index = TrimBlanksAndControls(row.CouponText("SFINX"));
        if (index.empty())
            kind = "NOM";
        else
            kind = BeriNazivIndeksa(row.Context.DM, index).find("TOM") != std::string::npos ? "TOM" : "OST";
    }
    return row.InPercent() ? kind : "";
}

std::string TermBand(double days) {
    if (days <= 365)
        return "2";
    if (days <= 1825)
        return "3";
    if (days <= 3650)
        return "4";
    return "5";
}

std::string TermBandCode(const TValuationRow& row) {
    if (!row.InPercent())
        return "";
    // A coupon tied to a reference rate reprices: its schedule's length says nothing of its term.
    return row.CouponText("REFOBM").empty() ? TermBand(row.Context.SteviloDni) : "1";
}

std::string ReferenceRateCode(const TValuationRow& row) {
    return row.IsSecurityAccount() ? FirstBytes(row.CouponText("REFOBM"), 2) : "";
}

std::string DebtCode(const TValuationRow& row) {
    std::string code;
    if (row.IsSecurityAccount())
        code = row.DolzniskiVP ? "1" : "2";
    else if (row.IsDealAccount())
        code = "2";
    const int account = row.SourceInteger("KKONTO");
    if (account == 257 || account == 379)
        code = "2";
    return code;
}

std::string RedemptionCode(const TValuationRow& row) {
    if (row.IsDealAccount())
        return "2";
    if (!row.IsSecurityAccount() || !row.DolzniskiVP)
        return "";
    if (row.SourceText("SFODP") == "N")
        return "2";
    return row.SourceText("DANODP").empty() ? "1" : "3";
}

int DayCountConvention(const TValuationRow& row) {
    if (!row.InPercent())
        return 0;
    switch (row.CouponInteger("SFOBD")) {
    case 100:
        return 2;
    case 200:
        return 3;
    case 300:
        return 5;
    case 365:
        return 6;
    default:
        return 1;
    }
}

double TotalRate(const TValuationRow& row) {
    return row.InPercent() ? row.CouponFloat("OBRPRC") : 0;
}

double ReferenceRateMargin(const TValuationRow& row) {
    if (!row.InPercent() || TrimBlanksAndControls(row.CouponText("REFOBM")).empty())
        return 0;
    return row.CouponFloat("OBRPRC") - row.SourceFloat("FIXOBR");
}
