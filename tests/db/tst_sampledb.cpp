// The sample Code shipped with the program: it opens, keeps the ownership rule, and
// every stored category is the one the program's rule gives for the sanctions.

#include "db/dm.h"
#include "db/severity.h"
#include "platform/appfolder.h"
#include "platform/messages.h"

#include <QTemporaryDir>
#include <QtTest>

class SampleDatabaseTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void opensThroughTheDataModule();
    void articlesAreComplete();
    void storedSeverityFollowsTheRule();

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

QTEST_GUILESS_MAIN(SampleDatabaseTest)
#include "tst_sampledb.moc"
