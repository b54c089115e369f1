#include "store/Schema.h"

#include "store/SqlText.h"

#include <stdexcept>
#include <string>

namespace zoruka {

namespace {

constexpr auto T = ColumnType::Text;
constexpr auto N = ColumnType::Number;

std::vector<TableDef> makeTables()
{
    return {
        {"マスタ",
         {{"マ_番号", T},
          {"マ_連番", T},
          {"マ_名称", T},
          {"マ_略称", T},
          {"マ_教科", T},
          {"マ_備考", T}},
         {{"Key_マスタ", {"マ_番号", "マ_連番"}, true},
          {"Idx_マ名称", {"マ_番号", "マ_名称"}, false},
          {"Idx_マ教科", {"マ_番号", "マ_教科"}, false}}},
        {"費目",
         {{"費_収支区分", T}, {"費_費目番号", T}, {"費_名称", T}, {"費_略称", T}, {"費_備考", T}},
         {{"Key_費目", {"費_収支区分", "費_費目番号"}, true},
          {"Idx_費目名", {"費_収支区分", "費_名称"}, false}}},
        {"会員",
         {{"会_氏名", T},
          {"会_氏名カナ", T, "会_氏名カナ順"},
          {"会_年齢", T},
          {"会_性別", T},
          {"会_有効F", N},
          {"会_出力順", N},
          {"会_郵便1", T},
          {"会_郵便2", T},
          {"会_住所1", T},
          {"会_住所2", T},
          {"会_電話", T},
          {"会_備考", T},
          {"会_氏名カナ順", T}},
         {{"Key_会員", {"会_氏名"}, true},
          {"Idx_カナ", {"会_氏名カナ"}, false},
          {"Idx_出力順", {"会_出力順", "会_氏名"}, false}}},
        {"出納帳",
         {{"出_年", T},
          {"出_月", T},
          {"出_日", T},
          {"出_収支区分", T},
          {"出_費目番号", T},
          {"出_金額", N},
          {"出_備考", T}},
         {{"Key_出納帳", {"出_年", "出_月", "出_日", "出_収支区分", "出_費目番号"}, true}}},
        {"出納明細",
         {{"明_年", T},
          {"明_月", T},
          {"明_日", T},
          {"明_収支区分", T},
          {"明_費目番号", T},
          {"明_氏名", T},
          {"明_金額", N},
          {"明_備考", T}},
         {{"Key_明細",
           {"明_年", "明_月", "明_日", "明_収支区分", "明_費目番号", "明_氏名"},
           true}}},
        {"練習予定",
         {{"練_年", T}, {"練_月", T}, {"練_日", T}},
         {{"Key_練習予定", {"練_年", "練_月", "練_日"}, true}}},
        // Who came on a day, in the order that numbers them in its match tables.
        {"参加者",
         {{"参_年", T},
          {"参_月", T},
          {"参_日", T},
          {"参_順", N},
          {"参_氏名", T},
          {"参_ゲストF", N},
          {"参_性別", T},
          {"参_チーム", T}},
         {{"Key_参加者", {"参_年", "参_月", "参_日", "参_順"}, true}}},
    };
}

} // namespace

std::vector<std::string_view> TableDef::columnNames() const
{
    std::vector<std::string_view> names;
    for (const ColumnDef& column : columns) {
        names.push_back(column.name);
    }
    return names;
}

int TableDef::columnIndex(std::string_view column) const
{
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].name == column) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

const IndexDef& TableDef::index(std::string_view indexName) const
{
    for (const IndexDef& candidate : indexes) {
        if (candidate.name == indexName) {
            return candidate;
        }
    }
    throw std::invalid_argument("table " + std::string(name) + " has no index " +
                                std::string(indexName));
}

std::vector<std::string_view> TableDef::storedIndexColumns(const IndexDef& index) const
{
    std::vector<std::string_view> stored;
    for (const std::string_view column : index.columns) {
        const std::string_view sortKey =
            columns[static_cast<std::size_t>(columnIndex(column))].sortKeyColumn;
        if (!sortKey.empty()) {
            stored.push_back(sortKey);
        }
        stored.push_back(column);
    }
    return stored;
}

std::string TableDef::indexTerms(const IndexDef& index) const
{
    return quotedNames(storedIndexColumns(index));
}

const std::vector<TableDef>& schemaTables()
{
    static const std::vector<TableDef> tables = makeTables();
    return tables;
}

const TableDef& schemaTable(std::string_view tableName)
{
    for (const TableDef& table : schemaTables()) {
        if (table.name == tableName) {
            return table;
        }
    }
    throw std::invalid_argument("no table " + std::string(tableName));
}

} // namespace zoruka
