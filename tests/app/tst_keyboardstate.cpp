#include "support/appfixture.h"

#include "app/frmmain.h"
#include "app/instances.h"
#include "app/keyboardstatepanel.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Lock = KeyboardStatePanel::Lock;

namespace {

QLabel *label(QWidget *panel, const char *name)
{
    return panel->findChild<QLabel *>(QString::fromLatin1(name));
}

} // namespace

class TestKeyboardState : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { AppFixture::initTestCase(); }

    void locksAreLitOnlyWhenKnownToBeOn_data();
    void locksAreLitOnlyWhenKnownToBeOn();
    void lockKeysReadTheLocksAgain();
    void insertKeyTogglesTheModeOncePerPress();
};

void TestKeyboardState::locksAreLitOnlyWhenKnownToBeOn_data()
{
    QTest::addColumn<int>("state"); // 1 on, 0 off, -1 the platform cannot tell
    QTest::addColumn<bool>("lit");
    QTest::newRow("on") << 1 << true;
    QTest::newRow("off") << 0 << false;
    QTest::newRow("unknown") << -1 << false;
}

void TestKeyboardState::locksAreLitOnlyWhenKnownToBeOn()
{
    QFETCH(int, state);
    QFETCH(bool, lit);

    // Each lock in turn has the row's state while the other two have the opposite one,
    // so a panel that mixes up its locks fails.
    const QList<QPair<Lock, const char *>> locks = {
        {Lock::Caps, "capsState"}, {Lock::Num, "numState"}, {Lock::Scroll, "scrollState"}};
    const QStringList captions = {QStringLiteral("CAPS"), QStringLiteral("NUM"),
                                  QStringLiteral("SCRL")};
    for (int i = 0; i < locks.size(); ++i) {
        const Lock tested = locks[i].first;
        KeyboardStatePanel panel([&](Lock lock) -> std::optional<bool> {
            if (lock != tested)
                return !lit;
            if (state < 0)
                return std::nullopt;
            return state == 1;
        });
        for (int j = 0; j < locks.size(); ++j) {
            QLabel *l = label(&panel, locks[j].second);
            QCOMPARE(l->text(), captions[j]);
            QCOMPARE(l->isEnabled(), j == i ? lit : !lit);
        }
    }
}

void TestKeyboardState::lockKeysReadTheLocksAgain()
{
    QTemporaryDir app;
    AppFixture::writeCodeDatabase(app.path(), {});
    RunningProgram program(app.path());
    QVERIFY(QTest::qWaitForWindowActive(frmMain));

    bool capsOn = false;
    KeyboardStatePanel panel([&](Lock lock) -> std::optional<bool> {
        return lock == Lock::Caps ? std::optional<bool>(capsOn) : std::nullopt;
    });
    QLabel *caps = label(&panel, "capsState");
    QVERIFY(!caps->isEnabled());

    capsOn = true;
    QTest::keyClick(frmMain->windowHandle(), Qt::Key_CapsLock);
    QVERIFY(caps->isEnabled());
    capsOn = false;
    QTest::keyClick(frmMain->windowHandle(), Qt::Key_CapsLock);
    QVERIFY(!caps->isEnabled());
}

void TestKeyboardState::insertKeyTogglesTheModeOncePerPress()
{
    QTemporaryDir app;
    AppFixture::writeCodeDatabase(app.path(), {});
    RunningProgram program(app.path());
    QVERIFY(QTest::qWaitForWindowActive(frmMain));

    KeyboardStatePanel *panel = frmMain->keyboardState();
    QLabel *insert = label(panel, "insertState");
    QCOMPARE(insert->text(), QStringLiteral("INS"));
    QVERIFY(insert->isEnabled());

    // The focus on a list that leaves the key to its parents: the key then passes
    // several widgets, and must still count once.
    auto *list =
        frmMain->findChild<QWidget *>(QStringLiteral("dxSideBar1"))->findChild<QListWidget *>();
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());

    QSignalSpy toggles(panel, &KeyboardStatePanel::overwriteModeChanged);
    QTest::keyClick(frmMain->windowHandle(), Qt::Key_Insert);
    QCOMPARE(toggles.count(), 1);
    QCOMPARE(insert->text(), QStringLiteral("OVR"));
    QVERIFY(panel->overwriteMode());
    QTest::keyClick(frmMain->windowHandle(), Qt::Key_Insert);
    QCOMPARE(toggles.count(), 2);
    QCOMPARE(insert->text(), QStringLiteral("INS"));

    // Shift+Insert pastes and Ctrl+Insert copies; neither changes the mode.
    QTest::keyClick(frmMain->windowHandle(), Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(frmMain->windowHandle(), Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(insert->text(), QStringLiteral("INS"));
    QCOMPARE(toggles.count(), 2);
}

QTEST_MAIN(TestKeyboardState)
#include "tst_keyboardstate.moc"
