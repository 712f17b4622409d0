#include "profile/stdate.h"

#include "platform/apperror.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

namespace {

// The panel's controls of one part, found as the profile page will find them.
struct PartControls {
    QSpinBox *spin;
    QSlider *slider;
    QPushButton *unknown;
};

PartControls part(const Tstdate &window, int number)
{
    const QWidget *panel = window.panel();
    return {panel->findChild<QSpinBox *>(QStringLiteral("cxSpinEdit%1").arg(number)),
            panel->findChild<QSlider *>(QStringLiteral("cxTrackBar%1").arg(number)),
            panel->findChild<QPushButton *>(QStringLiteral("cxButton%1").arg(number))};
}

QString loadError(Tstdate &window, const QString &text)
{
    try {
        window.set_date(text);
    } catch (const AppError &error) {
        return error.text();
    }
    return QString();
}

} // namespace

class TestStdate : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void startsAsTheWindowIsBuilt();
    void clicksAndSlidersBuildTheResult();
    void spinBoxAndSliderFollowEachOtherOnce();
    void loadingOverAnExistingState();
    void loadingUnknownPartsKeepsTheSliders();
    void loadingClamps_data();
    void loadingClamps();
    void yearBound();
    void loadingStopsAtAPartThatIsNoNumber_data();
    void loadingStopsAtAPartThatIsNoNumber();
    void emptyTextKeepsTheLastResult();
    void worksInsideAnotherWindow();

private:
    const int currentYear = QDate::currentDate().year();
};

void TestStdate::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

void TestStdate::startsAsTheWindowIsBuilt()
{
    Tstdate window;
    QCOMPARE(window.objectName(), QStringLiteral("stdate"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Дата"));
    QVERIFY(!window.isVisible());
    QCOMPARE(window.panel()->objectName(), QStringLiteral("cxTabControl1"));
    QCOMPARE(window.panel()->size(), QSize(229, 302));
    QCOMPARE(window.result(), QString());

    const PartControls year = part(window, 1), month = part(window, 2), day = part(window, 3);
    QCOMPARE(year.slider->minimum(), 1915);
    QCOMPARE(year.slider->maximum(), currentYear);
    QCOMPARE(year.spin->maximum(), currentYear);
    QCOMPARE(year.slider->value(), 2000);
    QCOMPARE(month.slider->value(), 12);
    QCOMPARE(day.slider->value(), 31);
    QCOMPARE(day.spin->value(), 1);
    QCOMPARE(day.spin->maximum(), 31);

    for (const PartControls &c : {year, month, day}) {
        QVERIFY(!c.unknown->isChecked());
        QVERIFY(!c.unknown->font().bold());
        QVERIFY(c.spin->font().bold());
    }
    QCOMPARE(year.unknown->palette().color(QPalette::ButtonText), QColor(0, 128, 0));
}

void TestStdate::clicksAndSlidersBuildTheResult()
{
    Tstdate window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const PartControls year = part(window, 1), month = part(window, 2), day = part(window, 3);

    month.slider->setValue(3);
    year.spin->setValue(1980);
    QCOMPARE(window.result(), QStringLiteral("31/03/1980"));

    QTest::mouseClick(day.unknown, Qt::LeftButton);
    QCOMPARE(window.result(), QStringLiteral("?\?/03/1980"));
    QVERIFY(day.unknown->isChecked());
    QVERIFY(day.unknown->font().bold());
    QVERIFY(!day.spin->font().bold());
    // A second click leaves the part unknown rather than toggling it back.
    QTest::mouseClick(day.unknown, Qt::LeftButton);
    QVERIFY(day.unknown->isChecked());
    QCOMPARE(window.result(), QStringLiteral("?\?/03/1980"));

    day.slider->setValue(7);
    QCOMPARE(window.result(), QStringLiteral("07/03/1980"));
    QCOMPARE(day.spin->value(), 7);
    QVERIFY(!day.unknown->isChecked());
    QVERIFY(day.spin->font().bold());

    QTest::mouseClick(year.unknown, Qt::LeftButton);
    QCOMPARE(window.result(), QStringLiteral("07/03/?\??\?"));
    QTest::keyClick(year.spin, Qt::Key_Up);
    QCOMPARE(window.result(), QStringLiteral("07/03/1981"));
    QVERIFY(!year.unknown->isChecked());

    // No day is checked against its month.
    day.spin->setValue(31);
    month.spin->setValue(2);
    QCOMPARE(window.result(), QStringLiteral("31/02/1981"));
}

void TestStdate::spinBoxAndSliderFollowEachOtherOnce()
{
    Tstdate window;
    const PartControls day = part(window, 3);
    QSignalSpy spinChanges(day.spin, &QSpinBox::valueChanged);
    QSignalSpy sliderChanges(day.slider, &QSlider::valueChanged);

    // The day's spin box and slider start apart and meet at the first change.
    day.spin->setValue(2);
    QCOMPARE(day.slider->value(), 2);
    QCOMPARE(window.result(), QStringLiteral("02/12/2000"));
    QCOMPARE(spinChanges.count(), 1);
    QCOMPARE(sliderChanges.count(), 1);

    day.slider->setValue(9);
    QCOMPARE(day.spin->value(), 9);
    QCOMPARE(spinChanges.count(), 2);
    QCOMPARE(sliderChanges.count(), 2);
}

void TestStdate::loadingOverAnExistingState()
{
    Tstdate window;
    const PartControls day = part(window, 3);
    day.slider->setValue(15);
    window.set_date(QStringLiteral("?\?/05/1980"));
    QCOMPARE(window.result(), QStringLiteral("?\?/05/1980"));

    // The slider stands at 15 already and says nothing; the day is known again all the same.
    window.set_date(QStringLiteral("15/05/1980"));
    QCOMPARE(window.result(), QStringLiteral("15/05/1980"));
    QVERIFY(!day.unknown->isChecked());
    QCOMPARE(day.spin->value(), 15);
}

void TestStdate::loadingUnknownPartsKeepsTheSliders()
{
    Tstdate window;
    window.set_date(QStringLiteral("15/05/1980"));
    window.set_date(QStringLiteral("?\?/?\?/?\??\?"));
    QCOMPARE(window.result(), QStringLiteral("?\?/?\?/?\??\?"));
    const PartControls year = part(window, 1), month = part(window, 2), day = part(window, 3);
    QCOMPARE(year.slider->value(), 1980);
    QCOMPARE(month.slider->value(), 5);
    QCOMPARE(day.slider->value(), 15);
    for (const PartControls &c : {year, month, day})
        QVERIFY(c.unknown->isChecked());
}

void TestStdate::loadingClamps_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("every part beyond its range") << "45/13/1890" << "31/12/1915";
    QTest::newRow("zeros") << "00/00/0000" << "01/01/1915";
    QTest::newRow("two-digit year") << "15/05/80" << "15/05/1915";
    QTest::newRow("year to come") << QStringLiteral("01/01/%1").arg(QDate::currentDate().year() + 25)
                                  << QStringLiteral("01/01/%1").arg(QDate::currentDate().year());
    QTest::newRow("separators are not read") << "07-03.1980" << "07/03/1980";
    QTest::newRow("characters past the year are not read") << "07/03/19801" << "07/03/1980";
}

void TestStdate::loadingClamps()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    Tstdate window;
    window.set_date(text);
    QCOMPARE(window.result(), expected);
    // The spin boxes show what the result is made of.
    QCOMPARE(part(window, 3).spin->value(), expected.left(2).toInt());
    QCOMPARE(part(window, 1).spin->value(), expected.mid(6).toInt());
}

