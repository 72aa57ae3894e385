// The data module: the one session, its logon component and every dataset and data source the run
// and the valuation reach by name. It fixes names, declared variables and a few settings only; the
// statement texts are set by the routines that use the datasets, every time before use.
#pragma once

#include "app/LookupCache.h"
#include "oracle/Oracle.h"
#include "oracle/OracleData.h"
#include "oracle/OracleLogon.h"
#include "platform/dataset/DataSource.h"

class TDataModule {
public:
    TDataModule();
    TDataModule(const TDataModule&) = delete;
    TDataModule& operator=(const TDataModule&) = delete;

    // Declared first: every dataset below is bound to it and must go before it.
    TOracleSession OracleSession1;
    TOracleLogon OracleLogon1;

    TOracleDataSet Q1{"Q1"};
    TOracleDataSet Qoblim{"Qoblim"};
    TOracleDataSet QOblimD1{"QOblimD1"};
    TOracleDataSet Qobliam{"Qobliam"};
    TOracleDataSet Qobliam1{"Qobliam1"};
    TOracleDataSet Qkpn5{"Qkpn5"};
    TOracleDataSet Qtrg{"Qtrg"};
    TOracleDataSet Qoblim_fifo{"Qoblim_fifo"};
    TOracleDataSet Qoblim_fifo2{"Qoblim_fifo2"};
    TOracleQuery Qp{"Qp"};
    TOracleDataSet Qkpn{"Qkpn"};
    TOracleDataSet Qvln{"Qvln"};
    TOracleDataSet Qecb{"Qecb"};
    TOracleDataSet Q2{"Q2"};
    TOracleDataSet Qfin{"Qfin"};
    TOracleDataSet Qinx{"Qinx"};
    TOracleDataSet Qkpn2{"Qkpn2"};
    TOracleDataSet Qvphst{"Qvphst"};
    TOracleDataSet Qsfinx{"Qsfinx"};
    TOracleDataSet Qvpshst{"Qvpshst"};
    TOracleDataSet Qkpn6{"Qkpn6"};
    TOracleDataSet Qdog{"Qdog"};
    TOracleDataSet Qzdnhst{"Qzdnhst"};
    TOracleDataSet INX1{"INX1"};
    TOracleDataSet Qvphst3{"Qvphst3"};

    // Declared after their datasets, so they detach before the datasets go.
    TDataSource DataSource1{&Q1};
    TDataSource DSecb{&Qoblim};
    TDataSource dsNull;
    TDataSource dsObliam{&Qobliam1};

    //! The reference lookups a run has read, remembered while it lasts.
    TLookupCache Lookups;

    //! Every TOracleDataSet above, in declaration order.
    std::vector<TOracleDataSet*> DataSets();

private:
    void BindAll();
    void DeclareVariables();
    void SetReadOnly();
};
