#include "support/appfixture.h"

#include "app/frmmain.h"
#include "app/instances.h"
#include "app/trayicon.h"
#include "platform/messages.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// The window has settled when queued work (the minimising and the hiding after it)
// has run.
void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

void doubleClickTray()
{
    Q_EMIT frmMain->trayIcon()->activated(QSystemTrayIcon::DoubleClick);
}

} // namespace

class TestTray : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void autohideAtFirstActivation_data();
    void autohideAtFirstActivation();
    void autohideIsReadOnTheFirstActivationOnly();
    void minimisingGoesIntoTheTrayAndBack();
    void withoutTrayMinimisingStaysOrdinary_data();
    void withoutTrayMinimisingStaysOrdinary();

private:
    void start();
    std::unique_ptr<QTemporaryDir> m_app;
    std::unique_ptr<RunningProgram> m_program;
};

void TestTray::initTestCase()
{
    AppFixture::initTestCase();
    m_app = std::make_unique<QTemporaryDir>();
    AppFixture::writeCodeDatabase(m_app->path(), {});
}

void TestTray::init()
{
    Messages::startRecording();
    TrayIcon::setAvailableForTests(true);
}

void TestTray::cleanup()
{
    m_program.reset();
    TrayIcon::setAvailableForTests(std::nullopt);
    AppFixture::removeStartupOptions();
}

void TestTray::start()
{
    m_program = std::make_unique<RunningProgram>(m_app->path());
    QVERIFY(frmMain);
    QVERIFY(QTest::qWaitForWindowActive(frmMain));
    settle();
}

void TestTray::autohideAtFirstActivation_data()
{
    QTest::addColumn<QString>("stored"); // "<none>" for no options file
    QTest::addColumn<bool>("intoTray");
    QTest::newRow("on") << QStringLiteral("1") << true;
    QTest::newRow("any other number is on too") << QStringLiteral("2") << true;
    QTest::newRow("off") << QStringLiteral("0") << false;
    QTest::newRow("no options file") << QStringLiteral("<none>") << false;
    QTest::newRow("a word is no number") << QStringLiteral("yes") << false;
}

void TestTray::autohideAtFirstActivation()
{
    QFETCH(QString, stored);
    QFETCH(bool, intoTray);
    if (stored != QLatin1String("<none>"))
        AppFixture::writeAutohide(stored);

    start();
    QCOMPARE(frmMain->isVisible(), !intoTray);
    QCOMPARE(frmMain->trayIcon()->isVisible(), intoTray);
    QVERIFY(Messages::recorded().isEmpty());
}

void TestTray::autohideIsReadOnTheFirstActivationOnly()
{
    AppFixture::writeAutohide(QStringLiteral("1"));
    start();
    QTRY_VERIFY(!frmMain->isVisible());

    doubleClickTray();
    QVERIFY(QTest::qWaitForWindowActive(frmMain));
    settle();
    QVERIFY(frmMain->isVisible());
    QVERIFY(!frmMain->isMinimized());
    QVERIFY(!frmMain->trayIcon()->isVisible());

    // Another activation, for instance after a dialog closed, leaves the window alone.
    frmMain->FormActivate();
    settle();
    QVERIFY(frmMain->isVisible());
}

void TestTray::minimisingGoesIntoTheTrayAndBack()
{
    start();
    QVERIFY(frmMain->isVisible());
    QVERIFY(!frmMain->trayIcon()->isVisible());

    // What the window's own minimise button asks for.
    frmMain->setWindowState(frmMain->windowState() | Qt::WindowMinimized);
    QTRY_VERIFY(!frmMain->isVisible());
    QVERIFY(frmMain->trayIcon()->isVisible());

    doubleClickTray();
    QVERIFY(frmMain->isVisible());
    QVERIFY(!frmMain->isMinimized());
    QVERIFY(!frmMain->trayIcon()->isVisible());

    // And again: the way into the tray works every time, not only once.
    frmMain->showMinimized();
    QTRY_VERIFY(!frmMain->isVisible());
    QVERIFY(frmMain->trayIcon()->isVisible());
}

void TestTray::withoutTrayMinimisingStaysOrdinary_data()
{
    QTest::addColumn<bool>("byAutohide");
    QTest::newRow("by the window's button") << false;
    QTest::newRow("by autohide") << true;
}

void TestTray::withoutTrayMinimisingStaysOrdinary()
{
    QFETCH(bool, byAutohide);
    TrayIcon::setAvailableForTests(false);
    if (byAutohide)
        AppFixture::writeAutohide(QStringLiteral("1"));

    start();
    if (!byAutohide)
        frmMain->showMinimized();
    settle();
    QVERIFY(frmMain->isMinimized());
    QVERIFY(frmMain->isVisible());
    QVERIFY(!frmMain->trayIcon()->isVisible());
}

QTEST_MAIN(TestTray)
#include "tst_tray.moc"