void TestStdate::yearBound()
{
    Tstdate window;
    const PartControls year = part(window, 1);
    window.SetMaxYear(2009);
    QCOMPARE(year.slider->maximum(), 2009);
    QCOMPARE(year.spin->maximum(), 2009);
    window.set_date(QStringLiteral("01/06/2050"));
    QCOMPARE(window.result(), QStringLiteral("01/06/2009"));

    // A year standing above a lowered bound comes down with it.
    window.SetMaxYear(2005);
    QCOMPARE(year.slider->value(), 2005);
    QCOMPARE(window.result(), QStringLiteral("01/06/2005"));

    window.SetMinYear(1950);
    window.set_date(QStringLiteral("01/06/1920"));
    QCOMPARE(window.result(), QStringLiteral("01/06/1950"));
}

void TestStdate::loadingStopsAtAPartThatIsNoNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("expected");

    // Each row loads over 10/10/1990.
    QTest::newRow("one-digit day") << "5.3.1980" << "''5.'' is not a valid integer value" << "10/10/1990";
    QTest::newRow("no year") << "15/05" << "'''' is not a valid integer value" << "15/05/1990";
    QTest::newRow("letters for the month") << "15/май/1980" << "''ма'' is not a valid integer value" << "15/10/1990";
    QTest::newRow("short unknown year") << "?\?/?\?/?\?" << "''?\?'' is not a valid integer value" << "?\?/?\?/1990";
    QTest::newRow("unknown mark of the wrong length") << "?/05/1980" << "''?/'' is not a valid integer value" << "10/10/1990";
}

void TestStdate::loadingStopsAtAPartThatIsNoNumber()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    QFETCH(QString, expected);
    Tstdate window;
    window.set_date(QStringLiteral("10/10/1990"));
    QCOMPARE(loadError(window, text), error);
    QCOMPARE(window.result(), expected);
}

void TestStdate::emptyTextKeepsTheLastResult()
{
    Tstdate window;
    window.set_date(QString());
    QCOMPARE(window.result(), QString());

    window.set_date(QStringLiteral("12/?\?/1999"));
    window.set_date(QString());
    QCOMPARE(window.result(), QStringLiteral("12/?\?/1999"));
    QVERIFY(part(window, 2).unknown->isChecked());
    QCOMPARE(part(window, 3).slider->value(), 12);
}

void TestStdate::worksInsideAnotherWindow()
{
    Tstdate window;
    QFrame popup(nullptr, Qt::Popup);
    QWidget *panel = window.panel();
    panel->setParent(&popup);
    popup.resize(panel->size());
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));

    window.set_date(QStringLiteral("01/02/1970"));
    QTest::mouseClick(part(window, 2).unknown, Qt::LeftButton);
    QCOMPARE(window.result(), QStringLiteral("01/?\?/1970"));
    QCOMPARE(panel->findChild<QLineEdit *>(QStringLiteral("cxTextEdit1"))->text(), window.result());
    popup.hide();

    window.takeBackPanel();
    QCOMPARE(panel->parentWidget(), &window);
    QCOMPARE(window.result(), QStringLiteral("01/?\?/1970"));
}

QTEST_MAIN(TestStdate)
#include "tst_stdate.moc"
