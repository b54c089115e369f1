#pragma once

#include "accounts/YearMonth.h"
#include "accounts/csv/AccountsCsv.h"
#include "store/DatabaseLocation.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QGroupBox;
class QRadioButton;

namespace zoruka {

namespace accounts_csv_screen {
inline constexpr std::string_view kTitle = "CSV出力";
inline constexpr std::string_view kBadMonth = "年月を正しく選択して下さい";
inline constexpr std::string_view kBadRange = "終わりの年月は始めの年月と同じか後にして下さい";
inline constexpr std::string_view kDone = "CSVファイルを出力しました。";
} // namespace accounts_csv_screen

// cCSV出力, "CSV出力": writes the books for a spreadsheet. In `Frame1` "出力内容" the user picks
// the cash book (`R出納帳`, at first), the fee detail (`R会費明細`) or the member register
// (`R会員名簿`), and for the first two in `Frame2` "期間" the months: from `C開始年` `C開始月` to
// `C終了年` `C終了月` (`R月指定`, this month at first) or the fiscal year `C年度` (`R年度指定`).
// "CSV出力" (`BCSV出力`) checks the months — combos that name no month or year turn red with
// "年月を正しく選択して下さい" or "年度を正しく選択して下さい", an end before the start with
// kBadRange — and opens the CSV export screen (folder, file and encoding), which offers a name
// such as "出納帳_202504-202603.csv" and writes the file from the books as they are then.
// Messages carry the title "CSV出力".
class AccountsCsvScreen : public QWidget {
    Q_OBJECT

public:
    explicit AccountsCsvScreen(const DatabaseLocation& database = DatabaseLocation::startFolder(),
                               QWidget* parent = nullptr);

private:
    AccountsExport chosenExport() const;
    // The months chosen, or nothing after telling why not.
    std::optional<MonthRange> chosenMonths();
    void exportCsv();

    DatabaseLocation m_location;
    QString m_title;
    QRadioButton* m_cashBook = nullptr;
    QRadioButton* m_feeDetail = nullptr;
    QGroupBox* m_period = nullptr;
    QRadioButton* m_byMonths = nullptr;
    QComboBox* m_fromYear = nullptr;
    QComboBox* m_fromMonth = nullptr;
    QComboBox* m_toYear = nullptr;
    QComboBox* m_toMonth = nullptr;
    QComboBox* m_fiscalYear = nullptr;
};

} // namespace zoruka
