#include "calc/parole.h"
#include "calc/parolepage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using Result = ParoleResult;

Q_DECLARE_METATYPE(ParoleResult)

namespace {

const QString minor = QStringLiteral("небольшая или средняя тяжесть");
const QString grave = QStringLiteral("тяжкое преступление");
const QString life = QStringLiteral("пожизненое лишение свободы");

// Typed character by character: Cyrillic cannot go through QTest::keyClicks.
void type(QWidget *target, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void replaceText(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    type(edit, text);
}

} // namespace

class TestParole : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void rule_data();
    void rule();
    void pageStartsUnanswered();
    void everyInputRecomputes();
    void invalidInputIsRedUntilTheNextAnswer();
    void textThatIsNoCategoryKeepsTheAnswerInBlack();

private:
    struct Page {
        ParolePage page;
        QComboBox *category = page.findChild<QComboBox *>(QStringLiteral("cxComboBox2"));
        QLineEdit *term = page.findChild<QLineEdit *>(QStringLiteral("cxTextEdit2"));
        QLineEdit *served = page.findChild<QLineEdit *>(QStringLiteral("cxTextEdit3"));
        QCheckBox *revoked = page.findChild<QCheckBox *>(QStringLiteral("cxCheckBox7"));
        QCheckBox *noViolations = page.findChild<QCheckBox *>(QStringLiteral("cxCheckBox8"));
        QLabel *result = page.findChild<QLabel *>(QStringLiteral("cxLabel9"));
        QColor colour() const { return result->palette().color(QPalette::WindowText); }
    };
};

void TestParole::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

void TestParole::rule_data()
{
    QTest::addColumn<int>("category"); // -1: no item chosen
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("served");
    QTest::addColumn<bool>("noViolations");
    QTest::addColumn<Result>("expected");

    QTest::newRow("minor: a third served is enough") << 0 << "6" << "2" << false << Result::MayBeApplied;
    QTest::newRow("minor: just under a third") << 0 << "6" << "1,9" << false << Result::MayNotBeApplied;
    QTest::newRow("grave: half served is enough") << 1 << "10" << "5" << false << Result::MayBeApplied;
    QTest::newRow("grave: just under half") << 1 << "10" << "4,9" << false << Result::MayNotBeApplied;
    QTest::newRow("especially grave: two thirds served") << 2 << "9" << "6" << false << Result::MayBeApplied;
    QTest::newRow("especially grave: just under two thirds") << 2 << "9" << "5,9" << false << Result::MayNotBeApplied;
    QTest::newRow("fractional term and part") << 0 << "1,5" << "0,5" << false << Result::MayBeApplied;

    QTest::newRow("under half a year: the served part is not read") << 0 << "0,4" << "" << false << Result::MayNotBeApplied;
    QTest::newRow("under half a year, life") << 3 << "0,4" << "30" << true << Result::MayNotBeApplied;
    QTest::newRow("under half a year, no category") << -1 << "0,4" << "" << false << Result::MayNotBeApplied;
    QTest::newRow("half a year goes on to the served part") << 0 << "0,5" << "" << false << Result::InvalidInput;
    QTest::newRow("half a year, a sixth served") << 0 << "0,5" << "0,2" << false << Result::MayBeApplied;

    QTest::newRow("life: 25 years without violations") << 3 << "1" << "25" << true << Result::MayBeApplied;
    QTest::newRow("life: 25 years with violations") << 3 << "1" << "25" << false << Result::MayNotBeApplied;
    QTest::newRow("life: 24,9 years without violations") << 3 << "1" << "24,9" << true << Result::MayNotBeApplied;
    QTest::newRow("life: served part missing") << 3 << "1" << "" << true << Result::InvalidInput;
    QTest::newRow("violations matter only for life") << 0 << "6" << "2" << true << Result::MayBeApplied;

    QTest::newRow("term empty") << 1 << "" << "5" << false << Result::InvalidInput;
    QTest::newRow("term empty and no category") << -1 << "" << "5" << false << Result::InvalidInput;
    QTest::newRow("served part empty") << 0 << "6" << "" << false << Result::InvalidInput;
    QTest::newRow("term with a point") << 0 << "6.5" << "5" << false << Result::InvalidInput;
    QTest::newRow("served part with a point") << 2 << "9" << "6.0" << false << Result::InvalidInput;
    QTest::newRow("term is no number") << 0 << "шесть" << "5" << false << Result::InvalidInput;
    QTest::newRow("term with thousands") << 0 << QString::fromUtf8("1\u00a0000") << "500" << false << Result::InvalidInput;
    QTest::newRow("infinite term") << 0 << "inf" << "5" << false << Result::InvalidInput;

    QTest::newRow("no category: no answer") << -1 << "6" << "2" << false << Result::NoAnswer;
}

