#include "platform/dateedit.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestDateEdit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void parse_data();
    void parse();
    void startsEmpty();
    void typingSignalsEachChangeOfTheDate();
    void onlyDigitsAndPointsCanBeTyped();
    void setDateShowsTheDateAndNullEmpties();
    void unfinishedTextOnLeaving_data();
    void unfinishedTextOnLeaving();
    void calendarPicksADay();
    void calendarSpeaksRussianAndClosesOnEscape();
};

void TestDateEdit::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

void TestDateEdit::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("full date") << "05.03.2020" << QDate(2020, 3, 5);
    QTest::newRow("one-digit day and month") << "5.3.2020" << QDate(2020, 3, 5);
    QTest::newRow("leap day") << "29.02.2020" << QDate(2020, 2, 29);
    QTest::newRow("leap day of a common year") << "29.02.2021" << QDate();
    QTest::newRow("day 32") << "32.01.2020" << QDate();
    QTest::newRow("two-digit year") << "05.03.20" << QDate();
    QTest::newRow("no year") << "05.03." << QDate();
    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("the zero date of a profile file") << "00.00.0000" << QDate();
}

void TestDateEdit::parse()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(DateEdit::parse(text), expected);
    if (expected.isValid())
        QCOMPARE(DateEdit::parse(DateEdit::format(expected)), expected);
}

void TestDateEdit::startsEmpty()
{
    DateEdit edit;
    QVERIFY(edit.date().isNull());
    QCOMPARE(edit.text(), QString());
}

void TestDateEdit::typingSignalsEachChangeOfTheDate()
{
    DateEdit edit;
    QSignalSpy changes(&edit, &DateEdit::dateChanged);

    // Nothing on the way: until the year is whole there is no date to change to.
    QTest::keyClicks(edit.lineEdit(), QStringLiteral("10.03.202"));
    QCOMPARE(changes.count(), 0);
    QTest::keyClicks(edit.lineEdit(), QStringLiteral("0"));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.last().at(0).toDate(), QDate(2020, 3, 10));
    QCOMPARE(edit.date(), QDate(2020, 3, 10));

    QTest::keyClick(edit.lineEdit(), Qt::Key_Backspace);
    QCOMPARE(changes.count(), 2);
    QVERIFY(changes.last().at(0).toDate().isNull());
    QVERIFY(edit.date().isNull());

    QTest::keyClicks(edit.lineEdit(), QStringLiteral("1"));
    QCOMPARE(edit.date(), QDate(2021, 3, 10));
    edit.lineEdit()->selectAll();
    QTest::keyClick(edit.lineEdit(), Qt::Key_Delete);
    QCOMPARE(changes.count(), 4);
    QVERIFY(edit.date().isNull());
}

void TestDateEdit::onlyDigitsAndPointsCanBeTyped()
{
    DateEdit edit;
    QTest::keyClicks(edit.lineEdit(), QStringLiteral("1a/-,0.03.2020x"));
    QCOMPARE(edit.text(), QStringLiteral("10.03.2020"));
    QTest::keyClicks(edit.lineEdit(), QStringLiteral("5"));
    QCOMPARE(edit.text(), QStringLiteral("10.03.2020"));
}

void TestDateEdit::setDateShowsTheDateAndNullEmpties()
{
    DateEdit edit;
    QSignalSpy changes(&edit, &DateEdit::dateChanged);

    edit.setDate(QDate(2001, 1, 5));
    QCOMPARE(edit.text(), QStringLiteral("05.01.2001"));
    QCOMPARE(changes.count(), 1);
    edit.setDate(QDate(2001, 1, 5));
    QCOMPARE(changes.count(), 1);

    edit.setDate(QDate());
    QCOMPARE(edit.text(), QString());
    QVERIFY(edit.date().isNull());
    QCOMPARE(changes.count(), 2);

    // A date the box could not show and read back is no date.
    edit.setDate(QDate(12000, 1, 1));
    QCOMPARE(edit.text(), QString());
    QVERIFY(edit.date().isNull());
    QCOMPARE(changes.count(), 2);
}

void TestDateEdit::unfinishedTextOnLeaving_data()
{
    QTest::addColumn<DateEdit::InvalidText>("policy");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("expected");

    const QDate today = QDate::currentDate();
    QTest::newRow("cleared") << DateEdit::InvalidText::Clear << "10.03" << QDate();
    QTest::newRow("no such day, cleared") << DateEdit::InvalidText::Clear << "31.02.2020" << QDate();
    QTest::newRow("replaced by today") << DateEdit::InvalidText::Today << "10.03" << today;
    QTest::newRow("a whole date stays") << DateEdit::InvalidText::Today << "10.03.2020" << QDate(2020, 3, 10);
}

void TestDateEdit::unfinishedTextOnLeaving()
{
    QFETCH(DateEdit::InvalidText, policy);
    QFETCH(QString, typed);
    QFETCH(QDate, expected);

    DateEdit edit;
    edit.setInvalidText(policy);
    QTest::keyClicks(edit.lineEdit(), typed);
    QTest::keyClick(edit.lineEdit(), Qt::Key_Return);
    QCOMPARE(edit.date(), expected);
    QCOMPARE(edit.text(), DateEdit::format(expected));
}

void TestDateEdit::calendarPicksADay()
{
    DateEdit edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    auto *calendar = edit.findChild<QCalendarWidget *>();
    QVERIFY(calendar);

    // An empty box opens on today; a filled one on its date.
    QTest::keyClick(edit.lineEdit(), Qt::Key_F4);
    QVERIFY(edit.isCalendarShown());
    QCOMPARE(calendar->selectedDate(), QDate::currentDate());
    edit.hideCalendar();
    edit.setDate(QDate(1999, 7, 14));
    QTest::keyClick(edit.lineEdit(), Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(calendar->selectedDate(), QDate(1999, 7, 14));

    QSignalSpy changes(&edit, &DateEdit::dateChanged);
    calendar->setSelectedDate(QDate(1999, 7, 20));
    QTest::keyClick(calendar->focusWidget() ? calendar->focusWidget() : calendar, Qt::Key_Return);
    QVERIFY(!edit.isCalendarShown());
    QCOMPARE(edit.date(), QDate(1999, 7, 20));
    QCOMPARE(edit.text(), QStringLiteral("20.07.1999"));
    QCOMPARE(changes.count(), 1);
}

void TestDateEdit::calendarSpeaksRussianAndClosesOnEscape()
{
    DateEdit edit;
    edit.setDate(QDate(2020, 3, 10));
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.showCalendar();
    auto *calendar = edit.findChild<QCalendarWidget *>();
    QCOMPARE(calendar->locale().language(), QLocale::Russian);
    QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);

    QTest::keyClick(calendar->focusWidget() ? calendar->focusWidget() : calendar, Qt::Key_Escape);
    QVERIFY(!edit.isCalendarShown());
    QCOMPARE(edit.date(), QDate(2020, 3, 10));
}

QTEST_MAIN(TestDateEdit)
#include "tst_dateedit.moc"
