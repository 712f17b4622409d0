#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

struct sqlite3;

// A long text kept as the engine's UTF-8 bytes until somebody reads it: a snapshot of
// every article holds the whole Code, and most of it is never shown.
struct Utf8Text {
    QByteArray bytes;
    bool operator==(const Utf8Text &other) const { return bytes == other.bytes; }
};
Q_DECLARE_METATYPE(Utf8Text)

enum class LongText { AsString, Deferred };

// The rows of one statement: column names as the engine reports them, the declared
// types (so that a DATE column comes back as QDate), and the values.
struct QueryResult {
    QStringList columns;
    QStringList declaredTypes;
    QList<QList<QVariant>> rows;
};

// The one connection to the Code database file. Opens an existing file read-write and
// never creates one; registers a LIKE that folds Cyrillic as well as Latin letters.
class SqliteConnection {
public:
    SqliteConnection();
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection &) = delete;
    SqliteConnection &operator=(const SqliteConnection &) = delete;

    // Throws AppError with the engine's text (or a Russian explanation for a Jet file).
    void open(const QString &path);
    // Opens a private in-memory database, for tools and tests that build one.
    void openInMemory();
    // Creates or opens a file for writing, for the tool that builds the sample Code.
    void openForBuild(const QString &path);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    QString path() const { return m_path; }

    // Both throw AppError with the engine's text. Parameters bind in order (?1, ?2 ...).
    QueryResult query(const QString &sql, const QVariantList &params = {},
                      LongText longText = LongText::AsString) const;
    void exec(const QString &sql, const QVariantList &params = {}) const;
    // Runs a script of several statements with no parameters.
    void execScript(const QString &sql) const;

    std::function<void()> afterConnect;

private:
    void install();
    [[noreturn]] void fail(const QString &context) const;

    sqlite3 *m_db = nullptr;
    QString m_path;
};
