// How long one keystroke in a search box takes on the reference page: the query, the
// three lists reloaded and the page laid out and painted. Run on the sample Code and on
// a generated Code ten times the real one (5,000 articles, about 30 MB of text).
//
//   build/bench/search_bench [runs]          (QT_QPA_PLATFORM=offscreen)
//   build/bench/search_bench --generate FILE  writes the generated Code only

#include "db/dm.h"
#include "db/schema.h"
#include "platform/appfolder.h"
#include "platform/mrusearchbox.h"
#include "reference/referencepage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {

void generate(const QString &path, int articles, int textBytes)
{
    const QStringList words = QString::fromUtf8(
        "лицо деяние наказание имущество хищение тайное чужого совершенное группой "
        "предварительному сговору организованной значительного ущерба гражданину крупном "
        "размере особо лишение свободы срок штраф принудительные работы ограничение "
        "умышленное причинение вреда здоровью средней тяжести убийство то есть смерти "
        "другому человеку Кража Мошенничество Грабеж Разбой Вымогательство")
        .split(QLatin1Char(' '));
    QRandomGenerator rng(20261211);
    auto text = [&](int bytes) {
        QString t;
        // Cyrillic letters take two bytes each.
        while (t.size() * 2 < bytes)
            t += words.at(int(rng.bounded(quint32(words.size())))) + QLatin1Char(' ');
        return t;
    };
    SqliteConnection db;
    db.openForBuild(path);
    db.execScript(codeSchemaSql());
    db.execScript(QStringLiteral("begin"));
    db.exec(QStringLiteral("insert into sankc_type values (10, 'лишение свободы на определенный срок')"));
    const QString chunk = text(textBytes); // shared body, with a distinct head per article
    for (int a = 0; a < articles; ++a) {
        const QString guid = TDM::NewGUID();
        db.exec(QStringLiteral("insert into main values (?, ?, ?, '2025-01-01', ?, null)"),
                {guid, QStringLiteral("%1.%2").arg(100 + a / 10).arg(a % 10), text(60),
                 text(200) + chunk.mid(int(rng.bounded(200u)))});
        for (int p = 1; p <= 4; ++p) {
            const QString point = TDM::NewGUID();
            db.exec(QStringLiteral("insert into Punkt values (?, ?, ?, ?, null, 'тяжкое')"),
                    {point, guid, QString::number(p), text(400)});
            for (int s = 0; s < 3; ++s)
                db.exec(QStringLiteral("insert into sankciya values (?, ?, 10, 'основное', ?)"),
                        {TDM::NewGUID(), point, QStringLiteral("лишение свободы на срок до пяти лет")});
        }
    }
    db.execScript(QStringLiteral("commit"));
}

struct Figures {
    double median = 0;
    double worst = 0;
    double medianQueryOnly = 0; // the handler alone: query and lists reloaded
};

Figures measure(ReferencePage &page, MruSearchBox *box, const QString &typed, int runs)
{
    QList<double> times;
    QList<double> queryTimes;
    for (int run = 0; run < runs; ++run) {
        for (int i = 1; i <= typed.size(); ++i) {
            QElapsedTimer t;
            t.start();
            box->setText(typed.left(i));
            queryTimes.append(double(t.nsecsElapsed()) / 1e6);
            page.repaint(); // lists laid out and painted before the next key
            QCoreApplication::processEvents();
            times.append(double(t.nsecsElapsed()) / 1e6);
        }
        box->setText(QStringLiteral("Все"));
        QCoreApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    std::sort(queryTimes.begin(), queryTimes.end());
    return {times.at(times.size() / 2), times.last(), queryTimes.at(queryTimes.size() / 2)};
}

void run(const QString &name, int runs, QTextStream &out)
{
    TDM dm;
    ReferencePage page(&dm);
    page.resize(773, 483);
    page.show();
    QCoreApplication::processEvents();
    out << name << ": " << dm.adsmain->recordCount() << " articles\n";
    const struct {
        const char *label;
        MruSearchBox *box;
        const char *typed;
    } cases[] = {
        {"number box, 158", page.cxMRUEdit1, "158"},
        {"title box, кража", page.cxMRUEdit2, "кража"},
        {"text box, хищение", page.cxMRUEdit3, "хищение"},
    };
    for (const auto &c : cases) {
        const Figures f = measure(page, c.box, QString::fromUtf8(c.typed), runs);
        out << "  " << QString::fromUtf8(c.label) << ": median " << QString::number(f.median, 'f', 2)
            << " ms, worst " << QString::number(f.worst, 'f', 2)
            << " ms per keystroke (median without painting "
            << QString::number(f.medianQueryOnly, 'f', 2) << " ms)\n";
        out.flush();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == QLatin1String("--generate")) {
        generate(QString::fromLocal8Bit(argv[2]), 5000, 6000); // for profiling by hand
        return 0;
    }
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 5;

    const QString sample = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/Zorvant.mdb");
    QTemporaryDir dir;
    if (QFile::exists(sample)) {
        QFile::copy(sample, dir.filePath(QStringLiteral("Zorvant.mdb")));
        setAppFolder(dir.path());
        run(QStringLiteral("sample Code"), runs, out);
    } else {
        out << "sample Code: " << sample << " not built\n";
    }

    QTemporaryDir big;
    generate(big.filePath(QStringLiteral("Zorvant.mdb")), 5000, 6000);
    out << "generated Code: "
        << QString::number(QFileInfo(big.filePath(QStringLiteral("Zorvant.mdb"))).size() / 1e6, 'f', 1)
        << " MB file\n";
    setAppFolder(big.path());
    run(QStringLiteral("generated Code"), runs, out);
    return 0;
}
