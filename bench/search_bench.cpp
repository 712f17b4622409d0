// How the reference page keeps pace with typing on a Code of real size and on one ten
// times it. Both Codes are made from the sample Code itself: its articles, with their
// points and sanctions, cloned under new numbers until there are 500 (1x, about 1.1 M
// characters of article text, the size of the real Code) or 5,000 (10x) of them; each
// clone starts with a head of text of its own, so no two texts are alike.
//
// Each size runs in a process of its own, started as the program starts, so that the
// time to open and paint and the peak memory belong to that size alone. A keystroke is
// the box's text set, the lists reloaded, the page repainted and the events processed;
// the handler is the box's change handler alone; the bare scan is the same query run by
// SQLite's own LIKE (ASCII case only) on a connection of its own with SQLite's default
// cache, reading every column of every matching row, in the same process. With
// BARE_MAPPED=1 in the environment the bare scan gets the memory map and the cache the
// program gives its own connection.
//
//   search_bench [--cpu-time] [runs]          the whole table (QT_QPA_PLATFORM=offscreen)
//   search_bench --generate FOLDER ARTICLES   writes FOLDER/Zorvant.mdb and settings/
//   search_bench [--cpu-time] --measure FOLDER [runs]
//                                             one size, as raw lines (for a profiler)

#include "app/frmmain.h"
#include "app/instances.h"
#include "app/startup.h"
#include "db/dm.h"
#include "db/schema.h"
#include "platform/mrusearchbox.h"
#include "reference/articlesearch.h"
#include "reference/referencepage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <sqlite3.h>

#include <algorithm>
#include <ctime>
#include <map>

namespace {

constexpr int kSampleArticles = 32;
constexpr int kHeadChars = 300;

struct Case {
    const char *label;
    int box; // 1 number, 2 title, 3 text
    const char *typed;
};

const Case kCases[] = {
    {"number, \"158\"", 1, "158"},
    {"title, \"кража\"", 2, "кража"},
    {"text, \"хищение\"", 3, "хищение"},
    {"text matching nothing, \"пиратство\"", 3, "пиратство"},
    {"title, one letter \"и\" (most match)", 2, "и"},
};

QString sampleFile()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/Zorvant.mdb");
}

void copySettings(const QString &folder)
{
    const QDir from(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/settings"));
    QDir(folder).mkpath(QStringLiteral("settings"));
    for (const QString &name : from.entryList(QDir::Files))
        QFile::copy(from.filePath(name), folder + QStringLiteral("/settings/") + name);
}

// Clones the sample's articles until there are `articles` of them.
void generate(const QString &folder, int articles)
{
    SqliteConnection sample;
    sample.open(sampleFile());
    const QueryResult main = sample.query(QStringLiteral(
        "select GUID, NumberSt, NameSt, DateSt, TextSt, Tyajest from main order by rowid"));
    const QueryResult points = sample.query(QStringLiteral(
        "select GUID, ref_main, NameSetProof, Notes, Sankcia, Tyajest from Punkt order by rowid"));
    const QueryResult sanctions = sample.query(QStringLiteral(
        "select ID, ref_punkt, type_sankc, uslovie, nakazanie from sankciya order by rowid"));
    const QueryResult types = sample.query(QStringLiteral("select id, sankc_name from sankc_type"));

    // The heads are made of the sample's own words.
    QStringList words;
    for (const auto &row : main.rows)
        words += row[4].toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QRandomGenerator rng(20261211);

    const QString path = folder + QStringLiteral("/Zorvant.mdb");
    QFile::remove(path);
    SqliteConnection db;
    db.openForBuild(path);
    db.execScript(codeSchemaSql());
    db.execScript(QStringLiteral("begin"));
    for (const auto &row : types.rows)
        db.exec(QStringLiteral("insert into sankc_type values (?, ?)"), row);

    for (int a = 0; a < articles; ++a) {
        const auto &source = main.rows.at(a % main.rows.size());
        const bool original = a < main.rows.size();
        QVariantList article = source;
        QString text = source[4].toString();
        if (!original) {
            article[0] = TDM::NewGUID();
            article[1] = QString::number(400 + a - int(main.rows.size()));
            QString head = QStringLiteral("Редакция %1. ").arg(a);
            while (head.size() < kHeadChars)
                head += words.at(int(rng.bounded(quint32(words.size())))) + QLatin1Char(' ');
            text = head + text;
        }
        article[4] = text;
        db.exec(QStringLiteral("insert into main values (?, ?, ?, ?, ?, ?)"), article);
        const QVariant sourceKey = source[0];
        std::map<QString, QString> owners{{sourceKey.toString(), article[0].toString()}};
        for (const auto &p : points.rows) {
            if (p[1] != sourceKey)
                continue;
            QVariantList point = p;
            if (!original)
                point[0] = TDM::NewGUID();
            point[1] = article[0];
            owners[p[0].toString()] = point[0].toString();
            db.exec(QStringLiteral("insert into Punkt values (?, ?, ?, ?, ?, ?)"), point);
        }
        for (const auto &s : sanctions.rows) {
            const auto owner = owners.find(s[1].toString());
            if (owner == owners.end())
                continue;
            QVariantList sanction = s;
            if (!original)
                sanction[0] = TDM::NewGUID();
            sanction[1] = owner->second;
            db.exec(QStringLiteral("insert into sankciya values (?, ?, ?, ?, ?)"), sanction);
        }
    }
    db.execScript(QStringLiteral("commit"));
    copySettings(folder);
}

// Wall time by default, as a user would feel it. On a machine shared with other work the
// thread's own processor time shows what the program costs without the waits for a core.
bool g_cpuTime = false;

class Stopwatch {
public:
    Stopwatch() { start(); }
    void start() { m_start = now(); }
    double ms() const { return double(now() - m_start) / 1e6; }

private:
    static qint64 now()
    {
        timespec ts{};
        clock_gettime(g_cpuTime ? CLOCK_THREAD_CPUTIME_ID : CLOCK_MONOTONIC, &ts);
        return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
    }
    qint64 m_start = 0;
};

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

double worst(const QList<double> &v) { return v.isEmpty() ? 0 : *std::max_element(v.begin(), v.end()); }

qint64 peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return 0;
}

