// The data module over a small Code file: opening, keys and owner links of new
// records, the category written when a sanction is saved, and the files it refuses.

#include "db/dm.h"
#include "platform/appfolder.h"
#include "platform/messages.h"
#include "support/codefixture.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
const QRegularExpression registryKey(QStringLiteral(
    "^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$"));
QString s(const char *utf8) { return QString::fromUtf8(utf8); }
} // namespace

class DataModuleTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void opensEveryDatasetFromAppFolder();
    void newKeysAreRegistryGuids();
    void newRecordsGetKeysAndOwners();
    void savingSanctionDerivesPointSeverity();
    void savingSanctionDerivesArticleSeverity();
    void derivationPostsPendingOwnerEdit();
    void unusableFileLeavesListsEmpty_data();
    void unusableFileLeavesListsEmpty();
    void fileLockedByAnotherProgramIsReported();

private:
    QString storedSeverity(const char *table, const char *guid) const
    {
        SqliteConnection check;
        check.open(path);
        return check
            .query(QStringLiteral("select Tyajest from %1 where GUID = ?").arg(QLatin1String(table)),
                   {QLatin1String(guid)})
            .rows.value(0)
            .value(0)
            .toString();
    }
    void moveArticleTo(const char *guid)
    {
        QVERIFY(dm->adsmain->locate(QStringLiteral("GUID"), QLatin1String(guid)));
        dm->linkSanctionsTo(dm->adspunkt->recordCount() > 0 ? dm->adspunkt : dm->adsmain);
    }

    std::unique_ptr<QTemporaryDir> dir;
    QString path;
    std::unique_ptr<TDM> dm;
};

void DataModuleTest::init()
{
    Messages::startRecording();
    dir = std::make_unique<QTemporaryDir>();
    path = CodeFixture::write(dir->path());
    setAppFolder(dir->path());
    dm = std::make_unique<TDM>();
}

void DataModuleTest::cleanup()
{
    dm.reset();
    Messages::stopRecording();
}

void DataModuleTest::opensEveryDatasetFromAppFolder()
{
    // Started from elsewhere, the module still reads the file beside the program.
    dm.reset();
    QTemporaryDir elsewhere;
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    dm = std::make_unique<TDM>();
    QCOMPARE(Messages::recorded(), QStringList());

    const QList<Dataset *> all = dm->findChildren<Dataset *>();
    QCOMPARE(all.size(), 12);
    for (const Dataset *d : all)
        QVERIFY2(d->isActive(), qPrintable(d->objectName()));

    QCOMPARE(dm->adsmain->recordCount(), 8); // every article, the incomplete ones too
    QCOMPARE(dm->adspunkt->recordCount(), 2);
    QCOMPARE(dm->adsSankciy->recordCount(), 0); // 105 keeps its sanctions on its points
    QCOMPARE(dm->adstypesanck->recordCount(), 6);
    // The pickers leave out articles without a number or a title.
    for (Dataset *picker : {dm->ADODataSet1, dm->ADODataSet3, dm->ADODataSet5, dm->ADODataSet7})
        QCOMPARE(picker->recordCount(), 6);
    dm->ADODataSet5->locate(QStringLiteral("GUID"), QStringLiteral("C"));
    QCOMPARE(dm->ADODataSet6->value(QStringLiteral("GUID")), QVariant(QStringLiteral("C1")));
    QCOMPARE(dm->ADODataSet2->value(QStringLiteral("GUID")), QVariant(QStringLiteral("A1")));
}

void DataModuleTest::newKeysAreRegistryGuids()
{
    const QString a = TDM::NewGUID();
    QVERIFY2(registryKey.match(a).hasMatch(), qPrintable(a));
    QCOMPARE(a.size(), 38);
    QVERIFY(a != TDM::NewGUID());
}

void DataModuleTest::newRecordsGetKeysAndOwners()
{
    dm->adsmain->insert();
    QVERIFY(registryKey.match(dm->adsmain->value(QStringLiteral("GUID")).toString()).hasMatch());
    QVERIFY(dm->adsmain->value(QStringLiteral("NumberSt")).isNull());
    dm->adsmain->cancel();

    // A point added to an article without points, in the reference page's set or a picker's.
    moveArticleTo("B");
    dm->adspunkt->insert();
    QVERIFY(registryKey.match(dm->adspunkt->value(QStringLiteral("guid")).toString()).hasMatch());
    QCOMPARE(dm->adspunkt->value(QStringLiteral("ref_main")), QVariant(QStringLiteral("B")));
    dm->adspunkt->cancel();
    dm->ADODataSet2->insert(); // its own article set stands at 105, the reference page at 116.1
    QCOMPARE(dm->ADODataSet2->value(QStringLiteral("ref_main")), QVariant(QStringLiteral("B")));
    dm->ADODataSet2->cancel();

    // A sanction goes to the article while it has no points ...
    dm->adsSankciy->insert();
    QVERIFY(registryKey.match(dm->adsSankciy->value(QStringLiteral("ID")).toString()).hasMatch());
    QCOMPARE(dm->adsSankciy->value(QStringLiteral("ref_punkt")), QVariant(QStringLiteral("B")));
    dm->adsSankciy->cancel();
    // ... and to the current point once it has some.
    moveArticleTo("C");
    dm->adspunkt->next();
    dm->adsSankciy->insert();
    QCOMPARE(dm->adsSankciy->value(QStringLiteral("ref_punkt")), QVariant(QStringLiteral("C2")));
    dm->adsSankciy->cancel();
}

