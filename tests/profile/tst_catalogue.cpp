#include "platform/apperror.h"
#include "platform/inifile.h"
#include "profile/characteristicscatalogue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using Rows = QList<CharacteristicRow>;

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void namesAndVariantsWrittenFromScratch();
    void deletingTheLastOfThreeNames();
    void blankNamesComeBackEmpty();
    void missingFileIsAnEmptyCatalogue();
    void deliveredCatalogueReads();
    void unwritableFile();
    void reloadKeepsTheAnswers_data();
    void reloadKeepsTheAnswers();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TestCatalogue::init()
{
    m_path = m_dir.filePath(QStringLiteral("description.ini"));
    QFile::remove(m_path);
}

void TestCatalogue::namesAndVariantsWrittenFromScratch()
{
    const CharacteristicsCatalogue catalogue{{"A", "B"}, {"X", "Y"}};
    catalogue.save(m_path);
    QCOMPARE(bytesOf(m_path), QByteArray("[description]\r\ncount=2\r\ntitle0=A\r\ntitle1=B\r\n"
                                         "[description_values]\r\ncount=2\r\nvalue0=X\r\n"
                                         "value1=Y\r\n"));
    QCOMPARE(CharacteristicsCatalogue::load(m_path), catalogue);
    QCOMPARE(catalogue.rowsFor({}), (Rows{{"A", ""}, {"B", ""}}));
}

void TestCatalogue::deletingTheLastOfThreeNames()
{
    CharacteristicsCatalogue catalogue{{"A", "B", "C"}, {"X"}};
    catalogue.save(m_path);
    catalogue.names.removeLast();
    catalogue.save(m_path);
    const IniFile ini(m_path);
    QCOMPARE(ini.readString(QStringLiteral("description"), QStringLiteral("count")),
             QStringLiteral("2"));
    QCOMPARE(ini.readString(QStringLiteral("description"), QStringLiteral("title2")),
             QStringLiteral("C"));
    QCOMPARE(CharacteristicsCatalogue::load(m_path).names, (QStringList{"A", "B"}));
}

void TestCatalogue::blankNamesComeBackEmpty()
{
    CharacteristicsCatalogue{{"   ", "A"}, {"  "}}.save(m_path);
    QCOMPARE(CharacteristicsCatalogue::load(m_path),
             (CharacteristicsCatalogue{{"", "A"}, {""}}));
}

void TestCatalogue::missingFileIsAnEmptyCatalogue()
{
    QCOMPARE(CharacteristicsCatalogue::load(m_path), CharacteristicsCatalogue());
}

void TestCatalogue::deliveredCatalogueReads()
{
    const CharacteristicsCatalogue delivered = CharacteristicsCatalogue::load(
        QStringLiteral(ZORVANT_BIN_DIR "/settings/description.ini"));
    QCOMPARE(delivered.names.size(), 8);
    QCOMPARE(delivered.names.first(), QStringLiteral("По месту жительства"));
    QVERIFY(!delivered.variants.isEmpty());
}

void TestCatalogue::unwritableFile()
{
    const QString path = m_dir.filePath(QStringLiteral("settings/description.ini"));
    try {
        CharacteristicsCatalogue{{"A"}, {}}.save(path);
        QFAIL("the save was reported as done");
    } catch (const AppError &error) {
        QCOMPARE(error.text(), QStringLiteral("Unable to write to %1").arg(path));
    }
}

void TestCatalogue::reloadKeepsTheAnswers_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<Rows>("current");
    QTest::addColumn<Rows>("expected");
    QTest::newRow("answers of names still listed")
        << QStringList{"A", "B", "C"} << Rows{{"B", "хорошо"}, {"A", "плохо"}}
        << Rows{{"A", "плохо"}, {"B", "хорошо"}, {"C", ""}};
    QTest::newRow("answered names no longer listed stay after the catalogue")
        << QStringList{"A"} << Rows{{"Z", "z"}, {"A", "a"}, {"Y", ""}, {"X", "x"}}
        << Rows{{"A", "a"}, {"Z", "z"}, {"X", "x"}};
    QTest::newRow("a name given twice takes the answers in turn")
        << QStringList{"A", "A", "A"} << Rows{{"A", "1"}, {"A", "2"}}
        << Rows{{"A", "1"}, {"A", "2"}, {"A", ""}};
    QTest::newRow("empty catalogue") << QStringList{} << Rows{{"A", "1"}, {"B", ""}}
                                     << Rows{{"A", "1"}};
    QTest::newRow("blank name") << QStringList{""} << Rows{{"", "x"}} << Rows{{"", "x"}};
}

void TestCatalogue::reloadKeepsTheAnswers()
{
    QFETCH(QStringList, names);
    QFETCH(Rows, current);
    QFETCH(Rows, expected);
    QCOMPARE((CharacteristicsCatalogue{names, {}}.rowsFor(current)), expected);
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
