// The data module as created: one session for every dataset, nothing open, no statement, the
// declared variables and the read-only and unidirectional settings the lookups rely on.
#include "app/DataModule.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

std::vector<std::pair<std::string, int>> Variables(const TOracleQuery& query) {
    std::vector<std::pair<std::string, int>> result;
    for (int i = 0; i < query.Variables().Count(); ++i)
        result.emplace_back(query.Variables()[i].Name, query.Variables()[i].Type);
    return result;
}

} // namespace

TEST(DataModule, EveryDataSetIsClosedWithoutStatementOnTheOneSession) {
    TDataModule dm;
    EXPECT_EQ(dm.OracleLogon1.Session, &dm.OracleSession1);
    EXPECT_EQ(dm.DataSets().size(), 24u);
    for (TOracleDataSet* dataSet : dm.DataSets()) {
        SCOPED_TRACE(dataSet->Name());
        EXPECT_FALSE(dataSet->Active());
        EXPECT_TRUE(dataSet->SQL().empty());
        EXPECT_EQ(dataSet->Session(), &dm.OracleSession1);
        EXPECT_FALSE(dataSet->MainQuery().Optimize);
    }
    EXPECT_EQ(dm.Qp.Session(), &dm.OracleSession1);
    EXPECT_TRUE(dm.Qp.SQL.empty());
}

TEST(DataModule, DeclaredVariablesByDataSet) {
    using namespace otType;
    TDataModule dm;
    const std::map<std::string, std::vector<std::pair<std::string, int>>> expected = {
        {"Qobliam1", {{":DAT_STANJA", otDate}, {":ID_SEQ_OBLIM", otInteger}, {":OT_LIK", otInteger}}},
        {"Qkpn5", {{":SFVP", otString}}},
        {"Qtrg", {{":SFVP", otInteger}}},
        {"Qkpn", {{":SFVP", otString}, {":REPORT_DATE", otDate}}},
        {"Qvln", {{":SFVLT", otString}, {":DAN", otDate}}},
        {"Qecb", {{":VALUE", otFloat}}},
        {"Qfin", {{":SFFIN", otString}}},
        {"Qinx", {{":DAN", otDate}, {":SFINX", otString}}},
        {"Qkpn2", {{":SFVP", otString}}},
        {"Qvphst", {{":SFVP", otInteger}, {":DAN", otDate}}},
        {"Qsfinx", {{":SFINX", otString}}},
        {"Qvpshst", {{":IDPOG", otInteger}, {":SFVP", otInteger}, {":DAN", otDate}}},
        {"Qkpn6", {{":SFVP", otString}, {":REPORT_DATE", otDate}}},
        {"Qdog", {{":IDPOG", otInteger}, {":SFVP", otInteger}}},
        {"Qzdnhst", {{":DAN", otDate}, {":SFDJV", otString}}},
        {"INX1", {{":PRVDAN", otDate}}},
        {"Qvphst3", {{":SFVP", otInteger}, {":DAN", otDate}, {":IDVP", otString}}},
    };
    for (TOracleDataSet* dataSet : dm.DataSets()) {
        SCOPED_TRACE(dataSet->Name());
        const auto it = expected.find(dataSet->Name());
        const std::vector<std::pair<std::string, int>> none;
        EXPECT_EQ(Variables(dataSet->MainQuery()), it == expected.end() ? none : it->second);
    }
    EXPECT_EQ(Variables(dm.Qp),
              (std::vector<std::pair<std::string, int>>{{":STATUS", otString}, {":STATUSTEXT", otString}}));
}

TEST(DataModule, LookupsAreReadOnlyAndThreeUnidirectional) {
    TDataModule dm;
    const std::set<std::string> writable = {"Q1",          "Qoblim",       "QOblimD1", "Qobliam",
                                            "Qoblim_fifo", "Qoblim_fifo2", "Q2"};
    const std::set<std::string> unidirectional = {"Qtrg", "Qzdnhst", "INX1"};
    for (TOracleDataSet* dataSet : dm.DataSets()) {
        SCOPED_TRACE(dataSet->Name());
        EXPECT_EQ(dataSet->ReadOnly, !writable.count(dataSet->Name()));
        EXPECT_EQ(dataSet->Unidirectional(), unidirectional.count(dataSet->Name()) == 1);
    }
}

TEST(DataModule, DataSourcesNameTheirDataSets) {
    TDataModule dm;
    EXPECT_EQ(dm.DataSource1.DataSet(), &dm.Q1);
    EXPECT_EQ(dm.DSecb.DataSet(), &dm.Qoblim);
    EXPECT_EQ(dm.dsNull.DataSet(), nullptr);
    EXPECT_EQ(dm.dsObliam.DataSet(), &dm.Qobliam1);
}
