// The text rules the search and the lists stand on: the Cyrillic-aware LIKE and the
// natural order of article numbers.

#include "platform/likematch.h"
#include "platform/naturalorder.h"

#include <QtTest>

class TextRulesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void like_data();
    void like();
    void naturalOrder_data();
    void naturalOrder();
};

void TextRulesTest::like_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escape");
    QTest::addColumn<bool>("expected");

    auto row = [](const char *name, const char *p, const char *t, bool e, const char *esc = "") {
        QTest::newRow(name) << QString::fromUtf8(p) << QString::fromUtf8(t)
                            << QString::fromUtf8(esc) << e;
    };
    row("Cyrillic letter case is ignored", "%кража%", "Статья 158. КРАЖА", true);
    row("Latin letter case is ignored", "%ABC%", "xabcx", true);
    row("Ё folds to ё but not to е", "%ёж%", "ЁЖ", true);
    row("ё is not е", "%еж%", "ёж", false);
    row("only % matches everything", "%%", "", true);
    row("empty pattern matches only empty text", "", "", true);
    row("empty pattern rejects text", "", "a", false);
    row("no % means the whole text", "158", "158.1", false);
    row("no % exact", "158", "158", true);
    row("prefix", "158%", "158.1", true);
    row("prefix fails", "158%", "1158", false);
    row("suffix", "%.1", "158.1", true);
    row("suffix fails when it is only in the middle", "%.1", "158.12", false);
    row("_ is one Cyrillic letter", "%к_ажа%", "КРАЖА", true);
    row("_ is exactly one letter", "к_жа", "кража", false);
    row("_ at the end needs a letter", "%кража_", "кража", false);
    row("_ at the end", "%краж_", "кража", true);
    row("pieces in order", "%лишение%свободы%", "лишением ... лишение на срок свободы", true);
    row("pieces out of order", "%свободы%лишение%", "лишение свободы", false);
    row("trailing blank must be there", "%кража %", "кража", false);
    row("trailing blank found", "%кража %", "кража чужого", true);
    row("quote is an ordinary character", "%\"%", "статья \"а\"", true);
    row("apostrophe is an ordinary character", "%'%", "д'Артаньян", true);
    row("escape makes % literal", "%5!%%", "ставка 5%", true, "!");
    row("escaped % does not match other text", "%5!%%", "ставка 50", false, "!");
    row("last piece cannot reuse the middle", "%аб%б", "аб", false);
}

void TextRulesTest::like()
{
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(QString, escape);
    QFETCH(bool, expected);
    QCOMPARE(Like::matches(pattern.toStdString(), text.toStdString(), escape.toStdString()),
             expected);
}

void TextRulesTest::naturalOrder_data()
{
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("higher");
    QTest::newRow("shorter number first") << "105" << "158";
    QTest::newRow("article before its sub-article") << "158" << "158.1";
    QTest::newRow("sub-article before the next article") << "158.1" << "159";
    QTest::newRow("hundreds before thousands") << "999" << "1000";
    QTest::newRow("sub-articles by number") << "228.2" << "228.10";
    QTest::newRow("letters without case") << QString::fromUtf8("ч. а") << QString::fromUtf8("Ч. Б");
}

void TextRulesTest::naturalOrder()
{
    QFETCH(QString, lower);
    QFETCH(QString, higher);
    QVERIFY(naturalCompare(lower, higher) < 0);
    QVERIFY(naturalCompare(higher, lower) > 0);
    QCOMPARE(naturalCompare(lower, lower), 0);
}

QTEST_GUILESS_MAIN(TextRulesTest)
#include "tst_textrules.moc"
