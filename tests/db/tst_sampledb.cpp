// The sample Code shipped with the program: it opens, keeps the ownership rule, every
// stored category is the one the program's rule gives for the sanctions, and the
// articles reworded by later amending laws carry their current parts and terms.

#include "db/dm.h"
#include "db/severity.h"
#include "platform/appfolder.h"
#include "platform/messages.h"

#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

class SampleDatabaseTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void opensThroughTheDataModule();
    void articlesAreComplete();
    void storedSeverityFollowsTheRule();
    void currentParts_data();
    void currentParts();
    void currentTermOfImprisonment_data();
    void currentTermOfImprisonment();

private:
    QList<SanctionTerms> sanctionsOf(const QString &owner) const
    {
        QList<SanctionTerms> out;
        const QueryResult r = db.query(
            QStringLiteral("select type_sankc, nakazanie from sankciya where ref_punkt = ?"), {owner});
        for (const auto &row : r.rows)
            out.append({row.value(0), row.value(1).toString()});
        return out;
    }
    QStringList partsOf(const QString &article) const
    {
        QStringList out;
        const QueryResult r = db.query(
            QStringLiteral("select p.NameSetProof from Punkt p join main m on p.ref_main = m.GUID "
                           "where m.NumberSt = ? order by p.rowid"),
            {article});
        for (const auto &row : r.rows)
            out.append(row.value(0).toString());
        return out;
    }
    QString sample = QStringLiteral(ZORVANT_BIN_DIR "/Zorvant.mdb");
    SqliteConnection db;
};

void SampleDatabaseTest::initTestCase()
{
    QVERIFY2(QFile::exists(sample), "the build places Zorvant.mdb beside the program");
    db.open(sample);
}

void SampleDatabaseTest::opensThroughTheDataModule()
{
    QTemporaryDir dir;
    QVERIFY(QFile::copy(sample, dir.filePath(QStringLiteral("Zorvant.mdb"))));
    setAppFolder(dir.path());
    Messages::startRecording();
    {
        TDM dm;
        QCOMPARE(Messages::recorded(), QStringList());
        QVERIFY(dm.adsmain->recordCount() >= 30);
        QCOMPARE(dm.adstypesanck->recordCount(), 12);
    }
    Messages::stopRecording();
}

void SampleDatabaseTest::articlesAreComplete()
{
    const QueryResult articles =
        db.query(QStringLiteral("select GUID, NumberSt, NameSt, DateSt, TextSt from main"));
    QVERIFY(articles.rows.size() >= 30);
    int withPoints = 0;
    int withOwnSanctions = 0;
    for (const auto &a : articles.rows) {
        const QString number = a.value(1).toString();
        QVERIFY2(!number.isEmpty() && !a.value(2).toString().isEmpty(), qPrintable(number));
        QVERIFY2(QDate::fromString(a.value(3).toString(), Qt::ISODate).isValid(), qPrintable(number));
        QVERIFY2(!a.value(4).toString().isEmpty(), qPrintable(number));
        const int points =
            db.query(QStringLiteral("select count(*) from Punkt where ref_main = ?"), {a.value(0)})
                .rows.value(0).value(0).toInt();
        const int own = int(sanctionsOf(a.value(0).toString()).size());
        QVERIFY2((points > 0) != (own > 0), qPrintable(number)); // points or own sanctions
        withPoints += points > 0;
        withOwnSanctions += own > 0;
    }
    QVERIFY(withPoints > 0);
    QVERIFY(withOwnSanctions > 0);

    const QueryResult kinds = db.query(QStringLiteral("select id, sankc_name from sankc_type"));
    QMap<int, QString> names;
    for (const auto &k : kinds.rows)
        names.insert(k.value(0).toInt(), k.value(1).toString());
    QCOMPARE(names.value(10), QString::fromUtf8("лишение свободы на определенный срок"));
    QCOMPARE(names.value(11), QString::fromUtf8("пожизненное лишение свободы"));
    QCOMPARE(names.value(12), QString::fromUtf8("смертная казнь"));
}

void SampleDatabaseTest::storedSeverityFollowsTheRule()
{
    const QueryResult owners = db.query(QStringLiteral(
        "select GUID, Tyajest, NameSetProof from Punkt union all "
        "select GUID, Tyajest, NumberSt from main m "
        "where not exists (select 1 from Punkt p where p.ref_main = m.GUID)"));
    QVERIFY(!owners.rows.isEmpty());
    for (const auto &o : owners.rows) {
        const auto expected = ownerSeverity(sanctionsOf(o.value(0).toString()));
        QVERIFY2(expected, qPrintable(o.value(2).toString()));
        QCOMPARE(o.value(1).toString(), severityText(*expected));
    }
}

void SampleDatabaseTest::currentParts_data()
{
    QTest::addColumn<QString>("article");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("327 in five parts") << QStringLiteral("327")
                                       << QStringList({"1", "2", "3", "4", "5"});
    QTest::newRow("213 with the explosives part") << QStringLiteral("213")
                                                  << QStringList({"1", "2", "3"});
}

void SampleDatabaseTest::currentParts()
{
    QFETCH(QString, article);
    QFETCH(QStringList, parts);
    QCOMPARE(partsOf(article), parts);
}

// The upper term of imprisonment of a part and the category that follows from it.
void SampleDatabaseTest::currentTermOfImprisonment_data()
{
    QTest::addColumn<QString>("article");
    QTest::addColumn<QString>("part");
    QTest::addColumn<int>("years");
    QTest::addColumn<QString>("severity");
    QTest::newRow("327.2 a passport") << QStringLiteral("327") << QStringLiteral("2") << 3
                                      << QString::fromUtf8("средняя тяжесть");
    QTest::newRow("327.3 using a forged passport")
        << QStringLiteral("327") << QStringLiteral("3") << 1
        << QString::fromUtf8("небольшая тяжесть");
    QTest::newRow("327.4 to hide another crime") << QStringLiteral("327") << QStringLiteral("4")
                                                 << 4 << QString::fromUtf8("средняя тяжесть");
    QTest::newRow("213.3 explosives") << QStringLiteral("213") << QStringLiteral("3") << 8
                                      << QString::fromUtf8("тяжкое");
}

void SampleDatabaseTest::currentTermOfImprisonment()
{
    QFETCH(QString, article);
    QFETCH(QString, part);
    QFETCH(int, years);
    QFETCH(QString, severity);
    const QueryResult point = db.query(
        QStringLiteral("select p.GUID, p.Tyajest from Punkt p join main m on p.ref_main = m.GUID "
                       "where m.NumberSt = ? and p.NameSetProof = ?"),
        {article, part});
    QCOMPARE(point.rows.size(), 1);
    int highest = 0;
    for (const SanctionTerms &s : sanctionsOf(point.rows[0].value(0).toString()))
        if (s.type.toInt() == 10)
            highest = std::max(highest, highestTermOfYears(s.punishment));
    QCOMPARE(highest, years);
    QCOMPARE(point.rows[0].value(1).toString(), severity);
}

QTEST_GUILESS_MAIN(SampleDatabaseTest)
#include "tst_sampledb.moc"
