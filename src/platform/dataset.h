#pragma once

#include "sqliteconnection.h"

#include <QObject>
#include <QPointer>

#include <functional>

enum class DatasetState { Inactive, Browse, Edit, Insert };

// A static client-side snapshot of one query over one table, with a current record,
// editing that writes each post and delete to the file at once, and an optional
// master link. A detail holds the rows whose detail field equals the master's
// current value of the master field, and follows the master's moves.
class Dataset : public QObject {
    Q_OBJECT
public:
    // `table` and `keyField` say where posts and deletes go.
    Dataset(SqliteConnection *connection, QString table, QString keyField,
            QObject *parent = nullptr);

    void setSql(const QString &sql, const QVariantList &params = {});
    QString sql() const { return m_sql; }
    QVariantList params() const { return m_params; }

    // open() throws AppError when the engine rejects the statement; the set stays closed.
    void open();
    void close();
    bool isActive() const { return m_state != DatasetState::Inactive; }
    DatasetState state() const { return m_state; }

    // Navigation. recNo() is the current row, -1 when there is none.
    int recordCount() const { return int(m_rows.size()); }
    int recNo() const { return m_current; }
    bool isEmpty() const { return m_rows.isEmpty(); }
    bool eof() const { return m_eof; }
    void first();
    void next();
    void last();
    void moveTo(int row);
    bool locate(const QString &field, const QVariant &value);

    // Fields by name, without regard to letter case.
    int fieldIndex(const QString &name) const;
    QStringList fieldNames() const { return m_columns; }
    QVariant value(const QString &field) const;
    QVariant valueAt(int row, int column) const;
    QVariant valueAt(int row, const QString &field) const;
    // Only while editing or inserting; throws AppError otherwise.
    void setValue(const QString &field, const QVariant &value);

    // Editing. insert() appends an empty row, makes it current, then runs afterInsert.
    void insert();
    void edit();
    // Writes the row by its key at once, then runs afterPost. Throws AppError when the
    // engine refuses; the set then stays in its editing state and nothing is stored.
    void post();
    void cancel();
    // Deletes the current row from the file and the snapshot.
    void remove();

    void setMaster(Dataset *master, const QString &masterField, const QString &detailField);
    Dataset *master() const { return m_master; }

    std::function<void(Dataset &)> afterInsert;
    std::function<void(Dataset &)> afterPost;

Q_SIGNALS:
    void aboutToReload();  // the whole snapshot is about to be replaced
    void reloaded();       // ... and has been (also on close)
    void aboutToAddRow(int row);
    void rowAdded(int row);
    void rowChanged(int row);
    void aboutToRemoveRow(int row);
    void rowRemoved(int row);
    void scrolled(int row); // the current record moved
    void stateChanged(DatasetState state);

private:
    void requery();
    void followMaster();
    void setCurrent(int row);
    void setState(DatasetState state);
    QVariant masterValue() const;
    static QVariant dateFromStorage(const QVariant &value);
    static QVariant toStorage(const QVariant &value);

    SqliteConnection *m_connection;
    QString m_table;
    QString m_keyField;
    QString m_sql;
    QVariantList m_params;

    QStringList m_columns;
    QStringList m_types;
    QList<QList<QVariant>> m_rows;
    int m_current = -1;
    bool m_eof = true;
    DatasetState m_state = DatasetState::Inactive;
    QList<QVariant> m_saved; // the row before edit, to cancel and to find it by key

    QPointer<Dataset> m_master;
    QString m_masterField;
    QString m_detailField;
    QVariant m_followedKey;
    QMetaObject::Connection m_masterScroll;
    QMetaObject::Connection m_masterReload;
    QMetaObject::Connection m_masterChange;
};
