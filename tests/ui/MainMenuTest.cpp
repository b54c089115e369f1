#include "ScreenTestSupport.h"

#include "app/MainMenu.h"
#include "app/StartupRoutine.h"
#include "common/ProgramVersion.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/SystemFonts.h"
#include "store/DatabaseLocation.h"

#include <QComboBox>
#include <QFontInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace zoruka;

class MainMenuTest : public QObject {
    Q_OBJECT

private:
    QPushButton* button(MainMenu& menu, const QString& name)
    {
        return menu.findChild<QPushButton*>(name);
    }

private slots:
    void cleanup() { test::deleteTopLevelWindows(); }

    void isTheStartScreenWithTwoTabPages()
    {
        MainMenu menu;
        QCOMPARE(menu.objectName(), QStringLiteral("aメニュv4"));
        QCOMPARE(menu.windowTitle(), QStringLiteral("ゾルカ"));
        auto* tabs = menu.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("ゾルカ"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("会費収支"));
    }

    void buttonsFollowTheMenuTable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("page"); // -1: outside the tab control
        QTest::addColumn<bool>("enabled");

        const auto row = [](const char* name, const char* caption, int page, bool enabled) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(caption) << page
                                << enabled;
        };
        row("Bゾルカ", "ゾルカ", 0, true);
        row("BMixゾルカ", "Mixダブルスゾルカ", 0, true);
        row("B団体戦", "A,B団体戦ゾルカ", 0, true);
        row("B固定対抗戦", "A,Bペア固定ゾルカ", 0, true);
        row("BゾルカRandom", "ゾルカRandom", 0, true);
        row("BMixゾルカRandom", "MixダブルスゾルカRandom", 0, true);
        row("B会費チェック", "会費チェックリスト", 1, true);
        row("B練習日程", "練習日程", 1, true);
        row("B月次報告書", "月次収支報告書", 1, true);
        row("B月末処理", "月末〆処理", 1, true);
        row("B出納記録", "出納記録", 1, true);
        row("B会員登録", "会員登録", 1, true);
        row("Bマスター情報", "マスター情報登録", 1, true);
        row("B費目登録", "費目登録", 1, true);
        row("B年間報告書", "年間収支報告書", 1, true);
        row("BCSV出力", "CSV出力", 1, true);
        row("B会員取込", "会員CSV取込", 1, true);
        row("B引継ぎ", "引継ぎ", 1, true);
        row("Bバージョン情報", "バージョン情報", -1, true);
        row("Bバックアップ", "バックアップ", 1, true);
        row("終了", "終了", -1, true);
    }

    // Only buttons whose screen exists yet are enabled; the others arrive with later issues.
    void buttonsFollowTheMenuTable()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, page);
        QFETCH(bool, enabled);

        MainMenu menu;
        auto* tabs = menu.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
        QPushButton* found = button(menu, name);
        QVERIFY(found);
        QCOMPARE(found->text(), caption);
        QCOMPARE(found->isEnabled(), enabled);
        if (page < 0) {
            QVERIFY(!tabs->isAncestorOf(found));
        } else {
            QVERIFY(tabs->widget(page)->isAncestorOf(found));
        }
    }

    // The random screens are the main screens placing players by chance, opened once each.
    void randomButtonsOpenTheRandomScreens()
    {
        MainMenu menu;
        menu.show();
        QTest::mouseClick(button(menu, QStringLiteral("BゾルカRandom")), Qt::LeftButton);
        QTest::mouseClick(button(menu, QStringLiteral("BゾルカRandom")), Qt::LeftButton);
        QTest::mouseClick(button(menu, QStringLiteral("BMixゾルカRandom")), Qt::LeftButton);
        int doubles = 0;
        int mixed = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            doubles += window->objectName() == QStringLiteral("SBゾルカv4") ? 1 : 0;
            mixed += window->objectName() == QStringLiteral("SBMixゾルカv4") ? 1 : 0;
            if (window->objectName() == QStringLiteral("SBゾルカv4")) {
                QCOMPARE(window->windowTitle(), QStringLiteral("ダブルス・ゾルカ作成Random"));
            }
        }
        QCOMPARE(doubles, 1);
        QCOMPARE(mixed, 1);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName().endsWith(QStringLiteral("v4"))) {
                window->close();
            }
        }
    }

    void aDisabledButtonOpensNothing()
    {
        MainMenu menu;
        menu.show();
        QPushButton* disabled = nullptr;
        for (QPushButton* candidate : menu.findChildren<QPushButton*>()) {
            if (!candidate->isEnabled()) {
                disabled = candidate;
                break;
            }
        }
        if (!disabled) {
            QSKIP("every screen of the menu exists");
        }
        const int windows = static_cast<int>(QApplication::topLevelWidgets().size());
        QTest::mouseClick(disabled, Qt::LeftButton);
        QCOMPARE(static_cast<int>(QApplication::topLevelWidgets().size()), windows);
    }

    void captionsUseAnInstalledJapaneseFont()
    {
        const QString family = ui::fonts::japaneseFamily();
        if (family.isEmpty()) {
            QSKIP("no Japanese font installed");
        }
        MainMenu menu;
        QCOMPARE(QFontInfo(button(menu, QStringLiteral("Bゾルカ"))->font()).family(), family);
        // "ＭＳ ゴシック" (終了) maps to a fixed-width Japanese font when one is installed.
        const QString quitFamily = QFontInfo(button(menu, QStringLiteral("終了"))->font()).family();
        QVERIFY2(QFont::substitutes(ui::fonts::kGothic).contains(quitFamily, Qt::CaseInsensitive),
                 qPrintable(quitFamily));
    }

    void pressingTheButtonTwiceOpensOneScreen()
    {
        MainMenu menu;
        menu.show();
        QTest::mouseClick(button(menu, QStringLiteral("Bゾルカ")), Qt::LeftButton);
        QTest::mouseClick(button(menu, QStringLiteral("Bゾルカ")), Qt::LeftButton);

        const QList<QWidget*> screens = test::topLevelsNamed(QStringLiteral("SBゾルカv3"));
        QCOMPARE(screens.size(), 1);
        QVERIFY(screens.first()->isVisible());
        QCOMPARE(screens.first()->windowTitle(), QStringLiteral("ダブルス・ゾルカ作成"));
    }

    void theNextPressShowsTheSameScreenAsItWasLeft()
    {
        MainMenu menu;
        menu.show();
        QTest::mouseClick(button(menu, QStringLiteral("Bゾルカ")), Qt::LeftButton);
        QWidget* screen = test::topLevelsNamed(QStringLiteral("SBゾルカv3")).value(0);
        QVERIFY(screen);
        screen->findChild<QComboBox*>(QStringLiteral("C参加人数"))
            ->setEditText(QStringLiteral("9"));
        screen->hide(); // e.g. minimised or behind other windows

        QTest::mouseClick(button(menu, QStringLiteral("Bゾルカ")), Qt::LeftButton);
        QCOMPARE(test::topLevelsNamed(QStringLiteral("SBゾルカv3")), QList<QWidget*>{screen});
        QVERIFY(screen->isVisible());
        QCOMPARE(screen->findChild<QComboBox*>(QStringLiteral("C参加人数"))->currentText(),
                 QStringLiteral("9"));
    }

    void aScreenClosedWithItsQuitButtonOpensAgainAfresh()
    {
        MainMenu menu;
        menu.show();
        QTest::mouseClick(button(menu, QStringLiteral("Bゾルカ")), Qt::LeftButton);
        QPointer<QWidget> first = test::topLevelsNamed(QStringLiteral("SBゾルカv3")).value(0);
        QVERIFY(first);
        first->findChild<QComboBox*>(QStringLiteral("C参加人数"))->setEditText(QStringLiteral("9"));

        QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("終了")), Qt::LeftButton);
        QTRY_VERIFY(first.isNull());
        QVERIFY(test::topLevelsNamed(QStringLiteral("SBゾルカv3")).isEmpty());

        QTest::mouseClick(button(menu, QStringLiteral("Bゾルカ")), Qt::LeftButton);
        const QList<QWidget*> screens = test::topLevelsNamed(QStringLiteral("SBゾルカv3"));
        QCOMPARE(screens.size(), 1);
        QVERIFY(screens.first()->isVisible());
        QVERIFY(screens.first()
                    ->findChild<QComboBox*>(QStringLiteral("C参加人数"))
                    ->currentText()
                    .isEmpty());
    }

    // The run ends only when the menu and every screen are closed, so the menu's 終了 must not
    // take the open screens with it.
    void quitClosesTheMenuButNotItsScreens()
    {
        auto* menu = new MainMenu;
        menu->show();
        QTest::mouseClick(button(*menu, QStringLiteral("Bゾルカ")), Qt::LeftButton);
        QPointer<QWidget> screen = test::topLevelsNamed(QStringLiteral("SBゾルカv3")).value(0);

        QTest::mouseClick(button(*menu, QStringLiteral("終了")), Qt::LeftButton);
        QVERIFY(!menu->isVisible());
        delete menu;
        QVERIFY(screen);
        QVERIFY(screen->isVisible());
    }

    void versionInformationNamesTheDataFolderAndTheFontLicence()
    {
        ui::MessageBox::Script boxes;
        MainMenu menu;
        menu.show();
        QTest::mouseClick(button(menu, QStringLiteral("Bバージョン情報")), Qt::LeftButton);
        QCOMPARE(boxes.shown().size(), 1);
        const ui::MessageBox::Shown& box = boxes.shown().first();
        QCOMPARE(box.icon, ui::MessageBox::Icon::Information);
        QCOMPARE(box.title, QStringLiteral("バージョン情報"));
        const QString folder =
            ui::toQString(DatabaseLocation::startFolder().file().parent_path().string());
        for (const QString& part :
             {QStringLiteral("ゾルカ　バージョン ") + ui::toQString(programVersion()) + '\n',
              QStringLiteral("データのフォルダ:\n") + folder + '\n',
              QStringLiteral("IPAフォントライセンスv1.0")}) {
            QVERIFY2(box.text.contains(part), qPrintable(box.text));
        }
    }

    void loadingRunsTheStartupRoutineForToday()
    {
        MainMenu menu(CalendarDate{2010, 6, 2});
        const StartupValues& values = StartupRoutine::values();
        QCOMPARE(QString::fromStdString(values.today), QStringLiteral("10/06/02"));
        QCOMPARE(QString::fromStdString(values.thisYear), QStringLiteral("2010"));
        QCOMPARE(QString::fromStdString(values.weekdayNames[0]), QStringLiteral("日"));
        QCOMPARE(QString::fromStdString(values.weekdayNames[6]), QStringLiteral("土"));
        QStringList names;
        for (const std::string& name : values.weekdayNames) {
            names << QString::fromStdString(name);
        }
        QCOMPARE(names.join(QString()), QStringLiteral("日月火水木金土"));
    }
};

QTEST_MAIN(MainMenuTest)
#include "MainMenuTest.moc"
