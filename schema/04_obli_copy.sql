-- The closing procedure of a run: replaces the archived rows of the day and risk type with the
-- current ones. Status '0' with the rows copied per table, or '1' with the reason when the day
-- has nothing to copy (the archive is then left as it was).

CREATE OR REPLACE PROCEDURE OBLI_COPY (
    p_dan          IN  VARCHAR2,
    p_ot_lik       IN  NUMBER,
    p_status       OUT VARCHAR2,
    p_status_text  OUT VARCHAR2
) AS
    v_dan      DATE := TO_DATE(p_dan, 'DD.MM.YYYY');
    v_oblim    NUMBER;
    v_oblimd1  NUMBER;
    v_obliam   NUMBER;
BEGIN
    SELECT COUNT(*) INTO v_oblim FROM OBLIM WHERE DAT_STANJA = v_dan AND OT_LIK = p_ot_lik;
    SELECT COUNT(*) INTO v_oblimd1 FROM OBLIMD1 WHERE DAT_STANJA = v_dan AND OT_LIK = p_ot_lik;
    SELECT COUNT(*) INTO v_obliam FROM OBLIAM WHERE DAT_STANJA = v_dan AND OT_LIK = p_ot_lik;
    IF v_oblim = 0 THEN
        p_status := '1';
        p_status_text := 'Za dan ' || p_dan || ' in tip tveganja ' || p_ot_lik || ' ni podatkov za kopiranje.';
    ELSE
        DELETE FROM OBLIM_ARHIV WHERE DAT_STANJA = v_dan AND OT_LIK = p_ot_lik;
        DELETE FROM OBLIMD1_ARHIV WHERE DAT_STANJA = v_dan AND OT_LIK = p_ot_lik;
        DELETE FROM OBLIAM_ARHIV WHERE DAT_STANJA = v_dan AND OT_LIK = p_ot_lik;
        INSERT INTO OBLIM_ARHIV SELECT * FROM OBLIM WHERE DAT_STANJA = v_dan AND OT_LIK = p_ot_lik;
        INSERT INTO OBLIMD1_ARHIV SELECT * FROM OBLIMD1 WHERE DAT_STANJA = v_dan AND OT_LIK = p_ot_lik;
        INSERT INTO OBLIAM_ARHIV SELECT * FROM OBLIAM WHERE DAT_STANJA = v_dan AND OT_LIK = p_ot_lik;
        COMMIT;
        p_status := '0';
        p_status_text := 'Kopirano: OBLIM ' || v_oblim || ', OBLIMD1 ' || v_oblimd1 || ', OBLIAM ' || v_obliam || '.';
    END IF;
END OBLI_COPY;
/
