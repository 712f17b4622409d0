#include "support/appfixture.h"

#include "app/aboutbox.h"
#include "app/frmmain.h"
#include "app/instances.h"
#include "app/startup.h"
#include "calc/form4.h"
#include "calc/twodates_frm.h"
#include "db/dm.h"
#include "platform/appfolder.h"
#include "platform/messages.h"
#include "profile/option_frm.h"
#include "profile/stdate.h"
#include "reference/addpunkt_frm.h"
#include "reference/addrecstat_frm.h"
#include "reference/addsankc_frm.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLoggingCategory>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList startUpTrace;

void collectTrace(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (context.category && QByteArray(context.category) == "zorvant.startup")
        startUpTrace.append(message);
}

// Runs `body` in another directory and comes back, whatever happens.
struct InDirectory {
    explicit InDirectory(const QString &dir)
        : old(QDir::currentPath())
    {
        QDir::setCurrent(dir);
    }
    ~InDirectory() { QDir::setCurrent(old); }
    QString old;
};

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { AppFixture::initTestCase(); }
    void init() { Messages::startRecording(); }

    void instancesAreCreatedInOrderWithTheirCaptions();
    void translationsAndLocaleAreRussian();
    void databaseComesFromAppFolderNotTheCurrentDirectory();
    void appFolderDefaultsToTheExecutablesFolder();
    void brokenDatabaseIsReportedAndStartUpGoesOn();
    void shutDownDestroysInReverseOrderDmLast();
};

void TestStartUp::instancesAreCreatedInOrderWithTheirCaptions()
{
    QTemporaryDir app;
    AppFixture::writeCodeDatabase(app.path(), {QStringLiteral("105")});

    startUpTrace.clear();
    QLoggingCategory::setFilterRules(QStringLiteral("zorvant.startup.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(collectTrace);
    {
        RunningProgram program(app.path());
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());

        const QStringList order = {QStringLiteral("DM"),           QStringLiteral("frmMain"),
                                   QStringLiteral("AboutBox"),     QStringLiteral("addrecstat_frm"),
                                   QStringLiteral("addpunkt_frm"), QStringLiteral("addsankc_frm"),
                                   QStringLiteral("stdate"),       QStringLiteral("twodates_frm"),
                                   QStringLiteral("Form4"),        QStringLiteral("Option_frm")};
        QStringList expected;
        for (const QString &name : order)
            expected.append(QStringLiteral("created ") + name);
        QCOMPARE(startUpTrace, expected);

        const QList<QPair<QObject *, QString>> windows = {
            {DM, QString()},
            {frmMain, QStringLiteral("Zorvant")},
            {AboutBox, QStringLiteral("О программе")},
            {addrecstat_frm, QStringLiteral("Добавление / редактирование записи")},
            {addpunkt_frm, QStringLiteral("Добавление / редактирование записи")},
            {addsankc_frm, QStringLiteral("Добавление / удаление записи")},
            {stdate, QStringLiteral("Дата")},
            {twodates_frm, QStringLiteral("Добавление/редактирование")},
            {Form4, QStringLiteral("Добавление / редактирование")},
            {Option_frm, QStringLiteral("Опции")}};
        for (int i = 0; i < windows.size(); ++i) {
            QObject *instance = windows[i].first;
            QVERIFY2(instance, qPrintable(order[i]));
            QCOMPARE(instance->objectName(), order[i]);
            if (auto *w = qobject_cast<QWidget *>(instance)) {
                QCOMPARE(w->windowTitle(), windows[i].second);
                QVERIFY2(w->isWindow(), qPrintable(order[i]));
                // Only the main window is on screen after start.
                QCOMPARE(w->isVisible(), instance == frmMain);
            }
        }
        QVERIFY(Messages::recorded().isEmpty());
    }
}

void TestStartUp::translationsAndLocaleAreRussian()
{
    QTemporaryDir app;
    AppFixture::writeCodeDatabase(app.path(), {});
    RunningProgram program(app.path());

    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                         QDialogButtonBox::No);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отмена"));
    QCOMPARE(box.button(QDialogButtonBox::Yes)->text().remove(QLatin1Char('&')),
             QStringLiteral("Да"));
    QCOMPARE(box.button(QDialogButtonBox::No)->text().remove(QLatin1Char('&')),
             QStringLiteral("Нет"));

    QCOMPARE(QLocale().toString(QDate(2024, 3, 5), QLocale::ShortFormat),
             QStringLiteral("05.03.2024"));
    QCOMPARE(QLocale().toString(1.5), QStringLiteral("1,5"));
    QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
}

