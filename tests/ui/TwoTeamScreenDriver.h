#pragma once

#include "ScreenTestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace zoruka::test {

// Works an A-against-B screen (team match, fixed pairs) through its named controls, as the user
// would.
class TwoTeamScreenDriver {
public:
    explicit TwoTeamScreenDriver(QWidget* screen) : m_screen(screen) {}

    QComboBox* combo(const QString& name) const { return m_screen->findChild<QComboBox*>(name); }
    QComboBox* teamA() const { return combo(QStringLiteral("CAチーム人数")); }
    QComboBox* teamB() const { return combo(QStringLiteral("CBチーム人数")); }
    QComboBox* courts() const { return combo(QStringLiteral("Cコート数")); }
    QComboBox* games() const { return combo(QStringLiteral("C試合数")); }
    // In screen order.
    QList<QComboBox*> counts() const { return {teamA(), teamB(), courts(), games()}; }

    QTableWidget* grid() const
    {
        return m_screen->findChild<QTableWidget*>(QStringLiteral("Gゾルカ"));
    }
    QStringList gridText() const { return test::gridText(grid()); }

    QPushButton* button(const QString& name) const
    {
        return m_screen->findChild<QPushButton*>(name);
    }
    void press(const QString& name) const { QTest::mouseClick(button(name), Qt::LeftButton); }

    void enter(const QString& a, const QString& b, const QString& c, const QString& g) const
    {
        teamA()->setEditText(a);
        teamB()->setEditText(b);
        courts()->setEditText(c);
        games()->setEditText(g);
    }
    void build(const QString& a, const QString& b, const QString& c, const QString& g) const
    {
        enter(a, b, c, g);
        press(QStringLiteral("B設定"));
    }

private:
    QWidget* m_screen;
};

// The folder the program "started in" for a test program: printed PDF files go into its
// "印刷" folder. makeCurrent() must run before anything asks for that folder, which is then kept.
class StartFolder {
public:
    bool makeCurrent() const { return m_folder.isValid() && QDir::setCurrent(m_folder.path()); }

    QString printFolder() const { return m_folder.filePath(QStringLiteral("印刷")); }
    QStringList printedFiles() const
    {
        return QDir(printFolder()).entryList(QDir::Files, QDir::Name);
    }
    void clearPrinted() const { QDir(printFolder()).removeRecursively(); }

private:
    QTemporaryDir m_folder;
};

} // namespace zoruka::test
