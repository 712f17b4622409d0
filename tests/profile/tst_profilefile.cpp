#include "platform/apperror.h"
#include "platform/inifile.h"
#include "profile/profilefile.h"
#include "profile/profilevalues.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDate kToday(2024, 6, 1);

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

ConvictionRow conviction(const QDate &date, const QString &article, const QString &heaviness,
                         bool infancy = false)
{
    ConvictionRow row;
    row.date = date;
    row.article = article;
    row.point = QStringLiteral("1");
    row.heaviness = heaviness;
    row.deprivation = true;
    row.infancy = infancy;
    row.expunged = !calc_sudimost1(heaviness, infancy, kToday, date);
    return row;
}

PersonProfile fullProfile()
{
    PersonProfile p;
    p.name = QStringLiteral("Иван");
    p.lastname = QStringLiteral("Петров");
    p.patronymic = QStringLiteral("Сергеевич");
    p.registrationAddress = QStringLiteral("г. Москва, ул. Ленина, д. 1, кв. 2");
    p.registrationDate = QDate(2001, 3, 5);
    p.resideAddress = QStringLiteral("г. Тула");
    p.resideDate = QDate(2010, 11, 17);
    p.bdate = QStringLiteral("\?\?/03/1980");
    p.sex = QStringLiteral("Женскии");
    p.inMarriage = true;
    p.inMarriageYears = QStringLiteral("12");
    p.liveTogether = true;
    p.criminalOnus = true;
    p.administrativeOnus = true;
    p.working = true;
    p.salary = 15000.5;
    p.convictions = {conviction(QDate(2023, 5, 1), QStringLiteral("158"), QStringLiteral("тяжкое")),
                     conviction(QDate(2015, 2, 28), QStringLiteral("105"),
                                QStringLiteral("особо тяжкое"), true),
                     conviction(QDate(), QStringLiteral("119"), QStringLiteral("небольшая тяжесть"))};
    p.characteristics = {{QStringLiteral("По месту жительства"), QStringLiteral("положительно")},
                         {QStringLiteral("По месту работы"), QString()}};
    return p;
}

// The profile of a person saved on a Russian Windows system, byte by byte as it wrote it.
const QByteArray kWindowsFile(
    "[main]\r\n"
    "name=\xC8\xE2\xE0\xED\r\n"
    "lastname=\xCF\xE5\xF2\xF0\xEE\xE2\r\n"
    "patronymic=\xD1\xE5\xF0\xE3\xE5\xE5\xE2\xE8\xF7\r\n"
    "registration_address=\xE3. \xCC\xEE\xF1\xEA\xE2\xE0, \xF3\xEB. \xCB\xE5\xED\xE8\xED\xE0, \xE4. 1\r\n"
    "registration_date=05.03.2001\r\n"
    "reside_address=\xE3. \xD2\xF3\xEB\xE0\r\n"
    "reside_date=17.11.2010\r\n"
    "bdate=\?\?/03/1980\r\n"
    "sex=1\r\n"
    "in_marriage=1\r\n"
    "in_marriage_years=12\r\n"
    "live_togethe=0\r\n"
    "criminal_onus=1\r\n"
    "administrative_onus=0\r\n"
    "working=1\r\n"
    "salary=15000,5\r\n"
    "[previous_conviction]\r\n"
    "count=2\r\n"
    "date0=10.03.2020\r\n"
    "article0=158\r\n"
    "point0=2\r\n"
    "heaviness0=\xF1\xF0\xE5\xE4\xED\xFF\xFF \xF2\xFF\xE6\xE5\xF1\xF2\xFC\r\n"
    "deprivation0=1\r\n"
    "infancy0=0\r\n"
    "respite0=0\r\n"
    "date1=00.00.0000\r\n"
    "article1=105\r\n"
    "point1=\r\n"
    "heaviness1=\xEE\xF1\xEE\xE1\xEE \xF2\xFF\xE6\xEA\xEE\xE5\r\n"
    "deprivation1=0\r\n"
    "infancy1=1\r\n"
    "respite1=1\r\n"
    "[description]\r\n"
    "count=2\r\n"
    "title0=\xCF\xEE \xEC\xE5\xF1\xF2\xF3 \xE6\xE8\xF2\xE5\xEB\xFC\xF1\xF2\xE2\xE0\r\n"
    "value0=\xEF\xEE\xEB\xEE\xE6\xE8\xF2\xE5\xEB\xFC\xED\xEE\r\n"
    "title1=\xCF\xEE \xEC\xE5\xF1\xF2\xF3 \xF0\xE0\xE1\xEE\xF2\xFB\r\n"
    "value1=\r\n");

