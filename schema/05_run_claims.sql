-- The transfer run in progress per report day and risk type. A run writes its user, host, process
-- and start time here and commits, then keeps the row locked in its own transaction until it
-- ends: a second run of the same day and risk type finds the row locked and names the holder. A
-- killed run's row stays but its lock goes with its session, so the next run simply takes it over.

CREATE TABLE OBLI_PRENOS (
    DAT_STANJA       DATE          NOT NULL,
    OT_LIK           NUMBER(1)     NOT NULL,
    UPORABNIK        VARCHAR2(128),
    RACUNALNIK       VARCHAR2(253),
    PROCES           NUMBER(10),
    ZACETEK          DATE,
    CONSTRAINT OBLI_PRENOS_PK PRIMARY KEY (DAT_STANJA, OT_LIK)
);
