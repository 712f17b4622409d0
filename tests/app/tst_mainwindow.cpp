#include "support/appfixture.h"

#include "app/aboutbox.h"
#include "app/frmmain.h"
#include "app/help.h"
#include "app/instances.h"
#include "app/startup.h"
#include "platform/appfolder.h"
#include "platform/datasetgrid.h"
#include "platform/messages.h"
#include "profile/option_frm.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <memory>

namespace {

// "Caption" for an item, "-" for a separator.
QStringList describe(const QList<QAction *> &actions)
{
    QStringList items;
    for (QAction *a : actions)
        items.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    return items;
}

QAction *action(const char *name)
{
    return frmMain->findChild<QAction *>(QString::fromLatin1(name));
}

// Runs `check` on the modal window that `trigger` opens, then closes it.
template <typename Check> void whileModal(QAction *trigger, Check check)
{
    bool checked = false;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        check(modal);
        checked = true;
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
    });
    trigger->trigger();
    QVERIFY(checked);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void sectionBarShowsEachPage_data();
    void sectionBarShowsEachPage();
    void pageTabsDoNotExist();
    void firstPageAfterEveryStart();
    void windowOpensCentredAtItsSize();
    void menuBarCaptionsAndOrder();
    void hintsReachTheStatusBar_data();
    void hintsReachTheStatusBar();
    void editToolBarIsFloatingHiddenInItsOwnOrder();
    void editCommandsAreReachableForThePages();
    void referenceListsRunTheEditCommands();
    void exitClosesTheWindow();
    void aboutBoxIsShownModally();
    void optionsAreShownModally();
    void helpOpensTheFileInAppFolder_data();
    void helpOpensTheFileInAppFolder();

private:
    std::unique_ptr<QTemporaryDir> m_app;
    std::unique_ptr<RunningProgram> m_program;
};

void TestMainWindow::initTestCase()
{
    AppFixture::initTestCase();
}

void TestMainWindow::init()
{
    Messages::startRecording();
    m_app = std::make_unique<QTemporaryDir>();
    AppFixture::writeCodeDatabase(m_app->path(), {QStringLiteral("105")});
    m_program = std::make_unique<RunningProgram>(m_app->path());
    QVERIFY(frmMain);
    QVERIFY(QTest::qWaitForWindowExposed(frmMain));
}

void TestMainWindow::cleanup()
{
    // A failed check may leave a menu open, which would swallow the next test's clicks.
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    Help::setOpenerForTests({});
    m_program.reset();
    m_app.reset();
}

void TestMainWindow::sectionBarShowsEachPage_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    const char *captions[] = {"Санкции статей УК РФ",
                              "Характеристика личности",
                              "Расчеты УДО",
                              "Сроки привлечения",
                              "Рецидив",
                              "Погашение судимости"};
    // From the last back to the first, so that every row really changes the page.
    for (int i = 5; i >= 0; --i)
        QTest::addRow("%s", captions[i]) << i << QString::fromUtf8(captions[i]);
}

void TestMainWindow::sectionBarShowsEachPage()
{
    QFETCH(int, index);
    QFETCH(QString, caption);

    auto *bar = frmMain->findChild<QWidget *>(QStringLiteral("dxSideBar1"));
    QVERIFY(bar);
    QCOMPARE(bar->findChild<QLabel *>(QStringLiteral("dxSideBar1Group1"))->text(),
             QStringLiteral("Разделы"));
    auto *items = bar->findChild<QListWidget *>();
    QCOMPARE(items->count(), 6);
    QCOMPARE(items->item(index)->text(), caption);

    auto *pages = frmMain->findChild<QStackedWidget *>(QStringLiteral("cxPageControl1"));
    if (index == 0)
        pages->setCurrentIndex(5);
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {},
                      items->visualItemRect(items->item(index)).center());
    QCOMPARE(pages->currentIndex(), index);
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("cxTabSheet%1").arg(index + 1));
    QVERIFY(pages->currentWidget()->isVisible());
}

