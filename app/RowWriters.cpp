// The columns are set in the order the result tables list them; a column "not set" stays NULL in
// the new row because the dataset's insert values leave untouched fields out.
#include "app/RowWriters.h"

#include "app/DateColumn.h"
#include "app/ExchangeCode.h"
#include "app/NewRowGuard.h"
#include "app/RowWriterRules.h"

#include <algorithm>

namespace {

void SetText(TDataSet& dataSet, const char* column, const std::string& value) {
    dataSet.FieldByName(column).SetAsString(value);
}

void SetDate(TDataSet& dataSet, const char* column, const std::string& dayText) {
    SetDateColumn(dataSet.FieldByName(column), dayText);
}

void SetFloat(TDataSet& dataSet, const char* column, double value) {
    dataSet.FieldByName(column).SetAsFloat(value);
}

void SetInteger(TDataSet& dataSet, const char* column, std::int64_t value) {
    dataSet.FieldByName(column).SetAsLargeInt(value);
}

void SetOblimIdentity(TDataSet& q, const TOblimRow& row, std::int64_t seq) {
    SetInteger(q, "ID_SEQ_OBLIM", seq);
    SetText(q, "ID_APLI", row.ID_APLI);
    SetDate(q, "DAT_STANJA", row.DAT_STANJA);
    SetText(q, "ORGEN", row.ORGEN);
    SetText(q, "SM", row.SM);
    SetText(q, "ID_KOM", row.ID_KOM);
    SetText(q, "POGODBA", row.POGODBA);
    SetDate(q, "DAT_OTVORITVE", row.DAT_OTVORITVE);
    SetDate(q, "DAT_ZAPAD_POSLA", row.DAT_ZAPAD_POSLA);
    SetText(q, "ECB_14", row.ECB_14);
    SetText(q, "ECB_38", row.ECB_38);
    SetText(q, "ECB_40", row.ECB_40);
    SetFloat(q, "STEVILO_LOTOV", row.STEVILO_LOTOV);
    SetText(q, "VP_BORZNAOZN", row.VP_BORZNAOZN);
    SetText(q, "ID_REFE", row.ID_REFE);
    SetDate(q, "DAT_VPISA", row.DAT_VPISA);
    SetText(q, "ID_STO", row.ID_STO);
}

// The amortisation kind follows the output record, its value the source row: both name the same
// security, as the valuation copies SFGLVENT from Q1.
void SetOblimAmortisation(TDataModule& dm, TOblimRow& row) {
    if (row.SFGLVENT == "%")
        SetText(dm.Qoblim, "AMORTIZACIJSKI", "1");
    const std::string sourceKind = dm.Q1.FieldByName("SFGLVENT").AsString();
    row.AM_VREDNOST = AmVrednost(sourceKind, dm.Qkpn.FieldByName("REFOBM").AsString());
    if (row.AM_VREDNOST != 0)
        SetInteger(dm.Qoblim, "AM_VREDNOST", row.AM_VREDNOST);
}

void SetOblimSecurity(TDataSet& q, const TOblimRow& row, int riskType) {
    SetText(q, "ISIN", row.ISIN);
    SetInteger(q, "SFVP", row.SFVP);
    SetText(q, "ECB_ELIGIBLE_DN", row.ECB_ELIGIBLE_DN);
    SetInteger(q, "OT_LIK", riskType);
    SetText(q, "ID_MAT_TIP", row.ID_MAT_TIP);
    SetText(q, "ID_KONTO", row.ID_KONTO);
    SetDate(q, "DAT_ZAPADLOSTI", row.DAT_ZAPADLOSTI);
}

void SetD1Amounts(TDataSet& q, const TOblimRow& row) {
    SetDate(q, "DAT_ZAPADLOSTI", row.DAT_ZAPADLOSTI);
    SetText(q, "ORGEN", row.ORGEN);
    SetText(q, "SM", row.SM);
    SetText(q, "ID_KONTO", row.ID_KONTO);
    SetText(q, "ID_VAL", row.ID_VAL);
    SetFloat(q, "ZNSVAL", row.ZNSVAL);
    SetFloat(q, "ZNSDOMVAL", row.ZNSDOMVAL);
    SetText(q, "ECB_16", row.ECB_16);
    SetText(q, "ECB_21", row.ECB_21);
    SetText(q, "ECB_22", row.ECB_22);
    SetText(q, "ECB_24", row.ECB_24);
    SetText(q, "REAL_DML", row.REAL_DML);
    SetFloat(q, "REAL_OBRM", row.REAL_OBRM);
    SetFloat(q, "SKUPNA_OBRM", row.SKUPNA_OBRM);
    SetFloat(q, "REFER_OBRM", row.REFER_OBRM);
    SetText(q, "ID_APLI", row.ID_APLI);
    SetFloat(q, "ZNSPNC", row.ZNSPNC);
}

void SetD1Classes(TDataModule& dm, TOblimRow& row) {
    TDataSet& q = dm.QOblimD1;
    row.LIN_KON = LinKon(row.SFGLVENT, dm.Qkpn.FieldByName("SFOBR").AsString());
    SetText(q, "LIN_KON", row.LIN_KON);
    SetDate(q, "DAT_REPR", row.DAT_REPR);
    SetFloat(q, "ECB_42", row.ECB_42);
    row.BAN_TRG =
        BanTrg(row.IDPOG, dm.Q1.FieldByName("VKNT").AsString(), dm.Q1.FieldByName("SFTPF").AsString());
    SetText(q, "BAN_TRG", row.BAN_TRG);
}

void SetD1Lots(TDataSet& q, TOblimRow& row, int riskType) {
    SetText(q, "ID_REFE", row.ID_REFE);
    SetDate(q, "DAT_VPISA", row.DAT_VPISA);
    SetDate(q, "DAT_STANJA", row.DAT_STANJA);
    SetFloat(q, "ZNESNOM", row.ZNESNOM);
    SetInteger(q, "OT_LIK", riskType);
    if (row.IDKONVEN > 0)
        SetInteger(q, "IDKONVEN", row.IDKONVEN);
    SetFloat(q, "STEVILO_LOTOV", row.STEVILO_LOTOV);
    // Deal accounts carry their domestic amount in place of lots; the clean-up copies it to OBLIM.
    row.ZAST_LOTI = row.ZST;
    if (row.VKNT == "6") {
        SetFloat(q, "STEVILO_LOTOV", row.ZNSDOMVAL);
        row.ZAST_LOTI = 0;
    }
    SetFloat(q, "ZAST_LOTI", row.ZAST_LOTI);
}

const char kOblim[] = "OBLIM";
const char kOblimD1[] = "OBLIMD1";

} // namespace