// What a file without any of its keys opens as.
PersonProfile missingKeys()
{
    PersonProfile p;
    p.bdate = QStringLiteral("\?\?/\?\?/\?\?\?\?");
    p.sex = QStringLiteral("Женскии");
    p.inMarriageYears = QStringLiteral("2");
    return p;
}

} // namespace

class TestProfileFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void fullProfileComesBack();
    void windowsFileOpensWithEveryField();
    void fileWithUtf8MarkOpens();
    void textOutsideWindows1251Survives();
    void emptyPageSavedAndOpened();
    void missingKeysGiveTheirDefaults_data();
    void missingKeysGiveTheirDefaults();
    void storedSexNamingNoItem_data();
    void storedSexNamingNoItem();
    void countLargerThanTheRowsPresent();
    void keysOfALongerListStay();
    void nameWithLeadingBlanks();
    void yearsThatAreNoNumberStopTheSaveBeforeAnyWrite();
    void unwritableFileStaysAsItWas();
    void hostileFiles_data();
    void hostileFiles();
    void integers_data();
    void integers();
    void dates_data();
    void dates();
    void money_data();
    void money();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TestProfileFile::init()
{
    m_path = m_dir.filePath(QStringLiteral("person.har"));
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    QFile::remove(m_path);
}

void TestProfileFile::fullProfileComesBack()
{
    const PersonProfile saved = fullProfile();
    ProfileFile::save_har(saved, m_path);
    QCOMPARE(ProfileFile::open_har(m_path, kToday), saved);
    // Everything fits the code page: no mark, so that older installations read it.
    QVERIFY(bytesOf(m_path).startsWith("[main]\r\nname=\xC8\xE2\xE0\xED\r\n"));
}

void TestProfileFile::windowsFileOpensWithEveryField()
{
    writeBytes(m_path, kWindowsFile);
    const PersonProfile p = ProfileFile::open_har(m_path, kToday);
    QCOMPARE(p.name, QStringLiteral("Иван"));
    QCOMPARE(p.lastname, QStringLiteral("Петров"));
    QCOMPARE(p.patronymic, QStringLiteral("Сергеевич"));
    QCOMPARE(p.registrationAddress, QStringLiteral("г. Москва, ул. Ленина, д. 1"));
    QCOMPARE(p.registrationDate, QDate(2001, 3, 5));
    QCOMPARE(p.resideAddress, QStringLiteral("г. Тула"));
    QCOMPARE(p.resideDate, QDate(2010, 11, 17));
    QCOMPARE(p.bdate, QStringLiteral("\?\?/03/1980"));
    QCOMPARE(p.sex, QStringLiteral("Женскии"));
    QVERIFY(p.inMarriage);
    QCOMPARE(p.inMarriageYears, QStringLiteral("12"));
    QVERIFY(!p.liveTogether);
    QVERIFY(p.criminalOnus);
    QVERIFY(!p.administrativeOnus);
    QVERIFY(p.working);
    QCOMPARE(p.salary, 15000.5);

    QCOMPARE(p.convictions.size(), 2);
    const ConvictionRow &first = p.convictions.at(0);
    QCOMPARE(first.date, QDate(2020, 3, 10));
    QCOMPARE(first.article, QStringLiteral("158"));
    QCOMPARE(first.point, QStringLiteral("2"));
    QCOMPARE(first.heaviness, QStringLiteral("средняя тяжесть"));
    QVERIFY(first.deprivation && !first.infancy && !first.respite);
    QVERIFY(first.expunged); // three years from 10.03.2020 ran out before the day of opening
    const ConvictionRow &second = p.convictions.at(1);
    QVERIFY(second.date.isNull());
    QCOMPARE(second.article, QStringLiteral("105"));
    QVERIFY(second.point.isEmpty());
    QCOMPARE(second.heaviness, QStringLiteral("особо тяжкое"));
    QVERIFY(!second.deprivation && second.infancy && second.respite);
    QVERIFY(!second.expunged); // no date: nothing says the record has expired

    QCOMPARE(p.characteristics,
             (QList<CharacteristicRow>{
                 {QStringLiteral("По месту жительства"), QStringLiteral("положительно")},
                 {QStringLiteral("По месту работы"), QString()}}));

    // Saved again, the Windows file keeps its bytes.
    ProfileFile::save_har(p, m_path);
    QCOMPARE(bytesOf(m_path), kWindowsFile);
}

