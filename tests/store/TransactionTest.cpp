#include "StoreTestSupport.h"

#include "store/ReadTransaction.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

#include <gtest/gtest.h>

namespace zoruka {
namespace {

using test::enterCash;

class TransactionTest : public ::testing::Test {
protected:
    TransactionTest()
    {
        Database database = Database::openOrCreate(m_folder.location());
        enterCash(database, "26/04/05", "1", "10200", "2000");
        for (const char* member : {"佐藤", "鈴木"}) {
            TableCursor detail = database.table("出納明細");
            detail.editOrAddNew({"26", "04", "05", "1", "10200", member});
            detail.setValue("明_金額", "1000");
            detail.update();
        }
    }

    std::vector<std::string> rowCounts()
    {
        return test::queryFile(m_folder.databaseFile(), "SELECT (SELECT count(*) FROM 出納帳), "
                                                        "(SELECT count(*) FROM 出納明細)");
    }

    // Deletes the cash-book row of 26/04/05 and its detail, as the cash-book screen does.
    static void deleteEntry(Database& database)
    {
        TableCursor cash = database.table("出納帳");
        cash.setIndex("Key_出納帳");
        cash.seek(Seek::Equal, {"26", "04", "05", "1", "10200"});
        cash.deleteRow();
        TableCursor detail = database.table("出納明細");
        detail.setIndex("Key_明細");
        detail.seek(Seek::AtLeast, {"26", "04", "05", "1", "10200", ""});
        for (; !detail.eof() && detail.value("明_日") == "05"; detail.moveNext()) {
            detail.deleteRow();
        }
    }

    test::TempFolder m_folder;
};

TEST_F(TransactionTest, AFailureHalfWayLeavesTheFileAsItWas)
{
    EXPECT_EQ(rowCounts(), std::vector<std::string>{"1|2"});
    Database database = Database::open(m_folder.location());
    EXPECT_THROW(
        {
            Transaction transaction(database);
            deleteEntry(database);
            enterCash(database, "26/04/06", "1", "10200", "not a number");
            transaction.commit();
        },
        StoreError);
    EXPECT_EQ(rowCounts(), std::vector<std::string>{"1|2"});

    // The same connection goes on working after the rollback.
    Transaction transaction(database);
    deleteEntry(database);
    transaction.commit();
    EXPECT_EQ(rowCounts(), std::vector<std::string>{"0|0"});
}

TEST_F(TransactionTest, NothingIsKeptWithoutCommit)
{
    {
        Database database = Database::open(m_folder.location());
        Transaction transaction(database);
        deleteEntry(database);
        enterCash(database, "26/04/30", "2", "20900", "1,000");
    }
    EXPECT_EQ(rowCounts(), std::vector<std::string>{"1|2"});
}

// A walk inside a read transaction sees the file as it was when the walk began: a program that
// would change it meanwhile has to wait, and may go on once the walk is over.
TEST_F(TransactionTest, AReadTransactionHoldsOneViewUntilItEnds)
{
    test::RawConnection other(m_folder.databaseFile());
    {
        Database database = Database::open(DatabaseLocation::readOnlyFile(m_folder.databaseFile()));
        const ReadTransaction snapshot(database);
        TableCursor detail = database.table("出納明細");
        detail.setIndex("Key_明細");
        detail.seek(Seek::AtLeast, {"26", "04", "05", "1", "10200", ""});
        EXPECT_THROW(other.execute("DELETE FROM 出納明細"), std::runtime_error);
        detail.moveNext();
        EXPECT_EQ(detail.value("明_氏名"), "鈴木");
    }
    other.execute("DELETE FROM 出納明細");
    EXPECT_EQ(rowCounts(), std::vector<std::string>{"1|0"});
}

} // namespace
} // namespace zoruka
