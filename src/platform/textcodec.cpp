#include "platform/textcodec.h"

#include "platform/apperror.h"
#include "platform/cp1251.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace TextCodec {

QString decode(const QByteArray &bytes)
{
    // Malformed sequences after a mark become U+FFFD rather than stopping the read.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless)(
            QByteArrayView(bytes).sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE, QStringDecoder::Flag::Stateless)(
            QByteArrayView(bytes).sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless)(
            QByteArrayView(bytes).sliced(2));
    return Cp1251::decode(bytes);
}

QByteArray encode(const QString &text)
{
    if (Cp1251::canEncode(text))
        return Cp1251::encode(text);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QString joinLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return text;
}

} // namespace TextCodec

namespace TextFile {

QStringList readLines(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2")
                           .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    return TextCodec::splitLines(TextCodec::decode(file.readAll()));
}

void writeLines(const QString &fileName, const QStringList &lines)
{
    QSaveFile file(fileName);
    const QByteArray bytes = TextCodec::encode(TextCodec::joinLines(lines));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw AppError(QStringLiteral("Cannot create file \"%1\". %2")
                           .arg(QDir::toNativeSeparators(fileName), file.errorString()));
}

} // namespace TextFile
