#include "registers/ItemLookup.h"

#include "store/Database.h"

#include <utility>

namespace zoruka {

namespace {

constexpr std::string_view kTable = "費目";

} // namespace

ItemLookup::ItemLookup(DatabaseLocation location) : m_location(std::move(location)) {}

std::vector<std::string> ItemLookup::names(std::string_view direction) const
{
    Database database = Database::open(m_location);
    TableCursor items = database.table(kTable);
    items.setIndex("Key_費目");
    items.seek(Seek::AtLeast, {std::string(direction), ""});
    std::vector<std::string> names;
    for (; !items.eof() && items.value("費_収支区分") == direction; items.moveNext()) {
        names.push_back(items.value("費_名称"));
    }
    return names;
}

std::string ItemLookup::codeOf(std::string_view direction, std::string_view name) const
{
    Database database = Database::open(m_location);
    TableCursor items = database.table(kTable);
    items.setIndex("Idx_費目名");
    items.seek(Seek::Equal, {std::string(direction), std::string(name)});
    return items.noMatch() ? std::string() : items.value("費_費目番号");
}

std::string ItemLookup::nameOf(std::string_view direction, std::string_view code) const
{
    Database database = Database::open(m_location);
    TableCursor items = database.table(kTable);
    items.setIndex("Key_費目");
    items.seek(Seek::Equal, {std::string(direction), std::string(code)});
    return items.noMatch() ? std::string() : items.value("費_名称");
}

} // namespace zoruka
