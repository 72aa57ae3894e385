// The writers' own rules, kept as tables so each reads like its list of codes.
#include "app/RowWriterRules.h"

#include "platform/settings/TextUtils.h"

#include <algorithm>
#include <initializer_list>

namespace {

bool OneOf(std::int64_t value, std::initializer_list<std::int64_t> codes) {
    return std::find(codes.begin(), codes.end(), value) != codes.end();
}

// Trimming drops every control character and blank, so such a kind counts as none.
bool IsBlank(const std::string& text) {
    return TrimBlanksAndControls(text).empty();
}

} // namespace

int AmVrednost(const std::string& sfglvent, const std::string& refobm) {
    if (sfglvent != "%")
        return 0;
    return refobm.empty() ? 161 : 162;
}

std::string LinKon(const std::string& sfglvent, const std::string& sfobr) {
    if (sfglvent != "%")
        return {};
    static const std::initializer_list<const char*> linear = {"r", "R", "x", "l", "z", "a", "A"};
    const bool isLinear =
        std::any_of(linear.begin(), linear.end(), [&](const char* kind) { return sfobr == kind; });
    return isLinear ? "1" : "2";
}

std::string BanTrg(std::int64_t idpog, const std::string& vknt, const std::string& sftpf) {
    std::string code;
    if (OneOf(idpog, {60390, 60391, 64415, 64416, 66367}))
        code = "1";
    if (OneOf(idpog, {60392, 60395, 66356}))
        code = "3";
    if (OneOf(idpog, {60394, 60393, 64398, 67015}))
        code = "3";
    if (OneOf(idpog, {62336, 62374}))
        code = "4";
    if (vknt == "6")
        code = "5";
    if (sftpf == "R")
        code = "3";
    if (sftpf == "T")
        code = "1";
    if (sftpf == "H")
        code = "4";
    if (IsBlank(sftpf))
        code = "3";
    return code;
}

std::string Psdvrs(const std::string& vknt) {
    if (vknt == "1")
        return "003";
    if (vknt == "6")
        return "005";
    return {};
}
