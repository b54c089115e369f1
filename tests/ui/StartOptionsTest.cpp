#include "app/StartOptions.h"

#include <QStringList>
#include <QTest>

#include <vector>

using namespace zoruka;

class StartOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void takesItsOwnOptionsAndLeavesQtsOwn_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("options"); // folder|home|help|version
        QTest::addColumn<QString>("error");

        const auto row = [](const char* name, QStringList arguments, QStringList left,
                            const char* options, const char* error = "") {
            QTest::newRow(name) << arguments << left << QString::fromUtf8(options)
                                << QString::fromUtf8(error);
        };
        row("nothing", {}, {}, "|0|0|0");
        row("folder", {"--folder", "クラブ"}, {}, "クラブ|0|0|0");
        row("folder=", {"--folder=/data/クラブ"}, {}, "/data/クラブ|0|0|0");
        row("home among Qt's", {"-platform", "offscreen", "--home-folder", "-reverse"},
            {"-platform", "offscreen", "-reverse"}, "|1|0|0");
        row("help and version", {"--version", "--help"}, {}, "|0|1|1");
        row("unknown ones are left", {"--colour", "x"}, {"--colour", "x"}, "|0|0|0");
        row("folder without a value", {"--folder"}, {}, "|0|0|0",
            "--folder にはフォルダを指定してください。");
        row("folder and home", {"--home-folder", "--folder", "d"}, {}, "d|1|0|0",
            "--folder と --home-folder は一緒に指定できません。");
    }

    void takesItsOwnOptionsAndLeavesQtsOwn()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, left);
        QFETCH(QString, options);
        QFETCH(QString, error);

        std::vector<QByteArray> bytes{"zoruka"};
        for (const QString& argument : arguments) {
            bytes.push_back(argument.toUtf8());
        }
        std::vector<char*> argv;
        for (QByteArray& argument : bytes) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        int argc = static_cast<int>(bytes.size());

        const StartOptions parsed = StartOptions::parse(argc, argv.data());
        QStringList remaining;
        for (int i = 1; i < argc; ++i) {
            remaining << QString::fromUtf8(argv[i]);
        }
        QCOMPARE(remaining, left);
        QCOMPARE(argv[argc], nullptr);
        const QString folder = QString::fromStdString(
            parsed.dataFolder.folder.value_or(std::filesystem::path()).string());
        QCOMPARE(QStringList({folder, QString::number(parsed.dataFolder.home),
                              QString::number(parsed.help), QString::number(parsed.version)})
                     .join('|'),
                 options);
        QCOMPARE(QString::fromStdString(parsed.error), error);
    }
};

QTEST_APPLESS_MAIN(StartOptionsTest)
#include "StartOptionsTest.moc"