void TestMainWindow::pageTabsDoNotExist()
{
    auto *pages = frmMain->findChild<QStackedWidget *>(QStringLiteral("cxPageControl1"));
    QVERIFY(pages);
    QCOMPARE(pages->count(), 6);
    // A tab strip inside a page is that page's own business; none may sit over the
    // pages, where it would offer a second way between sections.
    for (QTabBar *tabs : frmMain->findChildren<QTabBar *>()) {
        bool insidePage = false;
        for (int i = 0; i < pages->count(); ++i)
            insidePage = insidePage || pages->widget(i)->isAncestorOf(tabs);
        QVERIFY2(insidePage, "a tab bar switches the sections");
    }
}

void TestMainWindow::firstPageAfterEveryStart()
{
    auto pages = [] {
        return frmMain->findChild<QStackedWidget *>(QStringLiteral("cxPageControl1"));
    };
    QCOMPARE(pages()->currentIndex(), 0);
    frmMain->dxSideBar1ItemClick(4);
    QCOMPARE(pages()->currentIndex(), 4);

    m_program.reset();
    m_program = std::make_unique<RunningProgram>(m_app->path());
    QCOMPARE(pages()->currentIndex(), 0);
}

void TestMainWindow::windowOpensCentredAtItsSize()
{
    QCOMPARE(frmMain->width(), 773);
    QVERIFY2(frmMain->height() >= 483, qPrintable(QString::number(frmMain->height())));
    QCOMPARE(frmMain->findChild<QWidget *>(QStringLiteral("dxSideBar1"))->width(), 143);
    const QWidget *pages = frmMain->findChild<QWidget *>(QStringLiteral("cxPageControl1"));
    QVERIFY(pages->width() >= 630);
    QVERIFY2(pages->height() >= 440, qPrintable(QString::number(pages->height())));

    const QPoint centre = frmMain->screen()->availableGeometry().center();
    QVERIFY(qAbs(frmMain->geometry().center().x() - centre.x()) <= 2);
    QVERIFY(qAbs(frmMain->geometry().center().y() - centre.y()) <= 2);
}

void TestMainWindow::menuBarCaptionsAndOrder()
{
    QMenuBar *bar = frmMain->menuBar();
    QCOMPARE(describe(bar->actions()),
             QStringList({QStringLiteral("Файл"), QStringLiteral("Правка"),
                          QStringLiteral("Сервис"), QStringLiteral("Помощь")}));

    const QList<QStringList> menus = {
        {QStringLiteral("Сохранить характеристирку личности..."),
         QStringLiteral("Открыть характеристирку личности..."), QStringLiteral("-"),
         QStringLiteral("Выход")},
        {QStringLiteral("Добавить статью"), QStringLiteral("Редактировать статью"),
         QStringLiteral("Удалить статью"), QStringLiteral("-"), QStringLiteral("Добавить санкцию"),
         QStringLiteral("Редактировать санкцию"), QStringLiteral("Удалить санкцию"),
         QStringLiteral("-"), QStringLiteral("Добавить пункт"),
         QStringLiteral("Редактировать пункт"), QStringLiteral("Удалить пункт")},
        {QStringLiteral("Параметры")},
        {QStringLiteral("Справка"), QStringLiteral("-"), QStringLiteral("О программе")}};
    for (int i = 0; i < menus.size(); ++i)
        QCOMPARE(describe(bar->actions().at(i)->menu()->actions()), menus.at(i));

    QCOMPARE(action("dxBarButton14")->text(), menus[0][0]);
    QCOMPARE(action("dxBarButton8")->text(), menus[0][1]);
}

void TestMainWindow::hintsReachTheStatusBar_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::newRow("ellipsis dropped") << 0 << QStringLiteral("Открыть характеристирку личности...")
                                      << QStringLiteral("Открыть характеристирку личности");
    QTest::newRow("last item of a menu") << 0 << QStringLiteral("Выход") << QStringLiteral("Выход");
    QTest::newRow("editing command")
        << 1 << QStringLiteral("Удалить санкцию") << QStringLiteral("Удалить санкцию");
    QTest::newRow("after a separator")
        << 3 << QStringLiteral("О программе") << QStringLiteral("О программе");
}