void TestParole::rule()
{
    QFETCH(int, category);
    QFETCH(QString, term);
    QFETCH(QString, served);
    QFETCH(bool, noViolations);
    QFETCH(Result, expected);

    const std::optional<ParoleCategory> chosen =
        category < 0 ? std::nullopt : std::optional(static_cast<ParoleCategory>(category));
    QCOMPARE(parole(chosen, term, served, noViolations), expected);
}

void TestParole::pageStartsUnanswered()
{
    Page p;
    QCOMPARE(p.category->currentText(), minor);
    QCOMPARE(p.category->count(), 4);
    QCOMPARE(p.category->itemText(3), life);
    QCOMPARE(p.result->text(), QStringLiteral("Результат"));
}

void TestParole::everyInputRecomputes()
{
    Page p;
    p.page.resize(630, 440);
    p.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.page));

    type(p.term, QStringLiteral("6"));
    QCOMPARE(p.result->text(), QStringLiteral("Резултат: неверные данные"));
    type(p.served, QStringLiteral("2"));
    QCOMPARE(p.result->text(), QStringLiteral("Резултат: может быть применено"));

    // Typing the category over the old one: two years of six are not half.
    replaceText(p.category->lineEdit(), grave);
    QCOMPARE(p.category->currentText(), grave);
    QCOMPARE(p.result->text(), QStringLiteral("Резултат: не может быть применено"));

    // Chosen from the list: life imprisonment asks for 25 years.
    p.category->setCurrentIndex(3);
    replaceText(p.served, QStringLiteral("25"));
    QCOMPARE(p.result->text(), QStringLiteral("Резултат: не может быть применено"));
    QTest::keyClick(p.noViolations, Qt::Key_Space);
    QCOMPARE(p.result->text(), QStringLiteral("Резултат: может быть применено"));

    // The term counts for life only below half a year.
    replaceText(p.term, QStringLiteral("0,4"));
    QCOMPARE(p.result->text(), QStringLiteral("Резултат: не может быть применено"));
    replaceText(p.term, QStringLiteral("1"));
    QCOMPARE(p.result->text(), QStringLiteral("Резултат: может быть применено"));

    // "Ранее было отменено" weighs nothing, but it does recompute: a stale label is
    // written over.
    p.result->setText(QStringLiteral("stale"));
    QTest::keyClick(p.revoked, Qt::Key_Space);
    QCOMPARE(p.result->text(), QStringLiteral("Резултат: может быть применено"));
    QTest::keyClick(p.revoked, Qt::Key_Space);
    QCOMPARE(p.result->text(), QStringLiteral("Резултат: может быть применено"));
}

void TestParole::invalidInputIsRedUntilTheNextAnswer()
{
    Page p;
    type(p.term, QStringLiteral("6"));
    QCOMPARE(p.colour(), QColor(Qt::red));
    type(p.served, QStringLiteral("2"));
    QCOMPARE(p.result->text(), QStringLiteral("Резултат: может быть применено"));
    QCOMPARE(p.colour(), QColor(Qt::black));
    type(p.served, QStringLiteral("."));
    QCOMPARE(p.result->text(), QStringLiteral("Резултат: неверные данные"));
    QCOMPARE(p.colour(), QColor(Qt::red));
    QTest::keyClick(p.served, Qt::Key_Backspace);
    QCOMPARE(p.colour(), QColor(Qt::black));
}

void TestParole::textThatIsNoCategoryKeepsTheAnswerInBlack()
{
    Page p;
    type(p.term, QStringLiteral("6"));
    QCOMPARE(p.colour(), QColor(Qt::red));

    // One letter more than the item is no item.
    type(p.category->lineEdit(), QStringLiteral("х"));
    QCOMPARE(p.category->currentText(), minor + QStringLiteral("х"));
    QCOMPARE(p.category->count(), 4);
    QCOMPARE(p.result->text(), QStringLiteral("Резултат: неверные данные"));
    QCOMPARE(p.colour(), QColor(Qt::black));

    type(p.served, QStringLiteral("2"));
    QCOMPARE(p.result->text(), QStringLiteral("Резултат: неверные данные"));
    QTest::keyClick(p.category->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(p.result->text(), QStringLiteral("Резултат: может быть применено"));
}

QTEST_MAIN(TestParole)
#include "tst_parole.moc"
