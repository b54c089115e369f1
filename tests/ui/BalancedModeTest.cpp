// The way each match-table screen builds, its fairness line, "途中変更" and the progress window.
#include "ScreenTestSupport.h"

#include "common/ui/BuildProgress.h"
#include "common/ui/MessageBox.h"
#include "matchtable/LineupSetup.h"
#include "matchtable/ui/DoublesScreen.h"
#include "matchtable/ui/FixedPairScreen.h"
#include "matchtable/ui/MixedScreen.h"
#include "matchtable/ui/TeamScreen.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <functional>
#include <memory>

using namespace zoruka;
using ui::MessageBox;

class BalancedModeTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MessageBox::Script> m_boxes;

    template <typename T> static T* child(QWidget* parent, const QString& name)
    {
        return parent->findChild<T*>(name);
    }

    static void press(QWidget* parent, const QString& name)
    {
        QTest::mouseClick(child<QPushButton>(parent, name), Qt::LeftButton);
    }

    static void enterDoubles(QWidget* screen, const QString& n, const QString& c, const QString& g)
    {
        child<QComboBox>(screen, QStringLiteral("C参加人数"))->setEditText(n);
        child<QComboBox>(screen, QStringLiteral("Cコート数"))->setEditText(c);
        child<QComboBox>(screen, QStringLiteral("C試合数"))->setEditText(g);
    }

    static QString fairness(QWidget* screen)
    {
        return child<QLabel>(screen, QStringLiteral("公平性"))->text();
    }

    static QStringList grid(QWidget* screen)
    {
        return test::gridText(child<QTableWidget>(screen, QStringLiteral("Gゾルカ")));
    }

    // Presses "途中変更" and lets `act` fill the dialog it opens; returns whether one opened.
    static bool changeLineup(QWidget* screen, const std::function<void(QDialog*)>& act)
    {
        bool opened = false;
        QTimer::singleShot(0, screen, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened = true;
                act(dialog);
                if (dialog->isVisible()) {
                    dialog->reject();
                }
            }
        });
        press(screen, QStringLiteral("B途中変更"));
        QCoreApplication::processEvents();
        return opened;
    }

