#include "platform/apperror.h"
#include "platform/inifile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void reading_data();
    void reading();
    void firstOfTwoSectionsCounts();
    void writingIntoAnExistingFileKeepsEverythingElse();
    void writtenFromScratchInWriteOrder();
    void lineBreakCannotStartAKey();
    void failedSaveLeavesTheFileWhole_data();
    void failedSaveLeavesTheFileWhole();
    void hostileFiles_data();
    void hostileFiles();
    void manyKeysStayQuick();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TestIniFile::init()
{
    m_path = m_dir.filePath(QStringLiteral("test.ini"));
    QFile::remove(m_path);
}

void TestIniFile::reading_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value"); // a null string: the default
    QTest::newRow("plain") << QByteArray("[main]\r\nname=Ivan\r\n") << "main" << "name" << "Ivan";
    QTest::newRow("names in any case") << QByteArray("[Main]\r\nNAME=a\r\n") << "MAIN" << "name" << "a";
    QTest::newRow("blanks around everything")
        << QByteArray("  [ main ]  \r\n  name  =   a b  \r\n") << "main" << "name" << "a b";
    QTest::newRow("double quotes") << QByteArray("[m]\nk=\" a \"\n") << "m" << "k" << " a ";
    QTest::newRow("single quotes") << QByteArray("[m]\nk='x'\n") << "m" << "k" << "x";
    QTest::newRow("unpaired quote kept") << QByteArray("[m]\nk=\"x\n") << "m" << "k" << "\"x";
    QTest::newRow("mixed quotes kept") << QByteArray("[m]\nk=\"x'\n") << "m" << "k" << "\"x'";
    QTest::newRow("everything after the first =") << QByteArray("[m]\nk=a=b\n") << "m" << "k" << "a=b";
    QTest::newRow("empty value is not the default") << QByteArray("[m]\nk=\n") << "m" << "k" << "";
    QTest::newRow("first of two keys") << QByteArray("[m]\nk=1\nK=2\n") << "m" << "k" << "1";
    QTest::newRow("missing key") << QByteArray("[m]\nk=1\n") << "m" << "x" << QString();
    QTest::newRow("key of another section") << QByteArray("[a]\nk=1\n[m]\n") << "m" << "k" << QString();
    QTest::newRow("key before any section") << QByteArray("k=1\n[m]\n") << "m" << "k" << QString();
    QTest::newRow("Windows-1251") << QByteArray("[m]\r\nk=\xCF\xF0\xE8\xE2\xE5\xF2\r\n") << "m" << "k"
                                  << "Привет";
    QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBF[m]\nk=\xD0\xAF\n") << "m" << "k"
                                         << "Я";
    QTest::newRow("long value cut") << QByteArray("[m]\nk=" + QByteArray(3000, 'x') + "\n") << "m"
                                    << "k" << QString(2047, u'x');
}

void TestIniFile::reading()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    writeBytes(m_path, file);
    const IniFile ini(m_path);
    QCOMPARE(ini.contains(section, key), !value.isNull());
    QCOMPARE(ini.readString(section, key, QStringLiteral("default")),
             value.isNull() ? QStringLiteral("default") : value);
}

void TestIniFile::firstOfTwoSectionsCounts()
{
    writeBytes(m_path, "[m]\r\na=1\r\n[x]\r\n[M]\r\na=2\r\nb=3\r\n");
    IniFile ini(m_path);
    QCOMPARE(ini.readString(QStringLiteral("m"), QStringLiteral("a")), QStringLiteral("1"));
    QVERIFY(!ini.contains(QStringLiteral("m"), QStringLiteral("b")));
    ini.writeString(QStringLiteral("m"), QStringLiteral("b"), QStringLiteral("4"));
    QCOMPARE(ini.text(), QStringLiteral("[m]\r\na=1\r\nb=4\r\n[x]\r\n[M]\r\na=2\r\nb=3\r\n"));
}

void TestIniFile::writingIntoAnExistingFileKeepsEverythingElse()
{
    writeBytes(m_path, "; written by hand\r\n"
                       "[main]\r\n"
                       "Name = old\r\n"
                       "something the program does not know\r\n"
                       "other=1\r\n"
                       "\r\n"
                       "[description]\n"
                       "count=5\n"
                       "title4=left from a longer list\n");
    IniFile ini(m_path);
    ini.writeString(QStringLiteral("MAIN"), QStringLiteral("name"), QStringLiteral("Иван"));
    ini.writeString(QStringLiteral("main"), QStringLiteral("lastname"), QStringLiteral("Петров"));
    ini.writeString(QStringLiteral("description"), QStringLiteral("count"), QStringLiteral("2"));
    ini.writeString(QStringLiteral("previous_conviction"), QStringLiteral("count"),
                    QStringLiteral("0"));
    ini.save();
    QCOMPARE(bytesOf(m_path), QByteArray("; written by hand\r\n"
                                         "[main]\r\n"
                                         "name=\xC8\xE2\xE0\xED\r\n"
                                         "something the program does not know\r\n"
                                         "other=1\r\n"
                                         "lastname=\xCF\xE5\xF2\xF0\xEE\xE2\r\n"
                                         "\r\n"
                                         "[description]\r\n"
                                         "count=2\r\n"
                                         "title4=left from a longer list\r\n"
                                         "[previous_conviction]\r\n"
                                         "count=0\r\n"));
}