void TestProfileFile::fileWithUtf8MarkOpens()
{
    writeBytes(m_path, QByteArray("\xEF\xBB\xBF") +
                           QStringLiteral("[main]\r\nname=Мария\r\nsex=1\r\n"
                                          "[description]\r\ncount=1\r\ntitle0=Быт\r\n")
                               .toUtf8());
    const PersonProfile p = ProfileFile::open_har(m_path, kToday);
    QCOMPARE(p.name, QStringLiteral("Мария"));
    QCOMPARE(p.sex, QStringLiteral("Женскии"));
    QCOMPARE(p.characteristics, (QList<CharacteristicRow>{{QStringLiteral("Быт"), QString()}}));
}

void TestProfileFile::textOutsideWindows1251Survives()
{
    PersonProfile saved = fullProfile();
    saved.lastname = QStringLiteral("Łukasiewicz-Müller");
    saved.characteristics[1].value = QStringLiteral("≈ удовлетворительно");
    ProfileFile::save_har(saved, m_path);
    QVERIFY(bytesOf(m_path).startsWith("\xEF\xBB\xBF[main]"));
    QCOMPARE(ProfileFile::open_har(m_path, kToday), saved);
}

void TestProfileFile::emptyPageSavedAndOpened()
{
    ProfileFile::save_har(PersonProfile(), m_path);
    const IniFile ini(m_path);
    const auto main = [&ini](const char *key) {
        return ini.readString(QStringLiteral("main"), QString::fromLatin1(key));
    };
    QCOMPARE(main("registration_date"), QStringLiteral("00.00.0000"));
    QCOMPARE(main("reside_date"), QStringLiteral("00.00.0000"));
    QVERIFY(ini.contains(QStringLiteral("main"), QStringLiteral("bdate")));
    QCOMPARE(main("bdate"), QString());
    QCOMPARE(main("sex"), QStringLiteral("0"));
    QCOMPARE(main("in_marriage_years"), QStringLiteral("0"));
    QCOMPARE(main("salary"), QStringLiteral("0"));
    QCOMPARE(ini.readString(QStringLiteral("previous_conviction"), QStringLiteral("count")),
             QStringLiteral("0"));
    // The empty dates come back empty, not as the first day of some date scale.
    QCOMPARE(ProfileFile::open_har(m_path, kToday), PersonProfile());
}

void TestProfileFile::missingKeysGiveTheirDefaults_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("no file") << false << QByteArray();
    QTest::newRow("empty file") << true << QByteArray();
    QTest::newRow("sections without keys")
        << true << QByteArray("[main]\r\n[previous_conviction]\r\n[description]\r\n");
    QTest::newRow("values that do not convert")
        << true
        << QByteArray("[main]\r\nregistration_date=31.02.2001\r\nreside_date=1.1.01\r\n"
                      "sex=female\r\nin_marriage=yes\r\nin_marriage_years=two\r\n"
                      "working=true\r\nsalary=15 000\r\n"
                      "[previous_conviction]\r\ncount=many\r\n[description]\r\ncount=\r\n");
}

void TestProfileFile::missingKeysGiveTheirDefaults()
{
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, file);
    if (fileExists)
        writeBytes(m_path, file);
    QCOMPARE(ProfileFile::open_har(m_path, kToday), missingKeys());
}

void TestProfileFile::storedSexNamingNoItem_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << QByteArray("0") << QStringLiteral("Мужской");
    QTest::newRow("1 in hexadecimal") << QByteArray("$1") << QStringLiteral("Женскии");
    QTest::newRow("-1, a typed text") << QByteArray("-1") << QString();
    QTest::newRow("2") << QByteArray("2") << QString();
}

