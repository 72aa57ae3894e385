// The output record of the position being written and the per-window state the writers keep with it:
// the valuation fills TOblimRow field by field, the row writers and the repayment plan store it. One
// TRowOutput lives beside the window's TRunContext, so each window (and each test) has its own.
#pragma once

#include <cstdint>
#include <string>

//! One field per result-table column the valuation fills, named after that column, plus the
//! auxiliary values of the source row. Dates are texts (day.month.year); an empty text or the
//! zero day is stored as NULL.
struct TOblimRow {
    std::string ID_APLI;
    std::string DAT_STANJA;
    std::string ORGEN;
    std::string SM;
    std::string ID_KOM;
    std::string POGODBA;
    std::string DAT_OTVORITVE;
    std::string DAT_ZAPAD_POSLA;
    std::string ECB_14;
    std::string ECB_38;
    std::string ECB_40;
    double STEVILO_LOTOV = 0;
    std::string VP_BORZNAOZN;
    std::string ID_REFE;
    std::string DAT_VPISA;
    std::string ID_STO;
    std::string ISIN;
    int SFVP = 0;
    std::string ECB_ELIGIBLE_DN;
    std::string ID_MAT_TIP;
    std::string ID_KONTO;
    std::string DAT_ZAPADLOSTI;
    std::string ID_VAL;
    double ZNSVAL = 0;
    double ZNSDOMVAL = 0;
    std::string ECB_16;
    std::string ECB_21;
    std::string ECB_22;
    std::string ECB_24;
    std::string REAL_DML;
    double REAL_OBRM = 0;
    double SKUPNA_OBRM = 0;
    double REFER_OBRM = 0;
    double ZNSPNC = 0;
    std::string DAT_REPR;
    double ECB_42 = 0;
    double ZNESNOM = 0; //!< the repayment plan overwrites it with the security's nominal value
    int IDKONVEN = 0;   //!< stored only when greater than 0

    // Computed by the writers.
    int AM_VREDNOST = 0;
    std::string KODA_BORZE;
    std::string LIN_KON;
    std::string BAN_TRG;
    double ZAST_LOTI = 0;

    // Auxiliary values of the source row.
    std::string VKNT;
    std::string SFGLVENT;
    std::int64_t IDPOG = 0; //!< contract ids pass 2^31
    double ZST = 0;         //!< pledged lots of the holding
    std::string OPKRTBNK;
    double DOGLOT = 0;
};

//! What the writers keep per main window: the output record and the risk type that keys the rows.
struct TRowOutput {
    TOblimRow OblimRow;
    int RiskType = 0; //!< the item index of the risk-type choice; stored as OT_LIK
};
