// The reference page over a small Code: what each search lists, the sanctions' owner
// and the points list's visibility, the search histories and the lists' commands.

#include "reference/referencepage.h"

#include "db/dm.h"
#include "platform/appfolder.h"
#include "platform/datasetgrid.h"
#include "platform/messages.h"
#include "platform/mrusearchbox.h"
#include "support/codefixture.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QSignalSpy>
#include <QSplitter>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class ReferencePageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startShowsEveryArticle();
    void search_data();
    void search();
    void failedSearchLeavesListsEmpty();
    void sanctionsOwnerAndPointsList_data();
    void sanctionsOwnerAndPointsList();
    void searchLandingOnOwnSanctionsHidesPoints();
    void movingBetweenPointsChangesSanctions();
    void historyRemembersOnEnterAndFocusOut();
    void numberColumnSortsNaturally();
    void listsTriggerTheirCommands();

private:
    QStringList listed() const
    {
        QStringList keys;
        for (int r = 0; r < dm->adsmain->recordCount(); ++r)
            keys.append(dm->adsmain->valueAt(r, QStringLiteral("GUID")).toString());
        return keys;
    }
    QStringList sanctions() const
    {
        QStringList keys;
        for (int r = 0; r < dm->adsSankciy->recordCount(); ++r)
            keys.append(dm->adsSankciy->valueAt(r, QStringLiteral("ID")).toString());
        return keys;
    }
    void selectArticle(const QString &key)
    {
        const int row = listed().indexOf(key);
        QVERIFY(row >= 0);
        QAbstractItemModel *m = page->cxGrid9->model();
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->index(r, 1).data() == dm->adsmain->valueAt(row, QStringLiteral("NameSt")).toString())
                page->cxGrid9->setCurrentIndex(m->index(r, 0));
        QCOMPARE(dm->adsmain->recNo(), row);
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TDM> dm;
    std::unique_ptr<ReferencePage> page;
};

void ReferencePageTest::init()
{
    Messages::startRecording();
    dir = std::make_unique<QTemporaryDir>();
    CodeFixture::write(dir->path());
    setAppFolder(dir->path());
    dm = std::make_unique<TDM>();
    page = std::make_unique<ReferencePage>(dm.get());
    page->resize(900, 600);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
}

void ReferencePageTest::cleanup()
{
    page.reset();
    dm.reset();
    QCOMPARE(Messages::recorded(), QStringList());
    Messages::stopRecording();
}

void ReferencePageTest::startShowsEveryArticle()
{
    QCOMPARE(listed(), QString::fromLatin1("A B C D E F G H").split(QLatin1Char(' ')));
    for (MruSearchBox *box : {page->cxMRUEdit1, page->cxMRUEdit2, page->cxMRUEdit3}) {
        QCOMPARE(box->text(), QString::fromUtf8("Все"));
        QCOMPARE(box->history().items(), QStringList{QString::fromUtf8("Все")});
    }
    QCOMPARE(dm->adsmain->recNo(), 0);
    QCOMPARE(page->cxGrid9->currentIndex().row(), 0);
    QCOMPARE(dm->adspunkt->recordCount(), 2);
    QCOMPARE(sanctions(), QStringList{QStringLiteral("sA1")});
    new QAbstractItemModelTester(page->cxGrid9->model(), page.get());
}

void ReferencePageTest::search_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    auto row = [](const char *name, const char *n, const char *t, const char *x, const char *e) {
        QTest::newRow(name) << QString::fromUtf8(n) << QString::fromUtf8(t) << QString::fromUtf8(x)
                            << QString::fromUtf8(e);
    };
    row("all boxes Все: no number or title, no listing", "Все", "Все", "Все", "A B C D G H");
    row("a number anywhere in the number", "158", "Все", "Все", "C D");
    row("a title in another letter case", "Все", "кРАЖА", "Все", "C");
    row("a text in another letter case", "Все", "Все", "КРАЖА", "C");
    row("все is searched as text", "Все", "Все", "все", "H");
    row("ВСЕ is searched as text", "Все", "Все", "ВСЕ", "H");
    row("an empty text box asks for some text", "Все", "Все", "", "A B C D H");
    row("an empty number box is like Все", "", "Все", "Все", "A B C D G H");
    row("% typed is a pattern", "1%8", "Все", "Все", "C D");
    row("_ typed is one character", "1_.", "Все", "Все", "B");
    row("a trailing blank must be there", "Все", "Мелкое ", "Все", "D");
    row("a trailing blank that is not there", "Все", "Кража ", "Все", "");
    row("a double quote is searched for", "Все", "Все", "\"тайное\"", "C");
    row("an apostrophe is searched for", "Все", "Все", "'мелкое'", "D");
    row("all three boxes together", "158", "хищ", "мелкое", "D");
    row("nothing found", "999", "Все", "Все", "");
}