void TestProfileFile::storedSexNamingNoItem()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, text);
    writeBytes(m_path, "[main]\r\nsex=" + value + "\r\n");
    QCOMPARE(ProfileFile::open_har(m_path, kToday).sex, text);

    // A typed text is saved as -1.
    PersonProfile typed;
    typed.sex = QStringLiteral("не указан");
    ProfileFile::save_har(typed, m_path);
    QCOMPARE(IniFile(m_path).readString(QStringLiteral("main"), QStringLiteral("sex")),
             QStringLiteral("-1"));
}

void TestProfileFile::countLargerThanTheRowsPresent()
{
    writeBytes(m_path, "[previous_conviction]\r\ncount=3\r\ndate0=10.03.2020\r\narticle0=158\r\n"
                       "[description]\r\ncount=2\r\ntitle0=A\r\n");
    const PersonProfile p = ProfileFile::open_har(m_path, kToday);
    QCOMPARE(p.convictions.size(), 3);
    QCOMPARE(p.convictions.at(0).article, QStringLiteral("158"));
    QCOMPARE(p.convictions.at(1), ConvictionRow());
    QCOMPARE(p.convictions.at(2), ConvictionRow());
    QCOMPARE(p.characteristics,
             (QList<CharacteristicRow>{{QStringLiteral("A"), QString()}, {QString(), QString()}}));
}

void TestProfileFile::keysOfALongerListStay()
{
    PersonProfile p = fullProfile();
    for (int i = 0; i < 2; ++i)
        p.convictions.append(conviction(QDate(2022, 1, 1 + i), QStringLiteral("16%1").arg(i),
                                        QStringLiteral("тяжкое")));
    ProfileFile::save_har(p, m_path);
    p.convictions.resize(2);
    p.characteristics.resize(1);
    ProfileFile::save_har(p, m_path);

    const IniFile ini(m_path);
    QCOMPARE(ini.readString(QStringLiteral("previous_conviction"), QStringLiteral("count")),
             QStringLiteral("2"));
    QCOMPARE(ini.readString(QStringLiteral("previous_conviction"), QStringLiteral("respite4")),
             QStringLiteral("0"));
    QCOMPARE(ini.readString(QStringLiteral("description"), QStringLiteral("title1")),
             QStringLiteral("По месту работы"));
    QCOMPARE(ProfileFile::open_har(m_path, kToday), p);
}

void TestProfileFile::nameWithLeadingBlanks()
{
    PersonProfile p;
    p.name = QStringLiteral("   Иван  ");
    ProfileFile::save_har(p, m_path);
    QCOMPARE(ProfileFile::open_har(m_path, kToday).name, QStringLiteral("Иван"));
}

void TestProfileFile::yearsThatAreNoNumberStopTheSaveBeforeAnyWrite()
{
    ProfileFile::save_har(fullProfile(), m_path);
    const QByteArray before = bytesOf(m_path);
    PersonProfile changed = fullProfile();
    changed.name = QStringLiteral("Пётр");
    changed.inMarriageYears = QStringLiteral("десять");
    try {
        ProfileFile::save_har(changed, m_path);
        QFAIL("the save went on");
    } catch (const AppError &error) {
        QCOMPARE(error.text(), QStringLiteral("''десять'' is not a valid integer value"));
    }
    QCOMPARE(bytesOf(m_path), before);

    changed.inMarriageYears = QString();
    QVERIFY_THROWS_EXCEPTION(AppError, ProfileFile::save_har(changed, m_path));
    QCOMPARE(bytesOf(m_path), before);
}

void TestProfileFile::unwritableFileStaysAsItWas()
{
    ProfileFile::save_har(fullProfile(), m_path);
    const QByteArray before = bytesOf(m_path);
    QFile::setPermissions(m_path, QFile::ReadOwner);
    try {
        ProfileFile::save_har(PersonProfile(), m_path);
        QFAIL("the save was reported as done");
    } catch (const AppError &error) {
        QCOMPARE(error.text(), QStringLiteral("Unable to write to %1").arg(m_path));
    }
    QCOMPARE(bytesOf(m_path), before);
}