private slots:
    void init() { m_boxes = std::make_unique<MessageBox::Script>(); }
    void cleanup() { m_boxes.reset(); }

    void everyScreenOffersItsOwnWayFirstAndBalanced()
    {
        std::vector<std::pair<std::unique_ptr<QWidget>, QString>> screens;
        screens.emplace_back(std::make_unique<DoublesScreen>(), QStringLiteral("R標準"));
        screens.emplace_back(std::make_unique<DoublesScreen>(PairingMode::Random),
                             QStringLiteral("Rランダム"));
        screens.emplace_back(std::make_unique<MixedScreen>(), QStringLiteral("R標準"));
        screens.emplace_back(std::make_unique<TeamScreen>(), QStringLiteral("R標準"));
        screens.emplace_back(std::make_unique<FixedPairScreen>(), QStringLiteral("R標準"));
        for (const auto& [screen, own] : screens) {
            QVERIFY(child<QRadioButton>(screen.get(), own)->isChecked());
            auto* balanced = child<QRadioButton>(screen.get(), QStringLiteral("Rバランス"));
            QCOMPARE(balanced->text(), QStringLiteral("バランス"));
            QVERIFY(!balanced->isChecked());
            auto* mix = child<QCheckBox>(screen.get(), QStringLiteral("Chk前後半を混ぜる"));
            QCOMPARE(mix->text(), QStringLiteral("前後半を混ぜる"));
            QVERIFY(!mix->isEnabled());
            balanced->setChecked(true);
            QVERIFY(mix->isEnabled());
            QVERIFY(child<QPushButton>(screen.get(), QStringLiteral("B途中変更")));
            QVERIFY(screen->minimumSizeHint().width() <= 1280);
        }
    }

    void fairnessLineFollowsEveryBuild()
    {
        DoublesScreen screen;
        enterDoubles(&screen, QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("9"));
        press(&screen, QStringLiteral("B設定"));
        QCOMPARE(fairness(&screen),
                 QStringLiteral("試合数 7/9（重複なしの上限 9）　ペアの重複 0　同じ相手との対戦 "
                                "最多 3回（下限 2回）　休憩回数の差 1"));
        child<QRadioButton>(&screen, QStringLiteral("Rバランス"))->setChecked(true);
        press(&screen, QStringLiteral("B設定"));
        // Nine players on two courts: a whist tournament, every game built.
        QCOMPARE(fairness(&screen),
                 QStringLiteral("試合数 9/9（重複なしの上限 9）　ペアの重複 0　同じ相手との対戦 "
                                "最多 2回（下限 2回）　休憩回数の差 1"));
        QCOMPARE(grid(&screen).size(), 11);
        QVERIFY(!grid(&screen).last().split(QLatin1Char('|')).at(1).isEmpty());
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void lineupChangeKeepsTheFirstGamesAndRefusesInside()
    {
        DoublesScreen screen;
        child<QRadioButton>(&screen, QStringLiteral("Rバランス"))->setChecked(true);
        enterDoubles(&screen, QStringLiteral("10"), QStringLiteral("2"), QStringLiteral("8"));
        press(&screen, QStringLiteral("B設定"));
        const QStringList before = grid(&screen);

        QVERIFY(changeLineup(&screen, [&](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("SB途中変更"));
            auto* from = child<QComboBox>(dialog, QStringLiteral("C変更試合"));
            QCOMPARE(from->count(), 8); // games 2 .. 9
            QCOMPARE(from->currentText(), QStringLiteral("9"));
            QCOMPARE(child<QComboBox>(dialog, QStringLiteral("C参加人数"))->currentText(),
                     QStringLiteral("10"));
            QVERIFY(!child<QComboBox>(dialog, QStringLiteral("Cコート数")));
            from->setEditText(QStringLiteral("4"));
            child<QComboBox>(dialog, QStringLiteral("C参加人数"))
                ->setEditText(QStringLiteral("12"));
            child<QComboBox>(dialog, QStringLiteral("C試合数"))->setEditText(QStringLiteral("10"));
            auto* leaving = child<QLineEdit>(dialog, QStringLiteral("抜ける番号"));
            leaving->setText(QStringLiteral("3,13"));
            press(dialog, QStringLiteral("B変更"));
            QVERIFY(dialog->isVisible()); // refused: 13 is not a player
            QCOMPARE(m_boxes->shown().size(), 1);
            QCOMPARE(m_boxes->shown().first().title, QStringLiteral("練習ゾルカ"));
            QCOMPARE(m_boxes->shown().first().text,
                     QString::fromStdString(std::string(lineup_setup::kLeavingNumbers)));
            leaving->setText(QStringLiteral("3"));
            press(dialog, QStringLiteral("B変更"));
            QVERIFY(!dialog->isVisible());
        }));
        const QStringList after = grid(&screen);
        QCOMPARE(after.size(), 12);
        QCOMPARE(after.mid(0, 5), before.mid(0, 5)); // headers and games 1 .. 3
        for (int row = 5; row < after.size(); ++row) {
            const QStringList cells = after[row].split(QLatin1Char('|'));
            for (const QString& cell : cells.mid(1)) {
                QVERIFY2(!cell.split(QRegularExpression(QStringLiteral("[-,]")))
                              .contains(QStringLiteral("3")),
                         qPrintable(after[row]));
            }
        }
        QVERIFY(fairness(&screen).startsWith(QStringLiteral("試合数 10/10")));
        QCOMPARE(child<QComboBox>(&screen, QStringLiteral("C参加人数"))->currentText(),
                 QStringLiteral("12"));
        QCOMPARE(child<QComboBox>(&screen, QStringLiteral("C試合数"))->currentText(),
                 QStringLiteral("10"));
    }

    void lineupChangeNeedsATable()
    {
        TeamScreen screen;
        QVERIFY(!changeLineup(&screen, [](QDialog*) {}));
        QCOMPARE(m_boxes->shown().size(), 1);
        QCOMPARE(m_boxes->shown().first().text,
                 QString::fromStdString(std::string(lineup_setup::kNothingBuilt)));
    }

    void progressShowsOnlyAfterHalfASecond()
    {
        QWidget screen;
        screen.setWindowTitle(QStringLiteral("練習ゾルカ"));
        ui::BuildProgress progress(&screen, QStringLiteral("ゾルカを作成しています"));
        progress.report(10);
        QVERIFY(!progress.shown());
        QThread::msleep(550);
        progress.report(60);
        QVERIFY(progress.shown());
        auto* dialog = child<QProgressDialog>(&screen, QStringLiteral("SB作成中"));
        QVERIFY(dialog);
        QCOMPARE(dialog->value(), 60);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("練習ゾルカ"));
    }
};

QTEST_MAIN(BalancedModeTest)
#include "BalancedModeTest.moc"
