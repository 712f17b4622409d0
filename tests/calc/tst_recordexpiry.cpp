#include "calc/recordexpiry.h"
#include "calc/recordexpirypage.h"

#include "platform/dateedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

const QString probation = QStringLiteral("Результат: по истечении испытательного срока");
const QString invalid = QStringLiteral("Результат: неверные данные");

QString after(const QString &date)
{
    return QStringLiteral("Результат: по истечении ") + date;
}

QString milderAfter(const QString &date)
{
    return after(date) + QStringLiteral("  или исполнения наказания;");
}

} // namespace

class TestRecordExpiry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void rule_data();
    void rule();
    void nothingBeforeAKindIsChosen();
    void everyInputRecomputes();
};

void TestRecordExpiry::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

void TestRecordExpiry::rule_data()
{
    QTest::addColumn<int>("kind"); // -1: the text is no item
    QTest::addColumn<bool>("juvenile");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("expected");

    const QDate march10(2020, 3, 10);
    const QDate leapDay(2020, 2, 29);

    QTest::newRow("probation") << 0 << false << march10 << probation;
    QTest::newRow("probation needs no date") << 0 << true << QDate() << probation;

    QTest::newRow("milder, adult") << 1 << false << march10 << milderAfter(QStringLiteral("10.03.2021"));
    QTest::newRow("milder, juvenile") << 1 << true << march10 << milderAfter(QStringLiteral("10.03.2021"));
    QTest::newRow("milder from 29 February") << 1 << false << leapDay << milderAfter(QStringLiteral("28.02.2021"));
    QTest::newRow("milder from 29 February, juvenile") << 1 << true << leapDay << milderAfter(QStringLiteral("28.02.2021"));

    QTest::newRow("minor or medium, adult") << 2 << false << march10 << after(QStringLiteral("10.03.2023"));
    QTest::newRow("minor or medium, juvenile") << 2 << true << march10 << after(QStringLiteral("10.03.2021"));
    QTest::newRow("grave, adult") << 3 << false << march10 << after(QStringLiteral("10.03.2026"));
    QTest::newRow("grave, juvenile") << 3 << true << march10 << after(QStringLiteral("10.03.2023"));
    QTest::newRow("grave from 29 February") << 3 << false << leapDay << after(QStringLiteral("28.02.2026"));
    QTest::newRow("especially grave, adult") << 4 << false << march10 << after(QStringLiteral("10.03.2028"));
    QTest::newRow("especially grave, juvenile") << 4 << true << march10 << after(QStringLiteral("10.03.2023"));
    QTest::newRow("especially grave from 29 February lands on a leap year") << 4 << false << leapDay << after(QStringLiteral("29.02.2028"));
    QTest::newRow("day and month below ten keep their zeros") << 2 << false << QDate(2001, 1, 5) << after(QStringLiteral("05.01.2004"));

    QTest::newRow("milder without a date") << 1 << false << QDate() << invalid;
    QTest::newRow("minor or medium without a date") << 2 << true << QDate() << invalid;
    QTest::newRow("grave without a date") << 3 << false << QDate() << invalid;
    QTest::newRow("especially grave without a date") << 4 << false << QDate() << invalid;

    QTest::newRow("no kind") << -1 << true << march10 << QString();
    QTest::newRow("no kind, no date") << -1 << false << QDate() << QString();
}

void TestRecordExpiry::rule()
{
    QFETCH(int, kind);
    QFETCH(bool, juvenile);
    QFETCH(QDate, from);
    QFETCH(QString, expected);

    const std::optional<SentenceKind> chosen =
        kind < 0 ? std::nullopt : std::optional(static_cast<SentenceKind>(kind));
    QCOMPARE(recordExpiryText(chosen, juvenile, from), expected);
}

void TestRecordExpiry::nothingBeforeAKindIsChosen()
{
    RecordExpiryPage page;
    auto *kind = page.findChild<QComboBox *>(QStringLiteral("cxComboBox6"));
    auto *juvenile = page.findChild<QCheckBox *>(QStringLiteral("cxCheckBox11"));
    auto *date = page.findChild<DateEdit *>(QStringLiteral("cxDateEdit4"));
    auto *result = page.findChild<QLabel *>(QStringLiteral("cxLabel21"));
    QCOMPARE(kind->currentText(), QString());
    QCOMPARE(kind->count(), 5);
    QCOMPARE(juvenile->text(), QStringLiteral("Несовершенолетние"));
    QCOMPARE(result->text(), QStringLiteral("Результат"));

    QTest::keyClick(juvenile, Qt::Key_Space);
    QCOMPARE(result->text(), QString());

    result->setText(QStringLiteral("Результат"));
    QTest::keyClicks(date->lineEdit(), QStringLiteral("10.03.2020"));
    QCOMPARE(date->date(), QDate(2020, 3, 10));
    QCOMPARE(result->text(), QString());
}

void TestRecordExpiry::everyInputRecomputes()
{
    RecordExpiryPage page;
    auto *kind = page.findChild<QComboBox *>(QStringLiteral("cxComboBox6"));
    auto *juvenile = page.findChild<QCheckBox *>(QStringLiteral("cxCheckBox11"));
    auto *date = page.findChild<DateEdit *>(QStringLiteral("cxDateEdit4"));
    auto *result = page.findChild<QLabel *>(QStringLiteral("cxLabel21"));

    kind->setCurrentIndex(2);
    QCOMPARE(result->text(), invalid);
    QTest::keyClicks(date->lineEdit(), QStringLiteral("10.03.2020"));
    QCOMPARE(result->text(), after(QStringLiteral("10.03.2023")));
    QTest::keyClick(juvenile, Qt::Key_Space);
    QCOMPARE(result->text(), after(QStringLiteral("10.03.2021")));

    // A date cut short is no date.
    QTest::keyClick(date->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(result->text(), invalid);
    date->setDate(QDate(2020, 2, 29));
    QCOMPARE(result->text(), after(QStringLiteral("28.02.2021")));

    // A kind typed by hand counts once it equals an item, and the list stays as it was.
    kind->lineEdit()->clear();
    QCOMPARE(result->text(), QString());
    const QString probationItem = QStringLiteral("условно осужденных");
    for (const QChar c : probationItem)
        QTest::sendKeyEvent(QTest::Click, kind->lineEdit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    QCOMPARE(result->text(), probation);
    QTest::keyClick(kind->lineEdit(), Qt::Key_Return);
    QCOMPARE(kind->count(), 5);

    date->clear();
    QCOMPARE(result->text(), probation);
}

QTEST_MAIN(TestRecordExpiry)
#include "tst_recordexpiry.moc"
