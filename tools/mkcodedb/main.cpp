// Builds the sample Code database from data/: the kinds of punishment and one text file
// per article. Every severity is computed with the program's own rule, so the shipped
// database says what the program would say after saving each sanction.

#include "codetext.h"

#include "db/dm.h"
#include "db/schema.h"
#include "db/severity.h"
#include "platform/apperror.h"
#include "platform/naturalorder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <numeric>

namespace {

QVariant severityOf(const QList<SanctionText> &sanctions, const QMap<int, QString> &kinds)
{
    QList<SanctionTerms> terms;
    for (const SanctionText &s : sanctions)
        terms.append({kinds.key(s.kind), s.punishment});
    const auto severity = ownerSeverity(terms);
    return severity ? QVariant(severityText(*severity)) : QVariant();
}

void insertSanctions(const SqliteConnection &db, const QString &owner,
                     const QList<SanctionText> &sanctions, const QMap<int, QString> &kinds,
                     const QString &file)
{
    for (const SanctionText &s : sanctions) {
        const int kind = kinds.key(s.kind, 0);
        if (kind == 0)
            throw AppError(QStringLiteral("%1: вид наказания «%2» не назван в sankc_type.txt")
                               .arg(file, s.kind));
        db.exec(QStringLiteral("insert into sankciya (ID, ref_punkt, type_sankc, uslovie, "
                               "nakazanie) values (?, ?, ?, ?, ?)"),
                {TDM::NewGUID(), owner, kind, s.condition, s.punishment});
    }
}

void build(const QString &dataFolder, const QString &target)
{
    const QMap<int, QString> kinds = readSanctionKinds(dataFolder + QStringLiteral("/sankc_type.txt"));

    QDir codeDir(dataFolder + QStringLiteral("/code"));
    QList<ArticleText> articles;
    QStringList files;
    for (const QString &f : codeDir.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        articles.append(readArticle(codeDir.filePath(f)));
        files.append(f);
    }
    // The article list shows rows in the order they were stored: the Code's order.
    QList<int> order(articles.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
        return naturalCompare(articles[x].number, articles[y].number) < 0;
    });

    // Build beside the target and rename, so a failed build never leaves half a file.
    const QString temporary = target + QStringLiteral(".part");
    QFile::remove(temporary);
    {
        SqliteConnection db;
        db.openForBuild(temporary);
        db.execScript(codeSchemaSql());
        db.execScript(QStringLiteral("begin"));
        for (auto it = kinds.cbegin(); it != kinds.cend(); ++it)
            db.exec(QStringLiteral("insert into sankc_type (id, sankc_name) values (?, ?)"),
                    {it.key(), it.value()});
        for (int i : order) {
            const ArticleText &a = articles[i];
            const QString file = codeDir.filePath(files[i]);
            const QString guid = TDM::NewGUID();
            db.exec(QStringLiteral("insert into main (GUID, NumberSt, NameSt, DateSt, TextSt, "
                                   "Tyajest) values (?, ?, ?, ?, ?, ?)"),
                    {guid, a.number, a.title, a.date, a.text,
                     a.parts.isEmpty() ? severityOf(a.sanctions, kinds) : QVariant()});
            insertSanctions(db, guid, a.sanctions, kinds, file);
            for (const PartText &p : a.parts) {
                const QString point = TDM::NewGUID();
                QStringList summary;
                for (const SanctionText &s : p.sanctions)
                    summary.append(s.punishment);
                db.exec(QStringLiteral("insert into Punkt (GUID, ref_main, NameSetProof, Notes, "
                                       "Sankcia, Tyajest) values (?, ?, ?, ?, ?, ?)"),
                        {point, guid, p.number, p.text, summary.join(QStringLiteral("; ")),
                         severityOf(p.sanctions, kinds)});
                insertSanctions(db, point, p.sanctions, kinds, file);
            }
        }
        db.execScript(QStringLiteral("commit"));
    }
    QFile::remove(target);
    if (!QFile::rename(temporary, target))
        throw AppError(QStringLiteral("не удалось записать %1").arg(target));
    QTextStream(stdout) << "mkcodedb: " << articles.size() << " articles -> " << target << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: mkcodedb DATA_FOLDER DATABASE_FILE\n";
        return 2;
    }
    try {
        build(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const AppError &e) {
        QTextStream(stderr) << "mkcodedb: " << e.text() << '\n';
        return 1;
    }
    return 0;
}
