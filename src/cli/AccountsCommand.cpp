#include "cli/AccountsCommand.h"

#include "accounts/AnnualReport.h"
#include "accounts/FiscalYear.h"
#include "accounts/csv/AccountsCsv.h"
#include "accounts/print/AnnualReportPrint.h"
#include "cli/CommandOptions.h"
#include "cli/Refusal.h"
#include "common/UserError.h"
#include "output/OutputFile.h"
#include "output/TextFile.h"
#include "registers/ClubSettings.h"
#include "store/DatabaseLocation.h"

#include <algorithm>
#include <functional>
#include <ostream>
#include <variant>

namespace zoruka {

namespace {

constexpr int kWriteFailed = 1;
constexpr int kRefused = 2;

constexpr const char* kUsage =
    R"(Usage: zoruka-cli accounts export cashbook|detail PERIOD --csv FILE [--encoding sjis|utf8]
                           [--database FILE]
       zoruka-cli accounts export members --csv FILE [--encoding sjis|utf8] [--database FILE]
       zoruka-cli accounts report --year YYYY --pdf FILE [--database FILE]

Writes the club's books as the accounts screens do, reading the database only:
  export cashbook    the cash book: date, kind, item, income, expense, the month's running
                     balance, note
  export detail      the fee detail: date, kind, item, member, per-head fee, note
  export members     the member register, in the columns the member import reads
  report             the annual report (年間収支報告書) of a fiscal year, printed as PDF

