// The result datasets are opened as the run opens them, with ROWID, so posts go through the same
// generated INSERTs.
#include "WritersFixture.h"

#include "app/LookupCycle.h"

namespace writerstest {

void WritersTest::SetUp() {
    AppTest::SetUp();
    const std::string where = std::string(" WHERE DAT_STANJA='") + kDay + "' ";
    RunLookup(DM->Qoblim, "SELECT OBLIM.*, OBLIM.ROWID FROM OBLIM " + where + " AND OT_LIK=0");
    RunLookup(DM->QOblimD1, "SELECT OBLIMD1.*, OBLIMD1.ROWID FROM OBLIMD1 " + where + " AND OT_LIK=0");
    RunLookup(DM->Qobliam, "SELECT OBLIAM.*, OBLIAM.ROWID FROM OBLIAM " + where);
    Output.OblimRow.DAT_STANJA = kDay;
    SourceRow("1", "N", "X");
    CurrentCoupon("", "");
}

void WritersTest::SourceRow(const std::string& vknt, const std::string& sfglvent, const std::string& sftpf) {
    RunLookup(DM->Q1,
              "SELECT '" + vknt + "' VKNT, '" + sfglvent + "' SFGLVENT, '" + sftpf + "' SFTPF FROM DUAL");
    Output.OblimRow.VKNT = vknt;
    Output.OblimRow.SFGLVENT = sfglvent;
}

void WritersTest::CurrentCoupon(const std::string& refobm, const std::string& sfobr) {
    RunLookup(DM->Qkpn, "SELECT '" + refobm + "' REFOBM, '" + sfobr + "' SFOBR FROM DUAL");
}

std::string WritersTest::Value(const std::string& query) {
    TOracleDataSet result("Check");
    result.SetSession(&DM->OracleSession1);
    RunLookup(result, query);
    return result.IsEmpty() ? std::string("<no row>") : result.Fields(0).AsString();
}

} // namespace writerstest
