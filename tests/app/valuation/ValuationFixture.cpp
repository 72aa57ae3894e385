// Reference data in the shape the extraction joins it; each case adds its security, coupons,
// deals and bookings. Literals are the tests' own, so they are spliced into the statements.
#include "ValuationFixture.h"

#include "app/LookupCycle.h"
#include "app/SourceExtraction.h"
#include "app/Valuation.h"
#include "platform/settings/DateText.h"

namespace valuationtest {

void ValuationTest::SetUp() {
    AppTest::SetUp();
    Run({"INSERT INTO MATRIKA (CTRL, VPRC, VKNT) VALUES (201, '3', '1')",
         "INSERT INTO MATRIKA (CTRL, VPRC, VKNT, GRUPIRAJ) VALUES (202, '3', '1', 'D')",
         "INSERT INTO MATRIKA (CTRL, VPRC, VKNT) VALUES (257, '3', '1')",
         "INSERT INTO MATRIKA (CTRL, VPRC, VKNT) VALUES (379, '3', '1')",
         "INSERT INTO MATRIKA (CTRL, VPRC, VKNT) VALUES (909, '3', '1')",
         "INSERT INTO MATRIKA (CTRL, VPRC, VKNT) VALUES (601, '3', '6')",
         "INSERT INTO SIFKONT (CTRL, OZNAKA) VALUES (201, '2010')",
         "INSERT INTO SIFKONT (CTRL, OZNAKA) VALUES (202, '2020')",
         "INSERT INTO SIFKONT (CTRL, OZNAKA) VALUES (257, '2570')",
         "INSERT INTO SIFKONT (CTRL, OZNAKA) VALUES (379, '3790')",
         "INSERT INTO SIFKONT (CTRL, OZNAKA) VALUES (909, '09091234')",
         "INSERT INTO SIFKONT (CTRL, OZNAKA) VALUES (601, '6010')",
         "INSERT INTO FIN (SFFIN, NZV, SFLST) VALUES ('OBV', 'Obveznica', 'D')",
         "INSERT INTO FIN (SFFIN, NZV, SFLST) VALUES ('ZAP', 'Zakladna menica', 'K')",
         "INSERT INTO FIN (SFFIN, NZV, SFLST) VALUES ('KOM', 'Komercialni zapis', 'k')",
         "INSERT INTO FIN (SFFIN, NZV, SFLST) VALUES ('DEL', 'Delnica', 'L')",
         "INSERT INTO FIN (SFFIN, NZV, SFLST) VALUES ('PID', 'Investicijski sklad', 'P')",
         "INSERT INTO FIN (SFFIN, NZV, SFLST) VALUES ('G', 'Državna obveznica', 'D')",
         "INSERT INTO SIF (SSF, SIF, KRT) VALUES ('LST', 'D', 'Dolžniški')",
         "INSERT INTO SIF (SSF, SIF, KRT) VALUES ('LST', 'K', 'Kratkoročni')",
         "INSERT INTO SIF (SSF, SIF, KRT) VALUES ('LST', 'k', 'Komercialni')",
         "INSERT INTO SIF (SSF, SIF, KRT) VALUES ('LST', 'L', 'Lastniški')",
         "INSERT INTO SIF (SSF, SIF, KRT) VALUES ('LST', 'P', 'Sklad')",
         "INSERT INTO VLT (SFVLT, KRT, IDBNK) VALUES ('978', 'EUR', 'EU ')",
         "INSERT INTO VLT (SFVLT, KRT, IDBNK) VALUES ('191', 'HRK', 'HRK')",
         "INSERT INTO VLN (SFVLT, SFVLN, DAN, TCJ) VALUES ('HRK', '0', '01.03.2024', 7.5)",
         "INSERT INTO VLN (SFVLT, SFVLN, DAN, TCJ) VALUES ('HRK', '0', '16.03.2024', 8)",
         "INSERT INTO VLN (SFVLT, SFVLN, DAN, TCJ) VALUES ('HRK', '1', '14.03.2024', 9)",
         "INSERT INTO OSB (SFOSB, KRTBNK) VALUES (1, '  ISS00042')",
         "INSERT INTO OSB (SFOSB, KRTBNK) VALUES (2, '  CP0042  ')",
         "INSERT INTO ORG (SFORG, KRT, KNTORG) VALUES (1, 'OE1', 'SM01')"});
    for (const char* contract : {"10", "44229", "4790", "25283", "64398"})
        Insert("POG", {{"IDPOG", contract}, {"SFTPF", "'T'"}, {"SFORG", "1"}, {"SFOSB", "2"}});
    Insert("POG", {{"IDPOG", "11"}, {"SFTPF", "'H'"}, {"SFORG", "1"}, {"SFOSB", "2"}});
    Context->Labels = &Labels;
    Context->ReportDay = ParseShortDate(kDay);
}

void ValuationTest::Insert(const std::string& table, const TColumns& columns) {
    std::string names, values;
    for (const auto& [name, value] : columns) {
        names += (names.empty() ? "" : ", ") + name;
        values += (values.empty() ? "" : ", ") + value;
    }
    Run({"INSERT INTO " + table + " (" + names + ") VALUES (" + values + ")"});
}

namespace {

// The defaults with each given column replacing the default of its name or added to them.
TColumns Merged(TColumns all, const TColumns& columns) {
    for (const auto& column : columns) {
        auto same =
            std::find_if(all.begin(), all.end(), [&](const auto& c) { return c.first == column.first; });
        if (same != all.end())
            same->second = column.second;
        else
            all.push_back(column);
    }
    return all;
}

} // namespace

void ValuationTest::Security(int sfvp, const TColumns& columns) {
    const TColumns defaults = {{"SFVP", std::to_string(sfvp)},
                               {"KRT", "'OBV" + std::to_string(sfvp) + "'"},
                               {"ISIN", "'SI0031100001'"},
                               {"SFVLTNMN", "'978'"},
                               {"SFFIN", "'OBV'"},
                               {"SFGLVENT", "'%'"},
                               {"GLVNMN", "1000"},
                               {"TIPPST", "'T1'"},
                               {"SFOSBIZD", "1"},
                               {"ECB_ELIGIBLE_DN", "'D'"}};
    Insert("SFVP", Merged(defaults, columns));
}

void ValuationTest::Coupon(int sfvp, int number, const std::string& from, const std::string& to,
                           const TColumns& columns) {
    TColumns all = {{"SFVP", std::to_string(sfvp)},
                    {"STKPN", std::to_string(number)},
                    {"PRVDAN", "'" + from + "'"},
                    {"ZDNDAN", "'" + to + "'"}};
    all.insert(all.end(), columns.begin(), columns.end());
    Insert("KPN", all);
}

void ValuationTest::Book(const TBooking& booking) {
    Insert("KNJIZBE", {{"IDKNJ", std::to_string(FNextBooking++)},
                       {"KONTO", std::to_string(booking.konto)},
                       {"VP", std::to_string(booking.vp)},
                       {"IDVP", booking.idvp},
                       {"IDPOG", std::to_string(booking.idpog)},
                       {"IDMASTER", booking.idmaster},
                       {"BZNESEK", booking.credit},
                       {"DZNESEK", booking.debit},
                       {"DATUMV", "'" + booking.day + "'"},
                       {"VALUTA", "'" + booking.currency + "'"}});
}

std::vector<TOblimRow> ValuationTest::ValueAll() {
    BeriPodatke(*Context);
    Labels.Calls.clear();
    std::vector<TOblimRow> rows;
    for (; !DM->Q1.Eof(); DM->Q1.Next())
        rows.push_back(ValueCurrentRow());
    return rows;
}

TOblimRow ValuationTest::ValueCurrentRow() {
    Output.OblimRow.OPKRTBNK = DM->Q1.FieldByName("OPKRTBNK").AsString();
    PolniPodatke(*Context, Output, KindLetterFromVknt(DM->Q1.FieldByName("VKNT").AsString()));
    return Output.OblimRow;
}

TOblimRow ValuationTest::ValueLiteralRow(const TColumns& columns) {
    const TColumns defaults = {{"VKNT", "'1'"},
                               {"SFVP", "1"},
                               {"VP1", "1"},
                               {"ISIN", "'SI0031100001'"},
                               {"SFGLVENT", "'%'"},
                               {"IDPOG", "10"},
                               {"GLVNMN", "1000"},
                               {"SFVPKRT", "'OBV1'"},
                               {"TIPPST", "'T1'"},
                               {"DOGLOT", "NULL"},
                               {"CLIENT_NO", "'  ISS00042'"},
                               {"OPKRTBNK", "'  CP0042  '"},
                               {"SFFIN", "'OBV'"},
                               {"POSEL", "100"},
                               {"GRUPIRAJ", "NULL"},
                               {"ZPDVP", "NULL"},
                               {"DOGDAN", "NULL"},
                               {"DATUMV", "'05.03.2024'"},
                               {"KONTO", "'2010'"},
                               {"KKONTO", "201"},
                               {"VLTIDBNK", "'EU '"},
                               {"ZNESEK", "1000"},
                               {"KVALUTA", "'E'"},
                               {"FIXOBR", "NULL"},
                               {"KNTORG", "'SM01'"},
                               {"SFTPF", "'T'"},
                               {"SFODP", "NULL"},
                               {"DANODP", "NULL"},
                               {"ECB_ELIGIBLE_DN", "'D'"}};
    std::string select;
    for (const auto& [name, value] : Merged(defaults, columns))
        select += (select.empty() ? "SELECT " : ", ") + value + " " + name;
    RunLookup(DM->Q1, select + " FROM DUAL");
    return ValueCurrentRow();
}

TOblimRow ValuationTest::Value() {
    const std::vector<TOblimRow> rows = ValueAll();
    EXPECT_EQ(rows.size(), 1u);
    return rows.empty() ? TOblimRow() : rows.front();
}

} // namespace valuationtest
