#include "accounts/HandOver.h"

#include "accounts/AnnualReport.h"
#include "accounts/csv/AccountsCsv.h"
#include "accounts/print/AnnualReportPrint.h"
#include "common/UserError.h"
#include "output/OutputFile.h"
#include "output/TextFile.h"
#include "store/Backups.h"

#include <cerrno>
#include <system_error>
#include <vector>

namespace zoruka {

namespace {

namespace fs = std::filesystem;

// What the folder being written is called until it is complete.
constexpr std::string_view kPartSuffix = ".作成中";

std::string readMe(const FiscalYear& year, const std::string& suffix, TextEncoding encoding)
{
    const std::string label = year.label();
    return "ゾルカ　会計の引継ぎ（" + label +
           "）\r\n"
           "\r\n"
           "このフォルダには、次の会計担当の方に引き継ぐファイルが入っています。\r\n"
           "\r\n" +
           std::string(kDatabaseFileName) +
           "\r\n"
           "  会計のデータベース（このフォルダを作った時点の写し）です。ゾルカを使い続ける\r\n"
           "  ときは、ゾルカのデータフォルダにこのファイルを置いてから起動してください。\r\n"
           "年間収支報告書" +
           suffix +
           ".pdf\r\n"
           "  " +
           label + "（" + year.periodText() +
           "）の年間収支報告書です。総会の資料にお使いください。\r\n"
           "出納帳" +
           suffix +
           ".csv\r\n"
           "  同じ年度の出納帳です（日付、収支区分、費目、収入、支出、残高、備考）。\r\n"
           "会費明細" +
           suffix +
           ".csv\r\n"
           "  同じ年度の会費の明細です（納めた会員と一人あたりの金額）。\r\n"
           "会員名簿.csv\r\n"
           "  会員名簿です。ゾルカの「会員CSV取込」でそのまま取り込めます。\r\n"
           "\r\n"
           "CSVファイルとこのファイルの文字コードは " +
           (encoding == TextEncoding::ShiftJis ? "Shift_JIS" : "UTF-8（BOM付き）") + " です。\r\n";
}

// Writes every file of the hand-over into `folder`.
void writeFiles(const DatabaseLocation& location, const fs::path& folder, const FiscalYear& year,
                TextEncoding encoding, const PdfRenderer& renderPdf)
{
    const fs::path backup = writeBackup(location, folder, BackupReason::Manual);
    std::error_code error;
    fs::rename(backup, folder / kDatabaseFileName, error);
    if (error) {
        throw UserError(output_file::cannotWrite(error.value()));
    }
    const std::string suffix = "_" + year.label();
    const auto path = [&](std::string_view name) { return (folder / name).string(); };
    const PrintResult report = printAnnualReport(readAnnualReport(location, year));
    if (auto failed = writeOutputFile(path("年間収支報告書" + suffix + ".pdf"),
                                      renderPdf(report.documents))) {
        throw UserError(*failed);
    }
    for (const AccountsExport kind :
         {AccountsExport::CashBook, AccountsExport::FeeDetail, AccountsExport::Members}) {
        const std::string name = std::string(exportName(kind)) +
                                 (kind == AccountsExport::Members ? "" : suffix) + ".csv";
        if (auto failed =
                writeTextFile(path(name), accountsCsv(location, kind, year.months()), encoding)) {
            throw UserError(*failed);
        }
    }
    if (auto failed =
            writeTextFile(path(hand_over::kReadMe), readMe(year, suffix, encoding), encoding)) {
        throw UserError(*failed);
    }
}

} // namespace

std::string handOverFolderName(const FiscalYear& year) { return "ゾルカ引継ぎ_" + year.label(); }

fs::path writeHandOver(const DatabaseLocation& location, const fs::path& parent,
                       const FiscalYear& year, TextEncoding encoding, const PdfRenderer& renderPdf)
{
    const fs::path target = parent / handOverFolderName(year);
    std::error_code error;
    if (fs::exists(fs::symlink_status(target, error))) {
        throw UserError("「" + target.filename().string() +
                        "」はすでにあります。別の出力先を選ぶか、そのフォルダを移してください");
    }
    const fs::path part = parent / (handOverFolderName(year) + std::string(kPartSuffix));
    fs::remove_all(part, error); // what an interrupted hand-over left
    if (!fs::create_directory(part, error)) {
        throw UserError(output_file::cannotWrite(error ? error.value() : EEXIST));
    }
    try {
        writeFiles(location, part, year, encoding, renderPdf);
        fs::rename(part, target, error);
        if (error) {
            throw UserError(output_file::cannotWrite(error.value()));
        }
    } catch (...) {
        fs::remove_all(part, error);
        throw;
    }
    return target;
}

} // namespace zoruka