void TestMainWindow::hintsReachTheStatusBar()
{
    QFETCH(int, menu);
    QFETCH(QString, caption);
    QFETCH(QString, hint);

    auto *panel = frmMain->findChild<QLabel *>(QStringLiteral("dxStatusBar1Panel1"));
    QVERIFY(panel);
    QCOMPARE(panel->width(), 200);

    QMenu *popup = frmMain->menuBar()->actions().at(menu)->menu();
    QAction *item = nullptr;
    for (QAction *a : popup->actions())
        if (a->text() == caption)
            item = a;
    QVERIFY(item);
    QCOMPARE(item->statusTip(), hint);

    // Open the menu from the bar, as the user does, and point at the item.
    QMenuBar *bar = frmMain->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      bar->actionGeometry(bar->actions().at(menu)).center());
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    QTest::mouseMove(popup, popup->actionGeometry(item).center());
    QTRY_COMPARE(panel->text(), hint);
    popup->close();
    // The hint panel is a panel of its own: the keyboard panel stays visible meanwhile.
    QVERIFY(frmMain->findChild<QWidget *>(QStringLiteral("dxStatusBar1Panel2"))->isVisible());
}

void TestMainWindow::editToolBarIsFloatingHiddenInItsOwnOrder()
{
    auto *bar = frmMain->findChild<QToolBar *>(QStringLiteral("dxBarManager1Bar2"));
    QVERIFY(bar);
    QCOMPARE(bar->windowTitle(), QStringLiteral("Редактирование статей"));
    QVERIFY(bar->isFloating());
    QVERIFY(!bar->isVisible());

    QStringList names;
    for (QAction *a : bar->actions())
        names.append(a->isSeparator() ? QStringLiteral("-") : a->objectName());
    QCOMPARE(names, QStringList({QStringLiteral("dxBarButton15"), QStringLiteral("dxBarButton17"),
                                 QStringLiteral("dxBarButton16"), QStringLiteral("-"),
                                 QStringLiteral("dxBarButton18"), QStringLiteral("dxBarButton20"),
                                 QStringLiteral("dxBarButton19"), QStringLiteral("-"),
                                 QStringLiteral("dxBarButton5"), QStringLiteral("dxBarButton7"),
                                 QStringLiteral("dxBarButton6")}));
    // One action per command, shared with the menu, so both run the same handler.
    QMenu *edit = frmMain->menuBar()->actions().at(1)->menu();
    for (QAction *a : bar->actions())
        if (!a->isSeparator())
            QVERIFY2(edit->actions().contains(a), qPrintable(a->objectName()));
}

void TestMainWindow::editCommandsAreReachableForThePages()
{
    const QList<QPair<QAction *, const char *>> commands = {
        {frmMain->addArticleAction(), "dxBarButton15"},
        {frmMain->editArticleAction(), "dxBarButton17"},
        {frmMain->deleteArticleAction(), "dxBarButton16"},
        {frmMain->addPointAction(), "dxBarButton18"},
        {frmMain->editPointAction(), "dxBarButton20"},
        {frmMain->deletePointAction(), "dxBarButton19"},
        {frmMain->addSanctionAction(), "dxBarButton5"},
        {frmMain->editSanctionAction(), "dxBarButton7"},
        {frmMain->deleteSanctionAction(), "dxBarButton6"}};
    for (const auto &[a, name] : commands) {
        QCOMPARE(a, action(name));
        // Until the editors exist a command does nothing, and in particular fails nowhere.
        a->trigger();
    }
    QVERIFY(Messages::recorded().isEmpty());
    QVERIFY(frmMain->isVisible());
}

