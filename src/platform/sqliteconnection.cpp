#include "sqliteconnection.h"

#include "apperror.h"
#include "likematch.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <memory>

namespace {

// like(pattern, value[, escape]) with Cyrillic case folding. The compiled pattern is
// kept with the statement, so a search over thousands of rows parses it once.
void likeFunction(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
    }
    auto text = [](sqlite3_value *v) {
        const auto *bytes = reinterpret_cast<const char *>(sqlite3_value_text(v));
        return std::string_view(bytes ? bytes : "", size_t(sqlite3_value_bytes(v)));
    };

    std::unique_ptr<Like::Pattern> fresh;
    auto *pattern = static_cast<Like::Pattern *>(sqlite3_get_auxdata(ctx, 0));
    if (!pattern) {
        fresh = std::make_unique<Like::Pattern>(text(argv[0]),
                                                argc == 3 ? text(argv[2]) : std::string_view{});
        pattern = fresh.get();
    }

    sqlite3_result_int(ctx, pattern->matches(text(argv[1])) ? 1 : 0);

    if (fresh)
        sqlite3_set_auxdata(ctx, 0, fresh.release(),
                            [](void *p) { delete static_cast<Like::Pattern *>(p); });
}

QString engineText(sqlite3 *db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

bool isJetFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(32);
    return head.contains("Standard Jet DB") || head.contains("Standard ACE DB");
}

constexpr int kDeferredTextBytes = 256;

struct Statement {
    sqlite3_stmt *stmt = nullptr;
    ~Statement() { sqlite3_finalize(stmt); }
};

void bindAll(sqlite3_stmt *stmt, const QVariantList &params)
{
    for (int i = 0; i < params.size(); ++i) {
        const QVariant &v = params.at(i);
        const int at = i + 1;
        if (v.isNull()) {
            sqlite3_bind_null(stmt, at);
            continue;
        }
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Bool: sqlite3_bind_int64(stmt, at, v.toLongLong()); break;
        case QMetaType::Double: sqlite3_bind_double(stmt, at, v.toDouble()); break;
        case QMetaType::QDate: {
            const QByteArray iso = v.toDate().toString(Qt::ISODate).toUtf8();
            sqlite3_bind_text(stmt, at, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QByteArray: {
            const QByteArray b = v.toByteArray();
            sqlite3_bind_blob(stmt, at, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray s = v.toString().toUtf8();
            sqlite3_bind_text(stmt, at, s.constData(), int(s.size()), SQLITE_TRANSIENT);
        }
        }
    }
}

} // namespace

SqliteConnection::SqliteConnection() = default;

SqliteConnection::~SqliteConnection() { close(); }

void SqliteConnection::open(const QString &path)
{
    close();
    const QString shown = QDir::toNativeSeparators(path);
    auto refuse = [&](const QString &why) {
        throw AppError(QStringLiteral("Не удалось открыть базу данных «%1»: %2").arg(shown, why));
    };
    if (isJetFile(path))
        throw AppError(QStringLiteral("Файл «%1» — база данных в старом формате Access. Программа "
                                      "работает с базами SQLite: преобразуйте файл в формат SQLite "
                                      "и положите его на то же место под тем же именем")
                           .arg(shown));

    // A file marked read-only stays untouched even for a user the system would let write.
    const QFileInfo info(path);
    if (info.exists() && !(info.permissions() & QFileDevice::WriteUser &&
                           info.permissions() & QFileDevice::WriteOwner))
        refuse(QString::fromUtf8(sqlite3_errstr(SQLITE_READONLY)));

    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString why = db ? engineText(db) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db);
        refuse(why);
    }
    m_db = db;
    m_path = path;
    if (sqlite3_db_readonly(m_db, "main") == 1) {
        close();
        refuse(QString::fromUtf8(sqlite3_errstr(SQLITE_READONLY)));
    }
    sqlite3_busy_timeout(m_db, 1000);
    // A text search reads every article's text on each keystroke: mapping the file and
    // keeping its pages in memory makes that a memory scan instead of thousands of reads.
    sqlite3_exec(m_db, "pragma mmap_size = 1073741824; pragma cache_size = -65536", nullptr,
                 nullptr, nullptr);
    // A file that is not a database, or one locked by another program, only shows
    // itself on the first read.
    char *error = nullptr;
    if (sqlite3_exec(m_db, "select count(*) from sqlite_master", nullptr, nullptr, &error) !=
        SQLITE_OK) {
        const QString why = QString::fromUtf8(error ? error : sqlite3_errmsg(m_db));
        sqlite3_free(error);
        close();
        refuse(why);
    }
    install();
}

