#include "app/MenuEntries.h"

#include "accounts/ui/AccountsCsvScreen.h"
#include "accounts/ui/AnnualReportScreen.h"
#include "accounts/ui/CashBookScreen.h"
#include "accounts/ui/FeeCheckListScreen.h"
#include "accounts/ui/HandOverScreen.h"
#include "accounts/ui/MemberImportScreen.h"
#include "accounts/ui/MonthClosingScreen.h"
#include "accounts/ui/MonthlyReportScreen.h"
#include "accounts/ui/PracticeScheduleScreen.h"
#include "matchtable/ui/DoublesScreen.h"
#include "matchtable/ui/FixedPairScreen.h"
#include "matchtable/ui/MixedScreen.h"
#include "matchtable/ui/TeamScreen.h"
#include "registers/ui/ExpenseItemScreen.h"
#include "registers/ui/MasterSettingsScreen.h"
#include "registers/ui/MemberScreen.h"
#include "store/ui/BackupScreen.h"

namespace zoruka {

namespace {

template <class Screen> std::function<QWidget*()> screen()
{
    return [] { return new Screen; };
}

} // namespace

const std::vector<MenuEntry>& menuEntries()
{
    using enum MenuPage;
    static const std::vector<MenuEntry> entries{
        {QStringLiteral("Bゾルカ"), QStringLiteral("ゾルカ"), MatchTables, screen<DoublesScreen>()},
        {QStringLiteral("BMixゾルカ"), QStringLiteral("Mixダブルスゾルカ"), MatchTables,
         screen<MixedScreen>()},
        {QStringLiteral("B団体戦"), QStringLiteral("A,B団体戦ゾルカ"), MatchTables,
         screen<TeamScreen>()},
        {QStringLiteral("B固定対抗戦"), QStringLiteral("A,Bペア固定ゾルカ"), MatchTables,
         screen<FixedPairScreen>()},
        // The random screens, which the menu would otherwise leave unreachable.
        {QStringLiteral("BゾルカRandom"), QStringLiteral("ゾルカRandom"), MatchTables,
         [] { return new DoublesScreen(PairingMode::Random); }},
        {QStringLiteral("BMixゾルカRandom"), QStringLiteral("MixダブルスゾルカRandom"), MatchTables,
         [] { return new MixedScreen(PairingMode::Random); }},
        {QStringLiteral("B会費チェック"), QStringLiteral("会費チェックリスト"), Accounts,
         screen<FeeCheckListScreen>()},
        {QStringLiteral("B練習日程"), QStringLiteral("練習日程"), Accounts,
         screen<PracticeScheduleScreen>()},
        {QStringLiteral("B月次報告書"), QStringLiteral("月次収支報告書"), Accounts,
         screen<MonthlyReportScreen>()},
        {QStringLiteral("B月末処理"), QStringLiteral("月末〆処理"), Accounts,
         screen<MonthClosingScreen>()},
        {QStringLiteral("B出納記録"), QStringLiteral("出納記録"), Accounts,
         screen<CashBookScreen>()},
        {QStringLiteral("B会員登録"), QStringLiteral("会員登録"), Accounts, screen<MemberScreen>()},
        {QStringLiteral("Bマスター情報"), QStringLiteral("マスター情報登録"), Accounts,
         screen<MasterSettingsScreen>()},
        {QStringLiteral("B費目登録"), QStringLiteral("費目登録"), Accounts,
         screen<ExpenseItemScreen>()},
        {QStringLiteral("Bバックアップ"), QStringLiteral("バックアップ"), Accounts,
         screen<BackupScreen>()},
        {QStringLiteral("B年間報告書"), QStringLiteral("年間収支報告書"), Accounts,
         screen<AnnualReportScreen>()},
        {QStringLiteral("BCSV出力"), QStringLiteral("CSV出力"), Accounts,
         screen<AccountsCsvScreen>()},
        {QStringLiteral("B会員取込"), QStringLiteral("会員CSV取込"), Accounts,
         screen<MemberImportScreen>()},
        {QStringLiteral("B引継ぎ"), QStringLiteral("引継ぎ"), Accounts, screen<HandOverScreen>()},
    };
    return entries;
}

} // namespace zoruka