// SQLite on its own: the same statement, its built-in LIKE, every column of every row read.
class BareScan {
public:
    explicit BareScan(const QString &path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READONLY, nullptr);
        if (qEnvironmentVariableIsSet("BARE_MAPPED"))
            sqlite3_exec(m_db, "pragma mmap_size = 1073741824; pragma cache_size = -65536",
                         nullptr, nullptr, nullptr);
    }
    ~BareScan() { sqlite3_close(m_db); }

    double run(const ArticleQuery &q)
    {
        Stopwatch t;
        sqlite3_stmt *stmt = nullptr;
        const QByteArray sql = q.sql.toUtf8();
        sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &stmt, nullptr);
        QList<QByteArray> params;
        for (const QVariant &p : q.params)
            params.append(p.toString().toUtf8());
        for (int i = 0; i < params.size(); ++i)
            sqlite3_bind_text(stmt, i + 1, params[i].constData(), int(params[i].size()), SQLITE_STATIC);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                const unsigned char *text = sqlite3_column_text(stmt, c);
                m_sink += size_t(sqlite3_column_bytes(stmt, c)) + (text ? text[0] : 0);
            }
        }
        sqlite3_finalize(stmt);
        return t.ms();
    }
    size_t sink() const { return m_sink; }

private:
    sqlite3 *m_db = nullptr;
    size_t m_sink = 0;
};

// One size, in this process: prints "key values" lines for the parent to read.
int measure(const QString &folder, int runs)
{
    QStandardPaths::setTestModeEnabled(true); // keep the user's own settings out of it
    QTextStream out(stdout);
    Stopwatch clock;
    startUp(folder);
    if (!frmMain || !DM)
        return 1;
    frmMain->repaint();
    QCoreApplication::processEvents();
    out << "open " << clock.ms() << '\n';
    out << "articles " << DM->adsmain->recordCount() << '\n';

    auto *page = frmMain->findChild<ReferencePage *>();
    MruSearchBox *boxes[] = {page->cxMRUEdit1, page->cxMRUEdit2, page->cxMRUEdit3};
    const QString all = QStringLiteral("Все");

    struct Figures {
        QList<double> keystrokes, handler, scans;
        int found = 0;
    };
    QList<Figures> figures;
    for (const Case &c : kCases) {
        MruSearchBox *box = boxes[c.box - 1];
        const QString typed = QString::fromUtf8(c.typed);
        Figures f;
        for (int run = 0; run < runs; ++run) {
            box->setText(all);
            page->repaint();
            QCoreApplication::processEvents();
            for (int i = 1; i <= typed.size(); ++i) {
                Stopwatch t;
                box->setText(typed.left(i));
                f.handler.append(t.ms());
                page->repaint();
                QCoreApplication::processEvents();
                f.keystrokes.append(t.ms());
            }
        }
        f.found = DM->adsmain->recordCount();
        box->setText(all);
        figures.append(f);
    }
    // The program's own peak, before the bare scans add their connection.
    out << "peak " << double(peakKilobytes()) / 1024 << '\n';

    BareScan bare(folder + QStringLiteral("/Zorvant.mdb"));
    for (int k = 0; k < int(std::size(kCases)); ++k) {
        const Case &c = kCases[k];
        const QString typed = QString::fromUtf8(c.typed);
        for (int run = 0; run < runs; ++run) {
            for (int i = 1; i <= typed.size(); ++i) {
                QString texts[] = {all, all, all};
                texts[c.box - 1] = typed.left(i);
                figures[k].scans.append(bare.run(articleQuery(texts[0], texts[1], texts[2])));
            }
        }
        const Figures &f = figures[k];
        out << "case " << median(f.keystrokes) << ' ' << worst(f.keystrokes) << ' '
            << median(f.handler) << ' ' << median(f.scans) << ' ' << f.found << '\n';
    }
    out << "sink " << bare.sink() << '\n';
    out.flush();
    shutDown();
    return 0;
}

