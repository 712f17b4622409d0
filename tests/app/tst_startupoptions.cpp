#include "platform/startupoptions.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestStartupOptions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void autohideReadsTheStoredText_data();
    void autohideReadsTheStoredText();
    void missingFileIsOff();
    void writtenValueIsReadBack();
    void defaultLocationIsTheUsersConfig();
};

void TestStartupOptions::autohideReadsTheStoredText_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("on");
    QTest::newRow("1") << QByteArray("autohide=1\n") << true;
    QTest::newRow("2") << QByteArray("autohide=2\n") << true;
    QTest::newRow("negative number") << QByteArray("autohide=-1\n") << true;
    QTest::newRow("0") << QByteArray("autohide=0\n") << false;
    QTest::newRow("empty") << QByteArray("autohide=\n") << false;
    QTest::newRow("yes") << QByteArray("autohide=yes\n") << false;
    QTest::newRow("true") << QByteArray("autohide=true\n") << false;
    QTest::newRow("number with text after it") << QByteArray("autohide=1x\n") << false;
    QTest::newRow("list") << QByteArray("autohide=1, 2\n") << false;
    QTest::newRow("in its section") << QByteArray("[General]\nautohide=1\n") << true;
    QTest::newRow("other section only") << QByteArray("[Other]\nautohide=1\n") << false;
    QTest::newRow("value absent") << QByteArray("something=1\n") << false;
}

void TestStartupOptions::autohideReadsTheStoredText()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, on);
    QTemporaryDir config;
    StartupOptions options(config.path());
    QFile f(options.fileName());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(file);
    f.close();
    QCOMPARE(options.autohide(), on);
}

void TestStartupOptions::missingFileIsOff()
{
    QTemporaryDir config;
    QVERIFY(!StartupOptions(config.filePath(QStringLiteral("not/there"))).autohide());
}

void TestStartupOptions::writtenValueIsReadBack()
{
    QTemporaryDir config;
    // The user's config folder of the program may not exist yet on a fresh account.
    StartupOptions options(config.filePath(QStringLiteral("Zorvant")));
    options.setAutohide(true);
    QVERIFY(StartupOptions(config.filePath(QStringLiteral("Zorvant"))).autohide());
    QCOMPARE(QSettings(options.fileName(), QSettings::IniFormat).value(QStringLiteral("autohide")),
             QVariant(QStringLiteral("1")));
    options.setAutohide(false);
    QVERIFY(!options.autohide());
    QCOMPARE(QSettings(options.fileName(), QSettings::IniFormat).value(QStringLiteral("autohide")),
             QVariant(QStringLiteral("0")));
}

void TestStartupOptions::defaultLocationIsTheUsersConfig()
{
    QStandardPaths::setTestModeEnabled(true);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QVERIFY(StartupOptions().fileName().startsWith(folder + QLatin1Char('/')));
}

QTEST_GUILESS_MAIN(TestStartupOptions)
#include "tst_startupoptions.moc"