void TestProfileFile::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("convictions");
    QByteArray binary;
    quint32 seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1103515245 + 12345;
        binary.append(char(seed >> 24));
    }
    QTest::newRow("binary file") << binary << 0;
    QTest::newRow("a line of 1 MB")
        << QByteArray("[main]\r\nname=" + QByteArray(1 << 20, '\xC0') + "\r\nsex=0\r\n") << 0;
    QTest::newRow("invalid UTF-8 after the mark")
        << QByteArray("\xEF\xBB\xBF[main]\r\nname=\xC0\xC1\xF5\xFF\xED\xA0\x80\r\n") << 0;
    QTest::newRow("count=2147483647")
        << QByteArray("[previous_conviction]\r\ncount=2147483647\r\n[description]\r\n"
                      "count=2147483647\r\n")
        << ProfileFile::MaxRows;
    QTest::newRow("count beyond 32 bits")
        << QByteArray("[previous_conviction]\r\ncount=99999999999\r\n") << 0;
    QTest::newRow("negative count") << QByteArray("[previous_conviction]\r\ncount=-5\r\n") << 0;
}

void TestProfileFile::hostileFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(int, convictions);
    writeBytes(m_path, file);
    QElapsedTimer timer;
    timer.start();
    const PersonProfile p = ProfileFile::open_har(m_path, kToday);
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(p.convictions.size(), convictions);
    QVERIFY(p.characteristics.size() <= ProfileFile::MaxRows);
    QVERIFY(p.name.size() <= IniFile::MaxValueLength);
    QCOMPARE(bytesOf(m_path), file); // opening writes nothing
}

void TestProfileFile::integers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value"); // -999 for no number
    QTest::newRow("decimal") << "12" << 12;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("plus sign") << "+7" << 7;
    QTest::newRow("0x") << "0x1F" << 31;
    QTest::newRow("0X") << "0X1f" << 31;
    QTest::newRow("dollar") << "$10" << 16;
    QTest::newRow("negative hexadecimal") << "-$10" << -16;
    QTest::newRow("eight hexadecimal digits wrap") << "$FFFFFFFF" << -1;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483648LL);
    QTest::newRow("beyond 32 bits") << "2147483648" << -999;
    QTest::newRow("nine hexadecimal digits") << "$100000000" << -999;
    QTest::newRow("empty") << "" << -999;
    QTest::newRow("sign only") << "-" << -999;
    QTest::newRow("prefix only") << "0x" << -999;
    QTest::newRow("text after the digits") << "12a" << -999;
    QTest::newRow("decimal comma") << "1,5" << -999;
    QTest::newRow("inner blank") << "1 2" << -999;
    QTest::newRow("Arabic-Indic digit") << QString(QChar(0x0663)) << -999;
}

void TestProfileFile::integers()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(ProfileValues::readInt(text).value_or(-999), value);
}

void TestProfileFile::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("written form") << "05.03.2001" << QDate(2001, 3, 5);
    QTest::newRow("one-digit day and month") << "5.3.2001" << QDate(2001, 3, 5);
    QTest::newRow("29 February of a leap year") << "29.02.2016" << QDate(2016, 2, 29);
    QTest::newRow("29 February of another year") << "29.02.2015" << QDate();
    QTest::newRow("empty date") << "00.00.0000" << QDate();
    QTest::newRow("two-digit year") << "05.03.01" << QDate();
    QTest::newRow("slashes") << "05/03/2001" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestProfileFile::dates()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(ProfileValues::readDate(text), date);
    if (date.isValid())
        QCOMPARE(ProfileValues::dateText(date), date.toString(QStringLiteral("dd.MM.yyyy")));
}

void TestProfileFile::money_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 15000.0 << "15000";
    QTest::newRow("fraction") << 15000.5 << "15000,5";
    QTest::newRow("kopecks") << 0.01 << "0,01";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("a million, no grouping, no exponent") << 1234567890123.0 << "1234567890123";
    QTest::newRow("fifteen digits") << 0.1 + 0.2 << "0,3";
}

void TestProfileFile::money()
{
    QFETCH(double, amount);
    QFETCH(QString, text);
    QCOMPARE(ProfileValues::moneyText(amount), text);
    QCOMPARE(ProfileValues::readMoney(text).value_or(-1), QString(text).replace(u',', u'.').toDouble());
    QCOMPARE(ProfileValues::readMoney(QString(text).replace(u',', u'.')).value_or(-1),
             ProfileValues::readMoney(text).value_or(-2));
    QVERIFY(!ProfileValues::readMoney(QStringLiteral("15 000")));
    QVERIFY(!ProfileValues::readMoney(QStringLiteral("1e5")));
}

QTEST_APPLESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
