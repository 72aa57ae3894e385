-- The accounting and securities tables the transfer run reads: bookings, account matrix and codes,
-- deals, contracts, units, persons, securities, instruments, code lists, currencies and rates,
-- coupon periods, indices, ECB code lists, holdings and turnover histories, exchanges and listings.
-- Plain Oracle DDL: runs on an Oracle server and on the embedded engine alike.

CREATE TABLE KNJIZBE (
    IDKNJ      NUMBER(12)    NOT NULL,
    KONTO      NUMBER(9)     NOT NULL,
    VP         NUMBER(9),
    IDVP       NUMBER(12),
    IDPOG      NUMBER(9),
    IDMASTER   NUMBER(12),
    IDOBD      NUMBER(9)     DEFAULT 0 NOT NULL,
    BZNESEK    NUMBER(18,2)  DEFAULT 0 NOT NULL,
    DZNESEK    NUMBER(18,2)  DEFAULT 0 NOT NULL,
    DATUMV     DATE          NOT NULL,
    DATUMZ     DATE,
    DATUMK     DATE,
    DEJAVNOST  VARCHAR2(10),
    VALUTA     VARCHAR2(3),
    CONSTRAINT KNJIZBE_PK PRIMARY KEY (IDKNJ)
);

CREATE TABLE MATRIKA (
    CTRL       NUMBER(9)     NOT NULL,
    VPRC       CHAR(1)       NOT NULL,
    VKNT       CHAR(1)       NOT NULL,
    GRUPIRAJ   VARCHAR2(10),
    CONSTRAINT MATRIKA_PK PRIMARY KEY (CTRL, VPRC)
);

CREATE TABLE SIFKONT (
    CTRL       NUMBER(9)     NOT NULL,
    OZNAKA     VARCHAR2(20)  NOT NULL,
    AKTIVEN    CHAR(1),
    CONSTRAINT SIFKONT_PK PRIMARY KEY (CTRL)
);

CREATE TABLE DOG (
    IDDOG      NUMBER(12)    NOT NULL,
    IDPSL      NUMBER(12),
    IDVP       NUMBER(12),
    IDPOG      NUMBER(9),
    SFVP       NUMBER(9),
    SFPDG      VARCHAR2(1),
    SFVLT      VARCHAR2(3),
    DAN        DATE,
    ZPD        DATE,
    VP         NUMBER(18,4),
    LOT        NUMBER(18,4),
    REZ        NUMBER(18,4),
    GLVTCJ     NUMBER(18,6),
    CONSTRAINT DOG_PK PRIMARY KEY (IDDOG)
);

CREATE TABLE POG (
    IDPOG      NUMBER(9)     NOT NULL,
    SFTPF      VARCHAR2(1),
    SFORG      NUMBER(9),
    SFOSB      NUMBER(9),
    CONSTRAINT POG_PK PRIMARY KEY (IDPOG)
);

CREATE TABLE ORG (
    SFORG      NUMBER(9)     NOT NULL,
    KRT        VARCHAR2(10),
    KNTORG     VARCHAR2(10),
    CONSTRAINT ORG_PK PRIMARY KEY (SFORG)
);

CREATE TABLE OSB (
    SFOSB          NUMBER(9)     NOT NULL,
    KRTBNK         VARCHAR2(20),
    SFBON          VARCHAR2(10),
    SEKTORIZACIJA  VARCHAR2(10),
    MTS            VARCHAR2(10),
    SWIFT          VARCHAR2(11),
    SFSOS          VARCHAR2(10),
    SFDRZ          VARCHAR2(3),
    CONSTRAINT OSB_PK PRIMARY KEY (SFOSB)
);

CREATE TABLE SFVP (
    SFVP             NUMBER(9)     NOT NULL,
    KRT              VARCHAR2(30),
    ISIN             VARCHAR2(12),
    ZPDVP            DATE,
    SFVLP            VARCHAR2(10),
    SFVLTNMN         VARCHAR2(3),
    FIXOBR           NUMBER,
    SFODP            VARCHAR2(10),
    DANODP           DATE,
    TIPPST           VARCHAR2(10),
    SFFIN            VARCHAR2(10),
    REFINXNZV        VARCHAR2(60),
    GLVNMN           NUMBER(18,2),
    SFGLVENT         VARCHAR2(1),
    ECB_ELIGIBLE_DN  VARCHAR2(1),
    SFOSBIZD         NUMBER(9),
    CONSTRAINT SFVP_PK PRIMARY KEY (SFVP)
);

