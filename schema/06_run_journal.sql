-- The run journal: one row per transfer run, written and committed before the run begins and
-- completed in the run's own transaction, so a completed run always has its entry and a failed,
-- cancelled or killed one keeps at least its start. OBLI_USKLADITEV holds, per run, account and
-- currency, the totals after each step of the run; the reconciliation is read from them.

CREATE SEQUENCE OBLI_DNEVNIK_SEQ;

CREATE TABLE OBLI_DNEVNIK (
    ID                 NUMBER(12)    NOT NULL,
    DAT_STANJA         DATE          NOT NULL,
    OT_LIK             NUMBER(1)     NOT NULL,
    UPORABNIK          VARCHAR2(128),
    OS_UPORABNIK       VARCHAR2(128),
    RACUNALNIK         VARCHAR2(253),
    PROCES             NUMBER(10),
    PROGRAM            VARCHAR2(64),
    ZACETEK            DATE,
    KONEC              DATE,
    IZID               VARCHAR2(20),
    NAPAKA             VARCHAR2(2000),
    POZICIJA           VARCHAR2(200),
    IZVORNIH           NUMBER(10),
    ZAPISANO_OBLIM     NUMBER(10),
    ZAPISANO_OBLIMD1   NUMBER(10),
    ZAPISANO_OBLIAM    NUMBER(10),
    FIFO1_OBLIM        NUMBER(10),
    FIFO2_OBLIM        NUMBER(10),
    FIFO2_OBLIMD1      NUMBER(10),
    PREDZNAKI_OBLIM    NUMBER(10),
    PREDZNAKI_OBLIMD1  NUMBER(10),
    PREDZNAKI_SPREM    NUMBER(10),
    LOTI_SPREM         NUMBER(10),
    KONCNO_OBLIM       NUMBER(10),
    KONCNO_OBLIMD1     NUMBER(10),
    STATUS             VARCHAR2(100),
    STATUS_TEXT        VARCHAR2(2000),
    CONSTRAINT OBLI_DNEVNIK_PK PRIMARY KEY (ID)
);

CREATE INDEX OBLI_DNEVNIK_DAN ON OBLI_DNEVNIK (DAT_STANJA, OT_LIK);

-- KORAK: IZVOR (the extraction: ZNSVAL holds the sum of ZNESEK), ZAPIS (the positions as written),
-- FIFO1, FIFO2, PREDZNAKI (the positions after each clean-up pass) and KONCNO (the OBLIMD1 rows at
-- the end, with or without their OBLIM row).
CREATE TABLE OBLI_USKLADITEV (
    ID_DNEVNIK         NUMBER(12)    NOT NULL,
    KORAK              VARCHAR2(10)  NOT NULL,
    ID_KONTO           VARCHAR2(8),
    ID_VAL             VARCHAR2(3),
    VRSTIC             NUMBER(10),
    ZNSVAL             NUMBER(22,4),
    ZNSDOMVAL          NUMBER(22,4)
);

CREATE INDEX OBLI_USKLADITEV_DNEVNIK ON OBLI_USKLADITEV (ID_DNEVNIK);