void TestStartUp::databaseComesFromAppFolderNotTheCurrentDirectory()
{
    QTemporaryDir app;
    QTemporaryDir elsewhere;
    AppFixture::writeCodeDatabase(app.path(), {QStringLiteral("105"), QStringLiteral("158")});
    AppFixture::writeCodeDatabase(elsewhere.path(), {QStringLiteral("999")});

    InDirectory cwd(elsewhere.path());
    RunningProgram program(app.path());

    QVERIFY(DM);
    QCOMPARE(DM->ADOConnection1.path(), QDir(app.path()).filePath(QStringLiteral("Zorvant.mdb")));
    QVERIFY(DM->adsmain->isActive());
    QCOMPARE(DM->adsmain->recordCount(), 2);
    QCOMPARE(DM->adsmain->valueAt(0, QStringLiteral("NumberSt")).toString(), QStringLiteral("105"));
    QVERIFY(Messages::recorded().isEmpty());
}

void TestStartUp::appFolderDefaultsToTheExecutablesFolder()
{
    QTemporaryDir elsewhere;
    InDirectory cwd(elsewhere.path());
    startUp();
    const QString folder = AppFolder();
    shutDown();
    QCOMPARE(folder, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

void TestStartUp::brokenDatabaseIsReportedAndStartUpGoesOn()
{
    QTemporaryDir app;
    QFile junk(QDir(app.path()).filePath(QStringLiteral("Zorvant.mdb")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();

    RunningProgram program(app.path());
    const QStringList shown = Messages::recorded();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(!shown.first().back().isLetterOrNumber(), qPrintable(shown.first()));

    QVERIFY(DM && frmMain && AboutBox && addrecstat_frm && addpunkt_frm && addsankc_frm && stdate &&
            twodates_frm && Form4 && Option_frm);
    QVERIFY(frmMain->isVisible());
}

void TestStartUp::shutDownDestroysInReverseOrderDmLast()
{
    QTemporaryDir app;
    AppFixture::writeCodeDatabase(app.path(), {});
    startUp(app.path());

    QStringList destroyed;
    const QList<QObject *> instances = {DM,           frmMain,      AboutBox, addrecstat_frm,
                                        addpunkt_frm, addsankc_frm, stdate,   twodates_frm,
                                        Form4,        Option_frm};
    for (QObject *o : instances)
        connect(o, &QObject::destroyed, this,
                [&destroyed, name = o->objectName()] { destroyed.append(name); });
    shutDown();

    const QStringList expected = {QStringLiteral("Option_frm"),     QStringLiteral("Form4"),
                                  QStringLiteral("twodates_frm"),   QStringLiteral("stdate"),
                                  QStringLiteral("addsankc_frm"),   QStringLiteral("addpunkt_frm"),
                                  QStringLiteral("addrecstat_frm"), QStringLiteral("AboutBox"),
                                  QStringLiteral("frmMain"),        QStringLiteral("DM")};
    QCOMPARE(destroyed, expected);
    QVERIFY(!DM && !frmMain && !AboutBox && !addrecstat_frm && !addpunkt_frm && !addsankc_frm &&
            !stdate && !twodates_frm && !Form4 && !Option_frm);
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
