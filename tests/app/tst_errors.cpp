#include "support/appfixture.h"

#include "app/frmmain.h"
#include "app/instances.h"
#include "platform/apperror.h"
#include "platform/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestErrors : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { AppFixture::initTestCase(); }

    void uncaughtErrorIsShownAndTheProgramGoesOn_data();
    void uncaughtErrorIsShownAndTheProgramGoesOn();
    void errorBoxIsTheProgramsOwn();
};

void TestErrors::uncaughtErrorIsShownAndTheProgramGoesOn_data()
{
    QTest::addColumn<QString>("thrown");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ends in a letter")
        << QStringLiteral("Не удалось открыть файл") << QStringLiteral("Не удалось открыть файл.");
    QTest::newRow("ends in a digit") << QStringLiteral("Ошибка 5") << QStringLiteral("Ошибка 5.");
    QTest::newRow("Latin letter") << QStringLiteral("Disk full") << QStringLiteral("Disk full.");
    QTest::newRow("full stop already")
        << QStringLiteral("Запись занята.") << QStringLiteral("Запись занята.");
    QTest::newRow("question mark") << QStringLiteral("Где файл?") << QStringLiteral("Где файл?");
    QTest::newRow("closing quote")
        << QStringLiteral("Нет файла \"qr1.ini\"") << QStringLiteral("Нет файла \"qr1.ini\"");
    QTest::newRow("blank at the end") << QStringLiteral("Ошибка ") << QStringLiteral("Ошибка ");
    QTest::newRow("empty") << QString() << QString();
}

void TestErrors::uncaughtErrorIsShownAndTheProgramGoesOn()
{
    QFETCH(QString, thrown);
    QFETCH(QString, shown);
    Messages::startRecording();
    bool after = false;
    guarded([&] { throw AppError(thrown); });
    guarded([&] { after = true; });
    QCOMPARE(Messages::recorded(), QStringList{shown});
    QVERIFY(after);
}

void TestErrors::errorBoxIsTheProgramsOwn()
{
    QTemporaryDir app;
    AppFixture::writeCodeDatabase(app.path(), {});
    Messages::startRecording();
    RunningProgram program(app.path());
    QVERIFY(QTest::qWaitForWindowExposed(frmMain));
    Messages::stopRecording();

    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->accept();
    });
    guarded([] { throw AppError(QStringLiteral("Нет связи с базой")); });
    Messages::startRecording();

    QCOMPARE(title, QStringLiteral("Zorvant"));
    QCOMPARE(text, QStringLiteral("Нет связи с базой."));
    QCOMPARE(icon, QMessageBox::Critical);
    QVERIFY(frmMain->isVisible());
}

QTEST_MAIN(TestErrors)
#include "tst_errors.moc"
