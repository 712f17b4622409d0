// The category of a crime as read from its sanctions.

#include "db/severity.h"

#include <QtTest>

class SeverityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sanction_data();
    void sanction();
    void owner_data();
    void owner();
};

using Expected = std::optional<Severity>;
Q_DECLARE_METATYPE(Expected)
Q_DECLARE_METATYPE(QList<SanctionTerms>)

void SeverityTest::sanction_data()
{
    QTest::addColumn<QVariant>("type");
    QTest::addColumn<QString>("punishment");
    QTest::addColumn<Expected>("expected");

    const QVariant prison(10);
    auto row = [&](const char *name, const QVariant &type, const char *text, Expected e) {
        QTest::newRow(name) << type << QString::fromUtf8(text) << e;
    };
    row("up to two years", prison, "лишение свободы на срок до двух лет", Severity::Minor);
    row("two to five years: the higher term counts", prison, "от двух до пяти лет", Severity::Medium);
    row("up to ten years", prison, "до десяти лет", Severity::Grave);
    row("up to twelve years", prison, "до двенадцати лет", Severity::ParticularlyGrave);
    row("number words match whole words only", prison, "до восьмидесяти лет", Severity::Minor);
    row("twenty five is one phrase", prison, "от восьми до двадцати пяти лет",
        Severity::ParticularlyGrave);
    row("correct spelling of eleven", prison, "до одиннадцати лет", Severity::ParticularlyGrave);
    row("correct spelling of eighteen", prison, "до восемнадцати лет", Severity::ParticularlyGrave);
    row("old spelling of eighteen", prison, "до восемьнадцати лет", Severity::ParticularlyGrave);
    row("term in digits", prison, "лишение свободы на срок до 5 лет", Severity::Medium);
    row("months are not years", prison, "от шести месяцев до двух лет", Severity::Minor);
    row("a fine in thousands is not a term", prison,
        "до двух лет со штрафом в размере до восьмидесяти тысяч рублей", Severity::Minor);
    row("digits with another unit", prison, "до 6 месяцев", Severity::Minor);
    row("ё written in the number word", prison, "до трёх лет", Severity::Medium);
    row("a year and a half", prison, "до 1,5 лет", Severity::Minor);
    row("no number word", prison, "лишение свободы", Severity::Minor);
    row("empty text", prison, "", Severity::Minor);
    row("life imprisonment", QVariant(11), "пожизненное лишение свободы",
        Severity::ParticularlyGrave);
    row("a harsher kind ignores the text", QVariant(12), "до двух лет", Severity::ParticularlyGrave);
    row("a milder kind does not count", QVariant(5), "до десяти лет", std::nullopt);
    row("no kind does not count", QVariant(), "до десяти лет", std::nullopt);
}

void SeverityTest::sanction()
{
    QFETCH(QVariant, type);
    QFETCH(QString, punishment);
    QFETCH(Expected, expected);
    QCOMPARE(sanctionSeverity(type, punishment), expected);
}

void SeverityTest::owner_data()
{
    QTest::addColumn<QList<SanctionTerms>>("sanctions");
    QTest::addColumn<Expected>("expected");
    const auto t = [](int type, const char *text) {
        return SanctionTerms{QVariant(type), QString::fromUtf8(text)};
    };

    QTest::newRow("the most severe counts, not the last")
        << QList<SanctionTerms>{t(10, "до двенадцати лет"), t(10, "до трех лет")}
        << Expected(Severity::ParticularlyGrave);
    QTest::newRow("a milder kind after a harsher one changes nothing")
        << QList<SanctionTerms>{t(12, ""), t(5, "")} << Expected(Severity::ParticularlyGrave);
    QTest::newRow("milder kinds only")
        << QList<SanctionTerms>{t(1, "штраф до двухсот тысяч рублей"), t(4, "до двух лет")}
        << Expected(Severity::Minor);
    QTest::newRow("no sanctions leave the owner as it is")
        << QList<SanctionTerms>{} << Expected(std::nullopt);
}

void SeverityTest::owner()
{
    QFETCH(QList<SanctionTerms>, sanctions);
    QFETCH(Expected, expected);
    QCOMPARE(ownerSeverity(sanctions), expected);
}

QTEST_GUILESS_MAIN(SeverityTest)
#include "tst_severity.moc"
