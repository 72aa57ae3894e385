// Settings of the data module's components: one session for all, declared variables by dataset,
// read-only and unidirectional lookups. Nothing here opens a dataset.
#include "app/DataModule.h"

namespace {

// Lookups only read and some only walk forward once; the flags keep them from buffering or editing.
void ReadOnly(TOracleDataSet& dataSet, bool unidirectional = false) {
    dataSet.ReadOnly = true;
    dataSet.SetUnidirectional(unidirectional);
}

} // namespace

TDataModule::TDataModule() {
    OracleLogon1.Session = &OracleSession1;
    BindAll();
    DeclareVariables();
    SetReadOnly();
    // The run walks the day's source rows once, freeing them behind it, and the preview shows what
    // the grid asks for: rows are fetched as they are reached and the server counts them.
    Q1.QueryAllRecords = false;
    Q1.CountAllRecords = true;
}

std::vector<TOracleDataSet*> TDataModule::DataSets() {
    return {&Q1,           &Qoblim, &QOblimD1, &Qobliam, &Qobliam1, &Qkpn5,   &Qtrg, &Qoblim_fifo,
            &Qoblim_fifo2, &Qkpn,   &Qvln,     &Qecb,    &Q2,       &Qfin,    &Qinx, &Qkpn2,
            &Qvphst,       &Qsfinx, &Qvpshst,  &Qkpn6,   &Qdog,     &Qzdnhst, &INX1, &Qvphst3};
}

void TDataModule::BindAll() {
    for (TOracleDataSet* dataSet : DataSets()) {
        dataSet->SetSession(&OracleSession1);
        dataSet->SetOptimize(false);
    }
    Qp.SetSession(&OracleSession1);
}

void TDataModule::DeclareVariables() {
    using namespace otType;
    Qobliam1.DeclareVariable("DAT_STANJA", otDate);
    Qobliam1.DeclareVariable("ID_SEQ_OBLIM", otInteger);
    Qobliam1.DeclareVariable("OT_LIK", otInteger);
    Qkpn5.DeclareVariable("SFVP", otString);
    Qtrg.DeclareVariable("SFVP", otInteger);
    Qp.AddVariable("STATUS", otString);
    Qp.AddVariable("STATUSTEXT", otString);
    Qkpn.DeclareVariable("SFVP", otString);
    Qkpn.DeclareVariable("REPORT_DATE", otDate);
    Qvln.DeclareVariable("SFVLT", otString);
    Qvln.DeclareVariable("DAN", otDate);
    Qecb.DeclareVariable("VALUE", otFloat);
    Qfin.DeclareVariable("SFFIN", otString);
    Qinx.DeclareVariable("DAN", otDate);
    Qinx.DeclareVariable("SFINX", otString);
    Qkpn2.DeclareVariable("SFVP", otString);
    Qvphst.DeclareVariable("SFVP", otInteger);
    Qvphst.DeclareVariable("DAN", otDate);
    Qsfinx.DeclareVariable("SFINX", otString);
    Qvpshst.DeclareVariable("IDPOG", otInteger);
    Qvpshst.DeclareVariable("SFVP", otInteger);
    Qvpshst.DeclareVariable("DAN", otDate);
    Qkpn6.DeclareVariable("SFVP", otString);
    Qkpn6.DeclareVariable("REPORT_DATE", otDate);
    Qdog.DeclareVariable("IDPOG", otInteger);
    Qdog.DeclareVariable("SFVP", otInteger);
    Qzdnhst.DeclareVariable("DAN", otDate);
    Qzdnhst.DeclareVariable("SFDJV", otString);
    INX1.DeclareVariable("PRVDAN", otDate);
    Qvphst3.DeclareVariable("SFVP", otInteger);
    Qvphst3.DeclareVariable("DAN", otDate);
    Qvphst3.DeclareVariable("IDVP", otString);
}

void TDataModule::SetReadOnly() {
    for (TOracleDataSet* dataSet : {&Qobliam1, &Qkpn5, &Qkpn, &Qvln, &Qecb, &Qfin, &Qinx, &Qkpn2, &Qvphst,
                                    &Qsfinx, &Qvpshst, &Qkpn6, &Qdog, &Qvphst3})
        ReadOnly(*dataSet);
    for (TOracleDataSet* dataSet : {&Qtrg, &Qzdnhst, &INX1})
        ReadOnly(*dataSet, true);
    // The latest row on or before a day is the first of a descending order: only it is fetched.
    for (TOracleDataSet* dataSet : {&Qvln, &Qinx}) {
        dataSet->QueryAllRecords = false;
        dataSet->SetReadBuffer(1);
    }
}
