#pragma once

#include "store/DatabaseLocation.h"

#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// The lookups of the master table マスタ shared by the screens: rows are addressed by category
// (マ_番号) and sequence number (マ_連番), both three-digit texts. Every call opens the database
// afresh, so it sees every row written before it; StoreError from the file reaches the caller.
//
// The results of operations 2 and 3 are kept as the last looked-up sequence number, name and
// short name, each empty until a lookup sets it; a lookup that finds nothing empties only the
// outputs named at that operation and leaves the others as they were.
class MasterLookup {
public:
    explicit MasterLookup(DatabaseLocation location);

    // Operation 1: the names (マ_名称) of the category's rows in sequence-number order, for a
    // list to show; empty when the category has no rows.
    std::vector<std::string> namesOfCategory(std::string_view category) const;

    // Operation 2: the row of the category with that name. Found: sequenceNumber() and name()
    // are the row's. Not found: sequenceNumber() and shortName() become empty.
    void findByName(std::string_view category, std::string_view name);

    // Operation 3: the row with that key. Found: `target` and name() receive its name, and for
    // category "201" shortName() its short name. Not found: name() becomes empty and `target`
    // is left as it was.
    void findByKey(std::string_view category, std::string_view sequence, std::string& target);

    // Operation 4: how many rows of the category have an empty classification (マ_教科); when
    // none has, how many have the classification "000".
    int countClassification(std::string_view category) const;

    const std::string& sequenceNumber() const { return m_sequenceNumber; }
    const std::string& name() const { return m_name; }
    const std::string& shortName() const { return m_shortName; }

private:
    DatabaseLocation m_location;
    std::string m_sequenceNumber;
    std::string m_name;
    std::string m_shortName;
};

} // namespace zoruka
