#pragma once

#include <string>

namespace zoruka {

// One row of 会員. The name is the key; the cash book's fee detail and the fee check-list refer to
// members by it.
struct Member {
    std::string name;
    std::string kana;      // reading, the list's order
    std::string age;       // whole years as text
    std::string sex = "1"; // "1" male, "2" female
    bool excluded = false; // 会_有効F 1: left out of the fee check-list ("無効")
    std::string order;     // listing order of the check-list, a whole number as text
    std::string postal1;   // the postal code's two groups of digits
    std::string postal2;
    std::string address1;
    std::string address2;
    std::string phone;
    std::string remark;

    bool operator==(const Member&) const = default;
};

} // namespace zoruka