void SqliteConnection::openInMemory()
{
    close();
    if (sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK)
        fail(QStringLiteral(":memory:"));
    m_path = QStringLiteral(":memory:");
    install();
}

void SqliteConnection::openForBuild(const QString &path)
{
    close();
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        fail(path);
    m_path = path;
    install();
}

void SqliteConnection::install()
{
    for (int args : {2, 3})
        sqlite3_create_function_v2(m_db, "like", args, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                   nullptr, likeFunction, nullptr, nullptr, nullptr);
    if (afterConnect)
        afterConnect();
}

void SqliteConnection::close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    m_path.clear();
}

void SqliteConnection::fail(const QString &context) const
{
    const QString why = m_db ? engineText(m_db) : QStringLiteral("нет соединения с базой данных");
    throw AppError(context.isEmpty() ? why : QStringLiteral("%1: %2").arg(context, why));
}

QueryResult SqliteConnection::query(const QString &sql, const QVariantList &params,
                                    LongText longText) const
{
    if (!m_db)
        fail(QString());
    Statement s;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &s.stmt, nullptr) != SQLITE_OK)
        fail(QString());
    if (!s.stmt) // only blanks or comments
        return {};
    bindAll(s.stmt, params);

    QueryResult result;
    const int columns = sqlite3_column_count(s.stmt);
    for (int c = 0; c < columns; ++c) {
        result.columns.append(QString::fromUtf8(sqlite3_column_name(s.stmt, c)));
        const char *decl = sqlite3_column_decltype(s.stmt, c);
        result.declaredTypes.append(decl ? QString::fromUtf8(decl).toUpper() : QString());
    }
    int rc;
    while ((rc = sqlite3_step(s.stmt)) == SQLITE_ROW) {
        QList<QVariant> row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(s.stmt, c)) {
            case SQLITE_INTEGER: row.append(qlonglong(sqlite3_column_int64(s.stmt, c))); break;
            case SQLITE_FLOAT: row.append(sqlite3_column_double(s.stmt, c)); break;
            case SQLITE_TEXT: {
                const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(s.stmt, c));
                const int size = sqlite3_column_bytes(s.stmt, c);
                if (longText == LongText::Deferred && size > kDeferredTextBytes)
                    row.append(QVariant::fromValue(Utf8Text{QByteArray(bytes, size)}));
                else
                    row.append(QString::fromUtf8(bytes, size));
                break;
            }
            case SQLITE_BLOB:
                row.append(QByteArray(static_cast<const char *>(sqlite3_column_blob(s.stmt, c)),
                                      sqlite3_column_bytes(s.stmt, c)));
                break;
            default: row.append(QVariant());
            }
        }
        result.rows.append(std::move(row));
    }
    if (rc != SQLITE_DONE)
        fail(QString());
    return result;
}

void SqliteConnection::exec(const QString &sql, const QVariantList &params) const
{
    query(sql, params);
}

void SqliteConnection::execScript(const QString &sql) const
{
    if (!m_db)
        fail(QString());
    char *error = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString why = QString::fromUtf8(error ? error : "");
        sqlite3_free(error);
        throw AppError(why);
    }
}
