#include "accounts/csv/MemberImport.h"

#include "common/KanaOrder.h"
#include "common/TypedNumber.h"
#include "common/UserError.h"
#include "common/Utf8.h"
#include "output/CsvReader.h"
#include "registers/ListGrid.h"
#include "registers/MemberRegister.h"
#include "store/Database.h"
#include "store/Transaction.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

namespace zoruka {

namespace {

using namespace member_import;

enum Column {
    Name,
    Kana,
    Age,
    Sex,
    Excluded,
    Order,
    Postal1,
    Postal2,
    Address1,
    Address2,
    Phone,
    Remark
};

// A reading made of kana: hiragana, katakana (full- or half-width, as kanaSortKey() brings them
// to full-width katakana), the long-vowel mark, the middle dot, iteration marks and blanks.
bool isKanaReading(std::string_view reading)
{
    const std::string key = kanaSortKey(reading);
    for (std::size_t at = 0; at < key.size();) {
        const char32_t c = nextCodePoint(key, at);
        const bool kana = (c >= U'ァ' && c <= U'ヾ') || c == U'ゝ' || c == U'ゞ';
        if (!kana && c != U' ' && c != U'　') {
            return false;
        }
    }
    return true;
}

// The member a row describes: `base` with every column the file has taken from the row.
Member overlay(Member base, const MemberCsvFile& file, const MemberCsvFile::Row& row)
{
    const auto take = [&](Column column, std::string& into) {
        if (file.hasColumn[column]) {
            into = row.fields[column];
        }
    };
    take(Name, base.name);
    take(Kana, base.kana);
    take(Age, base.age);
    take(Sex, base.sex);
    take(Order, base.order);
    take(Postal1, base.postal1);
    take(Postal2, base.postal2);
    take(Address1, base.address1);
    take(Address2, base.address2);
    take(Phone, base.phone);
    take(Remark, base.remark);
    return base;
}

// Without surrounding blanks, half- or full-width: what a spreadsheet cell holds by accident.
std::string trimmed(std::string_view text)
{
    static constexpr std::string_view kWideBlank = "　";
    for (;;) {
        if (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
            text.remove_prefix(1);
        } else if (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
            text.remove_suffix(1);
        } else if (text.starts_with(kWideBlank)) {
            text.remove_prefix(kWideBlank.size());
        } else if (text.ends_with(kWideBlank)) {
            text.remove_suffix(kWideBlank.size());
        } else {
            return std::string(text);
        }
    }
}

// The reason `member` cannot be stored as the file gives it (its 無効 field `excluded`, when the
// file has that column), or empty text; on success `member` is normalised as the register screen
// stores it. A reading the file does not give (an update without that column) is not judged.
std::string check(Member& member, const std::string* excluded, bool readingFromFile)
{
    member.kana = trimmed(member.kana);
    if (member.kana.empty()) {
        return std::string(kMissingKana);
    }
    if (readingFromFile && !isKanaReading(member.kana)) {
        return std::string(kBadKana);
    }
    const std::string sex = normalisedInput(member.sex);
    if (sex != "1" && sex != "2") {
        return std::string(kBadSex);
    }
    member.sex = sex;
    if (excluded) {
        const std::string flag = normalisedInput(*excluded);
        if (!flag.empty() && flag != "0" && flag != "1") {
            return std::string(kBadExcluded);
        }
        member.excluded = flag == "1";
    }
    MemberRegister::Check checked = MemberRegister::check(member);
    if (!checked.report.ok()) {
        return checked.report.message;
    }
    member = std::move(checked.member);
    return {};
}

std::string_view actionText(ImportAction action)
{
    switch (action) {
    case ImportAction::Add:
        return "追加";
    case ImportAction::Update:
        return "更新";
    case ImportAction::Skip:
        return "スキップ";
    case ImportAction::Refuse:
        break;
    }
    return "不可";
}

} // namespace

MemberCsvFile readMemberCsvFile(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw UserError(std::string(kCannotRead));
    }
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.is_open() || in.bad()) {
        throw UserError(std::string(kCannotRead));
    }
    return parseMemberCsv(bytes);
}

