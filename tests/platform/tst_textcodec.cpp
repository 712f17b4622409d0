#include "platform/apperror.h"
#include "platform/cp1251.h"
#include "platform/textcodec.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTextCodec : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void codePageBothWays_data();
    void codePageBothWays();
    void everyByteComesBack();
    void charactersOutsideTheCodePage();
    void markSelectsTheEncoding_data();
    void markSelectsTheEncoding();
    void writtenInTheCodePageUnlessACharacterWouldBeLost();
    void lines_data();
    void lines();
    void linesFileWrittenWithCrLfAndReadBack();
    void linesFileErrorsNameTheFile();
};

void TestTextCodec::codePageBothWays_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII") << QByteArray("count=2") << QStringLiteral("count=2");
    QTest::newRow("first and last capital") << QByteArray("\xC0\xDF") << QStringLiteral("АЯ");
    QTest::newRow("first and last small") << QByteArray("\xE0\xFF") << QStringLiteral("ая");
    QTest::newRow("yo") << QByteArray("\xA8\xB8") << QStringLiteral("Ёё");
    QTest::newRow("number sign") << QByteArray("\xB9") << QStringLiteral("№");
    QTest::newRow("guillemets and dash") << QByteArray("\xAB\x97\xBB") << QStringLiteral("«—»");
    QTest::newRow("euro, no-break space") << QByteArray("\x88\xA0") << QStringView(u"€\u00A0").toString();
    QTest::newRow("Ukrainian letters") << QByteArray("\xB2\xAF\xAA\xA5") << QStringLiteral("ІЇЄҐ");
    QTest::newRow("Serbian letters") << QByteArray("\x80\x8A\x9A\x9F") << QStringLiteral("ЂЉљџ");
    QTest::newRow("unassigned byte") << QByteArray("\x98") << QString(QChar(0x98));
}

void TestTextCodec::codePageBothWays()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Cp1251::decode(bytes), text);
    QVERIFY(Cp1251::canEncode(text));
    QCOMPARE(Cp1251::encode(text), bytes);
}

void TestTextCodec::everyByteComesBack()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Cp1251::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
    QCOMPARE(Cp1251::encode(text), all);
}

void TestTextCodec::charactersOutsideTheCodePage()
{
    const QString text = QStringLiteral("Müller Ω 😀");
    QVERIFY(!Cp1251::canEncode(text));
    QCOMPARE(Cp1251::encode(QStringLiteral("aΩb")), QByteArray("a?b"));
}

void TestTextCodec::markSelectsTheEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("no mark: Windows-1251") << QByteArray("\xC2\xF1\xE5") << QStringLiteral("Все");
    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF\xD0\x92\xD1\x81\xD0\xB5")
                                << QStringLiteral("Все");
    QTest::newRow("UTF-16 LE mark") << QByteArray("\xFF\xFE\x12\x04\x41\x04\x35\x04", 8)
                                    << QStringLiteral("Все");
    QTest::newRow("UTF-16 BE mark") << QByteArray("\xFE\xFF\x04\x12\x04\x41\x04\x35", 8)
                                    << QStringLiteral("Все");
    QTest::newRow("invalid UTF-8 after the mark") << QByteArray("\xEF\xBB\xBF" "a\xC0\xFF" "b")
                                                  << QStringView(u"a\uFFFD\uFFFDb").toString();
    QTest::newRow("odd UTF-16 byte") << QByteArray("\xFF\xFE\x41\x00\x42", 5)
                                     << QStringView(u"A\uFFFD").toString();
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestTextCodec::markSelectsTheEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextCodec::decode(bytes), text);
}

void TestTextCodec::writtenInTheCodePageUnlessACharacterWouldBeLost()
{
    QCOMPARE(TextCodec::encode(QStringLiteral("Все")), QByteArray("\xC2\xF1\xE5"));
    const QString foreign = QStringLiteral("Łukasz Ω");
    const QByteArray bytes = TextCodec::encode(foreign);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(TextCodec::decode(bytes), foreign);
}

void TestTextCodec::lines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("one line ended") << QStringLiteral("Все\r\n") << QStringList{QStringLiteral("Все")};
    QTest::newRow("last line not ended") << QStringLiteral("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("LF and CR") << QStringLiteral("a\nb\rc\n") << QStringList{"a", "b", "c"};
    QTest::newRow("empty line kept") << QStringLiteral("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("only a line end") << QStringLiteral("\r\n") << QStringList{""};
}

void TestTextCodec::lines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(TextCodec::splitLines(text), lines);
}

void TestTextCodec::linesFileWrittenWithCrLfAndReadBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("qr1.ini"));
    TextFile::writeLines(path, {QStringLiteral("кража"), QStringLiteral("105")});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\xEA\xF0\xE0\xE6\xE0\r\n105\r\n"));
    QCOMPARE(TextFile::readLines(path), (QStringList{QStringLiteral("кража"), QStringLiteral("105")}));
}

void TestTextCodec::linesFileErrorsNameTheFile()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("settings/qr1.ini"));
    try {
        TextFile::readLines(missing);
        QFAIL("a missing file was read");
    } catch (const AppError &error) {
        QVERIFY2(error.text().startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(missing)),
                 qPrintable(error.text()));
    }
    try {
        TextFile::writeLines(missing, {QStringLiteral("a")});
        QFAIL("a file was written into a missing folder");
    } catch (const AppError &error) {
        QVERIFY2(error.text().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(missing)),
                 qPrintable(error.text()));
    }
}

QTEST_APPLESS_MAIN(TestTextCodec)
#include "tst_textcodec.moc"
