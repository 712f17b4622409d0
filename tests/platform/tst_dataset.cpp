// The dataset layer over a small in-memory Code: snapshots, editing that goes straight
// to the file, and master/detail links.

#include "platform/apperror.h"
#include "platform/dataset.h"
#include "platform/datasetmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

class DatasetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void fieldsByNameIgnoreCase();
    void detailFollowsMaster();
    void detailCanBeRepointed();
    void postingMasterKeepsDetailRecord();
    void insertEditPostWriteThrough();
    void cancelAndRemove();
    void refusedPostStoresNothing();
    void datesComeBackAsDates();
    void rejectedStatementLeavesSetClosed();

private:
    int countRows(const char *sql) const
    {
        return db->query(QString::fromUtf8(sql)).rows.value(0).value(0).toInt();
    }
    std::unique_ptr<SqliteConnection> db;
    std::unique_ptr<Dataset> articles;
    std::unique_ptr<Dataset> points;
    // Lists over both sets check every change announces itself as a model must.
    std::unique_ptr<DatasetModel> articleList;
    std::unique_ptr<DatasetModel> pointList;
    std::unique_ptr<QAbstractItemModelTester> articleCheck;
    std::unique_ptr<QAbstractItemModelTester> pointCheck;
};

void DatasetTest::init()
{
    articleCheck.reset();
    pointCheck.reset();
    articleList.reset();
    pointList.reset();
    points.reset();
    articles.reset();
    db = std::make_unique<SqliteConnection>();
    db->openInMemory();
    db->execScript(QString::fromUtf8(
        "create table main (GUID text primary key, NumberSt text, NameSt text, DateSt date);"
        "create table Punkt (GUID text primary key, ref_main text, NameSetProof text);"
        "create table sankciya (ID text primary key, ref_punkt text);"
        "insert into main values ('A', '105', 'Убийство', '2024-01-31');"
        "insert into main values ('B', '116.1', 'Побои', null);"
        "insert into main values ('C', '158', 'Кража', null);"
        "insert into Punkt values ('A1', 'A', '1'), ('A2', 'A', '2'), ('C1', 'C', '1');"
        "insert into sankciya values ('s1', 'A1'), ('s2', 'A2'), ('s3', 'B'), ('s4', 'A2');"));
    articles = std::make_unique<Dataset>(db.get(), QStringLiteral("main"), QStringLiteral("GUID"));
    articles->setSql(QStringLiteral("select * from main"));
    points = std::make_unique<Dataset>(db.get(), QStringLiteral("Punkt"), QStringLiteral("GUID"));
    points->setSql(QStringLiteral("select * from Punkt"));
    points->setMaster(articles.get(), QStringLiteral("GUID"), QStringLiteral("ref_Main"));
    articles->open();
    points->open();
    auto column = [](const char *field, DatasetColumn::Kind kind = DatasetColumn::Kind::Text) {
        DatasetColumn c;
        c.field = QString::fromUtf8(field);
        c.kind = kind;
        return c;
    };
    articleList = std::make_unique<DatasetModel>(
        articles.get(),
        QList<DatasetColumn>{column("NumberSt"), column("DateSt", DatasetColumn::Kind::Date)});
    pointList = std::make_unique<DatasetModel>(points.get(),
                                               QList<DatasetColumn>{column("NameSetProof")});
    articleCheck = std::make_unique<QAbstractItemModelTester>(
        articleList.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    pointCheck = std::make_unique<QAbstractItemModelTester>(
        pointList.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void DatasetTest::fieldsByNameIgnoreCase()
{
    QCOMPARE(articles->value(QStringLiteral("guid")), QVariant(QStringLiteral("A")));
    QCOMPARE(articles->value(QStringLiteral("Namest")), articles->value(QStringLiteral("NameSt")));
    QCOMPARE(articles->fieldIndex(QStringLiteral("NUMBERST")), 1);
    QCOMPARE(articles->fieldIndex(QStringLiteral("Тяжесть")), -1);
    QVERIFY(articles->value(QStringLiteral("Тяжесть")).isNull());
}

void DatasetTest::detailFollowsMaster()
{
    QCOMPARE(points->recordCount(), 2);
    points->next();
    QCOMPARE(points->recNo(), 1);

    QSignalSpy moved(points.get(), &Dataset::reloaded);
    articles->next(); // 116.1 has no points
    QCOMPARE(points->recordCount(), 0);
    QCOMPARE(points->recNo(), -1);
    QVERIFY(points->eof());

    articles->next();
    QCOMPARE(points->recordCount(), 1);
    QCOMPARE(points->value(QStringLiteral("GUID")), QVariant(QStringLiteral("C1")));

    articles->first(); // back: the detail starts again at its first row
    QCOMPARE(points->recNo(), 0);
    QCOMPARE(points->value(QStringLiteral("GUID")), QVariant(QStringLiteral("A1")));
    QCOMPARE(moved.count(), 3);
}

void DatasetTest::detailCanBeRepointed()
{
    Dataset sanctions(db.get(), QStringLiteral("sankciya"), QStringLiteral("ID"));
    sanctions.setSql(QStringLiteral("select * from sankciya"));
    sanctions.setMaster(articles.get(), QStringLiteral("GUID"), QStringLiteral("ref_punkt"));
    sanctions.open();
    QCOMPARE(sanctions.recordCount(), 0); // 105 carries its sanctions on its points

    sanctions.close();
    sanctions.setMaster(points.get(), QStringLiteral("GUID"), QStringLiteral("ref_punkt"));
    sanctions.open();
    QCOMPARE(sanctions.value(QStringLiteral("ID")), QVariant(QStringLiteral("s1")));
    points->next();
    QCOMPARE(sanctions.recordCount(), 2);
    QCOMPARE(sanctions.valueAt(1, QStringLiteral("ID")), QVariant(QStringLiteral("s4")));

    sanctions.setMaster(articles.get(), QStringLiteral("GUID"), QStringLiteral("ref_punkt"));
    articles->next();
    QCOMPARE(sanctions.recordCount(), 1);
    QCOMPARE(sanctions.value(QStringLiteral("ID")), QVariant(QStringLiteral("s3")));
    points->first(); // the old master no longer moves it
    QCOMPARE(sanctions.value(QStringLiteral("ID")), QVariant(QStringLiteral("s3")));
}

void DatasetTest::postingMasterKeepsDetailRecord()
{
    points->next();
    articles->edit();
    articles->setValue(QStringLiteral("NameSt"), QStringLiteral("Убийство (ред.)"));
    articles->post();
    QCOMPARE(points->recNo(), 1);

    articles->edit();
    articles->setValue(QStringLiteral("GUID"), QStringLiteral("A-new"));
    articles->post();
    QCOMPARE(points->recordCount(), 0); // a new key has no points yet
}

void DatasetTest::insertEditPostWriteThrough()
{
    QList<int> afterInsertRows;
    int afterPosts = 0;
    articles->afterInsert = [&](Dataset &d) {
        afterInsertRows.append(d.recNo());
        QCOMPARE(d.state(), DatasetState::Insert);
        d.setValue(QStringLiteral("GUID"), QStringLiteral("D"));
    };
    articles->afterPost = [&](Dataset &d) {
        QCOMPARE(d.state(), DatasetState::Browse);
        ++afterPosts;
    };
    QSignalSpy states(articles.get(), &Dataset::stateChanged);

    articles->insert();
    QCOMPARE(afterInsertRows, QList<int>{3});
    QCOMPARE(articles->recNo(), 3);
    QCOMPARE(articleList->rowCount(), 4);
    QCOMPARE(points->recordCount(), 0);
    articles->setValue(QStringLiteral("NumberSt"), QStringLiteral("159"));
    QCOMPARE(countRows("select count(*) from main"), 3); // nothing stored before the post
    articles->post();
    QCOMPARE(afterPosts, 1);
    QCOMPARE(countRows("select count(*) from main where GUID = 'D' and NumberSt = '159'"), 1);

    articles->edit();
    articles->setValue(QStringLiteral("NameSt"), QStringLiteral("Мошенничество"));
    articles->post();
    QCOMPARE(afterPosts, 2);
    QCOMPARE(countRows("select count(*) from main where NameSt = 'Мошенничество'"), 1);
    QCOMPARE(states.count(), 4); // insert, browse, edit, browse

    QVERIFY_THROWS_EXCEPTION(AppError, articles->setValue(QStringLiteral("NameSt"), 1));
}

void DatasetTest::cancelAndRemove()
{
    articles->edit();
    articles->setValue(QStringLiteral("NameSt"), QStringLiteral("x"));
    articles->cancel();
    QCOMPARE(articles->value(QStringLiteral("NameSt")), QVariant(QStringLiteral("Убийство")));
    QCOMPARE(countRows("select count(*) from main where NameSt = 'x'"), 0);

    articles->insert();
    articles->cancel();
    QCOMPARE(articles->recordCount(), 3);

    articles->moveTo(1);
    articles->remove();
    QCOMPARE(countRows("select count(*) from main where GUID = 'B'"), 0);
    QCOMPARE(articles->recordCount(), 2);
    QCOMPARE(articles->value(QStringLiteral("GUID")), QVariant(QStringLiteral("C")));
    QCOMPARE(points->value(QStringLiteral("GUID")), QVariant(QStringLiteral("C1")));
}

void DatasetTest::refusedPostStoresNothing()
{
    articles->insert();
    articles->setValue(QStringLiteral("GUID"), QStringLiteral("A")); // the key is taken
    articles->setValue(QStringLiteral("NumberSt"), QStringLiteral("999"));
    QVERIFY_THROWS_EXCEPTION(AppError, articles->post());
    QCOMPARE(articles->state(), DatasetState::Insert);
    QCOMPARE(countRows("select count(*) from main where NumberSt = '999'"), 0);
}

void DatasetTest::datesComeBackAsDates()
{
    QCOMPARE(articles->value(QStringLiteral("DateSt")), QVariant(QDate(2024, 1, 31)));
    QCOMPARE(articleList->index(0, 1).data().toString(), QStringLiteral("31.01.2024"));
    articles->edit();
    articles->setValue(QStringLiteral("DateSt"), QDate(2025, 2, 28));
    articles->post();
    QCOMPARE(countRows("select count(*) from main where DateSt = '2025-02-28'"), 1);
    articles->close();
    articles->open();
    QCOMPARE(articles->value(QStringLiteral("DateSt")), QVariant(QDate(2025, 2, 28)));
}

void DatasetTest::rejectedStatementLeavesSetClosed()
{
    articles->close();
    articles->setSql(QStringLiteral("select * from main where (NumberSt like '%\"%'"));
    QVERIFY_THROWS_EXCEPTION(AppError, articles->open());
    QVERIFY(!articles->isActive());
    QCOMPARE(articles->recordCount(), 0);
    QCOMPARE(points->recordCount(), 0);
}

QTEST_GUILESS_MAIN(DatasetTest)
#include "tst_dataset.moc"