MemberCsvFile parseMemberCsv(std::string_view bytes)
{
    const std::optional<DecodedText> text = decodeText(bytes);
    if (!text) {
        throw UserError(std::string(kCannotRead));
    }
    const std::vector<std::vector<std::string>> records = readCsv(text->utf8);
    MemberCsvFile file;
    file.encoding = text->encoding;
    std::vector<int> columnOf; // file column → position in kMemberColumns, or -1
    if (!records.empty()) {
        for (const std::string& heading : records.front()) {
            const auto found =
                std::find(kMemberColumns.begin(), kMemberColumns.end(), normalisedInput(heading));
            const bool known = found != kMemberColumns.end();
            const auto column = known ? found - kMemberColumns.begin() : -1;
            // A column named twice counts where it is named first.
            const bool first = known && !file.hasColumn[static_cast<std::size_t>(column)];
            columnOf.push_back(first ? static_cast<int>(column) : -1);
            if (first) {
                file.hasColumn[static_cast<std::size_t>(column)] = true;
            }
        }
    }
    if (!file.hasColumn[Name]) {
        throw UserError(std::string(kNoNameColumn));
    }
    for (std::size_t r = 1; r < records.size(); ++r) {
        MemberCsvFile::Row row;
        row.number = static_cast<int>(r) + 1;
        for (std::size_t c = 0; c < records[r].size() && c < columnOf.size(); ++c) {
            if (columnOf[c] >= 0) {
                row.fields[static_cast<std::size_t>(columnOf[c])] = records[r][c];
            }
        }
        file.rows.push_back(std::move(row));
    }
    return file;
}

int ImportPlan::count(ImportAction action) const
{
    return static_cast<int>(std::count_if(
        rows.begin(), rows.end(), [&](const ImportRow& row) { return row.action == action; }));
}

std::string ImportPlan::summary() const
{
    std::string text;
    for (const ImportAction action :
         {ImportAction::Add, ImportAction::Update, ImportAction::Skip, ImportAction::Refuse}) {
        text += (text.empty() ? "" : "　") + std::string(actionText(action)) + " " +
                std::to_string(count(action)) + "件";
    }
    return text;
}

ImportPlan planMemberImport(const MemberCsvFile& file, const std::vector<Member>& registered,
                            bool updateRegistered)
{
    std::map<std::string, const Member*> byName;
    for (const Member& member : registered) {
        byName.emplace(member.name, &member);
    }
    std::set<std::string> namesAbove;
    ImportPlan plan;
    for (const MemberCsvFile::Row& row : file.rows) {
        ImportRow result;
        result.number = row.number;
        const std::string name = trimmed(row.fields[Name]);
        const auto stored = byName.find(name);
        const bool isRegistered = stored != byName.end();
        Member base;
        base.sex.clear(); // a new member's sex must come from the file
        if (isRegistered && updateRegistered) {
            base = *stored->second;
        }
        result.member = overlay(base, file, row);
        result.member.name = name;
        if (name.empty()) {
            result.reason = kMissingName;
        } else if (!namesAbove.insert(name).second) {
            result.reason = kSameNameAbove;
        } else if (isRegistered && !updateRegistered) {
            result.action = ImportAction::Skip;
            result.reason = kRegistered;
        } else {
            result.reason =
                check(result.member, file.hasColumn[Excluded] ? &row.fields[Excluded] : nullptr,
                      file.hasColumn[Kana]);
            if (result.reason.empty()) {
                result.action = isRegistered ? ImportAction::Update : ImportAction::Add;
            }
        }
        plan.rows.push_back(std::move(result));
    }
    return plan;
}

void importMembers(const DatabaseLocation& location, const ImportPlan& plan)
{
    Database database = Database::open(location);
    Transaction transaction(database);
    for (const ImportRow& row : plan.rows) {
        if (row.action == ImportAction::Add || row.action == ImportAction::Update) {
            writeMember(database, row.member);
        }
    }
    transaction.commit();
}

GridModel memberImportGrid(const ImportPlan& plan)
{
    GridModel grid = listGrid({"行", "氏名", "氏名カナ", "性別", "処理", "理由"},
                              {600, 2000, 2000, 600, 900, 4000}, 20, plan.rows.size());
    int r = 1;
    for (const ImportRow& row : plan.rows) {
        const std::string& sex = row.member.sex;
        grid.cell(r, 0) = {std::to_string(row.number), CellAlignment::Right};
        grid.cell(r, 1).text = row.member.name;
        grid.cell(r, 2).text = row.member.kana;
        grid.cell(r, 3) = {sex == "1" ? "男" : sex == "2" ? "女" : "", CellAlignment::Centre};
        grid.cell(r, 4) = {std::string(actionText(row.action)), CellAlignment::Centre};
        grid.cell(r, 4).lightRed = row.action == ImportAction::Refuse;
        grid.cell(r, 5).text = row.reason;
        ++r;
    }
    return grid;
}

} // namespace zoruka