void TestMainWindow::referenceListsRunTheEditCommands()
{
    const QList<QPair<const char *, QStringList>> lists = {
        {"cxGrid9", {QStringLiteral("dxBarButton15"), QStringLiteral("dxBarButton17"),
                     QStringLiteral("dxBarButton16")}},
        {"cxGrid1", {QStringLiteral("dxBarButton18"), QStringLiteral("dxBarButton20"),
                     QStringLiteral("dxBarButton19")}},
        {"cxGrid2", {QStringLiteral("dxBarButton5"), QStringLiteral("dxBarButton7"),
                     QStringLiteral("dxBarButton6")}}};
    for (const auto &[grid, commands] : lists) {
        auto *list = frmMain->findChild<DatasetGrid *>(QLatin1String(grid));
        QVERIFY2(list, grid);
        const QList<QAction *> items = list->contextMenu()->actions();
        QCOMPARE(items.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QSignalSpy ran(action(commands[i].toLatin1().constData()), &QAction::triggered);
            items[i]->trigger();
            QVERIFY2(ran.count() == 1, qPrintable(commands[i]));
        }
    }
}

void TestMainWindow::exitClosesTheWindow()
{
    action("actExit")->trigger();
    QVERIFY(!frmMain->isVisible());
}

void TestMainWindow::aboutBoxIsShownModally()
{
    whileModal(action("actAbout"), [](QWidget *modal) {
        QCOMPARE(modal, static_cast<QWidget *>(AboutBox));
        QCOMPARE(modal->windowTitle(), QStringLiteral("О программе"));
        QVERIFY(!modal->findChild<QLabel *>(QStringLiteral("ProgramIcon"))->pixmap().isNull());
        QCOMPARE(modal->findChild<QLabel *>(QStringLiteral("ProductName"))->text(),
                 QStringLiteral("Zorvant"));
        QCOMPARE(modal->findChild<QLabel *>(QStringLiteral("Version"))->text(),
                 QStringLiteral("2.0"));
        auto *text = modal->findChild<QPlainTextEdit *>(QStringLiteral("Comments"));
        QVERIFY(text->isReadOnly());
        for (int i = 0; i < TfrmMain::PageCount; ++i)
            QVERIFY(text->toPlainText().contains(TfrmMain::sectionCaption(i)));
        auto *ok = modal->findChild<QPushButton *>(QStringLiteral("OKButton"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
    });
    QVERIFY(!AboutBox->isVisible());
}

void TestMainWindow::optionsAreShownModally()
{
    whileModal(action("actOptions"), [](QWidget *modal) {
        QCOMPARE(modal, static_cast<QWidget *>(Option_frm));
        QVERIFY(Option_frm->isModal());
    });
}

void TestMainWindow::helpOpensTheFileInAppFolder_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("viewerOpensIt");
    QTest::addColumn<bool>("complaint");
    QTest::newRow("file and viewer") << true << true << false;
    QTest::newRow("no viewer for the file") << true << false << true;
    QTest::newRow("no help file beside the program") << false << true << true;
}

void TestMainWindow::helpOpensTheFileInAppFolder()
{
    QFETCH(bool, fileExists);
    QFETCH(bool, viewerOpensIt);
    QFETCH(bool, complaint);

    const QString helpFile = QDir(m_app->path()).filePath(QStringLiteral("Zorvant.chm"));
    if (fileExists) {
        QFile f(helpFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    // A help file in the current directory must not be taken for the program's own.
    QTemporaryDir elsewhere;
    QFile decoy(QDir(elsewhere.path()).filePath(QStringLiteral("Zorvant.chm")));
    QVERIFY(decoy.open(QIODevice::WriteOnly));
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());

    QList<QUrl> opened;
    Help::setOpenerForTests([&](const QUrl &url) {
        opened.append(url);
        return viewerOpensIt;
    });
    action("actHelp")->trigger();
    QDir::setCurrent(oldCwd);

    if (fileExists)
        QCOMPARE(opened, QList<QUrl>({QUrl::fromLocalFile(helpFile)}));
    else
        QVERIFY(opened.isEmpty());
    const QStringList shown = Messages::recorded();
    QCOMPARE(shown.size(), complaint ? 1 : 0);
    if (complaint)
        QVERIFY2(shown.first().contains(QDir::toNativeSeparators(helpFile)),
                 qPrintable(shown.first()));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