  PERIOD             --from YYYY/MM [--to YYYY/MM]: the months from --from to --to (one month
                     without --to); or --year YYYY: the fiscal year starting in YYYY, in the
                     month the master settings give (April unless set)
  --csv FILE         the CSV file: a header row, dates as yyyy/mm/dd, amounts as plain numbers
  --encoding sjis    Shift_JIS (CP932), the default; utf8: UTF-8 with a byte-order mark
  --database FILE    the club database (default: ゾルカv3.mdb in the current folder)

Each file is replaced only once it is complete. Messages go to standard error; the exit code is
2 when nothing is written (a refusal, a database that cannot be read) and 1 when a file cannot
be written.
)";

using Refusal = std::string;

constexpr std::string_view kHelp = "zoruka-cli accounts --help";

Refusal refused(const std::string& what) { return refusal(what, kHelp); }

// The database of --database, or "ゾルカv3.mdb" in the current folder, for reading only.
DatabaseLocation databaseOf(const Options& options)
{
    const std::string file = valueOf(options, "--database");
    return DatabaseLocation::readOnlyFile(file.empty() ? std::string(kDatabaseFileName) : file);
}

std::variant<YearMonth, Refusal> monthOption(const Options& options, const std::string& name)
{
    const std::string typed = valueOf(options, name);
    if (const std::optional<YearMonth> month = parseYearMonth(typed)) {
        return *month;
    }
    return refused(name + " の値「" + typed + "」は使えません（YYYY/MM の年月）。");
}

std::variant<FiscalYear, Refusal> yearOption(const Options& options,
                                             const DatabaseLocation& location)
{
    const int startMonth = club_settings::fiscalStartMonth(location);
    const std::string typed = valueOf(options, "--year");
    if (const std::optional<FiscalYear> year = parseFiscalYear(typed, startMonth)) {
        return *year;
    }
    return refused("--year の値「" + typed + "」は使えません（年度の始まる年、" +
                   std::to_string(kFirstFiscalYear) + " から " +
                   std::to_string(lastFiscalYear(startMonth)) + " まで）。");
}

// The months of --from and --to, or of --year.
std::variant<MonthRange, Refusal> periodOf(const Options& options, const DatabaseLocation& location)
{
    const bool byYear = options.values.count("--year") != 0;
    const bool byMonths = options.values.count("--from") != 0;
    if (byYear == byMonths || (byYear && options.values.count("--to"))) {
        return refused("期間は --from YYYY/MM（と --to YYYY/MM）か --year YYYY のどちらかで"
                       "指定してください。");
    }
    if (byYear) {
        const auto year = yearOption(options, location);
        if (const auto* refusal = std::get_if<Refusal>(&year)) {
            return *refusal;
        }
        return std::get<FiscalYear>(year).months();
    }
    const auto from = monthOption(options, "--from");
    if (const auto* refusal = std::get_if<Refusal>(&from)) {
        return *refusal;
    }
    const auto to = options.values.count("--to") ? monthOption(options, "--to") : from;
    if (const auto* refusal = std::get_if<Refusal>(&to)) {
        return *refusal;
    }
    if (std::get<YearMonth>(to) < std::get<YearMonth>(from)) {
        return refused("--to には --from と同じか後の年月を指定してください。");
    }
    return MonthRange{std::get<YearMonth>(from), std::get<YearMonth>(to)};
}

std::variant<TextEncoding, Refusal> encodingOf(const Options& options)
{
    const std::string encoding = optionalValue(options, "--encoding").value_or("sjis");
    if (encoding == "sjis") {
        return TextEncoding::ShiftJis;
    }
    if (encoding == "utf8") {
        return TextEncoding::Utf8;
    }
    return refused("--encoding の値「" + encoding + "」は使えません（sjis か utf8）。");
}

// What a subcommand does once its options are read: the exit code, the message on `err`.
using Run = std::function<int(const Options&, std::ostream& err)>;

int runExport(const std::string& kind, const Options& options, std::ostream& err)
{
    const std::string path = valueOf(options, "--csv");
    if (path.empty()) {
        err << refused("出力するCSVファイルを --csv で指定してください。") << "\n";
        return kRefused;
    }
    const auto encoding = encodingOf(options);
    if (const auto* refusal = std::get_if<Refusal>(&encoding)) {
        err << *refusal << "\n";
        return kRefused;
    }
    const DatabaseLocation location = databaseOf(options);
    std::string csv;
    if (kind == "members") {
        if (options.values.count("--from") || options.values.count("--to") ||
            options.values.count("--year")) {
            err << refused("members には期間を指定できません。") << "\n";
            return kRefused;
        }
        csv = memberCsv(location);
    } else {
        const auto period = periodOf(options, location);
        if (const auto* refusal = std::get_if<Refusal>(&period)) {
            err << *refusal << "\n";
            return kRefused;
        }
        csv = accountsCsv(location,
                          kind == "cashbook" ? AccountsExport::CashBook : AccountsExport::FeeDetail,
                          std::get<MonthRange>(period));
    }
    if (const auto error = writeTextFile(path, csv, std::get<TextEncoding>(encoding))) {
        err << *error << "\n";
        return kWriteFailed;
    }
    return 0;
}

int runReport(const Options& options, std::ostream& err, const PdfRenderer& renderPdf)
{
    const std::string path = valueOf(options, "--pdf");
    if (path.empty()) {
        err << refused("出力するPDFファイルを --pdf で指定してください。") << "\n";
        return kRefused;
    }
    if (!options.values.count("--year")) {
        err << refused("年度を --year YYYY で指定してください。") << "\n";
        return kRefused;
    }
    if (!renderPdf) {
        err << refused("ここでは --pdf を使えません。") << "\n";
        return kRefused;
    }
    const DatabaseLocation location = databaseOf(options);
    const auto year = yearOption(options, location);
    if (const auto* refusal = std::get_if<Refusal>(&year)) {
        err << *refusal << "\n";
        return kRefused;
    }
    const PrintResult print =
        printAnnualReport(readAnnualReport(location, std::get<FiscalYear>(year)));
    if (const auto error = writeOutputFile(path, renderPdf(print.documents))) {
        err << *error << "\n";
        return kWriteFailed;
    }
    return 0;
}

// Runs a subcommand with its options from args[first]; a database that cannot be read is
// reported as the screens report it.
int runWith(const std::vector<std::string>& args, std::size_t first,
            const std::vector<std::string>& known, std::ostream& err, const Run& run)
{
    const Options options = parseOptions(args, first, known, {}, kHelp);
    if (!options.error.empty()) {
        err << options.error << "\n";
        return kRefused;
    }
    try {
        return run(options, err);
    } catch (const UserError& error) {
        err << error.what() << "\n";
        return kRefused;
    }
}

} // namespace

int runAccountsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                       const PdfRenderer& renderPdf)
{
    const std::string command = args.size() > 1 ? args[1] : "";
    if (std::find(args.begin(), args.end(), "--help") != args.end() ||
        std::find(args.begin(), args.end(), "-h") != args.end()) {
        out << kUsage;
        return 0;
    }
    if (command == "export") {
        const std::string kind = args.size() > 2 ? args[2] : "";
        if (kind != "cashbook" && kind != "members" && kind != "detail") {
            err << refused("出力する内容を cashbook、detail か members で指定してください。")
                << "\n";
            return kRefused;
        }
        return runWith(args, 3, {"--from", "--to", "--year", "--csv", "--encoding", "--database"},
                       err, [&](const Options& options, std::ostream& messages) {
                           return runExport(kind, options, messages);
                       });
    }
    if (command == "report") {
        return runWith(args, 2, {"--year", "--pdf", "--database"}, err,
                       [&](const Options& options, std::ostream& messages) {
                           return runReport(options, messages, renderPdf);
                       });
    }
    err << refused("accounts の後に export か report を指定してください。") << "\n";
    return kRefused;
}

} // namespace zoruka