void ReferencePageTest::search()
{
    QFETCH(QString, number);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    // Each box changes as a user's typing would: the last change runs the search.
    page->cxMRUEdit1->setText(QStringLiteral("x"));
    page->cxMRUEdit1->setText(number);
    page->cxMRUEdit2->setText(title);
    page->cxMRUEdit3->setText(text);

    QCOMPARE(listed(), expected.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    QCOMPARE(page->cxGrid9->model()->rowCount(), int(listed().size()));
    if (expected.isEmpty()) {
        QCOMPARE(dm->adspunkt->recordCount(), 0);
        QCOMPARE(dm->adsSankciy->recordCount(), 0);
    } else {
        QCOMPARE(dm->adsmain->recNo(), 0); // the first article found is current
    }
}

void ReferencePageTest::failedSearchLeavesListsEmpty()
{
    dm->ADOConnection1.execScript(QStringLiteral("alter table main rename to main_gone"));
    page->cxMRUEdit1->setText(QStringLiteral("105"));
    QCOMPARE(Messages::recorded().size(), 1);
    QVERIFY(Messages::recorded().first().contains(QStringLiteral("no such table")));
    Messages::startRecording();
    QVERIFY(!dm->adsmain->isActive());
    QCOMPARE(page->cxGrid9->model()->rowCount(), 0);
    QCOMPARE(page->cxGrid1->model()->rowCount(), 0);
    QCOMPARE(page->cxGrid2->model()->rowCount(), 0);
    // The next valid statement brings the lists back.
    dm->ADOConnection1.execScript(QStringLiteral("alter table main_gone rename to main"));
    page->cxMRUEdit1->setText(QStringLiteral("158"));
    QCOMPARE(listed(), QStringList({QStringLiteral("C"), QStringLiteral("D")}));
}

void ReferencePageTest::sanctionsOwnerAndPointsList_data()
{
    QTest::addColumn<QString>("article");
    QTest::addColumn<bool>("pointsShown");
    QTest::addColumn<QStringList>("expectedSanctions");
    QTest::newRow("an article with points: the first point's sanctions")
        << "C" << true << QStringList{QStringLiteral("sC1a"), QStringLiteral("sC1b")};
    QTest::newRow("an article with sanctions of its own: no points list")
        << "B" << false << QStringList{QStringLiteral("sB1"), QStringLiteral("sB2")};
    QTest::newRow("an article with neither: an empty points list") << "E" << true << QStringList{};
}

void ReferencePageTest::sanctionsOwnerAndPointsList()
{
    QFETCH(QString, article);
    QFETCH(bool, pointsShown);
    QFETCH(QStringList, expectedSanctions);
    selectArticle(article);
    QCOMPARE(page->cxGrid1->isVisible(), pointsShown);
    QCOMPARE(page->cxSplitter2->handleWidth(), pointsShown ? 3 : 0);
    QCOMPARE(sanctions(), expectedSanctions);
    QCOMPARE(page->cxGrid2->model()->rowCount(), int(expectedSanctions.size()));
    // Sanction types show by name.
    if (article == QLatin1String("B"))
        QCOMPARE(page->cxGrid2->model()->index(1, 0).data().toString(), QString::fromUtf8("арест"));
}

void ReferencePageTest::searchLandingOnOwnSanctionsHidesPoints()
{
    // From an article with points, a search whose first article has only sanctions.
    page->cxMRUEdit3->setText(QString::fromUtf8("побоев"));
    QCOMPARE(listed(), QStringList{QStringLiteral("B")});
    QVERIFY(!page->cxGrid1->isVisible());
    QCOMPARE(sanctions(), QStringList({QStringLiteral("sB1"), QStringLiteral("sB2")}));
    page->cxMRUEdit3->setText(QString::fromUtf8("Убийство"));
    QVERIFY(page->cxGrid1->isVisible());
    QCOMPARE(sanctions(), QStringList{QStringLiteral("sA1")});
}

void ReferencePageTest::movingBetweenPointsChangesSanctions()
{
    selectArticle(QStringLiteral("A"));
    QCOMPARE(sanctions(), QStringList{QStringLiteral("sA1")});
    page->cxGrid1->setCurrentIndex(page->cxGrid1->model()->index(1, 0));
    QCOMPARE(dm->adspunkt->recNo(), 1);
    QCOMPARE(sanctions(), QStringList({QStringLiteral("sA2a"), QStringLiteral("sA2b")}));
    selectArticle(QStringLiteral("B"));
    selectArticle(QStringLiteral("A"));
    QCOMPARE(sanctions(), QStringList{QStringLiteral("sA1")}); // back at the first point
}

void ReferencePageTest::historyRemembersOnEnterAndFocusOut()
{
    MruSearchBox *box = page->cxMRUEdit1;
    box->setFocus();
    box->setText(QStringLiteral("158"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->history().items(), QStringList({QStringLiteral("158"), QString::fromUtf8("Все")}));
    QCOMPARE(box->count(), 2);
    QCOMPARE(box->text(), QStringLiteral("158"));

    box->setText(QString::fromUtf8("Все"));
    page->cxMRUEdit2->setFocus(); // leaving the box
    QTRY_COMPARE(box->history().items(),
                 QStringList({QString::fromUtf8("Все"), QStringLiteral("158")}));
    QCOMPARE(box->itemText(0), QString::fromUtf8("Все"));
    QCOMPARE(listed().size(), 6); // remembering ran no search of its own
}

void ReferencePageTest::numberColumnSortsNaturally()
{
    dm->ADOConnection1.execScript(QStringLiteral(
        "insert into main (GUID, NumberSt, NameSt) values ('X', '99', 'Девяносто девятая')"));
    page->cxMRUEdit1->setText(QString());
    page->cxGrid9->sortByColumn(0, Qt::AscendingOrder);
    QStringList numbers;
    QAbstractItemModel *m = page->cxGrid9->model();
    for (int r = 0; r < m->rowCount(); ++r)
        numbers.append(m->index(r, 0).data().toString());
    QCOMPARE(numbers, QString::fromLatin1("99 105 116.1 158 158.1 301 1000").split(QLatin1Char(' ')));
    QCOMPARE(dm->adsmain->recordCount(), 7); // the dataset keeps its own order
    QCOMPARE(dm->adsmain->valueAt(0, QStringLiteral("NumberSt")).toString(), QStringLiteral("105"));
}

void ReferencePageTest::listsTriggerTheirCommands()
{
    QAction add, edit, remove;
    QSignalSpy added(&add, &QAction::triggered);
    QSignalSpy edited(&edit, &QAction::triggered);
    QSignalSpy removed(&remove, &QAction::triggered);
    page->setCommands({}, {}, {&add, &edit, &remove});

    QMenu *menu = page->cxGrid2->contextMenu();
    QStringList captions;
    for (QAction *a : menu->actions())
        captions.append(a->text());
    QCOMPARE(captions, QString::fromUtf8("Добавить Редактировать Удалить").split(QLatin1Char(' ')));
    menu->actions().at(0)->trigger();
    menu->actions().at(2)->trigger();
    QCOMPARE(added.count(), 1);
    QCOMPARE(removed.count(), 1);

    const QRect cell = page->cxGrid2->visualRect(page->cxGrid2->model()->index(0, 1));
    QTest::mouseDClick(page->cxGrid2->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(edited.count(), 1);
}

QTEST_MAIN(ReferencePageTest)
#include "tst_referencepage.moc"