struct Size {
    QString name;
    int articles = 0;
    qint64 textChars = 0;
    double fileMB = 0;
    std::map<QString, QList<QStringList>> lines;
};

QString fixed(double v, int decimals = 1) { return QString::number(v, 'f', decimals); }

void printTable(const QList<Size> &sizes, int runs, QTextStream &out)
{
    out << "Search boxes on the reference page, " << runs << " runs of each case; "
        << (g_cpuTime ? "processor time of the thread" : "wall time")
        << " in ms (median / worst over every keystroke)\n\n";
    out << qSetFieldWidth(38) << Qt::left << "Box, typed" << qSetFieldWidth(0);
    for (const Size &s : sizes)
        out << " | " << qSetFieldWidth(46) << Qt::left
            << QStringLiteral("%1: keystroke, handler / bare = ratio").arg(s.name)
            << qSetFieldWidth(0);
    out << '\n';
    for (int c = 0; c < int(std::size(kCases)); ++c) {
        out << qSetFieldWidth(38) << Qt::left << QString::fromUtf8(kCases[c].label)
            << qSetFieldWidth(0);
        for (const Size &s : sizes) {
            const auto &cases = s.lines.at(QStringLiteral("case"));
            const QStringList f = cases.value(c);
            QString cell;
            if (f.size() >= 4) {
                const double h = f[2].toDouble(), b = f[3].toDouble();
                cell = QStringLiteral("%1 / %2, %3 / %4 = %5, %6 found")
                           .arg(fixed(f[0].toDouble()), fixed(f[1].toDouble()), fixed(h, 2),
                                fixed(b, 2), fixed(b > 0 ? h / b : 0, 2), f.value(4));
            }
            out << " | " << qSetFieldWidth(46) << Qt::left << cell << qSetFieldWidth(0);
        }
        out << '\n';
    }
    auto single = [](const Size &s, const char *key) {
        const auto it = s.lines.find(QString::fromLatin1(key));
        return it == s.lines.end() || it->second.isEmpty() ? 0.0 : it->second.first().value(0).toDouble();
    };
    out << '\n';
    for (const Size &s : sizes)
        out << s.name << ": " << s.articles << " articles, " << fixed(double(s.textChars) / 1e6, 2)
            << " M characters of article text, " << fixed(s.fileMB) << " MB file; open and first paint "
            << fixed(single(s, "open")) << " ms; peak memory " << fixed(single(s, "peak")) << " MB\n";
}

Size runSize(const QString &name, const QString &folder, int runs)
{
    Size s;
    s.name = name;
    const QString path = folder + QStringLiteral("/Zorvant.mdb");
    s.fileMB = double(QFileInfo(path).size()) / 1e6;
    {
        SqliteConnection db;
        db.open(path);
        const QueryResult r = db.query(QStringLiteral("select count(*), sum(length(TextSt)) from main"));
        s.articles = r.rows.at(0).at(0).toInt();
        s.textChars = r.rows.at(0).at(1).toLongLong();
    }
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList args{QStringLiteral("--measure"), folder, QString::number(runs)};
    if (g_cpuTime)
        args.prepend(QStringLiteral("--cpu-time"));
    child.start(QCoreApplication::applicationFilePath(), args);
    child.waitForFinished(-1);
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    for (const QString &line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QStringList f = line.split(QLatin1Char(' '));
        const QString key = f.takeFirst();
        s.lines[key].append(f);
    }
    s.lines[QStringLiteral("case")];
    return s;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    g_cpuTime = args.removeAll(QStringLiteral("--cpu-time")) > 0;

    if (args.value(0) == QLatin1String("--measure")) {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Zorvant"));
        return measure(args.value(1), std::max(1, args.value(2, QStringLiteral("10")).toInt()));
    }

    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (!QFile::exists(sampleFile())) {
        out << "the sample Code " << sampleFile() << " is not built\n";
        return 1;
    }
    if (args.value(0) == QLatin1String("--generate")) {
        QDir().mkpath(args.value(1));
        generate(args.value(1), std::max(kSampleArticles, args.value(2).toInt()));
        return 0;
    }

    const int runs = std::max(1, args.value(0, QStringLiteral("10")).toInt());
    QTemporaryDir dir;
    QList<Size> sizes;
    for (const auto &[name, articles] : {std::pair{"1x", 500}, std::pair{"10x", 5000}}) {
        const QString folder = dir.filePath(QString::fromLatin1(name));
        QDir().mkpath(folder);
        generate(folder, articles);
        sizes.append(runSize(QString::fromLatin1(name), folder, runs));
    }
    printTable(sizes, runs, out);
    return 0;
}
