#include "store/MasterLookup.h"

#include "store/Database.h"

#include <utility>

namespace zoruka {

namespace {

constexpr std::string_view kTable = "マスタ";

} // namespace

MasterLookup::MasterLookup(DatabaseLocation location) : m_location(std::move(location)) {}

std::vector<std::string> MasterLookup::namesOfCategory(std::string_view category) const
{
    Database database = Database::open(m_location);
    TableCursor rows = database.table(kTable);
    rows.setIndex("Key_マスタ");
    rows.seek(Seek::AtLeast, {std::string(category), ""});
    std::vector<std::string> names;
    for (; !rows.eof() && rows.value("マ_番号") <= category; rows.moveNext()) {
        names.push_back(rows.value("マ_名称"));
    }
    return names;
}

void MasterLookup::findByName(std::string_view category, std::string_view name)
{
    Database database = Database::open(m_location);
    TableCursor rows = database.table(kTable);
    rows.setIndex("Idx_マ名称");
    rows.seek(Seek::Equal, {std::string(category), std::string(name)});
    if (rows.noMatch()) {
        m_sequenceNumber.clear();
        m_shortName.clear();
        return;
    }
    m_sequenceNumber = rows.value("マ_連番");
    m_name = rows.value("マ_名称");
}

void MasterLookup::findByKey(std::string_view category, std::string_view sequence,
                             std::string& target)
{
    Database database = Database::open(m_location);
    TableCursor rows = database.table(kTable);
    rows.setIndex("Key_マスタ");
    rows.seek(Seek::Equal, {std::string(category), std::string(sequence)});
    if (rows.noMatch()) {
        m_name.clear();
        return;
    }
    m_name = rows.value("マ_名称");
    target = m_name;
    if (rows.value("マ_番号") == "201") {
        m_shortName = rows.value("マ_略称");
    }
}

int MasterLookup::countClassification(std::string_view category) const
{
    Database database = Database::open(m_location);
    TableCursor rows = database.table(kTable);
    rows.setIndex("Idx_マ教科");
    std::string classification;
    rows.seek(Seek::Equal, {std::string(category), classification});
    if (rows.noMatch()) {
        classification = "000";
        rows.seek(Seek::Equal, {std::string(category), classification});
    }
    int count = 0;
    for (; !rows.eof() && rows.value("マ_番号") <= category &&
           rows.value("マ_教科") == classification;
         rows.moveNext()) {
        ++count;
    }
    return count;
}

} // namespace zoruka
