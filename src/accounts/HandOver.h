#pragma once

#include "accounts/FiscalYear.h"
#include "output/PdfRenderer.h"
#include "output/TextEncoding.h"
#include "store/DatabaseLocation.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zoruka {

// The texts of the hand-over screen.
namespace hand_over {
inline constexpr std::string_view kTitle = "引継ぎ";
inline constexpr std::string_view kNoFolder = "出力先のフォルダを指定して下さい";
inline constexpr std::string_view kFolderMissing = "出力先のフォルダがありません";
inline constexpr std::string_view kConfirm = "引継ぎのフォルダを作成します。";
inline constexpr std::string_view kDone = "引継ぎのフォルダを作成しました。";
inline constexpr std::string_view kReadMe = "はじめにお読みください.txt";
} // namespace hand_over

// "ゾルカ引継ぎ_2025年度": the folder the hand-over of a fiscal year writes.
std::string handOverFolderName(const FiscalYear& year);

// Writes, in `parent`, one folder (handOverFolderName()) for the next treasurer:
// - "ゾルカv3.mdb", a consistent copy of the database made with the store's online backup;
// - "年間収支報告書_2025年度.pdf", the year's annual report (printAnnualReport, drawn by
//   `renderPdf`);
// - "出納帳_2025年度.csv" and "会費明細_2025年度.csv", the cash book and the fee detail of the
//   year, and "会員名簿.csv", the member register, in `encoding`;
// - hand_over::kReadMe, what each of them is, in `encoding` with CR LF line ends.
// The folder is written under another name and takes its own only when complete. Returns its
// path. Throws UserError, and then nothing is left behind: a folder of that name that is there
// already, a database that cannot be read, a text that Shift_JIS cannot hold, a folder that
// cannot be written.
std::filesystem::path writeHandOver(const DatabaseLocation& location,
                                    const std::filesystem::path& parent, const FiscalYear& year,
                                    TextEncoding encoding, const PdfRenderer& renderPdf);

} // namespace zoruka
