#include "registers/RegisterTestSupport.h"
#include "store/StoreTestSupport.h"

#include "registers/ItemLookup.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

namespace zoruka {
namespace {

class ItemLookupTest : public ::testing::Test {
protected:
    ItemLookupTest()
    {
        Database database = Database::openOrCreate(m_folder.location());
        test::enterItem(database, "2", "20300", "コート代");
        test::enterItem(database, "1", "10300", "参加費");
        test::enterItem(database, "1", "10200", "月会費");
        test::enterItem(database, "2", "20100", "シャトル代");
    }

    test::TempFolder m_folder;
    ItemLookup m_lookup{m_folder.location()};
};

TEST_F(ItemLookupTest, NamesOfADirectionComeInCodeOrderAndStopAtTheOtherDirection)
{
    EXPECT_EQ(m_lookup.names("1"), (std::vector<std::string>{"前月繰越", "月会費", "参加費"}));
    EXPECT_EQ(m_lookup.names("2"),
              (std::vector<std::string>{"シャトル代", "コート代", "次月繰越"}));
    EXPECT_EQ(m_lookup.names("3"), std::vector<std::string>{});
}

TEST_F(ItemLookupTest, NameToCodeWithinTheDirectionOrEmpty)
{
    EXPECT_EQ(m_lookup.codeOf("1", "参加費"), "10300");
    EXPECT_EQ(m_lookup.codeOf("2", "次月繰越"), "20900");
    EXPECT_EQ(m_lookup.codeOf("2", "参加費"), "");
    EXPECT_EQ(m_lookup.codeOf("1", "無い費目"), "");
    EXPECT_EQ(m_lookup.codeOf("1", ""), "");
}

TEST_F(ItemLookupTest, CodeToNameWithinTheDirectionOrEmpty)
{
    EXPECT_EQ(m_lookup.nameOf("2", "20100"), "シャトル代");
    EXPECT_EQ(m_lookup.nameOf("1", "10100"), "前月繰越");
    EXPECT_EQ(m_lookup.nameOf("1", "20100"), "");
    EXPECT_EQ(m_lookup.nameOf("2", "2010"), "");
}

TEST_F(ItemLookupTest, EachCallSeesTheItemsWrittenBeforeIt)
{
    EXPECT_EQ(m_lookup.nameOf("1", "10400"), "");
    {
        Database database = Database::open(m_folder.location());
        test::enterItem(database, "1", "10400", "寄付");
    }
    EXPECT_EQ(m_lookup.nameOf("1", "10400"), "寄付");
    EXPECT_EQ(m_lookup.codeOf("1", "寄付"), "10400");
    EXPECT_EQ(m_lookup.names("1").back(), "寄付");
}

TEST(ItemLookupFile, AMissingDatabaseIsAStoreError)
{
    test::TempFolder folder;
    const ItemLookup lookup(folder.location());
    EXPECT_THROW(lookup.names("1"), StoreError);
    EXPECT_THROW(lookup.codeOf("1", "x"), StoreError);
    EXPECT_THROW(lookup.nameOf("1", "10100"), StoreError);
}

} // namespace
} // namespace zoruka
