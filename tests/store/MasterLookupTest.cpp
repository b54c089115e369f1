#include "StoreTestSupport.h"

#include "store/MasterLookup.h"
#include "store/Transaction.h"

#include <gtest/gtest.h>

namespace zoruka {
namespace {

class MasterLookupTest : public ::testing::Test {
protected:
    MasterLookupTest()
    {
        Database database = Database::openOrCreate(m_folder.location());
        Transaction transaction(database);
        // category, sequence, name, short name, classification
        const std::vector<std::vector<std::string>> rows = {
            {"200", "001", "前", "ま", ""},      {"201", "002", "中級", "中", "000"},
            {"201", "001", "初級", "初", "000"}, {"201", "010", "上級", "上", "000"},
            {"202", "001", "後", "あ", "000"},   {"300", "001", "一", "", ""},
            {"300", "002", "二", "", ""},        {"300", "003", "三", "", "100"},
            {"301", "001", "次", "", ""},        {"500", "001", "ゾルカ会", "ゾ", ""},
        };
        for (const auto& row : rows) {
            TableCursor master = database.table("マスタ");
            master.editOrAddNew({row[0], row[1]});
            master.setValue("マ_名称", row[2]);
            master.setValue("マ_略称", row[3]);
            master.setValue("マ_教科", row[4]);
            master.update();
        }
        transaction.commit();
    }

    test::TempFolder m_folder;
    MasterLookup m_lookup{m_folder.location()};
};

TEST_F(MasterLookupTest, NamesOfACategoryComeInSequenceOrderAndStopAtTheNextCategory)
{
    EXPECT_EQ(m_lookup.namesOfCategory("201"), (std::vector<std::string>{"初級", "中級", "上級"}));
    EXPECT_EQ(m_lookup.namesOfCategory("100"), std::vector<std::string>{});
    EXPECT_EQ(m_lookup.namesOfCategory("999"), std::vector<std::string>{});
}

TEST_F(MasterLookupTest, LookupByNameSetsSequenceAndNameOrEmptiesSequenceAndShortName)
{
    std::string target;
    m_lookup.findByKey("201", "001", target);
    EXPECT_EQ(m_lookup.shortName(), "初");

    m_lookup.findByName("201", "上級");
    EXPECT_EQ(m_lookup.sequenceNumber(), "010");
    EXPECT_EQ(m_lookup.name(), "上級");
    EXPECT_EQ(m_lookup.shortName(), "初");

    m_lookup.findByName("202", "上級");
    EXPECT_EQ(m_lookup.sequenceNumber(), "");
    EXPECT_EQ(m_lookup.shortName(), "");
    EXPECT_EQ(m_lookup.name(), "上級");
}

TEST_F(MasterLookupTest, LookupByKeyFillsTheTargetOnlyWhenFound)
{
    std::string clubName = "前の値";
    m_lookup.findByKey("500", "001", clubName);
    EXPECT_EQ(clubName, "ゾルカ会");
    EXPECT_EQ(m_lookup.name(), "ゾルカ会");
    EXPECT_EQ(m_lookup.shortName(), "") << "short names come only from category 201";

    m_lookup.findByKey("201", "002", clubName);
    EXPECT_EQ(m_lookup.shortName(), "中");

    clubName = "前の値";
    m_lookup.findByKey("500", "002", clubName);
    EXPECT_EQ(clubName, "前の値");
    EXPECT_EQ(m_lookup.name(), "");
    EXPECT_EQ(m_lookup.shortName(), "中");
}

TEST_F(MasterLookupTest, CountingTakesEmptyClassificationElseFallsBackToZeroZeroZero)
{
    EXPECT_EQ(m_lookup.countClassification("300"), 2);
    EXPECT_EQ(m_lookup.countClassification("200"), 1);
    EXPECT_EQ(m_lookup.countClassification("201"), 3);
    EXPECT_EQ(m_lookup.countClassification("100"), 0);
}

} // namespace
} // namespace zoruka