void DataModuleTest::savingSanctionDerivesPointSeverity()
{
    moveArticleTo("C");
    QCOMPARE(dm->adsSankciy->recordCount(), 2);
    dm->adsSankciy->insert();
    dm->adsSankciy->setValue(QStringLiteral("type_sankc"), 10);
    dm->adsSankciy->setValue(QStringLiteral("nakazanie"), s("от шести месяцев до трех лет"));
    dm->adsSankciy->post();

    QCOMPARE(storedSeverity("Punkt", "C1"), s("средняя тяжесть"));
    QCOMPARE(dm->adspunkt->value(QStringLiteral("Tyajest")), QVariant(s("средняя тяжесть")));
    QCOMPARE(storedSeverity("Punkt", "C2"), s("средняя тяжесть")); // untouched
    QVERIFY(storedSeverity("main", "C").isEmpty());
    QCOMPARE(dm->adsSankciy->recNo(), 2); // the saved sanction stays current

    // A milder term on another sanction does not lower the category.
    dm->adsSankciy->first();
    dm->adsSankciy->edit();
    dm->adsSankciy->setValue(QStringLiteral("type_sankc"), 10);
    dm->adsSankciy->setValue(QStringLiteral("nakazanie"), s("до двенадцати лет"));
    dm->adsSankciy->post();
    QCOMPARE(storedSeverity("Punkt", "C1"), s("особо тяжкое"));
}

void DataModuleTest::savingSanctionDerivesArticleSeverity()
{
    moveArticleTo("B");
    QCOMPARE(dm->adsSankciy->recordCount(), 2);
    dm->adsSankciy->insert();
    dm->adsSankciy->setValue(QStringLiteral("type_sankc"), 10);
    dm->adsSankciy->setValue(QStringLiteral("nakazanie"), s("лишение свободы на срок до десяти лет"));
    dm->adsSankciy->post();
    QCOMPARE(storedSeverity("main", "B"), s("тяжкое"));

    dm->adsSankciy->edit();
    dm->adsSankciy->setValue(QStringLiteral("type_sankc"), 5);
    dm->adsSankciy->post();
    QCOMPARE(storedSeverity("main", "B"), s("небольшая тяжесть"));
    QCOMPARE(Messages::recorded(), QStringList());
}

void DataModuleTest::derivationPostsPendingOwnerEdit()
{
    moveArticleTo("C");
    dm->adspunkt->edit();
    dm->adspunkt->setValue(QStringLiteral("Notes"), s("Кража (новая редакция)"));
    // Saving a sanction while the point is being edited stores both.
    dm->adsSankciy->moveTo(1);
    dm->adsSankciy->edit();
    dm->adsSankciy->setValue(QStringLiteral("nakazanie"), s("лишение свободы на срок до четырех лет"));
    dm->adsSankciy->post();
    SqliteConnection check;
    check.open(path);
    const QueryResult r = check.query(QStringLiteral("select Notes, Tyajest from Punkt where GUID = 'C1'"));
    QCOMPARE(r.rows.value(0).value(0).toString(), s("Кража (новая редакция)"));
    QCOMPARE(r.rows.value(0).value(1).toString(), s("средняя тяжесть"));
}

void DataModuleTest::unusableFileLeavesListsEmpty_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << QByteArray() << false << s("unable to open database file");
    QTest::newRow("not a database") << QByteArray(4096, 'x') << false
                                    << s("file is not a database");
    QTest::newRow("read-only file") << QByteArray("sqlite") << true << s("readonly database");
    QTest::newRow("old Access file")
        << QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) << false << s("старом формате Access");
}

void DataModuleTest::unusableFileLeavesListsEmpty()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, readOnly);
    QFETCH(QString, message);
    dm.reset();
    QFile::remove(path);
    if (readOnly) {
        CodeFixture::write(dir->path());
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser);
    } else if (!content.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    Messages::startRecording();
    dm = std::make_unique<TDM>();
    const QStringList shown = Messages::recorded();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains(message), qPrintable(shown.first()));
    QVERIFY2(shown.first().contains(QDir::toNativeSeparators(path)), qPrintable(shown.first()));
    for (const Dataset *d : dm->findChildren<Dataset *>())
        QCOMPARE(d->recordCount(), 0);
    if (readOnly) { // and the file is as it was
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(storedSeverity("main", "B"), s("небольшая тяжесть"));
    }
}

void DataModuleTest::fileLockedByAnotherProgramIsReported()
{
    dm.reset();
    SqliteConnection other;
    other.open(path);
    other.execScript(QStringLiteral("begin exclusive"));
    Messages::startRecording();
    dm = std::make_unique<TDM>();
    QCOMPARE(Messages::recorded().size(), 1);
    QVERIFY2(Messages::recorded().first().contains(QStringLiteral("database is locked")),
             qPrintable(Messages::recorded().first()));
    QVERIFY(!dm->adsmain->isActive());
    other.execScript(QStringLiteral("rollback"));
}

QTEST_GUILESS_MAIN(DataModuleTest)
#include "tst_dm.moc"