CREATE TABLE FIN (
    SFFIN      VARCHAR2(10)  NOT NULL,
    NZV        VARCHAR2(60),
    SFLST      VARCHAR2(1),
    CONSTRAINT FIN_PK PRIMARY KEY (SFFIN)
);

CREATE TABLE SIF (
    SSF        VARCHAR2(3)   NOT NULL,
    SIF        VARCHAR2(10)  NOT NULL,
    KRT        VARCHAR2(30),
    CONSTRAINT SIF_PK PRIMARY KEY (SSF, SIF)
);

CREATE TABLE VLT (
    SFVLT      VARCHAR2(3)   NOT NULL,
    KRT        VARCHAR2(3),
    IDBNK      VARCHAR2(3),
    CONSTRAINT VLT_PK PRIMARY KEY (SFVLT)
);

CREATE TABLE VLN (
    SFVLT      VARCHAR2(3)   NOT NULL,
    SFVLN      VARCHAR2(1)   NOT NULL,
    DAN        DATE          NOT NULL,
    TCJ        NUMBER(18,8),
    CONSTRAINT VLN_PK PRIMARY KEY (SFVLT, SFVLN, DAN)
);

CREATE TABLE KPN (
    SFVP       NUMBER(9)     NOT NULL,
    STKPN      NUMBER(5)     NOT NULL,
    PRVDAN     DATE          NOT NULL,
    ZDNDAN     DATE          NOT NULL,
    SFOBD      VARCHAR2(3),
    SFOBM      VARCHAR2(1),
    SFOBR      VARCHAR2(1),
    SFINX      VARCHAR2(10),
    REFOBM     VARCHAR2(10),
    OBRPRC     NUMBER(12,6),
    OBROBR     NUMBER(18,6),
    GLVOBR     NUMBER(18,6),
    GLV        NUMBER(18,6),
    CONSTRAINT KPN_PK PRIMARY KEY (SFVP, STKPN)
);

CREATE TABLE INX (
    SFINX      VARCHAR2(10)  NOT NULL,
    DAN        DATE          NOT NULL,
    INX        NUMBER(18,8),
    CONSTRAINT INX_PK PRIMARY KEY (SFINX, DAN)
);

CREATE TABLE SFINX (
    SFINX      VARCHAR2(10)  NOT NULL,
    NZV        VARCHAR2(60),
    CONSTRAINT SFINX_PK PRIMARY KEY (SFINX)
);

CREATE TABLE ECB_SIFRANTI (
    ECB_SEZNAM_ID  VARCHAR2(3)   NOT NULL,
    ECB_SIFR_ID    NUMBER(9)     NOT NULL,
    INTERVAL_OD    NUMBER(12,2),
    INTERVAL_DO    NUMBER(12,2),
    NAZIV          VARCHAR2(100),
    CONSTRAINT ECB_SIFRANTI_PK PRIMARY KEY (ECB_SEZNAM_ID, ECB_SIFR_ID)
);

CREATE TABLE VPHST (
    SFVP       NUMBER(9)     NOT NULL,
    DAN        DATE          NOT NULL,
    IDVP       NUMBER(12)    NOT NULL,
    IDPOG      NUMBER(9),
    SFSVP      VARCHAR2(1)   NOT NULL,
    LOT        NUMBER(18,4),
    GLVTCJNKP  NUMBER(18,6),
    DANNKP     DATE
);

CREATE TABLE VPSHST (
    IDPOG      NUMBER(9)     NOT NULL,
    SFVP       NUMBER(9)     NOT NULL,
    DAN        DATE          NOT NULL,
    SFSVP      VARCHAR2(1)   NOT NULL,
    LOT        NUMBER(18,4),
    GLVTCJNKP  NUMBER(18,6),
    ZST        NUMBER(18,4)
);

CREATE TABLE ZDNHST (
    DAN        DATE          NOT NULL,
    SFDJV      VARCHAR2(3)   NOT NULL,
    VRDOK      VARCHAR2(1)   NOT NULL
);

CREATE TABLE TRG (
    SFTRG      NUMBER(9)     NOT NULL,
    MIC        VARCHAR2(4),
    NZV        VARCHAR2(60),
    CONSTRAINT TRG_PK PRIMARY KEY (SFTRG)
);

CREATE TABLE KTC (
    SFVP       NUMBER(9)     NOT NULL,
    SFTRG      NUMBER(9)     NOT NULL,
    DAN        DATE          NOT NULL,
    DANPRK     DATE
);
