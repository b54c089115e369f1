// hold_database FOLDER [write]: plays a second copy of the program for the tests. It starts on the
// club database in FOLDER as the program does, prints "writer" when it became the file's writer
// or each notice it got, then "ready"; with "write" it then opens a transaction, adds a member and
// prints "writing". It waits until its standard input closes (or it is killed) and exits without
// committing. A refusal prints "error: " and the message, and exits 1.
#include "store/Database.h"
#include "store/DatabaseStart.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

#include <iostream>
#include <optional>
#include <string>

int main(int argc, char** argv)
{
    using namespace zoruka;
    if (argc < 2) {
        std::cerr << "usage: hold_database FOLDER [write]\n";
        return 2;
    }
    const DatabaseLocation location{std::filesystem::path(argv[1])};
    std::optional<Database> database;
    std::optional<Transaction> transaction;
    try {
        const std::vector<std::string> notices = startDatabase(location);
        if (notices.empty()) {
            std::cout << "writer\n";
        }
        for (const std::string& notice : notices) {
            std::cout << notice << "\n";
        }
        std::cout << "ready" << std::endl;
        if (argc > 2 && std::string(argv[2]) == "write") {
            database.emplace(Database::open(location));
            transaction.emplace(*database);
            TableCursor members = database->table("会員");
            members.editOrAddNew({"書きかけ"});
            members.update();
            std::cout << "writing" << std::endl;
        }
    } catch (const StoreError& error) {
        std::cout << "error: " << error.what() << std::endl;
        return 1;
    }
    std::string ignored;
    while (std::getline(std::cin, ignored)) {
    }
    return 0;
}
