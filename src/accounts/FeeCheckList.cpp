#include "accounts/FeeCheckList.h"

#include "accounts/ClubName.h"
#include "accounts/PracticeSchedule.h"
#include "store/Database.h"

namespace zoruka {

std::vector<std::string> checkListNames(const DatabaseLocation& location, MemberOrder order,
                                        InactiveMembers inactive)
{
    Database database = Database::open(location);
    TableCursor members = database.table("会員");
    if (order == MemberOrder::Reading) {
        members.setIndex("Idx_カナ");
        members.seek(Seek::AtLeast, {""});
    } else {
        members.setIndex("Idx_出力順");
        // From the lowest number the store holds (fifteen digits), so that no member is missed.
        members.seek(Seek::AtLeast, {"-999999999999999", ""});
    }
    std::vector<std::string> names;
    for (; !members.eof(); members.moveNext()) {
        std::string name = members.value("会_氏名");
        if (members.number("会_有効F") != 0) {
            if (inactive == InactiveMembers::LeftOut) {
                continue;
            }
            if (inactive == InactiveMembers::Marked) {
                name += fee_check_list::kInactiveMark;
            }
        }
        names.push_back(std::move(name));
    }
    return names;
}

FeeCheckList readFeeCheckList(const DatabaseLocation& location, const EntryDate& first,
                              MemberOrder order, InactiveMembers inactive)
{
    return {readClubName(location), first, readPracticeDays(location, first),
            checkListNames(location, order, inactive)};
}

} // namespace zoruka