void TestIniFile::writtenFromScratchInWriteOrder()
{
    writeBytes(m_path, "[old]\r\nkey=1\r\n");
    IniFile ini = IniFile::empty(m_path);
    QVERIFY(!ini.contains(QStringLiteral("old"), QStringLiteral("key")));
    ini.writeString(QStringLiteral("b"), QStringLiteral("z"), QStringLiteral("1"));
    ini.writeString(QStringLiteral("a"), QStringLiteral("y"), QStringLiteral("2"));
    ini.writeString(QStringLiteral("b"), QStringLiteral("x"), QStringLiteral("3"));
    ini.writeString(QStringLiteral("b"), QStringLiteral("z"), QStringLiteral("4"));
    ini.save();
    QCOMPARE(bytesOf(m_path), QByteArray("[b]\r\nz=4\r\nx=3\r\n[a]\r\ny=2\r\n"));
}

void TestIniFile::lineBreakCannotStartAKey()
{
    IniFile ini(m_path);
    ini.writeString(QStringLiteral("main"), QStringLiteral("name"),
                    QStringLiteral("a\r\n[main]\nsex=5\rb"));
    ini.save();
    const IniFile back(m_path);
    QCOMPARE(back.readString(QStringLiteral("main"), QStringLiteral("name")),
             QStringLiteral("a [main] sex=5 b"));
    QVERIFY(!back.contains(QStringLiteral("main"), QStringLiteral("sex")));
}

void TestIniFile::failedSaveLeavesTheFileWhole_data()
{
    QTest::addColumn<bool>("readOnlyFile");
    QTest::newRow("read-only file") << true;
    QTest::newRow("missing folder") << false;
}

void TestIniFile::failedSaveLeavesTheFileWhole()
{
    QFETCH(bool, readOnlyFile);
    const QString path = readOnlyFile ? m_path : m_dir.filePath(QStringLiteral("missing/test.ini"));
    const QByteArray old("[main]\r\nname=old\r\n");
    if (readOnlyFile) {
        writeBytes(path, old);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser);
    }
    IniFile ini(path);
    ini.writeString(QStringLiteral("main"), QStringLiteral("name"), QStringLiteral("new"));
    QString reason;
    QVERIFY(!ini.trySave(&reason));
    QVERIFY(!reason.isEmpty());
    try {
        ini.save();
        QFAIL("the save was reported as done");
    } catch (const AppError &error) {
        QCOMPARE(error.text(), QStringLiteral("Unable to write to %1").arg(path));
    }
    QCOMPARE(bytesOf(path), readOnlyFile ? old : QByteArray());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

void TestIniFile::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QByteArray binary;
    for (int i = 0; i < 70000; ++i)
        binary.append(char((i * 7919) % 256));
    QTest::newRow("binary") << binary;
    QTest::newRow("a line of 1 MB") << QByteArray("[main]\r\nname=" + QByteArray(1 << 20, 'x') + "\r\n");
    QTest::newRow("a header of 1 MB") << QByteArray("[" + QByteArray(1 << 20, 'm') + "\r\nname=a\r\n");
    QTest::newRow("invalid UTF-8 after a mark")
        << QByteArray("\xEF\xBB\xBF[main]\r\nname=\xC3\x28\xFF\xFE\r\n");
    QTest::newRow("NUL bytes") << QByteArray("[main]\0\r\nname=a\0b\r\n", 20);
}

void TestIniFile::hostileFiles()
{
    QFETCH(QByteArray, file);
    writeBytes(m_path, file);
    QElapsedTimer timer;
    timer.start();
    IniFile ini(m_path);
    const QString name = ini.readString(QStringLiteral("main"), QStringLiteral("name"));
    QVERIFY(name.size() <= IniFile::MaxValueLength);
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    // Reading changes nothing on disk.
    QCOMPARE(bytesOf(m_path), file);
}

void TestIniFile::manyKeysStayQuick()
{
    QElapsedTimer timer;
    timer.start();
    IniFile ini(m_path);
    for (int i = 0; i < 70000; ++i)
        ini.writeString(QStringLiteral("rows"), QStringLiteral("key%1").arg(i), QString::number(i));
    ini.save();
    const IniFile back(m_path);
    for (int i = 0; i < 70000; i += 997)
        QCOMPARE(back.readString(QStringLiteral("rows"), QStringLiteral("KEY%1").arg(i)),
                 QString::number(i));
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_APPLESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