TPositionRows::TPositionRows(TDataModule& dm, std::function<void(int)> onFailedRow)
    : FDM(dm), FOnFailedRow(std::move(onFailedRow)), FRecent(2 * InsertBlockRows),
      FOblim(Block(dm.Qoblim, kOblim)), FOblimD1(Block(dm.QOblimD1, kOblimD1)) {}

TInsertBlock TPositionRows::Block(TOracleDataSet& dataSet, const char* table) {
    return TInsertBlock(
        dataSet.Session(), table, dataSet.InsertColumns(), {},
        [this, &dataSet, table](int tag, const std::vector<TVariant>& values, const EDatabaseError& error) {
            Reject(dataSet, table, tag, values, error);
        });
}

void TPositionRows::Add(TOracleDataSet& dataSet, const TPositionRef& position, int tag) {
    const bool oblim = &dataSet == &FDM.Qoblim;
    const char* table = oblim ? kOblim : kOblimD1;
    std::vector<TVariant> values;
    try {
        values = dataSet.InsertValues(dataSet.NewRecordForPost());
        RefuseNul(values);
    } catch (const std::exception& error) {
        RaiseRejected(error, dataSet, table, position);
    }
    dataSet.Cancel();
    FRecent[static_cast<std::size_t>(tag) % FRecent.size()] = position;
    (oblim ? FOblim : FOblimD1).AddRow(std::move(values), tag);
}

void TPositionRows::Flush() {
    FOblim.Flush();
    FOblimD1.Flush();
}

int TPositionRows::OldestPendingTag() const {
    const int oblim = FOblim.OldestPendingTag();
    const int oblimD1 = FOblimD1.OldestPendingTag();
    return oblim < 0 ? oblimD1 : oblimD1 < 0 ? oblim : std::min(oblim, oblimD1);
}

// The refused row is built again in the dataset, so the rejection finds its column as for a post.
void TPositionRows::Reject(TOracleDataSet& dataSet, const char* table, int tag,
                           const std::vector<TVariant>& values, const EDatabaseError& error) {
    const TPositionRef position = FRecent[static_cast<std::size_t>(tag) % FRecent.size()];
    if (FOnFailedRow)
        FOnFailedRow(tag);
    TNewRowGuard newRow(dataSet);
    const std::vector<TOracleFieldInfo>& infos = dataSet.FieldInfos();
    for (std::size_t i = 0; i < infos.size(); ++i)
        dataSet.FieldByName(infos[i].FieldName).SetValue(values[i]);
    RaiseRejected(error, dataSet, table, position);
}

void ZapisVrsticeOblim(TDataModule& dm, TRowOutput& output, std::int64_t seq, TPositionRows& rows, int tag) {
    TOblimRow& row = output.OblimRow;
    TNewRowGuard newRow(dm.Qoblim);
    SetOblimIdentity(dm.Qoblim, row, seq);
    SetOblimAmortisation(dm, row);
    SetOblimSecurity(dm.Qoblim, row, output.RiskType);
    // The listing is looked up for deal accounts too, so its failure stops the run the same way.
    row.KODA_BORZE = BeriKodaBorze(dm, row.SFVP);
    if (row.VKNT == "6")
        row.KODA_BORZE = "XXXX";
    SetText(dm.Qoblim, "KODA_BORZE", row.KODA_BORZE);
    rows.Add(dm.Qoblim, {seq, row.ID_KONTO, row.POGODBA}, tag);
}

void ZapisVrsticeOblimD1(TDataModule& dm, TRowOutput& output, std::int64_t seq, TPositionRows& rows,
                         int tag) {
    TOblimRow& row = output.OblimRow;
    TNewRowGuard newRow(dm.QOblimD1);
    SetInteger(dm.QOblimD1, "ID_SEQ_OBLIM", seq);
    const std::string psdvrs = Psdvrs(row.VKNT);
    if (!psdvrs.empty())
        SetText(dm.QOblimD1, "PSDVRS", psdvrs);
    SetD1Amounts(dm.QOblimD1, row);
    SetD1Classes(dm, row);
    SetD1Lots(dm.QOblimD1, row, output.RiskType);
    rows.Add(dm.QOblimD1, {seq, row.ID_KONTO, row.POGODBA}, tag);
}

void ZapisVrsticeOblim(TDataModule& dm, TRowOutput& output, std::int64_t seq) {
    TPositionRows rows(dm);
    ZapisVrsticeOblim(dm, output, seq, rows, 0);
    rows.Flush();
}

void ZapisVrsticeOblimD1(TDataModule& dm, TRowOutput& output, std::int64_t seq) {
    TPositionRows rows(dm);
    ZapisVrsticeOblimD1(dm, output, seq, rows, 0);
    rows.Flush();
}
