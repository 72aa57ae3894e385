// Packed records come back value for value, and field names are found in any case.
#include "platform/dataset/RecordPacking.h"
#include "platform/dataset/FieldDefs.h"

#include <gtest/gtest.h>

#include <limits>

TEST(RecordPacking, EveryKindComesBackEqual) {
    const TRecordBuffer record = {TVariant(),
                                  TVariant::Unassigned(),
                                  TVariant::FromInteger(-9007199254740993),
                                  TVariant::FromInteger(std::numeric_limits<std::int64_t>::min()),
                                  TVariant::FromInteger(std::numeric_limits<std::int64_t>::max()),
                                  TVariant::FromInteger(-1),
                                  TVariant::FromInteger(127),
                                  TVariant::FromFloat(-0.1),
                                  TVariant::FromText(""),
                                  TVariant::FromText(std::string(300, 'x') + "ŠČŽ"),
                                  TVariant::FromDateTime(45366.75),
                                  TVariant::FromBytes({'x', 0, 'y'}),
                                  TVariant::FromBytes({})};
    const TRecordBuffer unpacked = UnpackRecord(PackRecord(record));
    ASSERT_EQ(unpacked.size(), record.size());
    for (std::size_t i = 0; i < record.size(); ++i) {
        EXPECT_EQ(unpacked[i], record[i]) << i;
        EXPECT_EQ(unpacked[i].IsUnassigned(), record[i].IsUnassigned()) << i;
    }
    EXPECT_TRUE(UnpackRecord(PackRecord({})).empty());
}

TEST(FieldDefsLookup, NamesAreFoundInAnyCaseAndOnlyAfterTheirDefinition) {
    TFieldDefs defs;
    defs.Add("ID_KONTO", TFieldType::ftString, 8);
    defs.Add("znsval", TFieldType::ftFloat);
    EXPECT_EQ(defs.IndexOf("id_konto"), 0);
    EXPECT_EQ(defs.IndexOf("ZnSvAl"), 1);
    EXPECT_EQ(defs.IndexOf("ID_KONT"), -1);
    defs.Clear();
    EXPECT_EQ(defs.IndexOf("ID_KONTO"), -1);
    defs.Add("ZNSVAL", TFieldType::ftFloat);
    EXPECT_EQ(defs.IndexOf("znsval"), 0);
}
